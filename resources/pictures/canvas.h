#pragma once
// Small drawing primitives on our pixel buffers. Everything clips to the
// bitmap, so callers may draw shapes that hang over an edge.

#include "render/bitmap.h"

namespace lorvix::resources {

void PutPixel(Bitmap& bitmap, int x, int y, Pixel colour);
void FillRect(Bitmap& bitmap, int x, int y, int width, int height, Pixel colour);
// A one-pixel outline of the rectangle.
void FrameRect(Bitmap& bitmap, int x, int y, int width, int height, Pixel colour);
// An edge of `thickness` pixels: `topLeft` on the upper and left sides,
// `bottomRight` on the others. Light over dark reads as raised, dark over
// light as sunken.
void BevelFrame(Bitmap& bitmap, int x, int y, int width, int height, int thickness, Pixel topLeft,
                Pixel bottomRight);
void DrawLine(Bitmap& bitmap, int x0, int y0, int x1, int y1, Pixel colour);
// Every pixel whose centre lies within `radius` of (cx, cy).
void FillCircle(Bitmap& bitmap, double cx, double cy, double radius, Pixel colour);
// Copies `source` with its top-left corner at (x, y).
void Blit(Bitmap& target, const Bitmap& source, int x, int y);
Bitmap MirroredLeftRight(const Bitmap& bitmap);

}  // namespace lorvix::resources
