#include "render/board_picture.h"

#include "render/blit.h"
#include "render/tile_sheet.h"

namespace lorvix {

namespace {
constexpr int BACKGROUND_COPY_HEIGHT = 540;
}

void DrawFigure(Bitmap& target, const GameState& s, const GameGraphics& g) {
  // The square comes from a level file and is not checked there, so the
  // position is worked out wide and a figure wholly off the picture is
  // skipped; a partly visible one is clipped by the copies.
  const int64_t wideX = int64_t{GAME_BOARD_LEFT} + int64_t{CELL_SIZE} * s.PlayerCol + s.GlideX;
  const int64_t wideY = int64_t{CELL_SIZE} * s.PlayerRow + s.GlideY;
  if (wideX <= -CELL_SIZE || wideY <= -CELL_SIZE || wideX >= target.Width() ||
      wideY >= target.Height())
    return;
  const int x = static_cast<int>(wideX), y = static_cast<int>(wideY);
  const Bitmap& mask = s.FacingRight ? g.FigureMaskRight : g.FigureMaskLeft;
  const Bitmap& image = s.FacingRight ? g.FigureImageRight : g.FigureImageLeft;
  Blit(target, x, y, CELL_SIZE, CELL_SIZE, mask, 0, 0, RasterOp::And);
  Blit(target, x, y, CELL_SIZE, CELL_SIZE, image, 0, 0, RasterOp::Or);
}

void ComposeBoardPicture(const GameState& s, GameGraphics& g) {
  Blit(g.BackBuffer, 0, 0, WINDOW_WIDTH, BACKGROUND_COPY_HEIGHT, g.BackgroundImage, 0, 0);
  DrawTiles(0, BOARD_COLS - 1, 0, BOARD_ROWS - 1, s.Board, g.BackBuffer, g.TileSheet, false);
  DrawFigure(g.BackBuffer, s, g);
}

}  // namespace lorvix
