#include "game/tests/test_host.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace lorvix::test {

namespace {

constexpr std::array<std::pair<char, int32_t>, 17> TILE_CHARS{{
    {'#', TILE_WALL_STONE},
    {'.', TILE_FLOOR},
    {'@', TILE_FLOOR},
    {'_', TILE_TARGET},
    {'o', TILE_CRATE},
    {'O', TILE_CRATE_ON_TARGET},
    {'s', TILE_SLIDER},
    {'S', TILE_SLIDER_ON_TARGET},
    {'u', TILE_PLUG},
    {'=', TILE_FILLED},
    {'~', TILE_WATER},
    {'E', TILE_EXIT},
    {'a', TILE_TELEPORT_BLUE},
    {'b', TILE_TELEPORT_GREEN},
    {'c', TILE_TELEPORT_RED},
    {'d', TILE_TELEPORT_YELLOW},
    {'|', TILE_WALL_BLUE},
}};

}  // namespace

int32_t TileFor(char c) {
  for (const auto& [ch, code] : TILE_CHARS)
    if (ch == c) return code;
  throw std::invalid_argument(std::string("no tile for '") + c + "'");
}

GameState Level(std::initializer_list<std::string_view> rows) {
  GameState s;
  s.Board = FilledBoard(TILE_WALL_STONE);
  s.TitleShowing = false;
  s.ExitCol = s.ExitRow = NOT_PLACED;
  s.ExitDoorCol = s.ExitDoorRow = NOT_PLACED;
  bool exitFound = false;
  int row = 0;
  for (std::string_view line : rows) {
    for (int col = 0; col < static_cast<int>(line.size()); ++col) {
      s.Board[CellIndex(col, row)] = TileFor(line[col]);
      if (line[col] == '@') {
        s.PlayerCol = col;
        s.PlayerRow = row;
      }
      if (line[col] == 'E' && !exitFound) {
        exitFound = true;
        s.ExitCol = col;
        s.ExitRow = row;
      }
    }
    ++row;
  }
  s.UndoBoard = s.Board;
  s.UndoPlayerCol = s.PlayerCol;
  s.UndoPlayerRow = s.PlayerRow;
  return s;
}

std::vector<std::string> Drawn(const GameState& s, int cols, int rows) {
  std::vector<std::string> out;
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (int col = 0; col < cols; ++col) {
      const int32_t code = s.Board[CellIndex(col, row)];
      char c = '?';
      for (const auto& [ch, tile] : TILE_CHARS)
        if (tile == code && ch != '@') {
          c = ch;
          break;
        }
      if (col == s.PlayerCol && row == s.PlayerRow) c = '@';
      line += c;
    }
    out.push_back(line);
  }
  return out;
}

}  // namespace lorvix::test
