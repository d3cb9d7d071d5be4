#pragma once
// A one-bit picture (ink or no ink), used for lettering and symbols: it is
// shaped first (enlarged, smoothed, slanted) and coloured last, so outlines
// and shadows follow the final shape.

#include <cstdint>
#include <vector>

#include "render/bitmap.h"

namespace lorvix::resources {

class InkMask {
 public:
  InkMask() = default;
  InkMask(int width, int height)
      : width_(width), height_(height), ink_(static_cast<size_t>(width) * height, 0) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Outside the mask there is never ink.
  bool Ink(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ &&
           ink_[static_cast<size_t>(y) * width_ + x];
  }
  void Set(int x, int y, bool ink = true) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
      ink_[static_cast<size_t>(y) * width_ + x] = ink;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> ink_;
};

// Each pixel becomes a factor x factor block.
InkMask Enlarged(const InkMask& mask, int factor);
// Doubles the size and rounds off diagonal steps (the Scale2x rule), so big
// letters look drawn rather than blown up.
InkMask SmoothDoubled(const InkMask& mask);
// Thickens every stroke by one pixel to the right (the mask grows by one
// column), so diagonals stay joined when the mask is enlarged.
InkMask Bold(const InkMask& mask);
// Leans the mask to the right: rows are shifted one pixel further for every
// `rowsPerPixel` rows above the bottom row.
InkMask Slanted(const InkMask& mask, int rowsPerPixel);
// The pixels next to ink (in the eight directions) that are not ink.
InkMask Outline(const InkMask& mask);

// Paints every ink pixel at offset (x, y).
void Paint(Bitmap& target, const InkMask& mask, int x, int y, Pixel colour);
// Paints the ink with a one-pixel border and a shadow one pixel down-right
// of the border. Passing the same colour for border and shadow is fine.
void PaintOutlined(Bitmap& target, const InkMask& mask, int x, int y, Pixel fill, Pixel border,
                   Pixel shadow);

}  // namespace lorvix::resources
