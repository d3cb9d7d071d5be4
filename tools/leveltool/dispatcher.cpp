#include <string_view>

#include "tools/leveltool/command.h"

namespace lorvix::leveltool {
namespace {

void PrintUsage(std::ostream& err) {
  err << "Aufruf:\n";
  for (const Command& command : Commands())
    err << "  leveltool " << command.name << ' ' << command.arguments << '\n';
}

}  // namespace

int RunLeveltool(Args args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return EXIT_BAD_INPUT;
  }
  for (const Command& command : Commands())
    if (args[0] == command.name) return command.run(args.subspan(1), out, err);
  err << "leveltool: unbekannter Befehl \"" << args[0] << "\"\n";
  PrintUsage(err);
  return EXIT_BAD_INPUT;
}

}  // namespace lorvix::leveltool
