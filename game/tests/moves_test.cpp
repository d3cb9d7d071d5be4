// Walking and pushing: the push table, blocked moves, the edge of the
// board, recording and counting of arrow keys, and the gates before them.

#include "game/push_tables.h"
#include "game/rules.h"
#include "game/tests/test_host.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

TEST(Moves, EveryRowOfThePushTableMovesTheBlockAndTheFigure) {
  for (const PushRule& rule : PUSH_TABLE) {
    GameState s = Level({"#@..#"});
    s.Board[CellIndex(2, 0)] = rule.block;
    s.Board[CellIndex(3, 0)] = rule.target;
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    SCOPED_TRACE(testing::Message() << rule.block << " onto " << rule.target);
    EXPECT_EQ(s.Board[CellIndex(2, 0)], rule.blockBecomes);
    EXPECT_EQ(s.Board[CellIndex(3, 0)], rule.targetBecomes);
    EXPECT_EQ(s.PlayerCol, 2);
    EXPECT_EQ(s.GlideX, -32);
    EXPECT_EQ(s.MoveCount, 1);
    EXPECT_EQ(s.Sliding, rule.slides);
    EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_PUSH});
  }
}

TEST(Moves, APushTellsTheRendererAroundTheFigureAfterTheMove) {
  GameState s = Level({"#####", "#@o.#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_THAT(host.events, ElementsAre("sound 1", "redraw 1 4 0 3"));
  EXPECT_THAT(Drawn(s, 5, 2), ElementsAre("#####", "#.@o#"));
}

TEST(Moves, BlocksStopAtWallsBlocksExitAndFilledSquares) {
  for (std::string_view row : {"#@o#", "#@oo.", "#@oO.", "#@oE", "#@o=", "#@uS", "#@s|"}) {
    GameState s = Level({row});
    const TileGrid before = s.Board;
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    SCOPED_TRACE(row);
    EXPECT_EQ(s.Board, before);
    EXPECT_EQ(s.PlayerCol, 1);
    EXPECT_EQ(s.MoveCount, 0) << "a blocked move does not count";
    EXPECT_EQ(s.MoveListPos, 1) << "but it is recorded";
    EXPECT_EQ(s.MoveList[0], MOVE_RIGHT);
    EXPECT_TRUE(s.MovedSinceUndo);
    EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_BUMP});
  }
}

// Codes the rules do not know, whatever their value, are invisible walls:
// neither the figure nor a pushed block enters them.
TEST(Moves, UnknownCodesAreInvisibleWalls) {
  for (int32_t code : {0, 2, 4, 13, 49, 58, -1, 1000, INT32_MIN, INT32_MAX}) {
    for (std::string_view row : {"#@.", "#@o."}) {
      GameState s = Level({row});
      s.Board[CellIndex(static_cast<int>(row.size()) - 1, 0)] = code;
      const TileGrid before = s.Board;
      RecordingHost host;
      TryMove(s, KEY_RIGHT, host);
      SCOPED_TRACE(testing::Message() << code << " " << row);
      EXPECT_EQ(s.Board, before);
      EXPECT_EQ(s.PlayerCol, 1);
      EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_BUMP});
    }
  }
}

TEST(Moves, WalkableSquaresAreEnteredSilently) {
  for (char c : {'.', '_', '=', '~', 'E'}) {
    GameState s = Level({"#@" + std::string(1, c)});
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    EXPECT_EQ(s.PlayerCol, 2) << c;
    EXPECT_EQ(s.MoveCount, 1);
    EXPECT_TRUE(host.Sounds().empty() || c == 'E');
  }
}

TEST(Moves, EachDirectionSetsItsGlideFacingAndRecordedCode) {
  GameState s = Level({"#...#", "#.@.#", "#...#"});
  RecordingHost host;
  struct Case {
    int key, col, row, glideX, glideY, recorded;
    bool facingRight;
  };
  for (Case c : {Case{KEY_LEFT, 1, 1, 32, 0, MOVE_LEFT, false}, Case{KEY_UP, 1, 0, 0, 32, MOVE_UP, false},
                 Case{KEY_RIGHT, 2, 0, -32, 0, MOVE_RIGHT, true}, Case{KEY_DOWN, 2, 1, 0, -32, MOVE_DOWN, true}}) {
    TryMove(s, c.key, host);
    EXPECT_EQ(s.PlayerCol, c.col);
    EXPECT_EQ(s.PlayerRow, c.row);
    EXPECT_EQ(s.GlideX, c.glideX);
    EXPECT_EQ(s.GlideY, c.glideY);
    EXPECT_EQ(s.FacingRight, c.facingRight);
    EXPECT_EQ(s.MoveList[s.MoveListPos - 1], c.recorded);
    s.GlideX = s.GlideY = 0;
  }
}

