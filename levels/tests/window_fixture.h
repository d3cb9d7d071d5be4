#pragma once
// A game window on the headless platform, with its own program directory
// and settings file in a fresh temporary directory. Levels are small
// crafted files: every level is an open floor with the figure at (2, 2) and
// the exit three squares to the right, and carries its number in an unused
// key/door pair so that a test can tell which level is on the board.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gamewindow/game_window.h"
#include "levels/level_files.h"
#include "platform/headless/headless_platform.h"

namespace lorvix::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A level whose number `id` is readable through ShownLevel().
  static LevelRecord MakeLevel(int id);
  // The worlds file with `count` as its count and `written` records (by
  // default as many as the count says).
  void WriteWorldsFile(int count, int written = -1);
  // An extra world with the given text lines and `count` levels numbered
  // 1..count (ids 201, 202, ...).
  std::string WriteExtraWorld(const std::string& name, const std::string& headerBytes, int count,
                              int written = -1);
  // A user level file with level id `id`.
  std::string WriteUserLevel(const std::string& name, int id);

  void WriteFile(const std::string& path, const std::string& bytes);
  std::string ReadFile(const std::string& path) const;
  bool Exists(const std::string& path) const;

  // Creates the game window as the program does at start.
  TMyWindow& Open();
  TMyWindow& w() { return *window; }
  // The id of the level on the board.
  int ShownLevel() const { return window->KeySquares[4].row; }

  // The next answers of the platform.
  void Answer(platform::Answer a) { platform.answers.push_back(a); }
  void Choose(const std::string& path) { platform.fileDialogResults.push_back({true, 0, path}); }
  void Type(const std::string& text) { platform.textInputs.push_back(text); }

  std::vector<std::string> MessageTexts() const;
  const platform::RecordedMessage& LastMessage() const { return platform.messages.back(); }

  std::string Setting(const std::string& section, const std::string& key) const;
  void SetSetting(const std::string& section, const std::string& key, const std::string& value);

  std::filesystem::path root;
  std::string programDir;  // ends in '/'
  std::string settingsFile;
  std::string dataDir;     // ends in '/'
  platform::HeadlessPlatform platform;
  std::unique_ptr<TMyWindow> window;
};

}  // namespace lorvix::testing
