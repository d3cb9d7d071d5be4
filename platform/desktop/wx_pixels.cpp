#include "platform/desktop/wx_pixels.h"

#include <wx/image.h>

namespace platform {

wxBitmap ToBitmap(const PixelView& pixels) {
  wxImage image(pixels.width, pixels.height);
  unsigned char* rgb = image.GetData();
  for (int i = 0; i < pixels.width * pixels.height; ++i) {
    const uint32_t p = pixels.pixels[i];
    rgb[3 * i] = static_cast<unsigned char>(p >> 16);
    rgb[3 * i + 1] = static_cast<unsigned char>(p >> 8);
    rgb[3 * i + 2] = static_cast<unsigned char>(p);
  }
  return wxBitmap(image);
}

}  // namespace platform
