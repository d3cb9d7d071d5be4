// leveltool compile OUT.DAT SOURCE...
//
// Turns level source files (levels/data/world*.txt) into a worlds file:
// every level of every file, in order. The build runs it to make LEVEL.DAT.
//
// leveltool decompile FILE LEVEL
//
// Prints a level of any level file (for example a user level made with the
// editor) in the source form, ready to be pasted into a world file.

#include "levels/level_source.h"
#include "platform/atomic_file.h"
#include "tools/leveltool/command.h"
#include "tools/leveltool/level_argument.h"

namespace lorvix::leveltool {

int RunCompile(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) {
    err << "Aufruf: leveltool compile AUSGABE.DAT QUELLE...\n";
    return EXIT_BAD_INPUT;
  }
  std::vector<SourceLevel> levels;
  std::string error;
  if (!ParseLevelSourceFiles({args.begin() + 1, args.end()}, levels, error)) {
    err << "leveltool compile: " << error << '\n';
    return EXIT_BAD_INPUT;
  }
  if (!platform::WriteFileAtomically(args[0], WorldsFileText(levels))) {
    err << "leveltool compile: kann " << args[0] << " nicht schreiben\n";
    return EXIT_BAD_INPUT;
  }
  out << levels.size() << " levels\n";
  return EXIT_OK;
}

int RunDecompile(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "Aufruf: leveltool decompile DATEI LEVEL\n";
    return EXIT_BAD_INPUT;
  }
  SourceLevel level;
  int number = 0;
  int32_t count = 0;
  if (!ReadLevelArgument("decompile", args[0], args[1], level.record, number, count, err))
    return EXIT_BAD_INPUT;
  level.name = "Level " + std::to_string(number);
  std::string text = FormatLevelSource(level);
  if (text.empty()) {
    err << "leveltool decompile: das Level lässt sich nicht als Quelltext zeigen\n";
    return EXIT_BAD_INPUT;
  }
  out << text;
  return EXIT_OK;
}

}  // namespace lorvix::leveltool
