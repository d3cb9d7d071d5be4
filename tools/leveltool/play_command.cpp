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

#include "levels/any_level_file.h"
#include "levels/play_session.h"
#include "tools/leveltool/command.h"

namespace lorvix::leveltool {
namespace {

// A level number as typed: decimal digits only, at least 1.
bool ParseLevelNumber(const std::string& text, int& number) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, number);
  return ec == std::errc() && ptr == end && number >= 1;
}

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
  if (!ParseLevelNumber(args[1], number)) {
    err << "leveltool play: ungültige Levelnummer \"" << args[1] << "\"\n";
    return EXIT_BAD_INPUT;
  }
  if (auto bad = PlaySession::FirstBadLetter(moves)) {
    err << "leveltool play: ungültiger Zug \"" << *bad << "\" (erlaubt sind R, L, U, D und Z)\n";
    return EXIT_BAD_INPUT;
  }

  LevelRecord level;
  int32_t count = 0;
  switch (ReadAnyLevelFile(path, number, level, count)) {
    case LevelReadResult::CannotOpen:
      err << "leveltool play: Fehler beim Öffnen der Datei " << path << " .\n";
      return EXIT_BAD_INPUT;
    case LevelReadResult::TooFewLevels:
      err << "leveltool play: Level " << number << " gibt es in " << path << " nicht (" << count
          << " Level)\n";
      return EXIT_BAD_INPUT;
    case LevelReadResult::Ok:
      break;
  }

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
