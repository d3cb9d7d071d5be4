#include "platform/desktop/wx_pixels.h"

#include <wx/image.h>
#include <wx/rawbmp.h>

#include <algorithm>

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

void CopyPixels(const PixelView& source, const Rect& area, wxBitmap& target) {
  const int x0 = std::max(0, area.x), y0 = std::max(0, area.y);
  const int x1 = std::min({area.x + area.width, source.width, target.GetWidth()});
  const int y1 = std::min({area.y + area.height, source.height, target.GetHeight()});
  if (x0 >= x1 || y0 >= y1) return;
  wxNativePixelData data(target);
  if (!data) return;
  wxNativePixelData::Iterator row(data);
  row.MoveTo(data, x0, y0);
  for (int y = y0; y < y1; ++y) {
    wxNativePixelData::Iterator p = row;
    const uint32_t* from = source.pixels + static_cast<size_t>(y) * source.width + x0;
    for (int x = x0; x < x1; ++x, ++p, ++from) {
      p.Red() = static_cast<unsigned char>(*from >> 16);
      p.Green() = static_cast<unsigned char>(*from >> 8);
      p.Blue() = static_cast<unsigned char>(*from);
    }
    row.OffsetY(data, 1);
  }
}

}  // namespace platform
