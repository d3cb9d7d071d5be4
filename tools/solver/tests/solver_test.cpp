// Fewest-move searches on small levels whose answers are known by hand.
// Every solution found is also played through a PlaySession, which runs
// the game tick like the game does, so a solution that only works inside
// the solver fails here.

#include <gtest/gtest.h>

#include <thread>

#include "levels/play_session.h"
#include "tools/solver/solver.h"
#include "tools/solver/state_layout.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::solver {
namespace {

// Solves the level and checks the answer, then replays it.
void ExpectFewestMoves(const LevelRecord& level, int moves, const std::string& keys = "") {
  const SolveResult result = Solve(level);
  ASSERT_EQ(result.status, SolveStatus::Solved) << result.problem;
  EXPECT_EQ(result.moves, moves) << result.keys;
  if (!keys.empty()) {
    EXPECT_EQ(result.keys, keys);
  }

  PlaySession session(level);
  ASSERT_TRUE(session.Play(result.keys));
  EXPECT_TRUE(session.Solved()) << result.keys;
  EXPECT_EQ(session.State().MoveCount, moves);
}

TEST(SolverFewestMoves, PushesACrateAndWalksRoundIt) {
  ExpectFewestMoves(SketchLevel({"##########",
                                 "#@.c.o..DX#",
                                 "#........##",
                                 "###########"}),
                    10);
}

// The whole slide to the socket by the far wall is one move.
TEST(SolverFewestMoves, CountsALongSlideAsOneMove) {
  ExpectFewestMoves(SketchLevel({"########",
                                 "#@s...o#",
                                 "#D######",
                                 "#X######"}),
                    4, "RLDD");
}

// The crate goes through the pads by a push, the figure by walking in.
TEST(SolverFewestMoves, UsesTeleportedPushesAndTeleportedWalks) {
  ExpectFewestMoves(SketchLevel({"##########",
                                 "#@c1######",
                                 "#####1.o##",
                                 "######D###",
                                 "######X###"}),
                    5, "RRRDD");
}

TEST(SolverFewestMoves, OpensAKeyDoorWithACrate) {
  ExpectFewestMoves(SketchLevel({"#########",
                                 "#@cJ#####",
                                 "#...jDX##",
                                 "#########"}),
                    6, "RDRRRR");
}

// The crate cannot reach its socket, but sunk in the water it counts as
// placed.
TEST(SolverFewestMoves, SinksACrateThatCannotReachItsSocket) {
  ExpectFewestMoves(SketchLevel({"##########",
                                 "#w.c@..o.#",
                                 "####D#####",
                                 "####X#####"}),
                    6, "LLRRDD");
}

// The crate must be pushed left, so the figure walks all the way round the
// loop to get behind it: 14 steps, 2 pushes, 5 steps to the exit.
TEST(SolverFewestMoves, WalksALongDetourToGetBehindACrate) {
  ExpectFewestMoves(SketchLevel({"##########",
                                 "#........#",
                                 "#.######.#",
                                 "#.@o.c...#",
                                 "#######D##",
                                 "#######X##"}),
                    21);
}

// A level without blocks opens its door to the exit at the first check.
// Pressing against the door itself does that without counting.
TEST(SolverFewestMoves, UsesABlockedKeyThatOpensADoorForFree) {
  ExpectFewestMoves(SketchLevel({"#####",
                                 "#@DX#",
                                 "#.###",
                                 "#####"}),
                    2, "RRR");
}

// A door whose square starts as floor shuts for good at the first check
// (it has no wall code saved), unless the figure is already through it.
TEST(SolverFewestMoves, HonoursADoorThatStartsOpen) {
  LevelRecord through = SketchLevel({"#########",
                                     "#.@jX####",
                                     "#######DJ",
                                     "#########"});
  through.Board[CellIndex(3, 1)] = TILE_FLOOR;
  EXPECT_TRUE(StateLayout(through).TracksSavedTiles());
  ExpectFewestMoves(through, 2, "RR");

  LevelRecord shut = through;
  shut.Start = {1, 1};
  EXPECT_EQ(Solve(shut).status, SolveStatus::Unsolvable);
}

// On the board's right edge a Right key bumps and counts; a key into the
// wall beside it solves the level without counting.
TEST(SolverFewestMoves, SolvesWithoutAMoveWhenTheStartIsTheExit) {
  LevelRecord level = SketchLevel({"####################",
                                   "##################.X",
                                   "###################D"});
  level.Start = level.Exit;
  const SolveResult result = Solve(level);
  ASSERT_EQ(result.status, SolveStatus::Solved);
  EXPECT_EQ(result.moves, 0);
  EXPECT_EQ(result.keys, "U");
}

TEST(SolverSearch, ReportsAnUnsolvableLevelAfterSearchingEverything) {
  const SolveResult result = Solve(SketchLevel({"######",
                                                "#c@.o#",
                                                "#...D#",
                                                "####X#"}));
  EXPECT_EQ(result.status, SolveStatus::Unsolvable);
  EXPECT_TRUE(result.keys.empty());
}

TEST(SolverSearch, GivesUpAtTheStateLimit) {
  SolveOptions options;
  options.stateLimit = 5;
  const SolveResult result = Solve(SketchLevel({"##########",
                                                "#........#",
                                                "#.######.#",
                                                "#.@o.c...#",
                                                "#######D##",
                                                "#######X##"}),
                                   options);
  EXPECT_EQ(result.status, SolveStatus::GaveUp);
  EXPECT_EQ(result.states, 5u);
}

TEST(SolverSearch, StopsAtOnceWhenCancelledBeforeItStarts) {
  const std::atomic<bool> cancel{true};
  SolveOptions options;
  options.cancel = &cancel;
  const SolveResult result = Solve(OpenCrateRoom(), options);
  EXPECT_EQ(result.status, SolveStatus::Cancelled);
  EXPECT_EQ(result.explored, REPORT_INTERVAL);
  EXPECT_TRUE(result.keys.empty());
}

// Another thread watches the figures grow and then stops the search.
TEST(SolverSearch, ReportsProgressToAndStopsForAnotherThread) {
  std::atomic<bool> cancel{false};
  SolveProgress progress;
  SolveOptions options;
  options.cancel = &cancel;
  options.progress = &progress;
  options.stateLimit = 2'000'000;  // in case the flag went unseen
  std::jthread watcher([&] {
    while (progress.explored.load() < 4 * REPORT_INTERVAL) std::this_thread::yield();
    cancel = true;
  });
  const SolveResult result = Solve(OpenCrateRoom(), options);
  EXPECT_EQ(result.status, SolveStatus::Cancelled);
  EXPECT_GE(result.explored, 4 * REPORT_INTERVAL);
  EXPECT_GT(progress.stored.load(), 0u);
  EXPECT_GT(progress.lowerBound.load(), 0);
  EXPECT_GT(progress.seconds.load(), 0.0);
}

// The callback runs at each report, on the searching thread; here it stops
// the search itself.
TEST(SolverSearch, CallsBackAtEachReport) {
  std::atomic<bool> cancel{false};
  int calls = 0;
  SolveOptions options;
  options.cancel = &cancel;
  options.reported = [&] { cancel = ++calls == 3; };
  const SolveResult result = Solve(OpenCrateRoom(), options);
  EXPECT_EQ(result.status, SolveStatus::Cancelled);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(result.explored, 3 * REPORT_INTERVAL);
}

// The limit fits the budget, and one position more would not.
TEST(SolverSearch, StateLimitKeepsTheForecastWithinTheMemory) {
  const LevelRecord room = OpenCrateRoom();
  for (size_t bytes : {size_t{1} << 20, size_t{100} << 20, size_t{256} << 20}) {
    const size_t limit = StateLimitWithin(room, bytes);
    EXPECT_LE(MemoryForecast(room, limit), bytes);
    EXPECT_GT(MemoryForecast(room, limit + 1), bytes);
  }
  EXPECT_EQ(StateLimitWithin(SketchLevel({"#X#"}), size_t{1} << 20), 0u) << "no start, no search";
}

TEST(SolverSearch, RefusesAStartOutsideTheBoard) {
  const SolveResult result = Solve(SketchLevel({"#X#"}));
  EXPECT_EQ(result.status, SolveStatus::InvalidLevel);
  EXPECT_FALSE(result.problem.empty());
}

// Squares no block can reach stay out of the state; a level with sliders
// cannot rule out squares without the figure behind them.
TEST(SolverStateLayout, KeepsOnlySquaresThatCanChange) {
  const LevelRecord crates = SketchLevel({"#########",
                                          "#@.c.o..#",
                                          "#.......#",
                                          "##D######"});
  const StateLayout layout(crates);
  EXPECT_FALSE(layout.TracksSavedTiles());
  EXPECT_LT(layout.VaryingSquares(), 14);  // of 14 floor squares and the door
  EXPECT_EQ(layout.Words(), 1);
}

}  // namespace
}  // namespace lorvix::solver
