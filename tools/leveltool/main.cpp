#include <iostream>
#include <string>
#include <vector>

#include "tools/leveltool/command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return lorvix::leveltool::RunLeveltool(args, std::cout, std::cerr);
}
