#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lorvix_profile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    file_ = (dir_ / "test.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Put(const std::string& content) { std::ofstream(file_, std::ios::binary) << content; }
  std::string Content() const {
    std::ifstream in(file_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
  std::string file_;
};

TEST_F(ProfileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  EXPECT_EQ(GetProfileInt(file_, "SETUP", "LAST", 7), 7);
  EXPECT_EQ(GetProfileString(file_, "PASS", "PW3", "none", 10), "none");
  EXPECT_TRUE(WriteProfileString(file_, "SETUP", "LAST", "12"));
  EXPECT_EQ(Content(), "[SETUP]\nLAST=12\n");
  EXPECT_EQ(GetProfileInt(file_, "SETUP", "LAST", 7), 12);
}

TEST_F(ProfileTest, NamesCompareWithoutRegardToCase) {
  Put("[Level]\n  level3 = 40  \n");
  EXPECT_EQ(GetProfileInt(file_, "LEVEL", "LEVEL3", 0), 40);
  EXPECT_EQ(GetProfileString(file_, "level", "Level3", "", 100), "40");
  WriteProfileString(file_, "LEVEL", "Level3", "39");
  EXPECT_EQ(Content(), "[Level]\nlevel3=39\n");
}

TEST_F(ProfileTest, IntegersTakeTheLeadingDigits) {
  Put("[S]\na=42abc\nb=-17\nc=abc\nd=\ne= 12 \nf=99999999999\ng=-99999999999\nh=-\ni=+5\n");
  EXPECT_EQ(GetProfileInt(file_, "S", "a", 5), 42);
  EXPECT_EQ(GetProfileInt(file_, "S", "b", 5), -17);
  EXPECT_EQ(GetProfileInt(file_, "S", "c", 5), 0);
  EXPECT_EQ(GetProfileInt(file_, "S", "d", 5), 5);
  EXPECT_EQ(GetProfileInt(file_, "S", "e", 5), 12);
  EXPECT_EQ(GetProfileInt(file_, "S", "f", 5), 2147483647);
  EXPECT_EQ(GetProfileInt(file_, "S", "g", 5), -2147483647 - 1);
  EXPECT_EQ(GetProfileInt(file_, "S", "h", 5), 0);
  EXPECT_EQ(GetProfileInt(file_, "S", "i", 5), 0);
  EXPECT_EQ(GetProfileInt(file_, "S", "missing", 5), 5);
  EXPECT_EQ(GetProfileInt(file_, "T", "a", 5), 5);
}

TEST_F(ProfileTest, StringsAreCutToTheBuffer) {
  Put("[PASS]\nPW1=1234567890123\n");
  EXPECT_EQ(GetProfileString(file_, "PASS", "PW1", "", 10), "123456789");
  EXPECT_EQ(GetProfileString(file_, "PASS", "PW1", "", 1), "");
  EXPECT_EQ(GetProfileString(file_, "PASS", "PW1", "", 0), "");
  EXPECT_EQ(GetProfileString(file_, "PASS", "PW2", "abcdef", 4), "abc");
}

TEST_F(ProfileTest, FirstSectionAndFirstKeyCount) {
  Put("LAST=9\n[SETUP]\nLAST=3\nLAST=4\n[SETUP]\nLAST=5\n");
  EXPECT_EQ(GetProfileInt(file_, "SETUP", "LAST", 0), 3);
  WriteProfileString(file_, "SETUP", "LAST", "6");
  EXPECT_EQ(Content(), "LAST=9\n[SETUP]\nLAST=6\nLAST=4\n[SETUP]\nLAST=5\n");
}

TEST_F(ProfileTest, WritesKeepEveryOtherLine) {
  const std::string original =
      "; Einstellungen von Hand\r\n"
      "[setup]\r\n"
      "Sound = 1\r\n"
      "# alte Zeile ohne Gleichheitszeichen\r\n"
      "\r\n"
      "[Eigenes]\r\n"
      "Farbe=blau\r\n"
      "\r\n"
      "[MIDI]\r\n"
      "Midi0=/home/a/song.mid";
  Put(original);
  WriteProfileString(file_, "SETUP", "SOUND", "0");
  WriteProfileString(file_, "SETUP", "LAST", "37");
  WriteProfileString(file_, "midi", "Midi1", "");
  WriteProfileString(file_, "LEVEL", "Level37", "40");
  EXPECT_EQ(Content(),
            "; Einstellungen von Hand\r\n"
            "[setup]\r\n"
            "Sound=0\r\n"
            "LAST=37\r\n"
            "# alte Zeile ohne Gleichheitszeichen\r\n"
            "\r\n"
            "[Eigenes]\r\n"
            "Farbe=blau\r\n"
            "\r\n"
            "[MIDI]\r\n"
            "Midi0=/home/a/song.mid\r\n"
            "Midi1=\r\n"
            "\r\n"
            "[LEVEL]\r\n"
            "Level37=40\r\n");
  EXPECT_EQ(GetProfileString(file_, "MIDI", "Midi1", "x", 260), "");
  EXPECT_EQ(GetProfileString(file_, "MIDI", "Midi0", "", 260), "/home/a/song.mid");
}

// Found by fuzzing: a last line ending in a bare CR, in a file of LF line
// ends, lost that CR (and its value changed) when a key was added after it.
TEST_F(ProfileTest, ALastLineEndingInCarriageReturnKeepsItsValue) {
  Put("[SETUP]\nMidi0=lied\r");
  ASSERT_EQ(GetProfileString(file_, "SETUP", "Midi0", "", 100), "lied\r");
  WriteProfileString(file_, "SETUP", "LAST", "5");
  WriteProfileString(file_, "LEVEL", "Level1", "9");
  EXPECT_EQ(GetProfileString(file_, "SETUP", "Midi0", "", 100), "lied\r");
  EXPECT_EQ(Content(), "[SETUP]\nMidi0=lied\r\r\nLAST=5\n\n[LEVEL]\nLevel1=9\n");
}

TEST_F(ProfileTest, SeveralKeysAtOnceGiveTheSameFileAsOneByOne) {
  const std::string start = "[LEVEL]\r\nlevel2=5\r\n\r\n[PASS]\r\nPW1=1\r\n";
  Put(start);
  WriteProfileStrings(file_, "LEVEL", {{"Level1", "0"}, {"Level2", "0"}, {"Level3", "0"}});
  const std::string batch = Content();
  Put(start);
  for (const char* key : {"Level1", "Level2", "Level3"}) WriteProfileString(file_, "LEVEL", key, "0");
  EXPECT_EQ(Content(), batch);
  EXPECT_EQ(batch, "[LEVEL]\r\nlevel2=0\r\nLevel1=0\r\nLevel3=0\r\n\r\n[PASS]\r\nPW1=1\r\n");
}

TEST_F(ProfileTest, CommentsAreNeverTakenForKeys) {
  Put("[SETUP]\n;LAST=50\n");
  EXPECT_EQ(GetProfileInt(file_, "SETUP", ";LAST", 1), 1);
  WriteProfileString(file_, "SETUP", "LAST", "2");
  EXPECT_EQ(Content(), "[SETUP]\nLAST=2\n;LAST=50\n");
}

TEST_F(ProfileTest, AValueCannotBreakTheFileIntoNewLines) {
  WriteProfileString(file_, "MIDI", "Midi0", "a\n[SETUP]\r\nLAST=99");
  EXPECT_EQ(GetProfileInt(file_, "SETUP", "LAST", 1), 1);
  EXPECT_EQ(GetProfileString(file_, "MIDI", "Midi0", "", 260), "a [SETUP]  LAST=99");
}

TEST_F(ProfileTest, WritesLeaveNoTemporaryFilesBehind) {
  for (int i = 0; i < 5; ++i) WriteProfileString(file_, "LEVEL", "Level" + std::to_string(i), "1");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(ProfileTest, AFileThatCannotBeUsedIsNeitherReadNorDamaged) {
  const std::string asDirectory = (dir_ / "sub").string();
  fs::create_directories(asDirectory);
  EXPECT_EQ(GetProfileInt(asDirectory, "SETUP", "LAST", 3), 3);
  EXPECT_FALSE(WriteProfileString(asDirectory, "SETUP", "LAST", "4"));
  EXPECT_TRUE(fs::is_directory(asDirectory));

  const std::string inMissingDir = (dir_ / "nowhere" / "x.ini").string();
  EXPECT_FALSE(WriteProfileString(inMissingDir, "SETUP", "LAST", "4"));
  EXPECT_EQ(GetProfileInt(inMissingDir, "SETUP", "LAST", 3), 3);
}

}  // namespace
}  // namespace platform
