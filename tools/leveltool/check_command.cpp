// leveltool check FILE [--limit N] [--door-limit N]
//
// Checks every level of FILE (a user level .sda, an extra world .sde,
// otherwise a worlds file) and prints one line per level: the blocks by
// kind, the mechanics it uses, the fewest moves and how long the search
// for them took, or what is wrong with it:
//
//   level 1: crates 2, sliders 0, plugs 1; water, plugs; moves 41; 0.08 s
//   level 2: crates 1, sliders 0, plugs 0; no mechanics; FAILED: not solvable
//   level 2: warning: ...
//   2 levels, 1 failed
//
// --limit bounds the solving search (default 20 million states),
// --door-limit the search that shows the exit unreachable while the door
// to the exit stays closed (default 2 million). Exits with 1 when a level
// failed.

#include <cstdio>
#include <sstream>
#include <vector>

#include "tools/leveltool/solve_arguments.h"
#include "tools/solver/level_check.h"

namespace lorvix::leveltool {
namespace {

std::string BlocksText(const solver::LevelContents& c) {
  return "crates " + std::to_string(c.crates) + ", sliders " + std::to_string(c.sliders) + ", plugs " +
         std::to_string(c.plugs);
}

std::string MechanicsText(const solver::LevelContents& c) {
  std::string text;
  auto add = [&text](bool used, const char* name) {
    if (!used) return;
    if (!text.empty()) text += ", ";
    text += name;
  };
  add(c.water, "water");
  add(c.sliders > 0, "sliders");
  add(c.plugs > 0, "plugs");
  add(c.keysAndDoors, "keys/doors");
  add(c.teleporters, "teleporters");
  return text.empty() ? "no mechanics" : text;
}

void PrintReport(int number, const solver::LevelReport& report, std::ostream& out) {
  out << "level " << number << ": " << BlocksText(report.contents) << "; " << MechanicsText(report.contents);
  if (report.Passed()) {
    char time[32];
    std::snprintf(time, sizeof time, "%.2f s", report.solution.seconds);
    out << "; moves " << report.solution.moves << "; " << time << '\n';
  } else {
    out << "; FAILED: ";
    for (size_t i = 0; i < report.faults.size(); ++i) out << (i > 0 ? "; " : "") << report.faults[i].text;
    out << '\n';
  }
  for (const solver::LevelFault& warning : report.warnings)
    out << "level " << number << ": warning: " << warning.text << '\n';
}

}  // namespace

int RunCheck(Args args, std::ostream& out, std::ostream& err) {
  SearchArguments parsed;
  if (!ParseSearchArguments("check", "DATEI [--limit N] [--door-limit N]", args, false, true, parsed, err))
    return EXIT_BAD_INPUT;
  solver::LevelCheckOptions options;
  options.solveLimit = parsed.stateLimit;
  options.closedDoorLimit = parsed.closedDoorLimit;

  // Every level that can be read is checked; reading stops at the first
  // that cannot, which is reported after the others.
  LevelRecord level;
  int32_t count = 0;
  if (!ReadLevelArgument("check", parsed.path, 1, level, count, err)) return EXIT_BAD_INPUT;
  std::vector<LevelRecord> levels{level};
  std::ostringstream readError;
  while (static_cast<int32_t>(levels.size()) < count &&
         ReadLevelArgument("check", parsed.path, static_cast<int>(levels.size()) + 1, level, count, readError))
    levels.push_back(level);

  int failed = 0;
  solver::CheckLevels(levels, options, 0, [&](size_t index, const solver::LevelReport& report) {
    PrintReport(static_cast<int>(index) + 1, report, out);
    failed += !report.Passed();
  });
  if (static_cast<int32_t>(levels.size()) < count) {
    err << readError.str();
    return EXIT_BAD_INPUT;
  }
  out << count << (count == 1 ? " level, " : " levels, ") << failed << " failed\n";
  return failed == 0 ? EXIT_OK : EXIT_FAILED;
}

}  // namespace lorvix::leveltool
