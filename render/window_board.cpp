// The game window's board picture: the full rebuild on every paint and the
// partial redraw after every change of the board or the figure.

#include "gamewindow/game_window.h"
#include "render/board_picture.h"
#include "render/tile_sheet.h"
#include "render/window_mirror.h"

namespace lorvix {

namespace {

// The screen rectangle of columns c0..c1-1 and rows r0..r1-1, cut to the
// window. Callers pass ranges around squares read from level files, so the
// arithmetic is done wide.
Rect CellBlock(int64_t c0, int64_t c1, int64_t r0, int64_t r1) {
  return ClipToPicture(int64_t{GAME_BOARD_LEFT} + int64_t{CELL_SIZE} * c0,
                       int64_t{CELL_SIZE} * r0, int64_t{CELL_SIZE} * (c1 - c0),
                       int64_t{CELL_SIZE} * (r1 - r0), WINDOW_WIDTH, WINDOW_HEIGHT);
}

}  // namespace

void TMyWindow::RebuildBackBuffer() {
  // Without smooth movement the figure never shows between two squares.
  if (!SmoothMovement) GlideX = GlideY = 0;
  if (Graphics) ComposeBoardPicture(*this, *Graphics);
}

// The ranges are used two ways: the background is restored under columns
// c0..c1-1 and rows r0..r1-1, but tiles are drawn over c0..c1 and r0..r1,
// one more of each. Callers rely on that: (c, c, r, r) redraws one opaque
// tile without touching the background, (c, c+1, r, r+1) one cell with its
// background, and (col-1, col+2, row-1, row+2) the block around the figure.
void TMyWindow::RedrawCells(int c0, int c1, int r0, int r1) {
  if (!SmoothMovement) GlideX = GlideY = 0;
  if (Graphics) {
    GameGraphics& g = *Graphics;
    const Rect restored = CellBlock(c0, c1, r0, r1);
    Blit(g.BackBuffer, restored.x, restored.y, restored.width, restored.height,
         g.BackgroundImage, restored.x, restored.y);
    DrawTiles(c0, c1, r0, r1, Board, g.BackBuffer, g.TileSheet, false);
    DrawFigure(g.BackBuffer, *this, g);
    const bool singleCell = c0 == c1 || r0 == r1;
    const Rect shown =
        singleCell ? CellBlock(c0, int64_t{c0} + 1, r0, int64_t{r0} + 1) : restored;
    ShowBackBufferArea(g, Platform, shown);
  }
  UpdateStatusLine();
}

}  // namespace lorvix
