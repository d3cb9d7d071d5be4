// Every subcommand of leveltool. Adding one means adding its file and one
// line (declaration and table entry) here.

#include <array>

#include "tools/leveltool/command.h"

namespace lorvix::leveltool {

int RunPlay(Args args, std::ostream& out, std::ostream& err);
int RunSolve(Args args, std::ostream& out, std::ostream& err);
int RunCheck(Args args, std::ostream& out, std::ostream& err);
int RunCompile(Args args, std::ostream& out, std::ostream& err);
int RunDecompile(Args args, std::ostream& out, std::ostream& err);
int RunRender(Args args, std::ostream& out, std::ostream& err);

namespace {

constexpr std::array COMMANDS = {
    Command{"play", "DATEI LEVEL ZÜGE", RunPlay},
    Command{"solve", "DATEI LEVEL [--limit N]", RunSolve},
    Command{"check", "DATEI [--limit N] [--door-limit N]", RunCheck},
    Command{"compile", "AUSGABE.DAT QUELLE...", RunCompile},
    Command{"decompile", "DATEI LEVEL", RunDecompile},
    Command{"render", "DATEI LEVEL BILD.png", RunRender},
};

}  // namespace

std::span<const Command> Commands() { return COMMANDS; }

}  // namespace lorvix::leveltool
