#include "render/tile_sheet.h"

#include <algorithm>
#include <array>

#include "render/blit.h"

namespace lorvix {

namespace {

// One row of the tile table: codes first..last share a size and an offset,
// and code first + k lies k steps of (stepX, stepY) further along the sheet.
// Sheet positions are top-left corners counted from the top of the sheet.
// The sheet used to be a bottom-up picture addressed from its bottom-left
// corner; a rectangle of height h at "y from bottom" b has its top row at
// 160 - b - h, which is the sheetY given here.
struct TileRow {
  int first, last;
  int sheetX, sheetY;
  int stepX, stepY;
  int size;    // square pictures: 22 for the small items, 32 for whole cells
  int offset;  // inside the board cell, on both axes
};

constexpr int ITEM = 22;
constexpr int ITEM_OFFSET = 5;
constexpr int CELL = CELL_SIZE;

// clang-format off
constexpr std::array<TileRow, 27> kTileTable{{
    //  codes       sheet x, y   step x, y   size  offset
    {3, 3,          133,  69,    0,  0,      ITEM, ITEM_OFFSET},  // target socket
    {5, 5,          133, 101,    0,  0,      ITEM, ITEM_OFFSET},  // crate
    {6, 6,          133, 133,    0,  0,      ITEM, ITEM_OFFSET},  // crate on target
    {7, 7,          160,  96,    0,  0,      CELL, 0},            // exit
    {8, 8,          165,  37,    0,  0,      ITEM, ITEM_OFFSET},  // slider
    {9, 9,          165,  69,    0,  0,      ITEM, ITEM_OFFSET},  // slider on target
    {10, 10,        165, 133,    0,  0,      ITEM, ITEM_OFFSET},  // plug
    {11, 11,        197,  37,    0,  0,      ITEM, ITEM_OFFSET},  // filled square
    {12, 12,        197,  69,    0,  0,      ITEM, ITEM_OFFSET},  // water
    {30, 30,        128,  32,    0,  0,      CELL, 0},            // stone wall
    {31, 31,        192, 128,    0,  0,      CELL, 0},            // blue-white wall
    {32, 32,        192,  96,    0,  0,      CELL, 0},            // brown wall
    {33, 36,        224,  32,    0, 32,      CELL, 0},            // symbol walls
    {37, 40,        256,  32,    0, 32,      CELL, 0},            // lamps lit
    {41, 44,        288,  32,    0, 32,      CELL, 0},            // lamps dark
    {45, 45,        320,  96,    0,  0,      CELL, 0},            // green wall
    {46, 46,        320, 128,    0,  0,      CELL, 0},            // red wall
    {50, 50,        512,   0,    0,  0,      CELL, 0},            // teleporter blue
    {52, 52,        544,   0,    0,  0,      CELL, 0},            // teleporter green
    {54, 54,        576,   0,    0,  0,      CELL, 0},            // teleporter red
    {56, 56,        608,   0,    0,  0,      CELL, 0},            // teleporter yellow
    {70, 70,        320,  32,    0,  0,      CELL, 0},            // exit frame 2
    {71, 71,        320,  64,    0,  0,      CELL, 0},            // exit frame 3
    {80, 83,        352,  32,    0, 32,      CELL, 0},            // pillar frames 0..3
    {84, 87,        384,  32,    0, 32,      CELL, 0},            // pillar frames 4..7
    {88, 90,        416,  32,    0, 32,      CELL, 0},            // pillar frames 8..10
    {100, 115,        0,   0,   32,  0,      CELL, 0},            // gear frames 0..15
}};
// clang-format on

}  // namespace

std::optional<TileArt> TileArtFor(int32_t code) {
  auto art = [code](const TileRow& row) {
    const int k = code - row.first;
    return TileArt{row.sheetX + k * row.stepX, row.sheetY + k * row.stepY, row.size, row.size,
                   row.offset, row.offset};
  };
  for (const TileRow& row : kTileTable)
    if (code >= row.first && code <= row.last) return art(row);
  return std::nullopt;
}

void DrawTile(Bitmap& target, const Bitmap& sheet, int32_t code, int x, int y) {
  const std::optional<TileArt> art = TileArtFor(code);
  if (!art) return;
  Blit(target, x + art->offsetX, y + art->offsetY, art->width, art->height, sheet, art->sheetX,
       art->sheetY);
}

void DrawTiles(int c0, int c1, int r0, int r1, const TileGrid& board, Bitmap& target,
               const Bitmap& sheet, bool editorLayout) {
  const int base = editorLayout ? EDITOR_BOARD_LEFT : GAME_BOARD_LEFT;
  // Cells outside the board are skipped; narrowing the loops to the board
  // does the same without stepping through huge ranges.
  const int firstCol = std::max(c0, 0), lastCol = std::min(c1, BOARD_COLS - 1);
  const int firstRow = std::max(r0, 0), lastRow = std::min(r1, BOARD_ROWS - 1);
  for (int c = firstCol; c <= lastCol; ++c)
    for (int r = firstRow; r <= lastRow; ++r)
      DrawTile(target, sheet, board[CellIndex(c, r)], base + CELL_SIZE * c, CELL_SIZE * r);
}

}  // namespace lorvix
