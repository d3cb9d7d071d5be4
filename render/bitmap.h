#pragma once
// Our own pixel buffer: 32-bit 0x00RRGGBB pixels, row 0 at the top. All
// drawing of the game happens in these; the platform only shows them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lorvix {

using Pixel = uint32_t;

inline constexpr Pixel Rgb(int r, int g, int b) {
  return (static_cast<Pixel>(r & 255) << 16) | (static_cast<Pixel>(g & 255) << 8) |
         static_cast<Pixel>(b & 255);
}

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
  Pixel& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Pixel* Data() const { return pixels_.data(); }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace lorvix
