#include "builder/builder_app.h"

#include <filesystem>
#include <system_error>

namespace wendrel {
namespace {

// A drop from the file manager delivers full paths; names typed in a
// terminal are made full the same way, so the list and any later message
// name the file wherever it was typed.
std::vector<std::string> FullPaths(const std::vector<std::string>& paths) {
  std::vector<std::string> full;
  for (const std::string& path : paths) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    full.push_back(error ? path : absolute.lexically_normal().string());
  }
  return full;
}

}  // namespace

std::string ProgramDirOf(const std::string& programPath) {
  const size_t slash = programPath.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : programPath.substr(0, slash + 1);
}

TMyApp::TMyApp(platform::Platform& platform, const std::string& programPath,
               std::vector<std::string> startFiles)
    : platform_(platform), programDir_(ProgramDirOf(programPath)),
      startFiles_(std::move(startFiles)) {}

int TMyApp::Run() {
  frame_ = std::make_unique<TMyFrameWindow>(platform_, programDir_);
  frame_->Frame().Show(true);
  if (!startFiles_.empty()) frame_->Window().AddDroppedFiles(FullPaths(startFiles_));
  return platform_.RunEventLoop({});
}

}  // namespace wendrel
