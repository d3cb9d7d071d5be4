// The checks after a move: exit reached, the door to the exit, and the five
// key/door pairs.

#include "game/rules.h"
#include "game/tests/test_host.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

// A level whose key (a target socket at (4, 0)) opens the door at (6, 1).
GameState KeyLevel(std::string_view row0) {
  GameState s = Level({row0, "#.....|.#"});
  s.KeySquares[0] = {4, 0};
  s.DoorSquares[0] = {6, 1};
  return s;
}

TEST(Checks, ACrateOnItsKeyOpensTheDoorAndLeavingItClosesIt) {
  GameState s = KeyLevel("#.@o_..#");
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(6, 1)], TILE_FLOOR);
  EXPECT_EQ(s.SavedDoorTiles[0], TILE_WALL_BLUE);
  EXPECT_THAT(host.events, ElementsAre("sound 1", "redraw 2 5 -1 2", "redraw 6 7 1 2", "sound 2"));

  s.GlideX = 0;
  host.Clear();
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(6, 1)], TILE_WALL_BLUE);
  EXPECT_THAT(host.events, ElementsAre("sound 1", "redraw 3 6 -1 2", "redraw 6 7 1 2", "sound 2"));
}

TEST(Checks, ABlockSunkOnAKeyInWaterKeepsTheDoorOpenForGood) {
  GameState s = Level({"#@o~.#", "#...|#"});
  s.KeySquares[2] = {3, 0};
  s.DoorSquares[2] = {4, 1};
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(4, 1)], TILE_FLOOR);
  for (int key : {KEY_RIGHT, KEY_DOWN, KEY_RIGHT}) {
    s.GlideX = s.GlideY = 0;
    TryMove(s, key, host);
  }
  EXPECT_EQ(s.Board[CellIndex(4, 1)], TILE_FLOOR);
  EXPECT_EQ(host.Sounds(), (std::vector<int>{SOUND_PUSH, SOUND_DOOR}));
}

TEST(Checks, APairWithKeyColumnZeroNeverOpensOrCloses) {
  GameState s = Level({"O@.#", "..|#"});
  s.KeySquares[0] = {0, 0};
  s.DoorSquares[0] = {2, 1};
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(2, 1)], TILE_WALL_BLUE);
  s.DoorSquares[0] = {1, 1};  // a floor door would close on any check
  CheckSquares(s, host);
  EXPECT_EQ(s.Board[CellIndex(1, 1)], TILE_FLOOR);
}

TEST(Checks, ADoorClosesOnTheFigure) {
  GameState s = KeyLevel("#.....#");
  s.Board[CellIndex(6, 1)] = TILE_FLOOR;
  s.SavedDoorTiles[0] = TILE_WALL_GREEN;
  s.PlayerCol = 5;
  s.PlayerRow = 1;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 6);
  EXPECT_EQ(s.Board[CellIndex(6, 1)], TILE_WALL_GREEN);
  EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_DOOR});
}

TEST(Checks, TheDoorToTheExitFollowsWhetherAllBlocksArePlaced) {
  GameState s = Level({"#@o_.#", "#..#E#"});
  s.ExitDoorCol = 3;
  s.ExitDoorRow = 1;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(3, 1)], TILE_FLOOR);
  EXPECT_EQ(s.SavedExitDoorTile, TILE_WALL_STONE);
  EXPECT_THAT(host.events, ElementsAre("sound 1", "redraw 1 4 -1 2", "redraw 3 4 1 2", "sound 2"));

  s.GlideX = 0;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.Board[CellIndex(3, 1)], TILE_WALL_STONE);
}

TEST(Checks, ALevelWithoutBlocksOpensItsDoorToTheExitAtTheFirstKeyEvenABlockedOne) {
  GameState s = Level({"#@#", "###"});
  s.ExitDoorCol = 1;
  s.ExitDoorRow = 1;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_EQ(s.Board[CellIndex(1, 1)], TILE_FLOOR);
  EXPECT_EQ(host.Sounds(), (std::vector<int>{SOUND_BUMP, SOUND_DOOR}));
}

TEST(Checks, ADoorThatIsFloorAtTheStartTakesTheSavedCodeOnItsFirstCheck) {
  GameState s = Level({"#@o.#", "#...#"});
  s.ExitDoorCol = 2;
  s.ExitDoorRow = 1;
  s.SavedExitDoorTile = 0;  // nothing opened since the window was created
  RecordingHost host;
  CheckSquares(s, host);
  EXPECT_EQ(s.Board[CellIndex(2, 1)], 0);
}

TEST(Checks, ReachingTheExitPlaysTheExitSoundAndSolvesTheLevelBeforeTheDoors) {
  GameState s = Level({"#@E#", "#.|#"});
  s.ExitDoorCol = 2;
  s.ExitDoorRow = 1;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_THAT(host.events, ElementsAre("redraw 1 4 -1 2", "sound 4", "solved", "redraw 2 3 1 2", "sound 2"));
}

}  // namespace
}  // namespace lorvix::test
