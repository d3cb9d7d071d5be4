#include "platform/profile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace platform {
namespace {

// One line of the file as it was read: its text without the line end, and
// the line end itself ("\n", "\r\n", or "" for a last line without one), so
// that untouched lines are written back byte for byte.
struct Line {
  std::string text;
  std::string end;
};

// The lines of the file; none when it does not exist. Nothing (nullopt) when
// it exists but cannot be read, so that a write never replaces a file whose
// content it could not see.
std::optional<std::vector<Line>> ReadLines(const std::string& file) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return std::vector<Line>{};
  if (ec || status.type() != std::filesystem::file_type::regular) return std::nullopt;
  std::string content;
  try {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
  std::vector<Line> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t nl = content.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back({content.substr(start), ""});
      break;
    }
    size_t textEnd = (nl > start && content[nl - 1] == '\r') ? nl - 1 : nl;
    lines.push_back({content.substr(start, textEnd - start), content.substr(textEnd, nl + 1 - textEnd)});
    start = nl + 1;
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of the section that `text` opens, if it is a section line.
std::optional<std::string_view> SectionName(std::string_view text) {
  text = Trim(text);
  if (text.size() < 2 || text.front() != '[') return std::nullopt;
  size_t close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

bool IsComment(std::string_view text) {
  text = Trim(text);
  return !text.empty() && (text.front() == ';' || text.front() == '#');
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view text) {
  if (IsComment(text)) return std::nullopt;
  size_t eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Entry{Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))};
}

// Where a section and a key sit in the file. Indices are line numbers;
// `sectionEnd` is one past the last line of the section.
struct Location {
  std::optional<size_t> sectionHeader;
  size_t sectionEnd = 0;
  std::optional<size_t> keyLine;
};

Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Location at;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::optional<std::string_view> name = SectionName(lines[i].text);
    if (!name) continue;
    if (at.sectionHeader) break;
    if (SameName(*name, section)) at.sectionHeader = i;
  }
  if (!at.sectionHeader) return at;
  size_t i = *at.sectionHeader + 1;
  for (; i < lines.size() && !SectionName(lines[i].text); ++i) {
    std::optional<Entry> entry = EntryOf(lines[i].text);
    if (!at.keyLine && entry && SameName(entry->key, key)) at.keyLine = i;
  }
  at.sectionEnd = i;
  return at;
}

std::optional<std::string> FindValue(const std::string& file, const std::string& section,
                                     const std::string& key) {
  std::optional<std::vector<Line>> lines = ReadLines(file);
  if (!lines) return std::nullopt;
  Location at = Find(*lines, section, key);
  if (!at.keyLine) return std::nullopt;
  return std::string(EntryOf((*lines)[*at.keyLine].text)->value);
}

// A value must stay on its own line; a line break inside it would turn the
// rest into a new line of the file.
std::string OnOneLine(std::string value) {
  std::replace(value.begin(), value.end(), '\n', ' ');
  std::replace(value.begin(), value.end(), '\r', ' ');
  return value;
}

// Gives a last line without a line end one, before a line is added after
// it. A CR at the end of that line stays its own: a bare LF after it would
// turn it into a CR LF line end and change the line's value.
void EndLastLine(std::vector<Line>& lines, const std::string& lineEnd) {
  if (lines.empty() || !lines.back().end.empty()) return;
  const std::string& text = lines.back().text;
  lines.back().end = (!text.empty() && text.back() == '\r') ? "\r\n" : lineEnd;
}

// Sets one key in the lines of a file, as WriteProfileString describes.
void SetEntry(std::vector<Line>& lines, const std::string& section, const std::string& key,
              const std::string& value) {
  // New lines follow the file's own line ends.
  const std::string lineEnd = (!lines.empty() && lines.front().end == "\r\n") ? "\r\n" : "\n";
  Location at = Find(lines, section, key);

  if (at.keyLine) {
    std::string_view existingKey = EntryOf(lines[*at.keyLine].text)->key;
    lines[*at.keyLine].text = std::string(existingKey) + "=" + OnOneLine(value);
  } else if (at.sectionHeader) {
    // After the last entry of the section, so that blank lines and comments
    // that separate it from the next section stay where they are.
    size_t insertAt = *at.sectionHeader + 1;
    for (size_t i = insertAt; i < at.sectionEnd; ++i)
      if (EntryOf(lines[i].text)) insertAt = i + 1;
    if (insertAt == lines.size()) EndLastLine(lines, lineEnd);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 Line{key + "=" + OnOneLine(value), lineEnd});
  } else {
    EndLastLine(lines, lineEnd);
    if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back({"", lineEnd});
    lines.push_back({"[" + section + "]", lineEnd});
    lines.push_back({key + "=" + OnOneLine(value), lineEnd});
  }
}

}  // namespace

int32_t GetProfileInt(const std::string& file, const std::string& section, const std::string& key,
                      int32_t defaultValue) {
  std::optional<std::string> value = FindValue(file, section, key);
  if (!value || value->empty()) return defaultValue;
  std::string_view digits = *value;
  bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  int64_t result = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') break;
    result = std::min<int64_t>(result * 10 + (c - '0'), int64_t{1} << 32);
  }
  if (negative) result = -result;
  return static_cast<int32_t>(std::clamp<int64_t>(result, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

std::string GetProfileString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue,
                             int bufferSize) {
  if (bufferSize < 1) return {};
  std::string value = FindValue(file, section, key).value_or(defaultValue);
  if (value.size() > static_cast<size_t>(bufferSize - 1)) value.resize(static_cast<size_t>(bufferSize - 1));
  return value;
}

bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
  return WriteProfileStrings(file, section, {{key, value}});
}

bool WriteProfileStrings(const std::string& file, const std::string& section,
                         const ProfileEntries& entries) {
  std::optional<std::vector<Line>> lines = ReadLines(file);
  if (!lines) return false;
  for (const auto& [key, value] : entries) SetEntry(*lines, section, key, value);
  std::string content;
  for (const Line& line : *lines) content += line.text + line.end;
  return WriteFileAtomically(file, content);
}

}  // namespace platform
