#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

WriteFaultHook& FaultHook() {
  static WriteFaultHook hook;
  return hook;
}

// False, with errno set, when a test has made this step fail.
bool StepAllowed(WriteStep step, const std::string& path) {
  if (!FaultHook()) return true;
  const int error = FaultHook()(step, path);
  if (error == 0) return true;
  errno = error;
  return false;
}

// Writes the whole buffer, continuing after short writes and interrupts.
bool WriteAll(int fd, const std::string& bytes, const std::string& path) {
  if (!StepAllowed(WriteStep::Write, path)) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The directory part of `path`, for syncing the rename to the disk.
std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Opens a new, unique temporary file beside `path`. The name carries the
// process id and a counter so that concurrent writers never share one.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  if (!StepAllowed(WriteStep::Create, path)) return -1;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The file a write to `path` lands in: the target of a symbolic link, so
// that the link itself survives the rename.
std::string FileBehind(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : target.string();
}

bool ReadOnly(const struct stat& info, const std::string& path) {
  return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook) { FaultHook() = std::move(hook); }

bool WriteFileAtomically(const std::string& requestedPath, const std::string& bytes) {
  const std::string path = FileBehind(requestedPath);
  // A replaced file keeps its permissions; a new one gets the usual
  // 0666 minus umask from open().
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && ReadOnly(old, path)) return false;

  std::string tempPath;
  int fd = CreateTemporaryBeside(path, tempPath);
  if (fd < 0) return false;

  bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes, path) && StepAllowed(WriteStep::Sync, path) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && StepAllowed(WriteStep::Rename, path) && ::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }

  // Make the rename itself durable. A failure here cannot undo the write,
  // and the new content is in place, so it is not reported.
  int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace platform
