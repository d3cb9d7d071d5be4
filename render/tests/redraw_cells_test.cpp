// Partial redraws: what is restored, what is drawn, what reaches the screen.

#include "render/tests/render_fixture.h"

namespace lorvix::testing {
namespace {

class RedrawCells : public RenderTest {
 protected:
  RedrawCells() { PaintAll(); }

  // Every pixel of the block at (x, y) on screen and in the BackBuffer.
  void ExpectScreenBlock(int x, int y, int width, int height, Pixel expected) {
    for (int yy = y; yy < y + height; ++yy)
      for (int xx = x; xx < x + width; ++xx) ASSERT_EQ(Screen(xx, yy), expected) << xx << "," << yy;
  }
  void ExpectScreenShowsBackground(int x, int y, int width, int height) {
    for (int yy = y; yy < y + height; ++yy)
      for (int xx = x; xx < x + width; ++xx)
        ASSERT_EQ(Screen(xx, yy), Background(xx, yy)) << xx << "," << yy;
  }
};

TEST_F(RedrawCells, EqualRangesRestoreNoBackgroundAndShowOneCell) {
  FillBackBuffer(32 + 2 * 32, 2 * 32, 64, 32, MARKER);  // cells (2, 2) and (3, 2)
  window.Board[CellIndex(2, 2)] = TILE_CRATE;
  const int presents = platform.presents;
  window.RedrawCells(2, 2, 2, 2);

  EXPECT_EQ(platform.presents, presents + 1);
  const int x = 32 + 2 * 32, y = 2 * 32;
  EXPECT_EQ(Screen(x, y), MARKER);            // ring: not restored
  EXPECT_EQ(Screen(x + 31, y + 31), MARKER);
  EXPECT_EQ(Screen(x + 5, y + 5), Sheet().At(133, 101));
  EXPECT_EQ(Screen(x + 26, y + 26), Sheet().At(154, 122));
  ExpectScreenShowsBackground(x + 32, y, 32, 32);  // the cell beside: not shown
}

TEST_F(RedrawCells, OneCellWithItsBackground) {
  FillBackBuffer(32 + 2 * 32, 2 * 32, 64, 64, MARKER);
  window.RedrawCells(2, 3, 2, 3);
  ExpectScreenShowsBackground(32 + 2 * 32, 2 * 32, 32, 32);
  ExpectScreenShowsBackground(32 + 3 * 32, 2 * 32, 32, 32);  // not shown, still old
  EXPECT_EQ(Graphics().BackBuffer.At(32 + 3 * 32, 2 * 32), MARKER);
}

TEST_F(RedrawCells, BlockAtTheBoardsCornersDrawsNothingOutsideTheBoard) {
  window.Board = FilledBoard(TILE_WALL_STONE);
  const Pixel stone = Sheet().At(128, 32);

  window.PlayerCol = 0;
  window.PlayerRow = 0;
  FillBackBuffer(0, 0, 710, 550, MARKER);
  window.RedrawCells(-1, 2, -1, 2);
  ExpectScreenShowsBackground(0, 0, 32, 64);  // left margin: background only
  EXPECT_EQ(Screen(64 + 8, 32 + 8), stone);    // cell (1, 1)
  // Column 2 and row 2 are drawn as well but not shown.
  EXPECT_EQ(Graphics().BackBuffer.At(96 + 8, 32 + 8), stone);
  EXPECT_EQ(Screen(96 + 8, 32 + 8), Background(96 + 8, 32 + 8));

  window.PlayerCol = 19;
  window.PlayerRow = 14;
  FillBackBuffer(0, 0, 710, 550, MARKER);
  window.RedrawCells(18, 21, 13, 16);
  ExpectScreenShowsBackground(672, 13 * 32, 32, 96);   // right margin
  ExpectScreenShowsBackground(32 + 18 * 32, 480, 96, 32);  // below the board
  EXPECT_EQ(Graphics().BackBuffer.At(704, 13 * 32), MARKER);  // right of the restored block
}

TEST_F(RedrawCells, GlideOffsetsMoveTheFigure) {
  // The figure has just stepped left onto (5, 5) and is still drawn 12
  // pixels right of it, over the column it came from.
  window.GlideX = 12;
  window.RedrawCells(5, 7, 5, 6);
  const int x = 32 + 5 * 32 + 12, y = 5 * 32;
  for (int dy = 0; dy < 32; ++dy)
    for (int dx = 0; dx < 32; ++dx)
      ASSERT_EQ(Screen(x + dx, y + dy), FigureOver(Background(x + dx, y + dy), dx, dy));
  ExpectScreenShowsBackground(32 + 5 * 32, y, 12, 32);
  EXPECT_EQ(window.GlideX, 12);

  window.GlideX = 0;
  window.GlideY = -20;
  window.RedrawCells(5, 6, 4, 6);
  EXPECT_EQ(Screen(32 + 5 * 32, 4 * 32 + 12), FigureOver(Background(192, 140), 0, 0));
}

TEST_F(RedrawCells, PaintDuringAGlideShowsTheFigureBetweenItsSquares) {
  window.GlideX = 12;
  PaintAll();
  const int x = 32 + 5 * 32 + 12, y = 5 * 32;
  for (int dy = 0; dy < 32; ++dy)
    for (int dx = 0; dx < 32; ++dx)
      ASSERT_EQ(Screen(x + dx, y + dy), FigureOver(Background(x + dx, y + dy), dx, dy));
}

TEST_F(RedrawCells, WithoutSmoothMovementTheFigureJumpsToItsSquare) {
  window.SmoothMovement = false;
  window.GlideX = 12;
  window.GlideY = -6;
  window.RedrawCells(4, 7, 4, 7);
  EXPECT_EQ(window.GlideX, 0);
  EXPECT_EQ(window.GlideY, 0);
  const int x = 32 + 5 * 32, y = 5 * 32;
  for (int dy = 0; dy < 32; ++dy)
    for (int dx = 0; dx < 32; ++dx)
      ASSERT_EQ(Screen(x + dx, y + dy), FigureOver(Background(x + dx, y + dy), dx, dy));
}

TEST_F(RedrawCells, RefreshesTheStatusLine) {
  window.MoveCount = 7;
  window.RedrawCells(5, 5, 5, 5);
  EXPECT_EQ(platform.statusText, window.StatusLineText());
  EXPECT_NE(platform.statusText.find("Züge : 7"), std::string::npos);
}

TEST_F(RedrawCells, RangesFarOffTheBoardAreHarmless) {
  window.RedrawCells(-2147483647 - 1, 2147483647, -2147483647 - 1, 2147483647);
  window.RedrawCells(2147483647, 2147483647, 2147483647, 2147483647);
  ExpectScreenShowsBackground(0, 0, 32, 480);
}

}  // namespace
}  // namespace lorvix::testing
