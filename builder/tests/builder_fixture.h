#pragma once
// The builder's frame on the headless platform, with a scratch directory as
// the program directory, and helpers to make level files and read what the
// frame shows.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/builder_frame.h"
#include "levels/tests/scratch_dir.h"
#include "platform/headless/headless_platform.h"

namespace wendrel::testing {

class BuilderTest : public ::testing::Test {
 protected:
  BuilderTest();

  platform::HeadlessFrame& Shown() { return *platform.frames.at(0); }
  TMyWindow& Window() { return builder->Window(); }
  // Writes a user level file into the scratch directory; returns its path.
  std::string LevelFile(const std::string& name, const std::string& text = "1 2 3");
  // A drop of several files, as the desktop delivers it.
  void Drop(const std::vector<std::string>& paths) { Shown().events.FilesDropped(paths); }
  void DoubleClickRow(int row) {
    Shown().events.ControlActivated(Shown().controls, LEVEL_LIST, row);
  }
  const std::vector<std::string>& Rows() { return Shown().controls.rows.at(LEVEL_LIST); }
  std::string StatusText() { return Shown().Text(STATUS_LABEL); }
  std::vector<std::string> MessageTexts() const;

  platform::HeadlessPlatform platform;
  lorvix::testing::ScratchDir dir;
  std::unique_ptr<TMyFrameWindow> builder;
};

}  // namespace wendrel::testing
