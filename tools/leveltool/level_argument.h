#pragma once
// What most subcommands take first: a level file and a level number. The
// file kind follows from the extension (see levels/any_level_file.h).

#include <charconv>
#include <cstdint>
#include <ostream>
#include <string>

#include "levels/any_level_file.h"

namespace lorvix::leveltool {

// Decimal digits only, at least 1.
template <typename Number>
bool ParsePositive(const std::string& text, Number& number) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, number);
  return ec == std::errc() && ptr == end && number >= 1;
}

// Reads level `number` of the file; `count` gets the file's level count.
// On failure writes a one-line message naming the command to `err`.
bool ReadLevelArgument(const std::string& command, const std::string& path, int number,
                       LevelRecord& level, int32_t& count, std::ostream& err);

// The same with the level number as typed.
bool ReadLevelArgument(const std::string& command, const std::string& path,
                       const std::string& numberText, LevelRecord& level, int& number,
                       int32_t& count, std::ostream& err);

}  // namespace lorvix::leveltool
