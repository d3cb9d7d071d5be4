// The extra world file (.sde), a level pack written by the pack builder:
//
//   Meine Welt<CR><LF>            line 1: free text, may be empty
//   von Anna<CR><LF>              line 2: free text
//   viel Spaß<CR><LF>             line 3: free text
//   2<CR><LF>                     line 4: the level count N (0..100)
//   3 4 5 6 0 0 ... 0 <CR><LF>    N level records (level_record.cpp),
//   ...                           builder style, levels 1..N in file order
//
// The three text lines are the only line-oriented part. Packs made on
// Windows hold them in Windows-1252, packs of our own builder in UTF-8; both
// are read as UTF-8 (text_encoding.h). A line keeps its first 149
// characters; the rest of a longer line is skipped up to its line end, so
// the count is still found on line 4. Line breaks inside a text would move
// the count, so the writer turns them into blanks.

#include <fstream>

#include "levels/integer_reader.h"
#include "levels/level_files.h"
#include "levels/text_encoding.h"
#include "platform/atomic_file.h"

namespace lorvix {
namespace {

// Longer than any 149 characters in UTF-8 (4 bytes each), so cutting here
// never shortens the kept text; it only bounds memory on absurd lines.
constexpr size_t RAW_LINE_LIMIT = 1024;

// Reads one line up to LF (dropping a CR before it), keeping at most
// RAW_LINE_LIMIT bytes and skipping the rest of the line.
std::string ReadRawLine(std::istream& in) {
  using Traits = std::istream::traits_type;
  std::string line;
  bool cut = false;
  std::streambuf* buf = in.rdbuf();
  for (int c = buf->sbumpc(); ; c = buf->sbumpc()) {
    if (c == Traits::eof()) {
      in.setstate(std::ios::eofbit);
      break;
    }
    if (c == '\n') break;
    if (line.size() < RAW_LINE_LIMIT)
      line += static_cast<char>(c);
    else
      cut = true;
  }
  if (cut) DropIncompleteUtf8Tail(line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string ReadTextLine(std::istream& in) {
  return TruncateUtf8(TextLineToUtf8(ReadRawLine(in)), EXTRA_WORLD_LINE_MAX);
}

std::string OnOneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

bool ReadExtraWorldHeader(std::istream& in, ExtraWorldHeader& header) {
  if (!in.good() || in.rdbuf() == nullptr) return false;
  for (std::string& line : header.lines) line = ReadTextLine(in);
  return true;
}

bool ReadExtraWorldHeader(const std::string& path, ExtraWorldHeader& header) {
  std::ifstream in(path, std::ios::binary);
  return in && ReadExtraWorldHeader(in, header);
}

void ReadExtraWorldLevel(std::istream& in, int wanted, LevelRecord& level, int32_t& count) {
  ExtraWorldHeader skipped;
  ReadExtraWorldHeader(in, skipped);
  count = 0;
  if (!ReadInteger(in, count)) count = 0;
  // The count is not compared with `wanted` (callers keep it in range), but
  // a record cut short ends the input and stops the loop.
  for (int number = 1; number <= wanted; ++number)
    if (!ReadLevelRecord(in, level)) break;
}

bool ReadExtraWorldLevel(const std::string& path, int wanted, LevelRecord& level, int32_t& count) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    count = 0;
    return false;
  }
  ReadExtraWorldLevel(in, wanted, level, count);
  return true;
}

std::string ExtraWorldText(const ExtraWorldHeader& header, const std::vector<LevelRecord>& levels) {
  std::string text;
  for (const std::string& line : header.lines) text += OnOneLine(line) + "\r\n";
  text += std::to_string(levels.size()) + "\r\n";
  for (const LevelRecord& level : levels) text += LevelRecordText(level, LineOneEnd::Builder);
  return text;
}

bool WriteExtraWorld(const std::string& path, const ExtraWorldHeader& header,
                     const std::vector<LevelRecord>& levels) {
  return platform::WriteFileAtomically(path, ExtraWorldText(header, levels));
}

}  // namespace lorvix
