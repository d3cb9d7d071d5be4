#include "render/backgrounds.h"

#include <array>

#include "render/blit.h"
#include "render/tile_sheet.h"

namespace lorvix {

namespace {

// One square block of the sheet, given as the sheet addresses it from its
// bottom-left corner, and how many copies of it are laid side by side.
struct BackgroundPattern {
  int sheetX;
  int sheetYFromBottom;
  int size;
  int columns;
  int rows;
};

// clang-format off
constexpr std::array<BackgroundPattern, BACKGROUND_PATTERNS> kPatterns{{
    // sheet x, y from bottom, size, copies      area covered
    {  0, 0, 128,  6,  4},                    // 768 x 512, marble ("&Fliesen")
    {448, 0, 100,  8,  5},                    // 800 x 500, blue texture
    {548, 0,  80, 10, 10},                    // 800 x 800, cream texture
    {416, 0,  32, 22, 15},                    // 704 x 480, black
}};
// clang-format on

}  // namespace

void PaintBackgroundPattern(Bitmap& target, const Bitmap& sheet, int pattern) {
  if (pattern < 0 || pattern >= BACKGROUND_PATTERNS) return;
  const BackgroundPattern& p = kPatterns[static_cast<size_t>(pattern)];
  const int sheetTop = SHEET_HEIGHT - p.sheetYFromBottom - p.size;
  for (int column = 0; column < p.columns; ++column)
    for (int row = 0; row < p.rows; ++row)
      Blit(target, column * p.size, row * p.size, p.size, p.size, sheet, p.sheetX, sheetTop);
}

}  // namespace lorvix
