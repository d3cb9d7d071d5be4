// One-step undo, retry and restart.

#include "game/rules.h"
#include "game/tests/test_host.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

TEST(Undo, MoveUndoUndoReturnsOnceAndRecordsOnce) {
  GameState s = Level({"#@o..#"});
  const GameState start = s;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  host.Clear();
  Undo(s, host);
  EXPECT_EQ(s.Board, start.Board);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_FALSE(s.MovedSinceUndo);
  EXPECT_THAT(host.events, ElementsAre("status", "invalidate"));

  Undo(s, host);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_EQ(host.events.size(), 2u);
  EXPECT_EQ(s.MoveListPos, 2);
  EXPECT_EQ(s.MoveList[1], MOVE_UNDO);
}

TEST(Undo, UndoingABlockedMoveTakesOneOffTheCounter) {
  GameState s = Level({"#@#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  Undo(s, host);
  EXPECT_EQ(s.MoveCount, -1);
}

TEST(Undo, UndoAfterAKeyIgnoredDuringTheGlideChangesNothingButTheCounter) {
  GameState s = Level({"#@o..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  TryMove(s, KEY_RIGHT, host);  // still gliding
  const TileGrid after = s.Board;
  Undo(s, host);
  EXPECT_EQ(s.Board, after);
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_EQ(s.MoveList[1], MOVE_UNDO);
}

TEST(Undo, DoorsFollowTheRestoredBoardSilently) {
  // Pushing the crate off its key closes the door; undo brings both back.
  GameState s = Level({"#@O..#", "#...|#"});
  s.KeySquares[0] = {2, 0};
  s.DoorSquares[0] = {4, 1};
  RecordingHost host;
  CheckSquares(s, host);
  s.UndoBoard = s.Board;
  ASSERT_EQ(s.Board[CellIndex(4, 1)], TILE_FLOOR);
  TryMove(s, KEY_RIGHT, host);
  ASSERT_EQ(s.Board[CellIndex(4, 1)], TILE_WALL_BLUE);
  host.Clear();
  Undo(s, host);
  EXPECT_EQ(s.Board[CellIndex(2, 0)], TILE_CRATE_ON_TARGET);
  EXPECT_EQ(s.Board[CellIndex(4, 1)], TILE_FLOOR);
  EXPECT_TRUE(host.Sounds().empty());

  // Pushing a crate onto the key opens the door; undo closes it again.
  s.GlideX = 0;
  s.Board[CellIndex(2, 0)] = TILE_TARGET;
  s.Board[CellIndex(1, 0)] = TILE_CRATE;
  s.Board[CellIndex(4, 1)] = TILE_WALL_BLUE;
  s.PlayerCol = 0;
  s.Board[CellIndex(0, 0)] = TILE_FLOOR;
  TryMove(s, KEY_RIGHT, host);
  ASSERT_EQ(s.Board[CellIndex(4, 1)], TILE_FLOOR);
  host.Clear();
  Undo(s, host);
  EXPECT_EQ(s.Board[CellIndex(4, 1)], TILE_WALL_BLUE);
  EXPECT_TRUE(host.Sounds().empty());
}

TEST(Undo, NotRecordedDuringAReplayOrWithAFullList) {
  for (bool full : {false, true}) {
    GameState s = Level({"#@.#"});
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    s.Replaying = !full;
    if (full) s.MoveListPos = MOVE_LIST_SIZE;
    const int pos = s.MoveListPos;
    Undo(s, host);
    EXPECT_EQ(s.PlayerCol, 1);
    EXPECT_EQ(s.MoveListPos, pos);
    EXPECT_EQ(s.MoveList[1], 0);
  }
}

TEST(Undo, ClearsTitleAndAboutEvenWithNothingToUndo) {
  GameState s = Level({"#@.#"});
  s.TitleShowing = s.AboutShowing = true;
  RecordingHost host;
  Undo(s, host);
  EXPECT_FALSE(s.TitleShowing);
  EXPECT_FALSE(s.AboutShowing);
  EXPECT_TRUE(host.events.empty());
}

TEST(Retry, ReloadsTheLevelFromWhereItCame) {
  GameState s = Level({"#@.#"});
  RecordingHost host;
  s.TitleShowing = true;
  Retry(s, host);
  EXPECT_FALSE(s.TitleShowing);
  s.EditorLevel = true;
  Retry(s, host);
  s.ExtraWorld = true;
  Retry(s, host);
  EXPECT_THAT(host.events, ElementsAre("load world level", "invalidate", "open user level", "load extra level"));
}

TEST(Retry, AWorldLevelThatFailsToLoadAsksToClose) {
  GameState s = Level({"#@.#"});
  RecordingHost host;
  host.loadWorldLevelSucceeds = false;
  Retry(s, host);
  EXPECT_THAT(host.events, ElementsAre("load world level", "close request", "invalidate"));
}

TEST(Retry, RestartGameClearsTheShowsAndTheReplay) {
  GameState s = Level({"#@.#"});
  s.TitleShowing = s.AboutShowing = s.Replaying = true;
  RecordingHost host;
  RestartGame(s, host);
  EXPECT_FALSE(s.TitleShowing || s.AboutShowing || s.Replaying);
  EXPECT_THAT(host.events, ElementsAre("restart world"));
}

}  // namespace
}  // namespace lorvix::test
