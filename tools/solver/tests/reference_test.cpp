// The solver against the plainest exhaustive search, on crafted rooms that
// use every rule and on many small random rooms that also put doors, keys,
// pads and the exit where no designer would: the same fewest moves, the
// same verdict on unsolvable rooms, and solutions that the game accepts.

#include <gtest/gtest.h>

#include <random>

#include "levels/play_session.h"
#include "tools/solver/solver.h"
#include "tools/solver/tests/level_sketch.h"
#include "tools/solver/tests/reference_search.h"

namespace lorvix::solver {
namespace {

enum class Verdict { Agreed, Skipped };

// Solves the level both ways; a level too big for the reference is skipped.
Verdict ExpectSameAnswer(const LevelRecord& level, const std::string& name) {
  const ReferenceAnswer reference = ReferenceFewestMoves(level);
  if (!reference.complete) return Verdict::Skipped;
  const SolveResult result = Solve(level);
  if (!reference.moves) {
    EXPECT_EQ(result.status, SolveStatus::Unsolvable) << name << ": " << result.keys << result.problem;
    return Verdict::Agreed;
  }
  EXPECT_EQ(result.status, SolveStatus::Solved) << name << ": " << result.problem;
  EXPECT_EQ(result.moves, *reference.moves) << name << ": " << result.keys;
  PlaySession session(level);
  session.Play(result.keys);
  EXPECT_TRUE(session.Solved()) << name << ": " << result.keys;
  EXPECT_EQ(session.State().MoveCount, result.moves) << name << ": " << result.keys;
  return Verdict::Agreed;
}

TEST(SolverAgainstReference, CraftedRooms) {
  const std::vector<std::pair<std::string, LevelRecord>> rooms{
      {"crates", SketchLevel({"#########", "#@.c.o..#", "#..c.o..#", "#.......#", "##D######", "##X"})},
      {"slider through pads into a key",
       SketchLevel({"#########", "#@s..1###", "#.......#", "#1..J##j#", "#######D#", "#######X#"})},
      {"plugs and water", SketchLevel({"########", "#@p.w.o#", "#.p..c.#", "#...o..#", "####D###", "####X###"})},
      {"crate that must sink", SketchLevel({"#######", "#w.c@.#", "#.....#", "###D###", "###X"})},
      {"key door on the way", SketchLevel({"########", "#@c.J..#", "#......#", "#####j##", "#####.D#", "######X"})},
      {"figure through pads", SketchLevel({"#########", "#@.c.o#1#", "#1#####.#", "#######D#", "#######X"})},
      {"start is the exit", [] {
         LevelRecord level = SketchLevel({"#####", "#.X.#", "#####"});
         level.Start = level.Exit;
         return level;
       }()},
      {"unsolvable", SketchLevel({"######", "#c@.o#", "#...D#", "####X#"})},
  };
  for (const auto& [name, level] : rooms) EXPECT_EQ(ExpectSameAnswer(level, name), Verdict::Agreed) << name;
}

// A room of random squares in the board's top left corner, sometimes
// against the board's edge. Every recorded square may land anywhere, even
// on another recorded square or on a square that is no wall.
class RandomRoom {
 public:
  explicit RandomRoom(uint32_t seed) : rng_(seed) {}

  LevelRecord Make() {
    LevelRecord level;
    level.Board.fill(TILE_WALL_STONE);
    const int origin = Chance(20) ? 0 : 1;
    cols_ = Between(3, 6);
    rows_ = Between(2, 4);
    first_ = origin;
    for (int c = 0; c < cols_; ++c)
      for (int r = 0; r < rows_; ++r) level.Board[CellIndex(origin + c, origin + r)] = RandomCode();
    level.Start = Inside();
    if (Chance(90)) Set(level, level.Start, TILE_FLOOR);
    level.Exit = Around();
    if (Chance(90)) Set(level, level.Exit, TILE_EXIT);
    level.ExitDoor = Chance(10) ? level.Exit : Around();
    if (Chance(85)) Set(level, level.ExitDoor, TILE_WALL_GREEN);
    const int pairs = Between(0, 2);
    for (int i = 0; i < pairs; ++i) {
      level.KeySquares[i] = Inside();
      if (Chance(70)) Set(level, level.KeySquares[i], Chance(80) ? TILE_TARGET : TILE_WATER);
      level.DoorSquares[i] = Chance(10) ? level.ExitDoor : Around();
      if (Chance(85)) Set(level, level.DoorSquares[i], TILE_WALL_RED);
    }
    return level;
  }

 private:
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  Square Inside() { return {first_ + Between(0, cols_ - 1), first_ + Between(0, rows_ - 1)}; }
  // A square of the room or of the wall around it.
  Square Around() {
    const Square s{first_ + Between(-1, cols_), first_ + Between(-1, rows_)};
    return OnBoard(s) ? s : Inside();
  }
  static void Set(LevelRecord& level, Square s, int32_t code) { level.Board[CellIndex(s.col, s.row)] = code; }

  int32_t RandomCode() {
    static constexpr std::array<std::pair<int32_t, int>, 12> WEIGHTS{{
        {TILE_FLOOR, 40}, {TILE_WALL_STONE, 8}, {TILE_CRATE, 7}, {TILE_CRATE_ON_TARGET, 2}, {TILE_TARGET, 8},
        {TILE_SLIDER, 4}, {TILE_PLUG, 3}, {TILE_WATER, 5}, {TILE_FILLED, 2}, {TILE_TELEPORT_BLUE, 3},
        {TILE_TELEPORT_GREEN, 2}, {TILE_EXIT_2, 1}}};
    int total = 0;
    for (const auto& [code, weight] : WEIGHTS) total += weight;
    int pick = Between(1, total);
    for (const auto& [code, weight] : WEIGHTS)
      if ((pick -= weight) <= 0) return code;
    return TILE_FLOOR;
  }

  std::mt19937 rng_;
  int first_ = 1;
  int cols_ = 0;
  int rows_ = 0;
};

TEST(SolverAgainstReference, RandomRooms) {
  RandomRoom rooms(14);
  int solvable = 0, unsolvable = 0, skipped = 0;
  for (int i = 0; i < 400; ++i) {
    const LevelRecord level = rooms.Make();
    const ReferenceAnswer reference = ReferenceFewestMoves(level);
    if (ExpectSameAnswer(level, "random room " + std::to_string(i)) == Verdict::Skipped)
      ++skipped;
    else
      ++(reference.moves ? solvable : unsolvable);
    if (HasFailure()) break;
  }
  // The rooms must keep covering both verdicts.
  EXPECT_GT(solvable, 50);
  EXPECT_GT(unsolvable, 50);
  EXPECT_LT(skipped, 40);
  std::printf("%d solvable, %d unsolvable, %d skipped\n", solvable, unsolvable, skipped);
}

}  // namespace
}  // namespace lorvix::solver
