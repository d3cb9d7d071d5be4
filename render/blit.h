#pragma once
// Copies between our pixel buffers: plain copies, the AND and OR
// combinations used to mask the figure onto the board, and stretched copies
// for the turning logo of the title screen. Every operation clips to the
// destination, to the source and to an optional clip rectangle, so callers
// may pass positions partly or wholly outside either picture.

#include <optional>

#include "platform/platform.h"
#include "render/bitmap.h"

namespace lorvix {

using platform::Rect;

enum class RasterOp { Copy, And, Or };

// Combines the width x height block of `src` at (sx, sy) into `dst` at
// (dx, dy). Source pixels outside `src` are not drawn: the destination
// keeps its pixels there.
void Blit(Bitmap& dst, int dx, int dy, int width, int height, const Bitmap& src, int sx, int sy,
          RasterOp op = RasterOp::Copy, const std::optional<Rect>& clip = std::nullopt);

// Copies the whole of `src` to (dx, dy) in `dst`.
inline void BlitWhole(Bitmap& dst, int dx, int dy, const Bitmap& src,
                      const std::optional<Rect>& clip = std::nullopt) {
  Blit(dst, dx, dy, src.Width(), src.Height(), src, 0, 0, RasterOp::Copy, clip);
}

// Copies the source block into the destination block, scaling each axis by
// picking the nearest source pixel. A block of zero or negative size draws
// nothing.
void StretchBlit(Bitmap& dst, const Rect& to, const Bitmap& src, const Rect& from,
                 const std::optional<Rect>& clip = std::nullopt);

// The part of `area` that lies inside a width x height picture; width or
// height 0 when nothing does. Coordinates may be far outside the int range
// of the picture, hence the 64-bit inputs.
Rect ClipToPicture(int64_t x, int64_t y, int64_t width, int64_t height, int pictureWidth,
                   int pictureHeight);

}  // namespace lorvix
