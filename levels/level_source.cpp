// The level source format, one file per world:
//
//   # World 1: crates           <- comments and blank lines between levels
//   level Erste Schritte        <- starts a level; the rest of the line names it
//   map                         <- then exactly 15 rows of 20 characters
//   ####################
//   #@..c..o...........Z   ... (15 rows)
//   tile k ~                    <- optional: the key marked k lies on water
//   solution RRUULD             <- optional: fewest-moves solution
//   end
//
// Every character is one square. Tiles:
//   .  floor              o  target socket       ~  water        f  filled square
//   c  crate              C  crate in socket     s  slider       S  slider in socket
//   p  plug               X  exit (also the exit square)
//   #  stone wall         =  blue-white wall     %  brown wall
//   !  ?  :  ;  walls with a symbol (four kinds)
//   G  green patterned wall                      R  red patterned wall
//   1 2 3 4  lamps lit (green, yellow, red, blue)   5 6 7 8  the same lamps dark
//   I  striped pillar     *  gear
//   u v w y  teleporter pads blue, green, red, yellow
// Markers (a recorded square; the tile under it has a default that a
// "tile" line can change):
//   @  start (floor)      Z  door to the exit (green patterned wall)
//   k l m n q  keys of pairs 1..5 (target socket)
//   K L M N Q  doors of pairs 1..5 (red patterned wall)

#include "levels/level_source.h"

#include <array>
#include <fstream>
#include <optional>
#include <sstream>

namespace lorvix {

namespace {

struct LegendEntry {
  char symbol;
  int code;
};

constexpr std::array<LegendEntry, 33> kTiles{{
    {'.', TILE_FLOOR},          {'o', TILE_TARGET},           {'~', TILE_WATER},
    {'f', TILE_FILLED},         {'c', TILE_CRATE},            {'C', TILE_CRATE_ON_TARGET},
    {'s', TILE_SLIDER},         {'S', TILE_SLIDER_ON_TARGET}, {'p', TILE_PLUG},
    {'X', TILE_EXIT},           {'#', TILE_WALL_STONE},       {'=', TILE_WALL_BLUE},
    {'%', TILE_WALL_BROWN},     {'!', TILE_WALL_SYMBOL_1},    {'?', TILE_WALL_SYMBOL_2},
    {':', TILE_WALL_SYMBOL_3},  {';', TILE_WALL_SYMBOL_4},    {'G', TILE_WALL_GREEN},
    {'R', TILE_WALL_RED},       {'1', TILE_LAMP_GREEN_ON},    {'2', TILE_LAMP_YELLOW_ON},
    {'3', TILE_LAMP_RED_ON},    {'4', TILE_LAMP_BLUE_ON},     {'5', TILE_LAMP_GREEN_OFF},
    {'6', TILE_LAMP_YELLOW_OFF}, {'7', TILE_LAMP_RED_OFF},    {'8', TILE_LAMP_BLUE_OFF},
    {'I', TILE_PILLAR_FIRST},   {'*', TILE_GEAR_FIRST},       {'u', TILE_TELEPORT_BLUE},
    {'v', TILE_TELEPORT_GREEN}, {'w', TILE_TELEPORT_RED},     {'y', TILE_TELEPORT_YELLOW},
}};

constexpr std::string_view kKeyMarkers = "klmnq";
constexpr std::string_view kDoorMarkers = "KLMNQ";
constexpr std::string_view kAllMarkers = "@Zklmnq" "KLMNQ";

std::optional<int> TileCode(char symbol) {
  for (const LegendEntry& e : kTiles)
    if (e.symbol == symbol) return e.code;
  return std::nullopt;
}

// The symbol of a code; animation frames map to their first frame.
std::optional<char> TileSymbol(int code) {
  if (code >= TILE_PILLAR_FIRST && code <= TILE_PILLAR_LAST) return 'I';
  if (code >= TILE_GEAR_FIRST && code <= TILE_GEAR_LAST) return '*';
  if (code == TILE_EXIT_2 || code == TILE_EXIT_3) return 'X';
  for (const LegendEntry& e : kTiles)
    if (e.code == code) return e.symbol;
  return std::nullopt;
}

int DefaultTileUnder(char marker) {
  if (marker == '@') return TILE_FLOOR;
  if (marker == 'Z') return TILE_WALL_GREEN;
  if (kKeyMarkers.find(marker) != std::string_view::npos) return TILE_TARGET;
  return TILE_WALL_RED;
}

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

class Parser {
 public:
  Parser(std::istream& in, std::string fileName) : in_(in), file_(std::move(fileName)) {}

