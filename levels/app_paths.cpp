#include "levels/app_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace lorvix {
namespace {

// The directory part of a path, with its final '/'. A bare name lies in the
// current directory.
std::string DirectoryWithSlash(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// The XDG rules accept only absolute paths; a relative one is ignored.
bool Usable(const char* dir) { return dir != nullptr && dir[0] == '/'; }

std::string ExecutablePath() {
  std::vector<char> buffer(4096);
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return {};
  return std::string(buffer.data(), static_cast<size_t>(n));
}

// An XDG base directory with "lorvix/" below it: the variable's value, or
// the default below HOME, or empty when neither is usable.
std::string LorvixDirIn(const char* xdgVariable, const char* home, const char* homeDefault) {
  if (Usable(xdgVariable)) return std::string(xdgVariable) + "/lorvix/";
  if (Usable(home)) return std::string(home) + homeDefault + "/lorvix/";
  return {};
}

}  // namespace

AppPaths AppPathsFor(const std::string& executablePath, const Environment& environment) {
  AppPaths paths;
  paths.programDir = DirectoryWithSlash(executablePath);
  std::string settingsDir = LorvixDirIn(environment.xdgConfigHome, environment.home, "/.config");
  if (settingsDir.empty()) settingsDir = paths.programDir;
  paths.settingsFile = settingsDir + SETTINGS_FILE_NAME;
  paths.dataDir = LorvixDirIn(environment.xdgDataHome, environment.home, "/.local/share");
  return paths;
}

AppPaths AppPathsOfThisProcess() {
  AppPaths paths = AppPathsFor(ExecutablePath(), {std::getenv("XDG_CONFIG_HOME"),
                                                  std::getenv("XDG_DATA_HOME"), std::getenv("HOME")});
  // A directory that cannot be made leaves the settings unstored, as an
  // unwritable settings file does; the game still runs with its defaults.
  std::error_code ignored;
  std::filesystem::create_directories(DirectoryWithSlash(paths.settingsFile), ignored);
  return paths;
}

}  // namespace lorvix
