// Saving the list as a level pack: the bytes written, what the game's reader
// finds in them, and every way a save can fail without leaving a broken pack.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "builder/tests/builder_fixture.h"
#include "levels/level_files.h"
#include "platform/atomic_file.h"

namespace wendrel::testing {
namespace {

using lorvix::testing::FileNamesIn;
using lorvix::testing::ReadBytes;
using lorvix::testing::WriteBytes;
using platform::Icon;

// Twenty board cells of one row, each right-aligned in two characters and
// followed by a blank, as both writers set them.
std::string Row(const std::string& cells) { return cells + "\r\n"; }
std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// A user level as the editor writes it: line 1 without its final blank. Row
// 0 holds every width a cell can have.
const std::string kEditorLine1 = "3 4 5 6" + Repeat(" 0", 16);
const std::string kPlaces = "1 1 18 13 17 13\r\n";
const std::string kRow0 = " 5 30  -1 115 " + Repeat(" 1 ", 16);
const std::string kOtherRows = Repeat(Row(Repeat("30 ", 20)), 14);
const std::string kEditorLevel = kEditorLine1 + "\r\n" + kPlaces + Row(kRow0) + kOtherRows;
// The same level in a pack: the builder ends line 1 with a blank too.
const std::string kPackedLevel = kEditorLine1 + " \r\n" + kPlaces + Row(kRow0) + kOtherRows;
// A file that ends after four numbers: everything after them is written as 0.
const std::string kShortLevel = "7 8 9 10\n";
const std::string kPackedShortLevel =
    "7 8 9 10 " + Repeat("0 ", 16) + "\r\n0 0 0 0 0 0\r\n" + Repeat(Row(Repeat(" 0 ", 20)), 15);

class PackSave : public BuilderTest {
 protected:
  std::string packPath = dir / "Welt.sde";
  void ChooseInSaveDialog(const std::string& path) {
    platform.fileDialogResults.push_back({true, 0, path});
  }
  void Save() { builder->Command(CMD_SAVE_AS); }
};

TEST_F(PackSave, WritesTheTextLinesTheCountAndEveryListedLevelInListOrder) {
  const std::string full = LevelFile("voll.sda", kEditorLevel);
  const std::string part = LevelFile("kurz.SDA", kShortLevel);
  Drop({full, part, full});
  Shown().SetText(TEXT_LINES[1], "");
  Shown().SetText(TEXT_LINES[2], "Grüße von Anna");
  ChooseInSaveDialog(packPath);
  Save();

  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ReadBytes(packPath), "Textzeile 1\r\n\r\nGrüße von Anna\r\n3\r\n" + kPackedLevel +
                                     kPackedShortLevel + kPackedLevel);
  EXPECT_EQ(Window().SaveProgress, 99);

  // The game reads the text lines and the levels back.
  lorvix::ExtraWorldHeader header;
  ASSERT_TRUE(lorvix::ReadExtraWorldHeader(packPath, header));
  EXPECT_EQ(header.lines[2], "Grüße von Anna");
  lorvix::LevelRecord level;
  int32_t count = 0;
  ASSERT_TRUE(lorvix::ReadExtraWorldLevel(packPath, 2, level, count));
  EXPECT_EQ(count, 3);
  EXPECT_EQ(level.KeySquares[0], (lorvix::Square{7, 8}));
}

TEST_F(PackSave, AnEmptyListGivesTheTextLinesAndACountOfZero) {
  ChooseInSaveDialog(packPath);
  Save();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  const platform::FileDialogRequest& request = platform.dialogs[0].request;
  EXPECT_EQ(request.filter, "Extra-Spielwelt (*.sde)|*.sde");
  EXPECT_EQ(request.defaultExt, "sde");
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_EQ(request.initialDir, "");
  EXPECT_EQ(ReadBytes(packPath), "Textzeile 1\r\nTextzeile 2\r\nTextzeile 3\r\n0\r\n");
}

// The pack is written only when every listed file could be read: a pack
// saved before under the same name stays whole, and no half pack appears.
TEST_F(PackSave, ALevelFileThatCannotBeReadStopsTheSaveBeforeAnythingIsWritten) {
  const std::string gone = dir / "weg.sda";
  Drop({LevelFile("a.sda", kEditorLevel), gone, LevelFile("c.sda", kEditorLevel)});
  WriteBytes(packPath, "the pack saved before");
  ChooseInSaveDialog(packPath);
  Save();

  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Fehler beim öffnen der Datei " + gone + " ."});
  EXPECT_EQ(platform.messages[0].caption, "Datei Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::Stop);
  EXPECT_EQ(Window().SaveProgress, 1);
  EXPECT_EQ(ReadBytes(packPath), "the pack saved before");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST_F(PackSave, ACancelledDialogWritesNothingAndAFailedOneSaysSo) {
  Save();
  EXPECT_TRUE(platform.messages.empty());
  platform.fileDialogResults.push_back({false, 12290, "x"});
  Save();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Fehler beim speichern der Datei #12290"});
  EXPECT_EQ(platform.messages[0].caption, "Datei Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::Stop);
  EXPECT_FALSE(std::filesystem::exists(packPath));
}

// A pack that cannot be written, in a missing folder or failing at any step
// of the replacement (a full disk, an I/O error), is reported; a pack saved
// before under that name stays as it was, and no temporary file is left.
TEST_F(PackSave, APackThatCannotBeWrittenIsReportedAndThePackSavedBeforeStays) {
  const std::string notWritten =
      "Fehler beim speichern der Datei.     \nBitte überprüfen Sie den freien Speicherplatz     "
      "\nauf dem Datenträger.";
  Drop({LevelFile("a.sda", kEditorLevel)});
  WriteBytes(packPath, "the pack saved before");
  const std::set<std::string> before = FileNamesIn(dir.path());
  ChooseInSaveDialog(dir / "kein Ordner/Welt.sde");
  Save();
  for (platform::WriteStep failing : {platform::WriteStep::Create, platform::WriteStep::Write,
                                      platform::WriteStep::Sync, platform::WriteStep::Rename}) {
    platform::ScopedWriteFault fault([failing](platform::WriteStep step, const std::string&) {
      return step == failing ? ENOSPC : 0;
    });
    ChooseInSaveDialog(packPath);
    Save();
  }
  EXPECT_EQ(ReadBytes(packPath), "the pack saved before");
  EXPECT_EQ(FileNamesIn(dir.path()), before);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(5, notWritten));
  for (const platform::RecordedMessage& m : platform.messages) {
    EXPECT_EQ(m.caption, "Datei Fehler");
    EXPECT_EQ(m.icon, Icon::Stop);
  }
}

}  // namespace
}  // namespace wendrel::testing