  bool Run(std::vector<SourceLevel>& levels, std::string& error) {
    std::string line;
    while (Next(line)) {
      if (line.empty() || line[0] == '#') continue;
      if (line.rfind("level", 0) != 0) return Fail("expected \"level\"", error);
      SourceLevel level;
      level.name = Trimmed(line.substr(5));
      level.line = lineNo_;
      if (!ParseLevel(level, error)) return false;
      levels.push_back(level);
    }
    return true;
  }

 private:
  bool Next(std::string& line) {
    if (!std::getline(in_, line)) return false;
    ++lineNo_;
    line = Trimmed(line);
    return true;
  }

  bool Fail(const std::string& message, std::string& error) const {
    return FailAt(lineNo_, message, error);
  }
  bool FailAt(int line, const std::string& message, std::string& error) const {
    error = file_ + ":" + std::to_string(line) + ": " + message;
    return false;
  }

  bool ParseLevel(SourceLevel& level, std::string& error) {
    std::string line;
    if (!Next(line) || line != "map") return Fail("expected \"map\"", error);
    std::array<std::string, BOARD_ROWS> rows;
    firstRowLine_ = lineNo_ + 1;
    for (std::string& row : rows) {
      if (!Next(row)) return Fail("the map needs 15 rows", error);
      if (row.size() != BOARD_COLS) return Fail("a map row needs 20 squares", error);
    }
    std::array<std::optional<int>, 128> under{};
    while (Next(line) && line != "end") {
      if (line.rfind("tile ", 0) == 0 && line.size() == 8 && line[6] == ' ') {
        char marker = line[5];
        std::optional<int> code = TileCode(line[7]);
        if (kAllMarkers.find(marker) == std::string_view::npos || !code)
          return Fail("\"tile\" needs a marker and a tile symbol", error);
        under[static_cast<unsigned char>(marker)] = code;
      } else if (line.rfind("solution", 0) == 0) {
        level.solution = Trimmed(line.substr(8));
        if (level.solution.find_first_not_of("RLUD") != std::string::npos)
          return Fail("a solution holds only R, L, U and D", error);
      } else {
        return Fail("expected \"tile\", \"solution\" or \"end\"", error);
      }
    }
    if (line != "end") return Fail("missing \"end\"", error);
    return BuildRecord(rows, under, level.record, error);
  }

  bool BuildRecord(const std::array<std::string, BOARD_ROWS>& rows,
                   const std::array<std::optional<int>, 128>& under, LevelRecord& record,
                   std::string& error) {
    std::array<std::optional<Square>, 128> marks{};
    for (int r = 0; r < BOARD_ROWS; ++r) {
      for (int c = 0; c < BOARD_COLS; ++c) {
        char ch = rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
        std::optional<int> code = TileCode(ch);
        if (kAllMarkers.find(ch) != std::string_view::npos) {
          auto& mark = marks[static_cast<unsigned char>(ch)];
          if (mark) return FailAt(firstRowLine_ + r, std::string("marker ") + ch + " appears twice", error);
          mark = Square{c, r};
          code = under[static_cast<unsigned char>(ch)].value_or(DefaultTileUnder(ch));
        }
        if (!code) return FailAt(firstRowLine_ + r, std::string("unknown square '") + ch + "'", error);
        record.Board[static_cast<size_t>(CellIndex(c, r))] = *code;
        if (ch == 'X') record.Exit = Square{c, r};
      }
    }
    auto mark = [&](char ch) { return marks[static_cast<unsigned char>(ch)]; };
    if (!mark('@') || !mark('Z')) return Fail("a level needs a start @ and a door Z", error);
    record.Start = *mark('@');
    record.ExitDoor = *mark('Z');
    int exits = 0;
    for (int32_t code : record.Board) exits += code == TILE_EXIT;
    if (exits != 1) return Fail("a level needs exactly one exit X", error);
    for (size_t i = 0; i < kKeyMarkers.size(); ++i) {
      std::optional<Square> key = mark(kKeyMarkers[i]), door = mark(kDoorMarkers[i]);
      if (key.has_value() != door.has_value())
        return Fail(std::string("key ") + kKeyMarkers[i] + " and door " + kDoorMarkers[i] +
                        " come in pairs",
                    error);
      if (key && key->col == 0) return Fail("a key cannot lie in column 0", error);
      record.KeySquares[i] = key.value_or(Square{});
      record.DoorSquares[i] = door.value_or(Square{});
    }
    return true;
  }

