// The title and about animations.

#include <algorithm>

#include "render/tests/render_fixture.h"

namespace lorvix::testing {
namespace {

class TitleAbout : public RenderTest {
 protected:
  TitleAboutAnimation& Animation() { return Graphics().Animation; }
};

TEST_F(TitleAbout, WalkerTurnsAt210And450) {
  window.TitleShowing = true;
  PaintAll();
  int lowest = 1000, highest = 0, turns = 0, direction = Animation().WalkerDir;
  for (int step = 0; step < 2000; ++step) {
    window.TitleStep();
    lowest = std::min(lowest, Animation().WalkerX);
    highest = std::max(highest, Animation().WalkerX);
    if (Animation().WalkerDir != direction) {
      ++turns;
      direction = Animation().WalkerDir;
      EXPECT_TRUE(Animation().WalkerX == 210 || Animation().WalkerX == 450) << Animation().WalkerX;
    }
  }
  EXPECT_EQ(lowest, 210);
  EXPECT_EQ(highest, 450);
  EXPECT_GE(turns, 3);
}

TEST_F(TitleAbout, WalkerMovesEverySecondStepAndIsDrawnWhereItWas) {
  window.TitleShowing = true;
  PaintAll();
  window.TitleStep();
  EXPECT_EQ(Animation().WalkerX, 450);
  window.TitleStep();
  EXPECT_EQ(Animation().WalkerX, 449);
  const Bitmap& walker = Graphics().TitleWalkerLeft;
  for (int dy = 0; dy < 32; ++dy)
    for (int dx = 0; dx < 32; ++dx) ASSERT_EQ(Screen(450 + dx, 250 + dy), walker.At(dx, dy));
}

TEST_F(TitleAbout, LogoTurnsOverItsMiddleLine) {
  window.TitleShowing = true;
  PaintAll();
  window.TitleStep();  // squash 0: the front, full height
  for (int y = 0; y < 50; ++y) ASSERT_EQ(Screen(230, 140 + y), Graphics().LogoFront.At(25, y));
  for (int step = 1; step < 50; ++step) window.TitleStep();
  EXPECT_EQ(Animation().LogoPhase, 2);
  EXPECT_EQ(Animation().LogoSquash, 50);
  for (int step = 0; step < 50; ++step) window.TitleStep();
  EXPECT_EQ(Animation().LogoPhase, 3);
  window.TitleStep();  // squash 0 again: the back, full height
  for (int y = 0; y < 50; ++y) ASSERT_EQ(Screen(230, 140 + y), Graphics().LogoBack.At(25, y));
  for (int step = 0; step < 99; ++step) window.TitleStep();
  EXPECT_EQ(Animation().LogoPhase, 1);
  EXPECT_EQ(Animation().LogoSquash, 0);
}

TEST_F(TitleAbout, HalfSquashedLogoKeepsTheRowsAboveAndBelow) {
  window.TitleShowing = true;
  PaintAll();
  for (int step = 0; step < 26; ++step) window.TitleStep();  // last drawn with squash 25
  // Height 25 from y 152, every second row of the picture; the rows above
  // and below still show the taller frames before.
  EXPECT_EQ(Screen(230, 152), Graphics().LogoFront.At(25, 1));
  EXPECT_EQ(Screen(230, 176), Graphics().LogoFront.At(25, 49));
  EXPECT_EQ(Screen(230, 140), Graphics().LogoFront.At(25, 0));
  EXPECT_EQ(Screen(230, 189), Graphics().LogoFront.At(25, 49));
}

TEST_F(TitleAbout, TextRow1LiesAtY146AtScroll378And380) {
  for (int scroll : {378, 380}) {
    SCOPED_TRACE(scroll);
    window.AboutShowing = true;
    window.AboutScroll = scroll;
    PaintAll();
    for (int x = 225; x < 475; ++x) ASSERT_EQ(Screen(x, 146), Graphics().AboutText.At(x - 225, 1));
  }
  // Before that the text rises out of the line y 334.
  window.AboutScroll = 10;
  PaintAll();
  EXPECT_EQ(Screen(300, 329), Graphics().AboutText.At(75, 0));
  EXPECT_EQ(Screen(300, 333), Graphics().AboutText.At(75, 4));
  EXPECT_EQ(Screen(300, 334), Graphics().AboutFrame.At(97, 194));
}

TEST_F(TitleAbout, AboutRunsSixHundredStepsAndEndsByItself) {
  window.AboutShowing = true;
  PaintAll();
  const int invalidations = platform.invalidations;
  for (int call = 0; call < 5; ++call) window.AboutStep();
  EXPECT_EQ(window.AboutScroll, 0);
  window.AboutStep();  // the sixth call draws the frame and the first step
  EXPECT_EQ(window.AboutScroll, 2);
  EXPECT_EQ(Screen(203, 140), Graphics().AboutFrame.At(0, 0));
  for (int call = 6; call < 3599; ++call) window.AboutStep();
  EXPECT_TRUE(window.AboutShowing);
  EXPECT_EQ(window.AboutScroll, 1198);
  window.AboutStep();
  EXPECT_FALSE(window.AboutShowing);
  EXPECT_EQ(window.AboutScroll, 0);
  EXPECT_EQ(platform.invalidations, invalidations + 1);
}

TEST_F(TitleAbout, TextPastItsLastRowKeepsTheWindowsPixels) {
  window.AboutShowing = true;
  window.AboutScroll = 1198;  // rows 410..598 of a 500-row picture
  PaintAll();
  EXPECT_EQ(Screen(300, 146), Graphics().AboutText.At(75, 410));
  EXPECT_EQ(Screen(300, 235), Graphics().AboutText.At(75, 499));
  EXPECT_EQ(Screen(300, 236), Graphics().AboutFrame.At(97, 96));
}

}  // namespace
}  // namespace lorvix::testing
