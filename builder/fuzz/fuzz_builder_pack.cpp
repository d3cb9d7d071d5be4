// Fuzz target for the pack builder: any bytes as the three text lines and
// the content of up to five listed user level files (the first possibly
// listed twice), saved as a pack by the builder and read back level by
// level with the game's reader. It checks:
//
// - the save reports nothing and reaches the last slot;
// - the pack counts every listed file, and level n reads back as the n-th
//   file's record, read into a record of zeros (fields a file lacks are 0,
//   whatever the reader held before);
// - each text line reads back as the line the writer stores (line breaks
//   turned into blanks) read by the game (Windows-1252 unless it is UTF-8,
//   at most 149 characters): a line of UTF-8 without line breaks that is
//   short enough comes back exactly.
//
// Input layout: a byte for the number of files (and whether the first is
// listed again at the end), three text lines of a length byte and that many
// bytes, then the files' contents, separated by '|'.

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "builder/builder_frame.h"
#include "fuzz/fuzz_input.h"
#include "levels/level_files.h"
#include "levels/text_encoding.h"
#include "platform/headless/headless_platform.h"

namespace lorvix::fuzz {
namespace {

constexpr int MAX_FILES = 5;
constexpr size_t MAX_TEXT_BYTES = 255;
constexpr char FILE_SEPARATOR = '|';

// A record of values no file gives by chance, so that a field the reader
// failed to fill shows.
LevelRecord Patterned() {
  LevelRecord level;
  for (int i = 0; i < KEY_PAIRS; ++i) {
    level.KeySquares[i] = {-7001 - i, -7011 - i};
    level.DoorSquares[i] = {-7021 - i, -7031 - i};
  }
  level.Start = level.Exit = level.ExitDoor = {-7041, -7042};
  level.Board.fill(-7099);
  return level;
}

// Splits the bytes into at most `count` pieces at the separator; the last
// piece keeps any further separators. Missing pieces are empty files.
std::vector<std::string> Files(const std::string& bytes, int count) {
  std::vector<std::string> files(static_cast<size_t>(count));
  size_t from = 0;
  for (size_t i = 0; i < files.size() && from <= bytes.size(); ++i) {
    const bool last = i + 1 == files.size();
    const size_t end =
        last ? bytes.size() : std::min(bytes.find(FILE_SEPARATOR, from), bytes.size());
    files[i] = bytes.substr(from, end - from);
    from = end + 1;
  }
  return files;
}

std::string WithoutLineBreaks(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// Every byte but the continuation bytes starts a character.
size_t Utf8Characters(const std::string& text) {
  auto starts = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), starts));
}

void CheckTextLine(const std::string& typed, const std::string& read) {
  const std::string stored = WithoutLineBreaks(typed);
  Require(read == TruncateUtf8(TextLineToUtf8(stored), EXTRA_WORLD_LINE_MAX));
  if (stored == typed && IsValidUtf8(typed) && Utf8Characters(typed) <= EXTRA_WORLD_LINE_MAX)
    Require(read == typed);
}

// The builder and its frame, made once for all inputs.
struct Builder {
  platform::HeadlessPlatform platform;
  wendrel::TMyFrameWindow frame{platform, ScratchFolder()};
  const std::string packPath = ScratchFolder() + "pack.sde";
};

Builder& TheBuilder() {
  static Builder builder;
  return builder;
}

}  // namespace
}  // namespace lorvix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lorvix;
  using namespace lorvix::fuzz;
  FuzzInput in(data, size);
  const uint8_t layout = in.Byte();
  const int fileCount = layout % (MAX_FILES + 1);
  const bool firstListedTwice = fileCount > 0 && (layout & 0x80) != 0;
  std::array<std::string, 3> lines;
  for (std::string& line : lines) line = in.Text(MAX_TEXT_BYTES);
  const std::vector<std::string> files = Files(in.Rest(), fileCount);

  Builder& b = TheBuilder();
  b.platform.messages.clear();
  b.platform.dialogs.clear();
  b.frame.Command(wendrel::CMD_DELETE_ALL);
  std::vector<std::string> listed;
  std::vector<LevelRecord> expected;
  for (size_t i = 0; i < files.size(); ++i) {
    listed.push_back(ScratchFolder() + "level" + std::to_string(i) + ".sda");
    std::ofstream(listed.back(), std::ios::binary | std::ios::trunc) << files[i];
    std::istringstream text(files[i]);
    expected.emplace_back();
    ReadLevelRecord(text, expected.back());
  }
  if (firstListedTwice) {
    listed.push_back(listed.front());
    expected.push_back(expected.front());
  }
  b.frame.FilesDropped(listed);
  for (size_t i = 0; i < lines.size(); ++i)
    b.frame.Frame().SetText(wendrel::TEXT_LINES[i], lines[i]);

  std::filesystem::remove(b.packPath);
  b.platform.fileDialogResults.push_back({true, 0, b.packPath});
  b.frame.Command(wendrel::CMD_SAVE_AS);
  Require(b.platform.messages.empty());
  Require(b.frame.Window().SaveProgress == wendrel::ENTRY_SLOTS - 1);

  ExtraWorldHeader header;
  Require(ReadExtraWorldHeader(b.packPath, header));
  for (size_t i = 0; i < lines.size(); ++i) CheckTextLine(lines[i], header.lines[i]);
  const int levels = static_cast<int>(expected.size());
  for (int n = 1; n <= std::max(levels, 1); ++n) {
    LevelRecord level = Patterned();
    int32_t count = -1;
    Require(ReadExtraWorldLevel(b.packPath, n, level, count));
    Require(count == levels);
    if (levels > 0) Require(level == expected[static_cast<size_t>(n - 1)]);
  }
  return 0;
}
