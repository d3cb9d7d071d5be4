// The game tick: its time gate, the glide, mouse walking, replays, the tile
// animations, the title and about steps and the slide, each on its counter.

#include "game/rules.h"
#include "game/tests/test_host.h"
#include "game/tick.h"

namespace lorvix::test {
namespace {

using ::testing::ElementsAre;

// A tick state whose clock started at 0, as after the first call.
TickState Running() {
  TickState t;
  t.started = true;
  return t;
}

// Runs n ticks, each 5 ms after the one before.
void Ticks(GameState& s, TickState& t, RecordingHost& host, int n) {
  for (int i = 0; i < n; ++i) {
    host.now += 5;
    GameTick(s, t, host);
  }
}

TEST(Tick, RunsAtMostEveryFiveMillisecondsAndStoresASecondClockReading) {
  GameState s = Level({"#@..#"});
  s.GlideX = -32;
  TickState t;
  RecordingHost host;
  // First call: start 1000, now 1000. Second: now 1005, stored 1007.
  // Third: 1011 is too early. Fourth: 1012 is 5 ms after 1007.
  host.clock = {1000, 1000, 1005, 1007, 1011, 1012, 1012};
  std::vector<int> glide;
  for (int i = 0; i < 4; ++i) {
    GameTick(s, t, host);
    glide.push_back(s.GlideX);
  }
  EXPECT_THAT(glide, ElementsAre(-32, -30, -30, -28));
}

TEST(Tick, TheTimeGateSurvivesTheClockWrappingAround) {
  GameState s = Level({"#@..#"});
  s.GlideX = -32;
  TickState t;
  t.started = true;
  t.lastTick = 0xFFFFFFFEu;
  RecordingHost host;
  host.now = 3;
  GameTick(s, t, host);
  EXPECT_EQ(s.GlideX, -30);
}

TEST(Tick, AGlideTakesSixteenStepsAndIgnoresKeysMeanwhile) {
  GameState s = Level({"#@...#"});
  TickState t = Running();
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  host.Clear();
  std::vector<int> glide;
  for (int i = 0; i < 16; ++i) {
    Ticks(s, t, host, 1);
    glide.push_back(s.GlideX);
    if (i == 7) TryMove(s, KEY_RIGHT, host);
  }
  EXPECT_THAT(glide, ElementsAre(-30, -28, -26, -24, -22, -20, -18, -16, -14, -12, -10, -8, -6, -4, -2, 0));
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(host.events.size(), 16u);
  EXPECT_EQ(host.events[0], "redraw 1 3 0 1");
}

TEST(Tick, EachGlideDirectionRedrawsTheSquaresItCrosses) {
  struct Case {
    int glideX, glideY;
    const char* redraw;
  };
  for (Case c : {Case{32, 0, "redraw 5 7 3 4"}, Case{-32, 0, "redraw 4 6 3 4"}, Case{0, 32, "redraw 5 6 3 5"},
                 Case{0, -32, "redraw 5 6 2 4"}}) {
    GameState s = Level({});
    s.PlayerCol = 5;
    s.PlayerRow = 3;
    s.GlideX = c.glideX;
    s.GlideY = c.glideY;
    TickState t = Running();
    RecordingHost host;
    Ticks(s, t, host, 1);
    EXPECT_THAT(host.events, ElementsAre(c.redraw));
  }
}

TEST(Tick, WithoutSmoothMovementTheMovementStepRunsOnEveryThirdTick) {
  GameState s = Level({"#@..#"});
  s.SmoothMovement = false;
  s.GlideX = -32;
  TickState t = Running();
  RecordingHost host;
  std::vector<int> glide;
  for (int i = 0; i < 7; ++i) {
    Ticks(s, t, host, 1);
    glide.push_back(s.GlideX);
  }
  EXPECT_THAT(glide, ElementsAre(-32, -32, -30, -30, -30, -28, -28));
}

TEST(Tick, AMouseWalkGoesSquareBySquareUntilItArrives) {
  GameState s = Level({"#@....#"});
  TickState t = Running();
  RecordingHost host;
  MouseButtonDown(s, 32 * 5 + 7, 10, host);  // screen column 5 is board column 4
  EXPECT_TRUE(s.MouseWalkRight);
  Ticks(s, t, host, 100);
  EXPECT_EQ(s.PlayerCol, 4);
  EXPECT_FALSE(s.MouseWalkRight);
  EXPECT_EQ(s.MoveCount, 3);
}

TEST(Tick, AMouseWalkIntoAWallRepeatsTheBlockedMoveUntilRelease) {
  GameState s = Level({"#@#...#"});
  TickState t = Running();
  RecordingHost host;
  MouseButtonDown(s, 32 * 6, 0, host);
  Ticks(s, t, host, 4);
  EXPECT_EQ(s.MoveListPos, 4);
  EXPECT_EQ(s.MoveCount, 0);
  MouseButtonUp(s);
  Ticks(s, t, host, 4);
  EXPECT_EQ(s.MoveListPos, 4);
}

TEST(Tick, AClickStartsAWalkOnlyInTheFiguresRowOrColumn) {
  GameState s = Level({"#...#", "#.@.#", "#...#"});
  RecordingHost host;
  MouseButtonDown(s, 32 * 2, 0, host);  // diagonal
  MouseButtonDown(s, 32 * 3, 32, host);  // the figure itself
  EXPECT_FALSE(s.MouseWalkLeft || s.MouseWalkRight || s.MouseWalkUp || s.MouseWalkDown);
  MouseButtonDown(s, 32 * 3, 64, host);
  EXPECT_TRUE(s.MouseWalkDown);
  s.TitleShowing = true;
  MouseButtonDown(s, 0, 0, host);
  EXPECT_FALSE(s.TitleShowing);
  EXPECT_EQ(s.MouseY, 64) << "a click that only closes the title is not stored";
  EXPECT_THAT(host.events, ElementsAre("invalidate"));
}

// A replay of `moves` from the start of a level; returns the state after
// `ticks` ticks.
GameState Replay(std::initializer_list<int32_t> moves, int ticks, RecordingHost& host,
                 std::initializer_list<std::string_view> rows = {"#@....#"}) {
  GameState s = Level(rows);
  std::copy(moves.begin(), moves.end(), s.MoveList.begin());
  s.Replaying = true;
  TickState t = Running();
  Ticks(s, t, host, ticks);
  return s;
}

TEST(Tick, AReplayPlaysAnEntryOnEverySixthMovementStepAtRest) {
  RecordingHost host;
  EXPECT_EQ(Replay({MOVE_RIGHT}, 5, host).PlayerCol, 1);
  GameState s = Replay({MOVE_RIGHT}, 6, host);
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.MoveListPos, 1);
}

TEST(Tick, AReplayPlaysArrowsAndUndoAndStopsAtTheEndMarker) {
  RecordingHost host;
  GameState s = Replay({MOVE_RIGHT, MOVE_RIGHT, MOVE_DOWN, MOVE_UNDO, MOVE_LEFT, MOVE_UP, MOVE_END}, 400, host,
                       {"#.....#", "#@....#", "#.....#"});
  EXPECT_FALSE(s.Replaying);
  EXPECT_EQ(s.MoveListPos, 6) << "left on the end marker";
  EXPECT_EQ(s.PlayerCol, 2);
  EXPECT_EQ(s.PlayerRow, 0);
  EXPECT_EQ(s.MoveCount, 4) << "five moves, one undone";
  EXPECT_EQ(s.MoveList[6], MOVE_END) << "nothing recorded over the replayed entries";
}

TEST(Tick, AReplayWaitsOnAnUnknownEntry) {
  RecordingHost host;
  GameState s = Replay({MOVE_RIGHT, 0, MOVE_RIGHT, MOVE_END}, 400, host);
  EXPECT_TRUE(s.Replaying);
  EXPECT_EQ(s.MoveListPos, 1);
  EXPECT_EQ(s.PlayerCol, 2);
  s.MoveListPos = MOVE_LIST_SIZE;  // past the list without a marker
  TickState t = Running();
  Ticks(s, t, host, 50);
  EXPECT_TRUE(s.Replaying);
}

// Solving a level loads the next one before LevelSolved returns.
class LoadingHost : public RecordingHost {
 public:
  explicit LoadingHost(GameState& s) : s_(s) {}
  void LevelSolved() override {
    RecordingHost::LevelSolved();
    s_.MoveListPos = 0;
    s_.Replaying = false;
  }

