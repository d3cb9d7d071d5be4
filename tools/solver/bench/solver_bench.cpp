// States per second of the solver on levels large enough that the search
// stops at a fixed state limit, so that every run does the same work.
// Rates are per second of processor time, which stays meaningful on a
// machine shared with other work.

#include <benchmark/benchmark.h>

#include "tools/solver/solver.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::solver {
namespace {

inline constexpr size_t BENCH_STATES = 400'000;

// An open room with four crates: mostly walks, pushes now and then.
LevelRecord CrateRoom() {
  return SketchLevel({"####################",
                      "#@.......#.........#",
                      "#..c..c..#..c...o..#",
                      "#...........#...o..#",
                      "#..c.....#......o..#",
                      "#........#......o..#",
                      "#........#.........#",
                      "##########D#########",
                      "##########X#########"});
}

// Sliders, plugs, water, teleporters and a key door in one room: long
// slides and more squares in every state.
LevelRecord MixedRoom() {
  return SketchLevel({"####################",
                      "#@.......#....w....#",
                      "#..s..p..1..c...o..#",
                      "#.....o.....#...J..#",
                      "#..c.....#..s...o..#",
                      "#...ww...#.1....o..#",
                      "#........j.........#",
                      "##########D#########",
                      "##########X#########"});
}

void SearchStates(benchmark::State& state, const LevelRecord& level) {
  SolveOptions options;
  options.stateLimit = BENCH_STATES;
  size_t states = 0;
  for (auto _ : state) {
    const SolveResult result = Solve(level, options);
    states += result.states;
    benchmark::DoNotOptimize(result.states);
  }
  state.counters["states_per_second"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
}

void BM_CrateRoom(benchmark::State& state) { SearchStates(state, CrateRoom()); }
void BM_MixedRoom(benchmark::State& state) { SearchStates(state, MixedRoom()); }

BENCHMARK(BM_CrateRoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixedRoom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lorvix::solver

BENCHMARK_MAIN();
