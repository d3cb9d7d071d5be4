#include "levels/work_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/atomic_file.h"

namespace lorvix {
namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

// Starts the copy in the data directory with what the file beside held, so
// that records already kept there are not lost with the move.
bool StartCopy(const std::string& from, const std::string& copy) {
  std::error_code ec;
  fs::create_directories(fs::path(copy).parent_path(), ec);
  if (ec || !IsFile(from)) return !ec;
  std::ifstream in(from, std::ios::binary);
  if (!in) return true;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return platform::WriteFileAtomically(copy, bytes);
}

}  // namespace

std::string FallbackPathFor(const WorkPlaces& places, const std::string& path) {
  if (places.dataDir.empty()) return {};
  std::error_code ec;
  const fs::path absolute = fs::absolute(path, ec);
  if (ec || !absolute.has_filename()) return {};
  const std::string name = absolute.filename().string();
  const fs::path dir = absolute.parent_path();
  if (fs::absolute(places.programDir, ec).lexically_normal() == (dir / "").lexically_normal())
    return places.dataDir + name;
  return (fs::path(places.dataDir) / "extra" / dir.relative_path() / name).string();
}

std::string WorkFileToRead(const WorkPlaces& places, const std::string& path) {
  const std::string copy = FallbackPathFor(places, path);
  return IsFile(copy) ? copy : path;
}

bool WriteWorkFile(const WorkPlaces& places, const std::string& path,
                   const std::function<bool(const std::string& file)>& write) {
  const std::string copy = FallbackPathFor(places, path);
  if (IsFile(copy)) return write(copy);
  if (write(path)) return true;
  return !copy.empty() && StartCopy(path, copy) && write(copy);
}

}  // namespace lorvix
