#pragma once
// The subcommands of leveltool. Each lives in its own *_command.cpp file
// and is listed once in command_table.cpp.

#include <ostream>
#include <span>
#include <string>

namespace lorvix::leveltool {

// Exit codes shared by every subcommand.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_BAD_INPUT = 2;

// The arguments after the subcommand's name.
using Args = std::span<const std::string>;

struct Command {
  const char* name;
  const char* arguments;  // shown in the usage text, e.g. "DATEI LEVEL ZÜGE"
  int (*run)(Args args, std::ostream& out, std::ostream& err);
};

std::span<const Command> Commands();

// Runs `leveltool ARGS...` (without the program name) and returns its exit
// code. Tests call this instead of starting a process.
int RunLeveltool(Args args, std::ostream& out, std::ostream& err);

}  // namespace lorvix::leveltool
