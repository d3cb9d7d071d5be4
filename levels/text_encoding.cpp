#include "levels/text_encoding.h"

#include <array>
#include <cstdint>

namespace lorvix {
namespace {

// Unicode code point of every Windows-1252 byte. Only 0x80..0x9F differ from
// Latin-1; the undefined ones there map to themselves.
constexpr std::array<char16_t, 256> Cp1252Table() {
  std::array<char16_t, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<char16_t>(b);
  constexpr char16_t c1Block[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
  };
  for (int i = 0; i < 32; ++i) table[0x80 + i] = c1Block[i];
  return table;
}

constexpr std::array<char16_t, 256> CP1252 = Cp1252Table();

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

// Length of the sequence a lead byte starts, 0 for a byte that cannot
// start one.
size_t SequenceLength(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, CP1252[static_cast<uint8_t>(c)]);
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const uint8_t lead = static_cast<uint8_t>(bytes[i]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if (!IsContinuation(static_cast<uint8_t>(bytes[i + k]))) return false;
    // The second byte rules out overlong forms, surrogates and code points
    // above U+10FFFF.
    if (length > 2) {
      const uint8_t second = static_cast<uint8_t>(bytes[i + 1]);
      if (lead == 0xE0 && second < 0xA0) return false;
      if (lead == 0xED && second > 0x9F) return false;
      if (lead == 0xF0 && second < 0x90) return false;
      if (lead == 0xF4 && second > 0x8F) return false;
    }
    i += length;
  }
  return true;
}

std::string TextLineToUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

std::string TruncateUtf8(const std::string& text, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsContinuation(static_cast<uint8_t>(text[i]))) continue;
    if (chars == maxChars) return text.substr(0, i);
    ++chars;
  }
  return text;
}

void DropIncompleteUtf8Tail(std::string& bytes) {
  size_t start = bytes.size();
  while (start > 0 && IsContinuation(static_cast<uint8_t>(bytes[start - 1])) &&
         bytes.size() - start < 3)
    --start;
  if (start == 0) return;
  const size_t length = SequenceLength(static_cast<uint8_t>(bytes[start - 1]));
  if (length > 1 && bytes.size() - (start - 1) < length) bytes.resize(start - 1);
}

}  // namespace lorvix