 private:
  GameState& s_;
};

TEST(Tick, AReplayedMoveThatSolvesTheLevelLeavesTheNextLevelsListAtItsStart) {
  GameState s = Level({"#@E#"});
  s.MoveList[0] = MOVE_RIGHT;
  s.Replaying = true;
  LoadingHost host(s);
  TickState t = Running();
  Ticks(s, t, host, 6);
  EXPECT_THAT(host.events, ::testing::Contains("solved"));
  EXPECT_EQ(s.MoveListPos, 0);
}

TEST(Tick, NoReplayStepWhileSlidingOrAboutShowing) {
  GameState s = Level({"#@....#"});
  s.MoveList[0] = MOVE_RIGHT;
  s.Replaying = true;
  s.AboutShowing = true;
  TickState t = Running();
  RecordingHost host;
  Ticks(s, t, host, 20);
  EXPECT_EQ(s.PlayerCol, 1);
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "about step"), 20);
}

TEST(Tick, LampsFlickerOnEverySeventhTickAtARandomColumnThenRow) {
  GameState s = Level({});
  s.Board[CellIndex(3, 4)] = TILE_LAMP_RED_ON;
  TickState t = Running();
  RecordingHost host;
  host.randoms = {3 + 20 * 7, 4 + 15 * 2};
  Ticks(s, t, host, 6);
  EXPECT_EQ(s.Board[CellIndex(3, 4)], TILE_LAMP_RED_ON);
  Ticks(s, t, host, 1);
  EXPECT_EQ(s.Board[CellIndex(3, 4)], TILE_LAMP_RED_OFF);
  EXPECT_THAT(host.events, ElementsAre("redraw 3 3 4 4"));
}

