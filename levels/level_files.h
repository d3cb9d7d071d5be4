#pragma once
// Reading and writing the plain-text level files: the worlds file, user
// levels (.sda), extra worlds (.sde), and solution files (.sco). Each layout
// is described at the top of the file that reads and writes it:
// level_record.cpp, worlds_file.cpp, extra_world_file.cpp, user_level_file.cpp
// and solution_file.cpp.
//
// All readers read whitespace-separated decimal integers and stop at the
// first thing that is not one: the end of the input, a non-number, or a
// number outside the signed 32-bit range. Fields not reached keep the values
// they had before the read. Every writer replaces its file atomically.

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
  friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

inline constexpr int LEVEL_RECORD_INTEGERS = 326;

// The level fields of a game state (key/door pairs, start = figure square,
// exit, door to the exit, board), as a record, and back. ApplyLevel touches
// no other field.
LevelRecord LevelOf(const GameState& s);
void ApplyLevel(GameState& s, const LevelRecord& level);

enum class LineOneEnd { Editor, Builder };  // without / with the final blank

// Reads whitespace-separated integers into the record in file order. Fields
// after the end of the input or a non-number keep their previous values.
// Returns true when all 326 integers were read.
bool ReadLevelRecord(std::istream& in, LevelRecord& level);
// Writes the 17 lines of a record with CR LF line ends.
void WriteLevelRecord(std::ostream& out, const LevelRecord& level, LineOneEnd style);
// The same 17 lines as text.
std::string LevelRecordText(const LevelRecord& level, LineOneEnd style);
// One board row as written in a record: every cell right-aligned in two
// characters and followed by a blank, without a line end.
std::string FormatBoardRow(const TileGrid& board, int row);

// Why a level could not be read from a multi-level file.
enum class LevelReadResult { Ok, CannotOpen, TooFewLevels };

// Worlds file: count, then records. Reads records 1..wanted into `level`
// (keeping the last one read). Fails when the file cannot be opened or holds
// fewer than `wanted` levels (or `wanted` < 1); `count` gets the count read,
// 0 when there is none.
LevelReadResult ReadWorldsFile(std::istream& in, int wanted, LevelRecord& level, int32_t& count);
LevelReadResult ReadWorldsFile(const std::string& path, int wanted, LevelRecord& level,
                               int32_t& count);
inline bool ReadWorldsFileLevel(const std::string& path, int wanted, LevelRecord& level,
                                int32_t& count) {
  return ReadWorldsFile(path, wanted, level, count) == LevelReadResult::Ok;
}

// Extra world: three text lines, the count, then records. The lines are
// converted to UTF-8 (files made on Windows hold Windows-1252) and keep at
// most 149 characters each.
inline constexpr int EXTRA_WORLD_LINE_MAX = 149;
struct ExtraWorldHeader {
  std::array<std::string, 3> lines;
};
bool ReadExtraWorldHeader(std::istream& in, ExtraWorldHeader& header);
bool ReadExtraWorldHeader(const std::string& path, ExtraWorldHeader& header);
// Reads records 1..wanted, whatever the count says; callers keep `wanted`
// within 1..count. `count` gets the count read, 0 when there is none.
// Fails only when the file cannot be opened.
void ReadExtraWorldLevel(std::istream& in, int wanted, LevelRecord& level, int32_t& count);
bool ReadExtraWorldLevel(const std::string& path, int wanted, LevelRecord& level, int32_t& count);

// User level: exactly one record. Reading fails only when the file cannot be
// opened; a short file leaves the missing fields as they were.
bool ReadUserLevel(const std::string& path, LevelRecord& level);
bool WriteUserLevel(const std::string& path, const LevelRecord& level);
// Writes the pack with the count of `levels`. Line breaks inside a header
// line are written as blanks so that the count stays on line 4.
std::string ExtraWorldText(const ExtraWorldHeader& header, const std::vector<LevelRecord>& levels);
bool WriteExtraWorld(const std::string& path, const ExtraWorldHeader& header,
                     const std::vector<LevelRecord>& levels);

// "C:/x/Pack.sde" -> "C:/x/Pack.dat", and "C:/x/Pack" + N + ".sco".
std::string ExtraRecordsPathFor(const std::string& extraWorldPath);
std::string ExtraSolutionPathFor(const std::string& extraWorldPath, int level);
// programDir + "Solve<N>.sco" and programDir + "Editorloesung.sco"; a
// separator is added when programDir does not end in one.
std::string WorldSolutionPathFor(const std::string& programDir, int level);
std::string UserLevelSolutionPathFor(const std::string& programDir);

// Solutions. WriteSolution puts the end marker at `pos` and over the entry
// before it (changing `moves` as the game does), then writes the entries up
// to the first end marker. ReadSolution clears the list and reads entries
// until the end marker or 2000 entries; returns whether the marker was read.
// A file that cannot be opened gives false and leaves the list untouched.
std::string SolutionText(MoveArray& moves, int32_t pos);
bool WriteSolution(const std::string& path, MoveArray& moves, int32_t pos);
bool ReadSolution(std::istream& in, MoveArray& moves);
bool ReadSolution(const std::string& path, MoveArray& moves);

}  // namespace lorvix