  std::istream& in_;
  std::string file_;
  int lineNo_ = 0;
  int firstRowLine_ = 0;
};

}  // namespace

bool ParseLevelSource(std::istream& in, const std::string& fileName,
                      std::vector<SourceLevel>& levels, std::string& error) {
  return Parser(in, fileName).Run(levels, error);
}

bool ParseLevelSourceFiles(const std::vector<std::string>& paths, std::vector<SourceLevel>& levels,
                           std::string& error) {
  for (const std::string& path : paths) {
    std::ifstream in(path);
    if (!in) {
      error = path + ": cannot open";
      return false;
    }
    if (!ParseLevelSource(in, path, levels, error)) return false;
  }
  return true;
}

std::string WorldsFileText(const std::vector<SourceLevel>& levels) {
  std::string text = std::to_string(levels.size()) + "\r\n";
  for (const SourceLevel& level : levels) text += LevelRecordText(level.record, LineOneEnd::Editor);
  return text;
}

std::string FormatLevelSource(const SourceLevel& level) {
  const LevelRecord& rec = level.record;
  std::array<std::string, BOARD_ROWS> rows;
  for (int r = 0; r < BOARD_ROWS; ++r) {
    for (int c = 0; c < BOARD_COLS; ++c) {
      std::optional<char> symbol = TileSymbol(rec.Board[static_cast<size_t>(CellIndex(c, r))]);
      if (!symbol) return {};
      rows[static_cast<size_t>(r)] += *symbol;
    }
  }
  // The exit is shown by its tile, so it must be the one exit tile.
  int exits = 0;
  for (int32_t code : rec.Board) exits += TileSymbol(code) == 'X';
  if (exits != 1 || !OnBoard(rec.Exit) ||
      TileSymbol(rec.Board[static_cast<size_t>(CellIndex(rec.Exit.col, rec.Exit.row))]) != 'X')
    return {};
  std::string tileLines;
  // Markers overwrite the tile symbol; a square can carry only one marker.
  std::array<bool, BOARD_CELLS> marked{};
  auto place = [&](char marker, Square s) {
    if (!OnBoard(s) || marked[static_cast<size_t>(CellIndex(s.col, s.row))]) return false;
    marked[static_cast<size_t>(CellIndex(s.col, s.row))] = true;
    char& cell = rows[static_cast<size_t>(s.row)][static_cast<size_t>(s.col)];
    if (*TileCode(cell) != DefaultTileUnder(marker))
      tileLines += std::string("tile ") + marker + ' ' + cell + "\n";
    cell = marker;
    return true;
  };
  if (!place('@', rec.Start) || !place('Z', rec.ExitDoor)) return {};
  for (size_t i = 0; i < kKeyMarkers.size(); ++i) {
    if (rec.KeySquares[i].col == 0) continue;
    if (!place(kKeyMarkers[i], rec.KeySquares[i]) || !place(kDoorMarkers[i], rec.DoorSquares[i]))
      return {};
  }
  std::ostringstream out;
  out << "level " << level.name << "\nmap\n";
  for (const std::string& row : rows) out << row << "\n";
  out << tileLines;
  if (!level.solution.empty()) out << "solution " << level.solution << "\n";
  out << "end\n";
  return out.str();
}

}  // namespace lorvix
