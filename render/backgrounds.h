#pragma once
// The four background patterns behind the board, each tiled from one block
// of the tile sheet: 0 marble, 1 blue texture, 2 cream texture, 3 black.

#include "render/bitmap.h"

namespace lorvix {

inline constexpr int BACKGROUND_PATTERNS = 4;

// Tiles `target` with the block of `pattern` (0..3). The copies cover a
// fixed area per pattern; what lies outside it keeps its pixels, so
// switching to a pattern with a smaller area leaves a rim of the one
// before. Patterns outside 0..3 draw nothing.
void PaintBackgroundPattern(Bitmap& target, const Bitmap& sheet, int pattern);

}  // namespace lorvix
