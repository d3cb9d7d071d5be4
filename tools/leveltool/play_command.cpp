// leveltool play FILE LEVEL MOVES
//
// Plays MOVES (letters R, L, U, D for the arrow keys, Z for undo) on level
// LEVEL (1-based) of FILE, a user level (.sda, level 1 only), an extra world
// (.sde) or a worlds file, and prints where the game came to rest:
//
//   figure 5 3
//   moves 12
//   solved no
//   30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 
//   ...                                         (15 board rows in all)
//
// The rows are written exactly as in a level file, with LF line ends.

#include <charconv>

#include "levels/play_session.h"
#include "tools/leveltool/command.h"
#include "tools/leveltool/level_argument.h"

namespace lorvix::leveltool {
namespace {

void PrintResult(const PlaySession& session, std::ostream& out) {
  const GameState& s = session.State();
  out << "figure " << s.PlayerCol << ' ' << s.PlayerRow << '\n';
  out << "moves " << s.MoveCount << '\n';
  out << "solved " << (session.Solved() ? "yes" : "no") << '\n';
  for (int row = 0; row < BOARD_ROWS; ++row) out << FormatBoardRow(s.Board, row) << '\n';
}

}  // namespace

int RunPlay(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) {
    err << "Aufruf: leveltool play DATEI LEVEL ZÜGE\n";
    return EXIT_BAD_INPUT;
  }
  const std::string& path = args[0];
  const std::string& moves = args[2];

  int number = 0;
  if (!ParsePositive(args[1], number)) {
    err << "leveltool play: ungültige Levelnummer \"" << args[1] << "\"\n";
    return EXIT_BAD_INPUT;
  }
  if (auto bad = PlaySession::FirstBadLetter(moves)) {
    err << "leveltool play: ungültiger Zug \"" << *bad << "\" (erlaubt sind R, L, U, D und Z)\n";
    return EXIT_BAD_INPUT;
  }

  LevelRecord level;
  int32_t count = 0;
  if (!ReadLevelArgument("play", path, number, level, count, err)) return EXIT_BAD_INPUT;

  PlaySession session(level);
  GameState& s = session.State();
  const LevelFileKind kind = LevelFileKindOf(path);
  s.LevelNumber = number;
  s.LevelCount = count;
  s.EditorLevel = kind == LevelFileKind::UserLevel;
  s.ExtraWorld = kind == LevelFileKind::ExtraWorld;
  session.Play(moves);
  PrintResult(session, out);
  return EXIT_OK;
}

}  // namespace lorvix::leveltool
