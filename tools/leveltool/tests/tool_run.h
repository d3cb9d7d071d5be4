#pragma once
// Runs leveltool in the test process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "tools/leveltool/command.h"

namespace lorvix::testing {

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

inline ToolRun Leveltool(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = leveltool::RunLeveltool(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace lorvix::testing
