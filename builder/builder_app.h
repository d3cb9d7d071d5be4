#pragma once
// The pack builder program: it makes the frame with the builder window,
// adds the files named on the command line as one drop, and runs the event
// loop until the frame is closed.

#include <memory>
#include <string>
#include <vector>

#include "builder/builder_frame.h"
#include "platform/platform.h"

namespace wendrel {

class TMyApp {
 public:
  // `programPath` is the path of the running executable; `startFiles` the
  // files named on the command line, as typed.
  TMyApp(platform::Platform& platform, const std::string& programPath,
         std::vector<std::string> startFiles);
  TMyApp(const TMyApp&) = delete;
  TMyApp& operator=(const TMyApp&) = delete;

  // Runs the builder until it ends; returns the exit code. The frame lives
  // on until the program object goes.
  int Run();

 private:
  platform::Platform& platform_;
  std::string programDir_;
  std::vector<std::string> startFiles_;
  std::unique_ptr<TMyFrameWindow> frame_;
};

// The directory part of a program path, ending in '/'.
std::string ProgramDirOf(const std::string& programPath);

}  // namespace wendrel
