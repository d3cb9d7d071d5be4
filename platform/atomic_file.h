#pragma once
// Writing a file so that it is either fully replaced or left as it was.
// Files that hold a player's or designer's work (levels, packs, solutions,
// settings) go through here, so a crash or a full disk in the middle of a
// save never leaves a half-written file behind.

#include <functional>
#include <string>

namespace platform {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`. Returns false, with the old file untouched and
// no temporary file left behind, when any step fails. A file without any
// write permission is read-only to the game as well and is not replaced,
// even for a user (root) whom the system would let replace it. A symbolic
// link stays a link: the file it points to is replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// The steps of a replacement, in order.
enum class WriteStep { Create, Write, Sync, Rename };

// Test seam. While a hook is set it is asked before every step of every
// replacement; a non-zero errno value (ENOSPC for a full disk, EACCES, EIO,
// ...) makes that step fail as if the system had returned it. The program
// never sets one; tests use ScopedWriteFault.
using WriteFaultHook = std::function<int(WriteStep step, const std::string& path)>;
void SetWriteFaultHook(WriteFaultHook hook);

class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
  ~ScopedWriteFault() { SetWriteFaultHook(nullptr); }
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace platform
