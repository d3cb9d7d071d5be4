// Teleporter pads carrying the figure and pushed blocks to the partner pad.

#include "game/rules.h"
#include "game/tests/test_host.h"
#include "game/tick.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

TEST(Teleport, WalkingOntoAPadPlacesTheFigureOnThePartnerWithoutGlide) {
  GameState s = Level({"#@a...#", "#....a#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 5);
  EXPECT_EQ(s.PlayerRow, 1);
  EXPECT_EQ(s.GlideX, 0);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_THAT(host.events, ElementsAre("sound 5", "redraw 1 4 -1 2", "redraw 4 7 0 3"));

  // Off the partner pad and back onto it returns to the first pad.
  TryMove(s, KEY_LEFT, host);
  s.GlideX = 0;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.PlayerRow, 0);
}

TEST(Teleport, APadWithoutPartnerMovesNothingButTheMoveCounts) {
  GameState s = Level({"#@a.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_TRUE(host.Sounds().empty());
}

TEST(Teleport, InvisibleOddCodesAreTeleportersToo) {
  GameState s = Level({"#@..#", "#...#"});
  s.Board[CellIndex(2, 0)] = 51;
  s.Board[CellIndex(3, 1)] = 51;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 3);
  EXPECT_EQ(s.PlayerRow, 1);
}

TEST(Teleport, APushedBlockComesOutBesideThePartnerPad) {
  GameState s = Level({"#@oa..#", "#..a_.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_THAT(Drawn(s, 7, 2), ElementsAre("#.@a..#", "#..aO.#"));
  EXPECT_EQ(s.GlideX, -32);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_THAT(host.events, ElementsAre("sound 5", "invalidate", "redraw 1 4 -1 2"));
}

TEST(Teleport, APushedSliderKeepsSlidingFromBesideThePartner) {
  GameState s = Level({"#@sa...#", "#..a...#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_TRUE(s.Sliding);
  EXPECT_EQ(s.SlideCol, 4);
  EXPECT_EQ(s.SlideRow, 1);
  EXPECT_EQ(s.SlideDir, DIR_RIGHT);
  while (s.Sliding) SlideStep(s, host);
  EXPECT_THAT(Drawn(s, 8, 2), ElementsAre("#.@a...#", "#..a..s#"));
}

TEST(Teleport, AFailedTeleportedPushBumpsButCounts) {
  // A crate on target cannot be sunk through a pad, and walls stop any block.
  for (auto rows : {std::pair{"#@Oa.#", "#..a~#"}, std::pair{"#@sa.#", "#..a~#"}, std::pair{"#@oa.#", "#..a##"}}) {
    GameState s = Level({rows.first, rows.second});
    const TileGrid before = s.Board;
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    SCOPED_TRACE(rows.first);
    EXPECT_EQ(s.Board, before);
    EXPECT_EQ(s.PlayerCol, 1);
    EXPECT_EQ(s.MoveCount, 1);
    EXPECT_THAT(host.events, ElementsAre("sound 3", "invalidate", "redraw 0 3 -1 2"));
  }
}

TEST(Teleport, ALandingSquareOffTheBoardIsAFailedTeleportedPush) {
  GameState s = Level({"#@oa#..............a"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(s.Board[CellIndex(2, 0)], TILE_CRATE);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_BUMP});
}

TEST(Teleport, WithThreePadsTheBlockLeavesThroughTheFirstPartnerThatTakesIt) {
  GameState s = Level({"#a#####", "#######", "#@oa..#", "#######", "#####a.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_THAT(Drawn(s, 8, 5), ElementsAre("#a######", "########", "#.@a..##", "########", "#####ao#"));
  EXPECT_THAT(host.events, ElementsAre("sound 3", "invalidate", "sound 5", "invalidate", "redraw 1 4 1 4"));
}

}  // namespace
}  // namespace lorvix::test
