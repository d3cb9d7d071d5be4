#include "levels/tests/window_fixture.h"

#include <fstream>
#include <sstream>

#include "platform/profile.h"

namespace lorvix::testing {

namespace fs = std::filesystem;

void WindowTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  root = fs::temp_directory_path() /
         ("lorvix_nav_" + std::string(info->test_suite_name()) + "_" + info->name());
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "config");
  programDir = (root / "bin").string() + "/";
  settingsFile = (root / "config" / "QX LORVIX 11.INI").string();
  dataDir = (root / "data" / "lorvix").string() + "/";
  AppClosing = false;
}

void WindowTest::TearDown() {
  window.reset();
  fs::remove_all(root);
}

LevelRecord WindowTest::MakeLevel(int id) {
  LevelRecord level;
  level.Board.fill(TILE_FLOOR);
  level.Start = {2, 2};
  level.Exit = {5, 2};
  level.Board[CellIndex(5, 2)] = TILE_EXIT;
  level.ExitDoor = {19, 14};
  level.Board[CellIndex(19, 14)] = TILE_WALL_STONE;
  level.KeySquares[4] = {0, id};
  return level;
}

void WindowTest::WriteWorldsFile(int count, int written) {
  if (written < 0) written = count;
  std::string text = std::to_string(count) + "\r\n";
  for (int i = 1; i <= written; ++i) text += LevelRecordText(MakeLevel(i), LineOneEnd::Editor);
  WriteFile(programDir + "LEVEL.DAT", text);
}

std::string WindowTest::WriteExtraWorld(const std::string& name, const std::string& headerBytes,
                                        int count, int written) {
  if (written < 0) written = count;
  std::string text = headerBytes + std::to_string(count) + "\r\n";
  for (int i = 1; i <= written; ++i) text += LevelRecordText(MakeLevel(200 + i), LineOneEnd::Builder);
  const std::string path = (root / name).string();
  WriteFile(path, text);
  return path;
}

std::string WindowTest::WriteUserLevel(const std::string& name, int id) {
  const std::string path = (root / name).string();
  WriteFile(path, LevelRecordText(MakeLevel(id), LineOneEnd::Editor));
  return path;
}

void WindowTest::WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string WindowTest::ReadFile(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool WindowTest::Exists(const std::string& path) const { return fs::exists(path); }

TMyWindow& WindowTest::Open() {
  window = std::make_unique<TMyWindow>(platform, AppPaths{programDir, settingsFile, dataDir});
  return *window;
}

std::vector<std::string> WindowTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : platform.messages) texts.push_back(m.text);
  return texts;
}

std::string WindowTest::Setting(const std::string& section, const std::string& key) const {
  return platform::GetProfileString(settingsFile, section, key, "<absent>", 1000);
}

void WindowTest::SetSetting(const std::string& section, const std::string& key,
                            const std::string& value) {
  platform::WriteProfileString(settingsFile, section, key, value);
}

}  // namespace lorvix::testing
