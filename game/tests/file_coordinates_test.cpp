// Squares that come unchecked from level files (start, exit, door to the
// exit, keys and doors) may lie anywhere. Squares outside the board are
// neither read nor written: the game state right behind the board would
// otherwise be taken for board squares, so these tests put telling codes
// there (the undo copy follows the board directly).

#include <algorithm>
#include <limits>

#include "game/rules.h"
#include "game/tests/test_host.h"
#include "game/tick.h"

namespace lorvix::test {
namespace {

constexpr int32_t BIG = std::numeric_limits<int32_t>::max();
constexpr int32_t SMALL = std::numeric_limits<int32_t>::min();

// Coordinates just past the board, far away, and at the ends of the range.
const std::vector<Square> OFF_BOARD = {{20, 0}, {0, 15}, {-1, 0}, {0, -1}, {100, 100}, {BIG, BIG}, {SMALL, 3}, {3, SMALL}};

TEST(FileCoordinates, KeysAndDoorsOffTheBoardNeverOpenOrClose) {
  for (Square off : OFF_BOARD) {
    GameState s = Level({"#@o_#", "#.|.#"});
    s.UndoBoard.fill(TILE_CRATE_ON_TARGET);  // a pressed key, if it were read
    s.KeySquares[0] = off;
    s.DoorSquares[0] = {2, 1};
    s.KeySquares[1] = {3, 0};
    s.DoorSquares[1] = off;
    s.ExitDoorCol = off.col;
    s.ExitDoorRow = off.row;
    const GameState before = s;
    RecordingHost host;
    CheckSquares(s, host);
    SCOPED_TRACE(testing::Message() << off.col << ", " << off.row);
    EXPECT_EQ(s.Board, before.Board);
    EXPECT_EQ(s.UndoBoard, before.UndoBoard);
    EXPECT_TRUE(host.events.empty());

    // The pressed key of pair 1 has a door off the board: nothing opens.
    TryMove(s, KEY_RIGHT, host);
    EXPECT_EQ(s.Board[CellIndex(3, 0)], TILE_CRATE_ON_TARGET);
    EXPECT_EQ(s.Board[CellIndex(2, 1)], TILE_WALL_BLUE);
    EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_PUSH});
  }
}

TEST(FileCoordinates, AFigureOffTheBoardBumpsUntilItStepsOntoIt) {
  for (Square off : {Square{100, 100}, Square{BIG, BIG}, Square{SMALL, 3}, Square{3, SMALL}, Square{-5, -5}}) {
    GameState s = Level({});
    s.PlayerCol = off.col;
    s.PlayerRow = off.row;
    RecordingHost host;
    for (int key : {KEY_RIGHT, KEY_LEFT, KEY_UP, KEY_DOWN}) {
      s.GlideX = s.GlideY = 0;
      TryMove(s, key, host);
    }
    SCOPED_TRACE(testing::Message() << off.col << ", " << off.row);
    EXPECT_EQ(s.Board, FilledBoard(TILE_WALL_STONE));
    EXPECT_EQ(s.MoveCount, 4);
  }

  // Just beside the board the figure can step onto it, or be blocked.
  GameState s = Level({".o."});
  s.PlayerCol = -1;
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  EXPECT_EQ(s.PlayerCol, 0);
  EXPECT_EQ(s.MoveCount, 1);
  s.PlayerCol = 20;
  s.GlideX = 0;
  TryMove(s, KEY_LEFT, host);
  EXPECT_EQ(s.PlayerCol, 20);
  EXPECT_EQ(s.MoveCount, 1);
  EXPECT_EQ(host.Sounds(), std::vector<int>{SOUND_BUMP});
}

TEST(FileCoordinates, RedrawsAroundAFarAwayFigureStayInRange) {
  GameState s = Level({});
  s.PlayerCol = BIG;
  s.PlayerRow = SMALL;
  s.GlideX = -32;
  s.GlideY = 32;
  TickState t;
  t.started = true;
  RecordingHost host;
  host.now = 5;
  GameTick(s, t, host);
  EXPECT_THAT(host.events, ::testing::ElementsAre("redraw 2147483646 2147483647 -2147483648 -2147483647",
                                                  "redraw 2147483647 2147483647 -2147483648 -2147483646"));
  MouseButtonDown(s, 0, 0, host);
  host.now = 10;
  GameTick(s, t, host);
}

TEST(FileCoordinates, AnExitOffTheBoardIsNeverAnimated) {
  GameState s = Level({"#@.#"});
  s.ExitCol = 20;
  s.ExitRow = 0;
  s.UndoBoard.fill(TILE_EXIT);
  TickState t;
  t.started = true;
  RecordingHost host;
  for (int i = 0; i < 100; ++i) {
    host.now += 5;
    GameTick(s, t, host);
  }
  EXPECT_EQ(s.UndoBoard, FilledBoard(TILE_EXIT));
}

TEST(FileCoordinates, ASlideFromOffTheBoardEnds) {
  GameState s = Level({"#@.#"});
  s.Sliding = true;
  s.SlideCol = BIG;
  s.SlideRow = 0;
  s.SlideDir = DIR_RIGHT;
  RecordingHost host;
  SlideStep(s, host);
  EXPECT_FALSE(s.Sliding);
}

// An exit that is not placed cannot be reached, even by a figure that
// starts on the same square off the board.
TEST(FileCoordinates, AnExitOffTheBoardIsNeverReached) {
  for (Square off : OFF_BOARD) {
    GameState s = Level({});
    s.PlayerCol = s.ExitCol = off.col;
    s.PlayerRow = s.ExitRow = off.row;
    RecordingHost host;
    TryMove(s, KEY_RIGHT, host);
    CheckSquares(s, host);
    EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "solved"), 0) << off.col << ", " << off.row;
  }
}

// Without a level on the board the arrow keys move and count nothing; the
// command keys still lead to other levels.
TEST(FileCoordinates, WithoutALevelOnlyTheCommandKeysWork) {
  GameState s = Level({"#@.E#"});
  s.NoLevel = true;
  RecordingHost host;
  for (int key : {KEY_RIGHT, KEY_RIGHT, KEY_UNDO, KEY_NEXT_LEVEL, KEY_RETRY}) TryMove(s, key, host);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(s.MoveCount, 0);
  EXPECT_EQ(s.MoveListPos, 0);
  EXPECT_THAT(host.events, ::testing::ElementsAre("next level", "load world level", "invalidate"));
}

}  // namespace
}  // namespace lorvix::test
