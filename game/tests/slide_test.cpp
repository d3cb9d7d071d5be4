// The sliding green block: one square per slide step until something stops
// it.

#include "game/rules.h"
#include "game/tests/test_host.h"
#include "game/tick.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

void SlideToRest(GameState& s, GameHost& host) {
  for (int i = 0; i < BOARD_CELLS && s.Sliding; ++i) SlideStep(s, host);
  ASSERT_FALSE(s.Sliding);
}

TEST(Slide, ASliderStopsInFrontOfTheFirstWallAndLocksKeysMeanwhile) {
  GameState s = Level({"#@s._..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_THAT(Drawn(s, 8, 1), ElementsAre("#.@s_..#"));
  s.GlideX = 0;
  TryMove(s, KEY_LEFT, host);
  EXPECT_EQ(s.PlayerCol, 2) << "keys are locked while the slider moves";

  host.Clear();
  SlideStep(s, host);
  EXPECT_THAT(Drawn(s, 8, 1), ElementsAre("#.@.S..#"));
  EXPECT_THAT(host.events, ElementsAre("redraw 3 6 0 1"));
  SlideToRest(s, host);
  EXPECT_THAT(Drawn(s, 8, 1), ElementsAre("#.@._.s#"));
  s.Sliding = false;
  TryMove(s, KEY_LEFT, host);
  EXPECT_EQ(s.PlayerCol, 1);
}

TEST(Slide, VerticalStepsRedrawAColumnAroundTheSlider) {
  GameState s = Level({"#@#", "#s#", "#.#", "#.#", "###"});
  RecordingHost host;
  TryMove(s, KEY_DOWN, host);
  host.Clear();
  SlideStep(s, host);
  EXPECT_EQ(s.SlideRow, 3);
  EXPECT_THAT(host.events, ElementsAre("redraw 1 2 2 5"));
}

TEST(Slide, ASliderWithFloorThenWaterAheadSinksInTheFirstSlideStep) {
  GameState s = Level({"#@s.~.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  host.Clear();
  SlideStep(s, host);
  EXPECT_FALSE(s.Sliding);
  EXPECT_THAT(Drawn(s, 7, 1), ElementsAre("#.@.=.#"));
  EXPECT_THAT(host.events, ElementsAre("redraw 2 5 0 1"));
}

TEST(Slide, ASliderPushedStraightIntoWaterSinksWithoutSliding) {
  GameState s = Level({"#@s~.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_FALSE(s.Sliding);
  EXPECT_THAT(Drawn(s, 6, 1), ElementsAre("#.@=.#"));
}

TEST(Slide, ASliderStopsAtBlocksExitAndFilledSquares) {
  for (std::string_view row : {"#@s.o", "#@s.E", "#@s.=", "#@s.u"}) {
    GameState s = Level({row});
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    SlideToRest(s, host);
    EXPECT_EQ(s.Board[CellIndex(3, 0)], TILE_SLIDER) << row;
  }
}

TEST(Slide, ASliderPassesThroughPadsAndGoesOn) {
  GameState s = Level({"#@s.a#", "#...a..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  host.Clear();
  SlideStep(s, host);
  EXPECT_EQ(s.SlideCol, 5);
  EXPECT_EQ(s.SlideRow, 1);
  EXPECT_THAT(host.events, ElementsAre("sound 5", "invalidate", "redraw 4 7 1 2"));
  SlideToRest(s, host);
  EXPECT_THAT(Drawn(s, 8, 2), ElementsAre("#.@.a###", "#...a.s#"));
}

TEST(Slide, ASliderSentBackTowardsTheFigureStopsInFrontOfIt) {
  GameState s = Level({"#a..@s.a#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  SlideToRest(s, host);
  EXPECT_THAT(Drawn(s, 9, 1), ElementsAre("#a..s@.a#"));
}

TEST(Slide, APadBesideWhichTheFigureStandsEndsTheSlide) {
  GameState s = Level({"#.s.a#", "#a@..#"});
  s.Sliding = true;
  s.SlideCol = 2;
  s.SlideDir = DIR_RIGHT;
  RecordingHost host;
  SlideToRest(s, host);
  EXPECT_THAT(Drawn(s, 6, 2), ElementsAre("#..sa#", "#a@..#"));
}

TEST(Slide, APadWithoutPartnerEndsTheSlide) {
  GameState s = Level({"#@s.a.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  SlideToRest(s, host);
  EXPECT_THAT(Drawn(s, 7, 1), ElementsAre("#.@sa.#"));
  EXPECT_FALSE(s.Sliding);
}

TEST(Slide, ASlideEndsAtTheEdgeOfTheBoard) {
  GameState s = Level({"#@s................."});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  SlideToRest(s, host);
  EXPECT_EQ(s.Board[CellIndex(19, 0)], TILE_SLIDER);
  EXPECT_EQ(s.SlideCol, 19);
}

TEST(Slide, ALandingSquareBesideAPartnerOffTheBoardEndsTheSlide) {
  GameState s = Level({"#@s.a#.............a"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  SlideToRest(s, host);
  EXPECT_EQ(s.Board[CellIndex(3, 0)], TILE_SLIDER);
  EXPECT_TRUE(host.Sounds() == std::vector<int>{SOUND_PUSH});
}

// Two pads in one row with floor between them: the slider leaves one pad,
// slides into the other and comes out of the first again. The slide ends on
// the first square it reaches a second time, so the keys unlock.
TEST(Slide, ASliderCirclingThroughTwoPadsStopsWhereItWasBefore) {
  GameState s = Level({"#a.s.a#", "#@....#"});
  s.Sliding = true;
  s.SlideCol = 3;
  s.SlideDir = DIR_RIGHT;
  RecordingHost host;
  for (int step = 0; step < 3; ++step) SlideStep(s, host);
  EXPECT_FALSE(s.Sliding);
  EXPECT_THAT(Drawn(s, 7, 2), ElementsAre("#a.s.a#", "#@....#"));
}

// The same circle entered by play: the slider is pushed into a third pad of
// the same code and comes out beside the first one in board order.
TEST(Slide, ACircleEnteredThroughAThirdPadEndsWithinOneRound) {
  GameState s = Level({"#a...a#", "#......", "#@sa..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  ASSERT_TRUE(s.Sliding);
  EXPECT_EQ(s.SlideCol, 2);
  EXPECT_EQ(s.SlideRow, 0);
  for (int step = 0; step < 5 && s.Sliding; ++step) SlideStep(s, host);
  EXPECT_FALSE(s.Sliding);
  EXPECT_THAT(Drawn(s, 7, 3), ElementsAre("#as..a#", "#......", "#.@a..#"));
}

TEST(Slide, ASlideWithoutValidDirectionOnlyRunsTheChecks) {
  GameState s = Level({"#.s.#"});
  s.Sliding = true;
  s.SlideCol = 2;
  s.SlideDir = 7;
  RecordingHost host;
  SlideStep(s, host);
  EXPECT_FALSE(s.Sliding);
  EXPECT_TRUE(host.events.empty());
}

}  // namespace
}  // namespace lorvix::test
