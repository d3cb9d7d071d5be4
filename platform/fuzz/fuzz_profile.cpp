// Fuzz target for the settings-file functions: any file content, then one
// key written and read back. It checks that
//
// - the written value reads back (on one line, without outer blanks);
// - every other entry of the file reads as before;
// - the file changes in one place only: one line replaced, or up to three
//   lines (a blank, the section, the key) added in one place;
// - writing the same again changes nothing;
// - a number written reads back through the integer reader.
//
// Input layout: section choice, key choice, the value (a length byte and
// that many bytes), a 32-bit number, then the file content.

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/profile.h"

namespace lorvix::fuzz {
namespace {

// Names the game uses, in other cases, and names that only look alike.
constexpr const char* SECTIONS[] = {"SETUP", "LEVEL", "PASS", "MIDI", "setup", "Level", "LEVEL2", "X"};
constexpr const char* KEYS[] = {"LAST", "Level1", "Level10", "PW3", "Midi0", "HINTERGRUND", "sm", "Level"};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a text without their line ends (LF or CR LF); a last line
// without LF keeps a CR at its end.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
    const size_t end = nl > start && text[nl - 1] == '\r' ? nl - 1 : nl;
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
         });
}

// Every (section, key) that a line of the file could be: more than the
// entries there really are, which does no harm, since each one is only
// read before and after the write and compared.
struct Name {
  std::string section, key;
};
std::vector<Name> CandidateNames(const std::string& text) {
  constexpr size_t LIMIT = 48;
  std::vector<Name> names;
  std::string section;
  for (const std::string& line : Lines(text)) {
    const std::string_view t = Trimmed(line);
    if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string_view::npos) {
      section = std::string(Trimmed(t.substr(1, t.find(']') - 1)));
    } else if (const size_t eq = t.find('='); eq != std::string_view::npos && names.size() < LIMIT) {
      names.push_back({section, std::string(Trimmed(t.substr(0, eq)))});
    }
  }
  return names;
}

// The value as it must read back: line breaks become blanks, and blanks
// and tabs around it are not part of it.
std::string AsReadBack(std::string value) {
  std::replace(value.begin(), value.end(), '\n', ' ');
  std::replace(value.begin(), value.end(), '\r', ' ');
  return std::string(Trimmed(value));
}

constexpr int BUFFER = 1 << 16;

std::string Value(const std::string& file, const Name& name) {
  return platform::GetProfileString(file, name.section, name.key, "<absent>", BUFFER);
}

// The lines before and after differ in one place: at most one old line
// gone, at most four new lines there (a blank, the section, the key, and
// the empty rest after a line end added to a last line that had none).
void RequireOneChange(const std::string& before, const std::string& after) {
  const std::vector<std::string> a = Lines(before), b = Lines(after);
  size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  Require(a.size() - prefix - suffix <= 1);
  Require(b.size() - prefix - suffix <= 4);
}

}  // namespace
}  // namespace lorvix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lorvix::fuzz;
  FuzzInput in(data, size);
  const Name written{in.Pick(SECTIONS), in.Pick(KEYS)};
  const std::string value = in.Text(64);
  const int32_t number = in.Int32();
  const std::string content = in.Rest();

  const std::string file = ScratchFolder() + "settings.ini";
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
  const std::vector<Name> names = CandidateNames(content);
  std::vector<std::string> valuesBefore;
  for (const Name& name : names) valuesBefore.push_back(Value(file, name));

  Require(platform::WriteProfileString(file, written.section, written.key, value));
  const std::string after = ReadAll(file);
  Require(Value(file, written) == AsReadBack(value));
  for (size_t i = 0; i < names.size(); ++i)
    if (!(SameName(names[i].section, written.section) && SameName(names[i].key, written.key)))
      Require(Value(file, names[i]) == valuesBefore[i]);
  RequireOneChange(content, after);

  Require(platform::WriteProfileString(file, written.section, written.key, value));
  Require(ReadAll(file) == after);

  Require(platform::WriteProfileString(file, written.section, written.key, std::to_string(number)));
  Require(platform::GetProfileInt(file, written.section, written.key, 0) == number);
  return 0;
}
