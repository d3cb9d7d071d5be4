#pragma once
// Key/value settings files: the game's settings file and the record files of
// extra worlds. Every call reads or rewrites the file on its own; nothing is
// cached, so the file on disk is always the truth.
//
// File format (plain text, one entry per line):
//
//   ; Kommentar
//   [SETUP]
//   HINTERGRUND=2
//   Sound = 1
//
//   [LEVEL]
//   Level1=40
//
// - "[Name]" starts a section; the lines up to the next section belong to it.
// - "Key=Value" is an entry. Blanks and tabs around the name and the value
//   are ignored. The value runs to the end of the line.
// - Section and key names compare without regard to ASCII case.
// - Lines starting with ';' or '#', blank lines and lines without '=' are
//   kept as they are but mean nothing. Entries before the first section
//   belong to no section and are never found.
// - When a section or key appears twice, the first one counts.
// - Lines may end in LF or CR LF.
//
// A write changes only the one line of its key (or adds that line, or adds
// the section with it at the end of the file) and keeps every other byte of
// the file. The new content replaces the file atomically, so a crash or a
// full disk never leaves half a file. Failures are not fatal: an unreadable
// file reads as empty and an unwritable one stays as it was.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The integer value of `key`: its leading decimal digits, with an optional
// minus sign, saturated to the 32-bit range; a value that does not start
// with a digit reads as 0. A missing key (or an empty value) gives
// `defaultValue`.
int32_t GetProfileInt(const std::string& file, const std::string& section, const std::string& key,
                      int32_t defaultValue);

// The text value of `key`, or `defaultValue` when it is missing. Like a
// fixed buffer of `bufferSize` bytes with its terminator, the result holds
// at most bufferSize - 1 bytes (nothing when bufferSize < 1).
std::string GetProfileString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue,
                             int bufferSize);

// Sets `key` to `value` ("Key=" for an empty value), creating the file, the
// section and the key as needed. Returns whether the file was written;
// callers in the game ignore the result.
bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value);

// Several keys of one section, with the same result as writing them one
// after the other, but in a single replacement of the file.
using ProfileEntries = std::vector<std::pair<std::string, std::string>>;
bool WriteProfileStrings(const std::string& file, const std::string& section,
                         const ProfileEntries& entries);

}  // namespace platform
