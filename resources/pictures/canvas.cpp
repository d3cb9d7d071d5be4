#include "resources/pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lorvix::resources {

void PutPixel(Bitmap& bitmap, int x, int y, Pixel colour) {
  if (bitmap.Contains(x, y)) bitmap.At(x, y) = colour;
}

void FillRect(Bitmap& bitmap, int x, int y, int width, int height, Pixel colour) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + width, bitmap.Width()), y1 = std::min(y + height, bitmap.Height());
  for (int py = y0; py < y1; ++py)
    for (int px = x0; px < x1; ++px) bitmap.At(px, py) = colour;
}

void FrameRect(Bitmap& bitmap, int x, int y, int width, int height, Pixel colour) {
  BevelFrame(bitmap, x, y, width, height, 1, colour, colour);
}

void BevelFrame(Bitmap& bitmap, int x, int y, int width, int height, int thickness, Pixel topLeft,
                Pixel bottomRight) {
  for (int i = 0; i < thickness; ++i) {
    const int left = x + i, top = y + i, right = x + width - 1 - i, bottom = y + height - 1 - i;
    // The corners where both colours meet are split along the diagonal.
    for (int px = left; px <= right; ++px) {
      PutPixel(bitmap, px, top, px < right ? topLeft : bottomRight);
      PutPixel(bitmap, px, bottom, px > left ? bottomRight : topLeft);
    }
    for (int py = top; py <= bottom; ++py) {
      PutPixel(bitmap, left, py, py < bottom ? topLeft : bottomRight);
      PutPixel(bitmap, right, py, py > top ? bottomRight : topLeft);
    }
  }
}

void DrawLine(Bitmap& bitmap, int x0, int y0, int x1, int y1, Pixel colour) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    PutPixel(bitmap, x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void FillCircle(Bitmap& bitmap, double cx, double cy, double radius, Pixel colour) {
  const int x0 = static_cast<int>(std::floor(cx - radius)),
            x1 = static_cast<int>(std::ceil(cx + radius));
  const int y0 = static_cast<int>(std::floor(cy - radius)),
            y1 = static_cast<int>(std::ceil(cy + radius));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= radius * radius) PutPixel(bitmap, x, y, colour);
    }
}

void Blit(Bitmap& target, const Bitmap& source, int x, int y) {
  for (int row = 0; row < source.Height(); ++row)
    for (int col = 0; col < source.Width(); ++col)
      PutPixel(target, x + col, y + row, source.At(col, row));
}

Bitmap MirroredLeftRight(const Bitmap& bitmap) {
  Bitmap mirrored(bitmap.Width(), bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      mirrored.At(bitmap.Width() - 1 - x, y) = bitmap.At(x, y);
  return mirrored;
}

}  // namespace lorvix::resources