TEST(Moves, TheEdgeOfTheBoardBumpsAndCounts) {
  GameState s = Level({"...................@"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 19);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_EQ(s.MoveList[0], MOVE_RIGHT);
  EXPECT_TRUE(s.MovedSinceUndo);
  EXPECT_THAT(host.events, ElementsAre("sound 3", "redraw 18 21 -1 2"));
}

TEST(Moves, APushWhoseBlockWouldLeaveTheBoardIsBlocked) {
  GameState s = Level({"..................@o"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 18);
  EXPECT_EQ(s.Board[CellIndex(19, 0)], TILE_CRATE);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_BUMP});
}

TEST(Moves, KeysAreIgnoredWhileTheFigureGlidesButRefreshTheUndoCopy) {
  GameState s = Level({"#@o..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_EQ(s.MoveListPos, 1);
  EXPECT_EQ(s.UndoBoard, s.Board);
  EXPECT_EQ(s.UndoPlayerCol, 2);
}

TEST(Moves, AnyOtherKeyRefreshesTheUndoCopyAndDoesNothingElse) {
  GameState s = Level({"#@o..#"});
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  s.GlideX = 0;
  host.Clear();
  TryMove(s, 'A', host);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(s.UndoBoard, s.Board);
  EXPECT_EQ(s.UndoPlayerCol, 2);
  EXPECT_EQ(s.MoveListPos, 1);
}

TEST(Moves, TitleAboutAndSlidingSwallowTheKey) {
  GameState s = Level({"#@.#"});
  s.TitleShowing = true;
  s.AboutShowing = true;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_FALSE(s.TitleShowing);
  EXPECT_TRUE(s.AboutShowing);
  TryMove(s, KEY_RIGHT, host);
  EXPECT_FALSE(s.AboutShowing);
  EXPECT_THAT(host.events, ElementsAre("invalidate", "invalidate"));
  s.Sliding = true;
  TryMove(s, KEY_RIGHT, host);
  TryMove(s, KEY_NEXT_LEVEL, host);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(host.events.size(), 2u);
}

TEST(Moves, CommandKeysGoToNavigationUndoAndRetry) {
  GameState s = Level({"#@.#"});
  RecordingHost host;
  for (int key : {KEY_NEXT_WORLD, KEY_NEXT_LEVEL, KEY_PREVIOUS_LEVEL, KEY_PREVIOUS_WORLD, KEY_RETRY})
    TryMove(s, key, host);
  EXPECT_THAT(host.events, ElementsAre("next world", "next level", "previous level", "previous world",
                                       "load world level", "invalidate"));
  s.Board[CellIndex(2, 0)] = TILE_WALL_STONE;
  TryMove(s, KEY_UNDO, host);  // nothing to undo: the snapshot is not touched by command keys
  EXPECT_EQ(s.UndoBoard[CellIndex(2, 0)], TILE_FLOOR);
}

TEST(Moves, RecordingStopsAtTwoThousandEntriesWhilePlayGoesOn) {
  GameState s = Level({"@"});
  RecordingHost host;
  for (int i = 0; i < MOVE_LIST_SIZE + 5; ++i) TryMove(s, KEY_UP, host);  // bumps at the edge count
  EXPECT_EQ(s.MoveListPos, MOVE_LIST_SIZE);
  EXPECT_EQ(s.MoveList[MOVE_LIST_SIZE - 1], MOVE_UP);
  EXPECT_EQ(s.MoveCount, MOVE_LIST_SIZE + 5);
}

TEST(Moves, NothingIsRecordedDuringAReplay) {
  GameState s = Level({"#@.#"});
  s.Replaying = true;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.MoveListPos, 0);
  EXPECT_EQ(s.MoveList[0], 0);
}

}  // namespace
}  // namespace lorvix::test
