// leveltool solve FILE LEVEL [--limit N]
//
// Finds a solution of level LEVEL (1-based) of FILE (a user level .sda,
// level 1 only; an extra world .sde; otherwise a worlds file) with the
// fewest counted moves, and prints its key presses and their count:
//
//   RRDLLUR
//   moves 7
//
// Blocked key presses that are part of the solution (they can open a door
// without counting) appear among the letters but not in the count. Without
// a solution it prints "unsolvable" when every position was searched, or
// "gave up after N states" when the state limit (default 20 million) was
// reached first, and exits with 1. The size of the search goes to the
// error output: positions stored, time, memory and positions explored.

#include <cstdio>

#include "tools/leveltool/solve_arguments.h"
#include "tools/solver/solver.h"

namespace lorvix::leveltool {

int RunSolve(Args args, std::ostream& out, std::ostream& err) {
  SearchArguments parsed;
  if (!ParseSearchArguments("solve", "DATEI LEVEL [--limit N]", args, true, false, parsed, err))
    return EXIT_BAD_INPUT;
  LevelRecord level;
  int32_t count = 0;
  if (!ReadLevelArgument("solve", parsed.path, parsed.level, level, count, err)) return EXIT_BAD_INPUT;

  solver::SolveOptions options;
  options.stateLimit = parsed.stateLimit;
  const solver::SolveResult result = solver::Solve(level, options);
  switch (result.status) {
    case solver::SolveStatus::Solved: out << result.keys << '\n' << "moves " << result.moves << '\n'; break;
    case solver::SolveStatus::Unsolvable: out << "unsolvable\n"; break;
    case solver::SolveStatus::GaveUp: out << "gave up after " << result.states << " states\n"; break;
    case solver::SolveStatus::Cancelled: out << "cancelled\n"; break;
    case solver::SolveStatus::InvalidLevel:
      err << "leveltool solve: Level kann nicht durchsucht werden: " << result.problem << '\n';
      return EXIT_BAD_INPUT;
  }
  char stats[200];
  std::snprintf(stats, sizeof stats, "%zu Stellungen, %.2f s, %.0f MiB, %zu untersucht\n", result.states,
                result.seconds, static_cast<double>(result.memoryBytes) / (1 << 20), result.explored);
  err << stats;
  return result.status == solver::SolveStatus::Solved ? EXIT_OK : EXIT_FAILED;
}

}  // namespace lorvix::leveltool
