#pragma once
// Reading and writing the plain-text level files: the worlds file, user
// levels (.sda), extra worlds (.sde), and solution files (.sco). The layouts
// are described at the top of level_files.cpp.

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/game_state.h"

namespace lorvix {

// One level as every level file stores it: 326 integers.
struct LevelRecord {
  std::array<Square, KEY_PAIRS> KeySquares{};
  std::array<Square, KEY_PAIRS> DoorSquares{};
  Square Start{};
  Square Exit{};
  Square ExitDoor{};
  TileGrid Board{};
};

// The level fields of a game state, as a record, and back.
LevelRecord LevelOf(const GameState& s);
void ApplyLevel(GameState& s, const LevelRecord& level);

enum class LineOneEnd { Editor, Builder };  // without / with the final blank

// Reads whitespace-separated integers into the record in file order. Fields
// after the end of the input or a non-number keep their previous values.
void ReadLevelRecord(std::istream& in, LevelRecord& level);
void WriteLevelRecord(std::ostream& out, const LevelRecord& level, LineOneEnd style);

// Worlds file: count, then records. Reads records 1..wanted into `level`
// (keeping the last one read). Returns false when the file cannot be
// opened or holds fewer than `wanted` levels; `count` gets the count read.
bool ReadWorldsFileLevel(const std::string& path, int wanted, LevelRecord& level, int32_t& count);

// Extra world: three text lines (raw bytes, at most 149 each), the count,
// then records.
struct ExtraWorldHeader {
  std::array<std::string, 3> lines;
};
bool ReadExtraWorldHeader(const std::string& path, ExtraWorldHeader& header);
bool ReadExtraWorldLevel(const std::string& path, int wanted, LevelRecord& level, int32_t& count);

// User level: exactly one record.
bool ReadUserLevel(const std::string& path, LevelRecord& level);
bool WriteUserLevel(const std::string& path, const LevelRecord& level);
bool WriteExtraWorld(const std::string& path, const ExtraWorldHeader& header,
                     const std::vector<LevelRecord>& levels);

// "C:/x/Pack.sde" -> "C:/x/Pack.dat", and "C:/x/Pack" + N + ".sco".
std::string ExtraRecordsPathFor(const std::string& extraWorldPath);
std::string ExtraSolutionPathFor(const std::string& extraWorldPath, int level);

// Solutions. WriteSolution puts the end marker at `pos` and over the entry
// before it (changing `moves` as the game does), then writes the entries up
// to the first end marker. ReadSolution clears the list and reads entries
// until the end marker or 2000 entries; returns whether the marker was read
// (false also when the file cannot be opened).
bool WriteSolution(const std::string& path, MoveArray& moves, int32_t pos);
bool ReadSolution(const std::string& path, MoveArray& moves);

}  // namespace lorvix
