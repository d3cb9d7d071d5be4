// The composed board picture: background, tiles from the sheet, figure.

#include <array>

#include "render/blit.h"
#include "render/board_picture.h"
#include "render/tests/render_fixture.h"
#include "render/tile_sheet.h"

namespace lorvix::testing {
namespace {

using BoardPicture = RenderTest;

// Sheet rectangles given the way the sheet was addressed originally: x and
// y counted from the sheet's bottom-left corner. Converting them here, apart
// from the renderer's own table, checks the renderer's addressing.
struct BottomUpArt {
  int code;
  int x, yFromBottom;
};
Rect SheetRect(const BottomUpArt& art, int size) {
  return {art.x, SHEET_HEIGHT - art.yFromBottom - size, size, size};
}

// Expects the size x size block of the BackBuffer at (x, y) to equal the
// sheet rectangle.
void ExpectSheetBlock(const Bitmap& buffer, int x, int y, const Bitmap& sheet, Rect from) {
  for (int dy = 0; dy < from.height; ++dy)
    for (int dx = 0; dx < from.width; ++dx)
      ASSERT_EQ(buffer.At(x + dx, y + dy), sheet.At(from.x + dx, from.y + dy))
          << "at " << dx << "," << dy;
}

TEST_F(BoardPicture, FloorOnlyBoardIsPureBackgroundWithTheFigure) {
  window.RebuildBackBuffer();
  const Bitmap& buffer = Graphics().BackBuffer;
  const int figureX = 32 + 5 * 32, figureY = 5 * 32;
  for (int y = 0; y < 540; ++y) {
    for (int x = 0; x < 710; ++x) {
      const bool onFigure = x >= figureX && x < figureX + 32 && y >= figureY && y < figureY + 32;
      const Pixel expected =
          onFigure ? FigureOver(Background(x, y), x - figureX, y - figureY) : Background(x, y);
      ASSERT_EQ(buffer.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(BoardPicture, ItemTilesKeepAFivePixelRingOfBackground) {
  constexpr std::array<BottomUpArt, 8> items{{{3, 133, 69},
                                              {5, 133, 37},
                                              {6, 133, 5},
                                              {8, 165, 101},
                                              {9, 165, 69},
                                              {10, 165, 5},
                                              {11, 197, 101},
                                              {12, 197, 69}}};
  const int cellX = 32 + 3 * 32, cellY = 4 * 32;
  for (const BottomUpArt& item : items) {
    SCOPED_TRACE(item.code);
    window.Board[CellIndex(3, 4)] = item.code;
    window.RebuildBackBuffer();
    const Bitmap& buffer = Graphics().BackBuffer;
    ExpectSheetBlock(buffer, cellX + 5, cellY + 5, Sheet(), SheetRect(item, 22));
    for (int dy = 0; dy < 32; ++dy) {
      for (int dx = 0; dx < 32; ++dx) {
        const bool ring = dx < 5 || dx >= 27 || dy < 5 || dy >= 27;
        if (!ring) continue;
        ASSERT_EQ(buffer.At(cellX + dx, cellY + dy), Background(cellX + dx, cellY + dy));
      }
    }
  }
}

TEST_F(BoardPicture, WholeCellTilesCoverTheirCell) {
  // One code of every row of the tile table, the last of each group.
  constexpr std::array<BottomUpArt, 17> tiles{{{7, 160, 32},
                                               {30, 128, 96},
                                               {31, 192, 0},
                                               {32, 192, 32},
                                               {36, 224, 0},
                                               {40, 256, 0},
                                               {44, 288, 0},
                                               {45, 320, 32},
                                               {46, 320, 0},
                                               {50, 512, 128},
                                               {56, 608, 128},
                                               {70, 320, 96},
                                               {71, 320, 64},
                                               {83, 352, 0},
                                               {87, 384, 0},
                                               {90, 416, 32},
                                               {115, 480, 128}}};
  for (const BottomUpArt& tile : tiles) {
    SCOPED_TRACE(tile.code);
    window.Board[CellIndex(19, 14)] = tile.code;
    window.RebuildBackBuffer();
    ExpectSheetBlock(Graphics().BackBuffer, 32 + 19 * 32, 14 * 32, Sheet(), SheetRect(tile, 32));
  }
}

TEST_F(BoardPicture, HiddenAndUnknownCodesShowTheBackground) {
  for (int code : {0, 2, 4, 13, 29, 47, 51, 57, 72, 91, 99, 116, -1, 1000}) {
    SCOPED_TRACE(code);
    window.Board[CellIndex(0, 0)] = code;
    window.RebuildBackBuffer();
    for (int y = 0; y < 32; ++y)
      for (int x = 32; x < 64; ++x) ASSERT_EQ(Graphics().BackBuffer.At(x, y), Background(x, y));
  }
}

TEST_F(BoardPicture, EditorLayoutStartsTheBoardAtTheLeftEdge) {
  TileGrid board = FilledBoard(TILE_FLOOR);
  board[CellIndex(0, 0)] = TILE_WALL_STONE;
  const Rect stone = SheetRect({30, 128, 96}, 32);
  Bitmap editor(640, 480, MARKER), game(710, 550, MARKER);
  DrawTiles(0, 19, 0, 14, board, editor, Sheet(), true);
  DrawTiles(0, 19, 0, 14, board, game, Sheet(), false);
  ExpectSheetBlock(editor, 0, 0, Sheet(), stone);
  ExpectSheetBlock(game, 32, 0, Sheet(), stone);
  EXPECT_EQ(game.At(31, 0), MARKER);
  EXPECT_EQ(editor.At(32, 0), MARKER);
}

TEST_F(BoardPicture, FigureFacesTheWayItLastMoved) {
  window.FacingRight = false;
  window.RebuildBackBuffer();
  const int x = 32 + 5 * 32, y = 5 * 32;
  bool differs = false;
  for (int dy = 0; dy < 32; ++dy) {
    for (int dx = 0; dx < 32; ++dx) {
      const Pixel under = Background(x + dx, y + dy);
      const Pixel left = (under & Graphics().FigureMaskLeft.At(dx, dy)) |
                         Graphics().FigureImageLeft.At(dx, dy);
      ASSERT_EQ(Graphics().BackBuffer.At(x + dx, y + dy), left);
      differs = differs || left != FigureOver(under, dx, dy);
    }
  }
  EXPECT_TRUE(differs) << "both directions look the same";
}

TEST_F(BoardPicture, FigureOnASquareFarOffTheBoardIsNotDrawn) {
  window.PlayerCol = 0x7fffffff;
  window.PlayerRow = NOT_PLACED;
  window.RebuildBackBuffer();
  for (int y = 0; y < 540; ++y)
    for (int x = 0; x < 710; ++x) ASSERT_EQ(Graphics().BackBuffer.At(x, y), Background(x, y));
}

}  // namespace
}  // namespace lorvix::testing
