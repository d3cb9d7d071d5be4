#pragma once
// The arguments that `solve` and `check` share: a level file, for `solve`
// a level number, and the state limits of the search, written
// "--limit N" (and for `check` also "--door-limit N").

#include <cstdint>
#include <ostream>
#include <string>

#include "tools/leveltool/command.h"
#include "tools/leveltool/level_argument.h"
#include "tools/solver/level_check.h"

namespace lorvix::leveltool {

// A search found no solution, or a checked level failed.
inline constexpr int EXIT_FAILED = 1;

struct SearchArguments {
  std::string path;
  int level = 1;
  size_t stateLimit = solver::DEFAULT_STATE_LIMIT;
  size_t closedDoorLimit = solver::LevelCheckOptions{}.closedDoorLimit;
};

// `usage` is the argument part of the usage line, e.g. "DATEI LEVEL [--limit N]".
inline bool ParseSearchArguments(const std::string& command, const std::string& usage, Args args, bool withLevel,
                                 bool withDoorLimit, SearchArguments& parsed, std::ostream& err) {
  const size_t positional = withLevel ? 2 : 1;
  size_t given = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    size_t* limit = arg == "--limit" ? &parsed.stateLimit
                    : arg == "--door-limit" && withDoorLimit ? &parsed.closedDoorLimit
                                                             : nullptr;
    if (limit != nullptr) {
      if (i + 1 == args.size() || !ParsePositive(args[i + 1], *limit)) {
        err << "leveltool " << command << ": " << arg << " braucht eine Zahl ab 1\n";
        return false;
      }
      ++i;
    } else if (given == 0 && (arg.empty() || arg[0] != '-')) {
      parsed.path = arg;
      ++given;
    } else if (given == 1 && withLevel) {
      if (!ParsePositive(arg, parsed.level)) {
        err << "leveltool " << command << ": ungültige Levelnummer \"" << arg << "\"\n";
        return false;
      }
      ++given;
    } else {
      err << "Aufruf: leveltool " << command << ' ' << usage << '\n';
      return false;
    }
  }
  if (given != positional) {
    err << "Aufruf: leveltool " << command << ' ' << usage << '\n';
    return false;
  }
  return true;
}

}  // namespace lorvix::leveltool
