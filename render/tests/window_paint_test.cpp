// The paint handler: screen check, board, and the panels on top of it.

#include "render/tests/render_fixture.h"

namespace lorvix::testing {
namespace {

using WindowPaint = RenderTest;

constexpr const char* kScreenTooSmall =
    "Für QX Lorvix benötigen Sie eine Mindestauflösung von 800x600 Punkten.\n"
    "QX Lorvix wird nun beendet ! Bitte stellen Sie Ihre Grafikauflösung \n"
    "auf mindestens 800x600 Punkte bei 256 Farben.";

TEST_F(WindowPaint, ScreenOf800x600IsEnough) {
  platform.screenWidth = 800;
  platform.screenHeight = 600;
  PaintAll();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.presents, 1);
}

TEST_F(WindowPaint, SmallerScreenShowsTheMessageAndPaintsNothing) {
  for (auto [width, height] : {std::pair{799, 600}, std::pair{800, 599}}) {
    platform.messages.clear();
    platform.screenWidth = width;
    platform.screenHeight = height;
    PaintAll();
    ASSERT_FALSE(platform.messages.empty());
    const platform::RecordedMessage& m = platform.messages.front();
    EXPECT_EQ(m.text, kScreenTooSmall);
    EXPECT_EQ(m.caption, "Fehler");
    EXPECT_EQ(m.icon, platform::Icon::Stop);
    EXPECT_EQ(m.buttons, platform::Buttons::Ok);
  }
  EXPECT_EQ(platform.presents, 0);
}

TEST_F(WindowPaint, TitleLiesOverTheBoardAndLeavesTheStatusLineAlone) {
  window.TitleShowing = true;
  PaintAll();
  const Bitmap& title = Graphics().TitlePicture;
  EXPECT_EQ(Screen(200, 125), title.At(0, 0));
  EXPECT_EQ(Screen(499, 324), title.At(299, 199));
  EXPECT_EQ(Screen(199, 125), Background(199, 125));
  EXPECT_EQ(platform.statusText, "");

  window.TitleShowing = false;
  PaintAll();
  EXPECT_EQ(Screen(200, 125), Background(200, 125));
  EXPECT_EQ(platform.statusText, "Spielwelt : 1      Spielstufe : 1      Züge : 0");
}

TEST_F(WindowPaint, OnlyThePaintedAreaChanges) {
  window.TitleShowing = true;
  PaintAll();
  window.Board[CellIndex(5, 3)] = TILE_WALL_STONE;  // x 192..223, y 96..127
  window.PaintGameWindow({200, 120, 10, 10});
  EXPECT_EQ(Screen(205, 121), Sheet().At(128 + 13, 32 + 25));
  EXPECT_EQ(Screen(215, 121), Background(215, 121));  // outside the area
  EXPECT_EQ(Screen(205, 125), Graphics().TitlePicture.At(5, 0));
}

TEST_F(WindowPaint, AboutPaintShowsTheTextAtTheCurrentScroll) {
  window.AboutShowing = true;
  window.AboutScroll = 600;  // text row 111 at the top of its window
  PaintAll();
  EXPECT_EQ(Screen(203, 140), Graphics().AboutFrame.At(0, 0));
  for (int x = 225; x < 475; ++x) ASSERT_EQ(Screen(x, 146), Graphics().AboutText.At(x - 225, 111));
  EXPECT_EQ(platform.statusText, "");
}

TEST_F(WindowPaint, WindowWithoutGraphicsDrawsNothingButKeepsItsState) {
  window.Graphics.reset();
  window.SmoothMovement = false;
  window.GlideX = 8;
  window.MoveCount = 4;
  window.RedrawCells(4, 7, 4, 7);
  PaintAll();
  window.TitleStep();
  window.AboutStep();
  window.Celebrate();
  window.SelectBackground(1);
  EXPECT_EQ(window.GlideX, 0);
  EXPECT_EQ(platform.statusText, "Spielwelt : 1      Spielstufe : 1      Züge : 4");
  EXPECT_EQ(platform.presents, 0);
}

}  // namespace
}  // namespace lorvix::testing
