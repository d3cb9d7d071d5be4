#include "render/blit.h"

#include <algorithm>

namespace lorvix {

namespace {

// Intersection of two rectangles; empty ones come out with width or height 0.
Rect Intersect(const Rect& a, const Rect& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.width, b.x + b.width);
  const int y1 = std::min(a.y + a.height, b.y + b.height);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Rect DestinationLimits(const Bitmap& dst, const std::optional<Rect>& clip) {
  const Rect whole{0, 0, dst.Width(), dst.Height()};
  return clip ? Intersect(whole, *clip) : whole;
}

Pixel Combine(Pixel under, Pixel source, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: return source;
    case RasterOp::And: return under & source;
    case RasterOp::Or: return under | source;
  }
  return source;
}

}  // namespace

Rect ClipToPicture(int64_t x, int64_t y, int64_t width, int64_t height, int pictureWidth,
                   int pictureHeight) {
  const int64_t x0 = std::clamp<int64_t>(x, 0, pictureWidth);
  const int64_t y0 = std::clamp<int64_t>(y, 0, pictureHeight);
  const int64_t x1 = std::clamp<int64_t>(x + std::max<int64_t>(width, 0), 0, pictureWidth);
  const int64_t y1 = std::clamp<int64_t>(y + std::max<int64_t>(height, 0), 0, pictureHeight);
  return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
          static_cast<int>(y1 - y0)};
}

void Blit(Bitmap& dst, int dx, int dy, int width, int height, const Bitmap& src, int sx, int sy,
          RasterOp op, const std::optional<Rect>& clip) {
  if (width <= 0 || height <= 0) return;
  // Where the source block lands, cut down to the part the source really has.
  const Rect fromSource = Intersect({sx, sy, width, height}, {0, 0, src.Width(), src.Height()});
  const Rect landed{dx + fromSource.x - sx, dy + fromSource.y - sy, fromSource.width,
                    fromSource.height};
  const Rect drawn = Intersect(landed, DestinationLimits(dst, clip));
  for (int y = drawn.y; y < drawn.y + drawn.height; ++y) {
    const int srcY = y - dy + sy;
    for (int x = drawn.x; x < drawn.x + drawn.width; ++x) {
      Pixel& under = dst.At(x, y);
      under = Combine(under, src.At(x - dx + sx, srcY), op);
    }
  }
}

void StretchBlit(Bitmap& dst, const Rect& to, const Bitmap& src, const Rect& from,
                 const std::optional<Rect>& clip) {
  if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0) return;
  const Rect drawn = Intersect(to, DestinationLimits(dst, clip));
  for (int y = drawn.y; y < drawn.y + drawn.height; ++y) {
    // The source row whose band covers the middle of this destination row.
    const int srcY = from.y + static_cast<int>((int64_t{2} * (y - to.y) + 1) * from.height /
                                               (int64_t{2} * to.height));
    for (int x = drawn.x; x < drawn.x + drawn.width; ++x) {
      const int srcX = from.x + static_cast<int>((int64_t{2} * (x - to.x) + 1) * from.width /
                                                 (int64_t{2} * to.width));
      if (src.Contains(srcX, srcY)) dst.At(x, y) = src.At(srcX, srcY);
    }
  }
}

}  // namespace lorvix
