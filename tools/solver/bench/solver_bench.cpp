// How fast the solver answers, measured in processor time, which stays
// meaningful on a machine shared with other work:
//  - every shipped level of LEVEL.DAT solved in turn: the slowest level and
//    the most memory any level took (the targets are 3 s and 300 MiB);
//  - the three hardest shipped levels one by one;
//  - positions explored per second on two crafted rooms searched up to a
//    fixed number of stored positions, so that every run does the same work.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "levels/any_level_file.h"
#include "tools/solver/solver.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::solver {
namespace {

inline constexpr size_t BENCH_STATES = 200'000;
inline constexpr double MIB = 1 << 20;

std::vector<LevelRecord> ShippedLevels() {
  std::vector<LevelRecord> levels;
  LevelRecord level;
  int32_t count = 1;
  for (int number = 1; number <= count; ++number) {
    if (ReadAnyLevelFile(LORVIX_LEVEL_DAT, number, level, count) != LevelReadResult::Ok) break;
    levels.push_back(level);
  }
  return levels;
}

double ProcessorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct Measured {
  double slowestSeconds = 0;
  double mostMiB = 0;
  size_t explored = 0;
  int moves = 0;
};

void SolveAndMeasure(const LevelRecord& level, const SolveOptions& options, Measured& m) {
  const double began = ProcessorSeconds();
  const SolveResult result = Solve(level, options);
  m.slowestSeconds = std::max(m.slowestSeconds, ProcessorSeconds() - began);
  m.mostMiB = std::max(m.mostMiB, static_cast<double>(result.memoryBytes) / MIB);
  m.explored += result.explored;
  m.moves = result.moves;
  benchmark::DoNotOptimize(result.keys);
}

void Report(benchmark::State& state, const Measured& m) {
  state.counters["slowest_s"] = m.slowestSeconds;
  state.counters["most_MiB"] = m.mostMiB;
  state.counters["explored_per_second"] =
      benchmark::Counter(static_cast<double>(m.explored), benchmark::Counter::kIsRate);
}

void BM_AllShippedLevels(benchmark::State& state) {
  const std::vector<LevelRecord> levels = ShippedLevels();
  if (levels.empty()) state.SkipWithError("LEVEL.DAT not found");
  Measured m;
  for (auto _ : state)
    for (const LevelRecord& level : levels) SolveAndMeasure(level, {}, m);
  state.counters["levels"] = static_cast<double>(levels.size());
  Report(state, m);
}

void BM_ShippedLevel(benchmark::State& state) {
  const std::vector<LevelRecord> levels = ShippedLevels();
  const auto number = static_cast<size_t>(state.range(0));
  if (number > levels.size()) return state.SkipWithError("no such level in LEVEL.DAT");
  Measured m;
  for (auto _ : state) SolveAndMeasure(levels[number - 1], {}, m);
  state.counters["moves"] = m.moves;
  Report(state, m);
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

void SearchRoom(benchmark::State& state, const LevelRecord& level) {
  SolveOptions options;
  options.stateLimit = BENCH_STATES;
  Measured m;
  for (auto _ : state) SolveAndMeasure(level, options, m);
  Report(state, m);
}

void BM_CrateRoom(benchmark::State& state) { SearchRoom(state, OpenCrateRoom()); }
void BM_MixedRoom(benchmark::State& state) { SearchRoom(state, MixedRoom()); }

BENCHMARK(BM_AllShippedLevels)->Unit(benchmark::kSecond)->MeasureProcessCPUTime()->Iterations(1);
BENCHMARK(BM_ShippedLevel)->Arg(57)->Arg(78)->Arg(79)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_CrateRoom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MixedRoom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace lorvix::solver

BENCHMARK_MAIN();
