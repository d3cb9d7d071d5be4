#pragma once
// Writing a file so that it is either fully replaced or left as it was.
// Files that hold a player's or designer's work (levels, packs, solutions,
// settings) go through here, so a crash or a full disk in the middle of a
// save never leaves a half-written file behind.

#include <string>

namespace platform {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`. Returns false, with the old file untouched and
// no temporary file left behind, when any step fails.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace platform
