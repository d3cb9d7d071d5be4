#pragma once
// The tile sheet (picture 13, 640 x 160) holds every tile, the small item
// pictures and the background patterns. This file knows where each tile
// code's picture lies on it and draws blocks of board cells from it.

#include <optional>

#include "game/board.h"
#include "render/bitmap.h"

namespace lorvix {

inline constexpr int SHEET_WIDTH = 640;
inline constexpr int SHEET_HEIGHT = 160;
inline constexpr int CELL_SIZE = 32;
inline constexpr int GAME_BOARD_LEFT = 32;
inline constexpr int EDITOR_BOARD_LEFT = 0;

// Where a drawn code's picture lies on the sheet (top-left corner, rows
// counted from the top) and where it lands inside its board cell.
struct TileArt {
  int sheetX = 0, sheetY = 0;
  int width = 0, height = 0;
  int offsetX = 0, offsetY = 0;
};

// The picture of a tile code, or nothing for codes that show whatever lies
// beneath them (floor, the hidden teleporter codes and every unknown code).
std::optional<TileArt> TileArtFor(int32_t code);

// Draws the picture of tile `code` into the square whose top-left corner
// is (x, y); codes without a picture draw nothing.
void DrawTile(Bitmap& target, const Bitmap& sheet, int32_t code, int x, int y);

// Draws the tiles of columns c0..c1 and rows r0..r1 (both inclusive) of
// `board` into `target`, column by column. Cells outside the 20 x 15 board
// are skipped. The editor's board starts at x 0, the game's at x 32.
void DrawTiles(int c0, int c1, int r0, int r1, const TileGrid& board, Bitmap& target,
               const Bitmap& sheet, bool editorLayout);

}  // namespace lorvix