TEST(Tick, PillarsAndGearsTurnOnEveryEleventhTick) {
  GameState s = Level({});
  s.Board[CellIndex(0, 0)] = TILE_PILLAR_LAST;
  s.Board[CellIndex(2, 1)] = TILE_GEAR_LAST;
  s.Board[CellIndex(5, 5)] = 100 + 3;
  s.AnimationOn = true;
  TickState t = Running();
  RecordingHost host;
  host.randoms = {1};  // lamps look at (1, 1): a plain wall
  Ticks(s, t, host, 10);
  EXPECT_TRUE(host.events.empty());
  Ticks(s, t, host, 1);
  EXPECT_EQ(s.Board[CellIndex(0, 0)], TILE_PILLAR_FIRST);
  EXPECT_EQ(s.Board[CellIndex(2, 1)], TILE_GEAR_FIRST);
  EXPECT_EQ(s.Board[CellIndex(5, 5)], 100 + 4);
  EXPECT_THAT(host.events, ElementsAre("redraw 0 0 0 0", "redraw 2 2 1 1", "redraw 5 5 5 5"));
}

TEST(Tick, TheExitPulsesOnEveryThirteenthTick) {
  GameState s = Level({"#@E#"});
  TickState t = Running();
  RecordingHost host;
  std::vector<int> frames;
  for (int i = 0; i < 8; ++i) {
    Ticks(s, t, host, 13);
    frames.push_back(s.Board[CellIndex(2, 0)]);
  }
  EXPECT_THAT(frames, ElementsAre(70, 71, 71, 70, 7, 7, 70, 71));
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "redraw 2 2 0 0"), 6);
}

TEST(Tick, TileAnimationWaitsForTheAnimationSwitchAndTheTitleAndAbout) {
  GameState s = Level({"#@E#"});
  TickState t = Running();
  RecordingHost host;
  s.AnimationOn = false;
  Ticks(s, t, host, 30);
  s.AnimationOn = true;
  s.TitleShowing = true;
  Ticks(s, t, host, 30);
  EXPECT_EQ(s.Board[CellIndex(2, 0)], TILE_EXIT);
  EXPECT_EQ(host.events, std::vector<std::string>(30, "title step"));
}

TEST(Tick, ASlideStepsOnEverySixthTick) {
  GameState s = Level({"#@s....#"});
  TickState t = Running();
  RecordingHost host;
  TryMove(s, KEY_RIGHT, host);
  s.AnimationOn = false;
  Ticks(s, t, host, 5);
  EXPECT_EQ(s.SlideCol, 3);
  Ticks(s, t, host, 1);
  EXPECT_EQ(s.SlideCol, 4);
  Ticks(s, t, host, 6);
  EXPECT_EQ(s.SlideCol, 5);
}

}  // namespace
}  // namespace lorvix::test
