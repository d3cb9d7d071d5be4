// What is kept when a level is solved, and which level comes next, in each
// of the three kinds of level.

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::Answer;

class LevelSolved : public WindowTest {
 protected:
  TMyWindow& OpenAt(int level) {
    WriteWorldsFile(100);
    TMyWindow& g = Open();
    if (level > 1) SetSetting("PASS", "PW" + std::to_string(level - 1), std::to_string(g.PasswordTable[level - 1]));
    g.LevelNumber = level;
    EXPECT_TRUE(g.LoadWorldLevel());
    EXPECT_EQ(ShownLevel(), level);
    return g;
  }
  // A game of `moves` counted moves recorded as right, right, up, right.
  void Played(int moves) {
    w().MoveCount = moves;
    w().MoveList[0] = MOVE_RIGHT;
    w().MoveList[1] = MOVE_RIGHT;
    w().MoveList[2] = MOVE_UP;
    w().MoveList[3] = MOVE_RIGHT;
    w().MoveListPos = 4;
  }
  std::string Solution(int level) { return ReadFile(programDir + "Solve" + std::to_string(level) + ".sco"); }
};

const char* const kWorldDone = "Sie haben alle Spielebenen dieser Spielwelt geschafft.";

TEST_F(LevelSolved, AnEqualResultCountsAsANewBest) {
  TMyWindow& g = OpenAt(3);
  SetSetting("LEVEL", "Level3", "40");
  Played(40);
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "40");
  EXPECT_EQ(Solution(3), "1 1 4 10 ");
  EXPECT_EQ(Setting("PASS", "PW3"), std::to_string(g.PasswordTable[3]));
  EXPECT_EQ(ShownLevel(), 4) << "the password just stored opens the next level";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LevelSolved, AWorseResultKeepsRecordAndSolutionButStoresThePassword) {
  TMyWindow& g = OpenAt(3);
  SetSetting("LEVEL", "Level3", "39");
  WriteFile(programDir + "Solve3.sco", "3 10 ");
  Played(40);
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "39");
  EXPECT_EQ(Solution(3), "3 10 ");
  EXPECT_EQ(Setting("PASS", "PW3"), std::to_string(g.PasswordTable[3]));
  EXPECT_EQ(ShownLevel(), 4);
}

TEST_F(LevelSolved, RecordsCompareAsUnsignedNumbers) {
  TMyWindow& g = OpenAt(3);
  Played(-1);  // an undo of a blocked first move counts below zero
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "-1") << "no record yet: any result is stored";

  g.LevelNumber = 3;
  ASSERT_TRUE(g.LoadWorldLevel());
  Played(25);
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "25");

  g.LevelNumber = 3;
  ASSERT_TRUE(g.LoadWorldLevel());
  Played(-1);
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "25") << "-1 is the largest unsigned number";
}

TEST_F(LevelSolved, TheLastLevelOfAWorldLeadsIntoTheNext) {
  TMyWindow& g = OpenAt(10);
  Played(8);
  g.LevelSolved();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, kWorldDone);
  EXPECT_EQ(LastMessage().caption, "Herzlichen Glückwunsch !");
  EXPECT_EQ(LastMessage().icon, platform::Icon::None);
  EXPECT_EQ(ShownLevel(), 11);
}

TEST_F(LevelSolved, LevelHundredIsPlayedAgain) {
  TMyWindow& g = OpenAt(100);
  Played(8);
  g.LevelSolved();
  EXPECT_EQ(LastMessage().text, kWorldDone);
  EXPECT_EQ(g.LevelNumber, 100);
  EXPECT_EQ(ShownLevel(), 100);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(Setting("LEVEL", "Level100"), "8");
}

TEST_F(LevelSolved, AUserLevelKeepsOnlyItsSolutionAndReturnsToLevelOne) {
  TMyWindow& g = OpenAt(23);
  const size_t settingsBefore = ReadFile(settingsFile).size();
  Choose(WriteUserLevel("mine.sda", 77));
  g.OpenUserLevel();
  for (int round = 0; round < 2; ++round) {
    Played(50 + round);
    if (round == 1) g.MoveList[2] = MOVE_DOWN;
    g.LevelSolved();
    EXPECT_EQ(ReadFile(programDir + "Editorloesung.sco"), round == 0 ? "1 1 4 10 " : "1 1 3 10 ");
    EXPECT_FALSE(g.EditorLevel);
    EXPECT_EQ(ShownLevel(), 1);
    Choose((root / "mine.sda").string());
    g.OpenUserLevel();
  }
  EXPECT_EQ(ReadFile(settingsFile).size(), settingsBefore) << "nothing in LEVEL or PASS";
}

TEST_F(LevelSolved, AnExtraWorldKeepsItsOwnRecordsAndAlwaysItsSolution) {
  TMyWindow& g = OpenAt(3);
  const std::string pack = WriteExtraWorld("Pack.sde", "a\r\nb\r\nc\r\n", 5);
  Choose(pack);
  g.OpenExtraWorld();
  platform.messages.clear();
  const std::string settingsBefore = ReadFile(settingsFile);

  Played(30);
  g.LevelSolved();
  EXPECT_EQ(ReadFile((root / "Pack.dat").string()), "[LEVEL]\nLevel1=30\n");
  EXPECT_EQ(ReadFile((root / "Pack1.sco").string()), "1 1 4 10 ");
  EXPECT_EQ(g.LevelNumber, 2);
  EXPECT_EQ(ShownLevel(), 202);

  g.LevelNumber = 1;
  g.LoadExtraLevel();
  EXPECT_EQ(g.BestMoves, 30);
  Played(31);
  g.MoveList[0] = MOVE_LEFT;
  g.LevelSolved();
  EXPECT_EQ(ReadFile((root / "Pack.dat").string()), "[LEVEL]\nLevel1=30\n");
  EXPECT_EQ(ReadFile((root / "Pack1.sco").string()), "2 1 4 10 ") << "rewritten though not better";
  EXPECT_EQ(ReadFile(settingsFile), settingsBefore);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LevelSolved, TheLastLevelOfAnExtraWorldIsRestarted) {
  TMyWindow& g = OpenAt(3);
  Choose(WriteExtraWorld("Pack.sde", "a\r\nb\r\nc\r\n", 5));
  g.OpenExtraWorld();
  g.LevelNumber = 5;
  g.LoadExtraLevel();
  Played(12);
  g.LevelSolved();
  EXPECT_EQ(LastMessage().text, kWorldDone);
  EXPECT_EQ(g.LevelNumber, 5);
  EXPECT_EQ(ShownLevel(), 205);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(g.MoveListPos, 0);
}

TEST_F(LevelSolved, AnUnwritableProgramDirectoryStillAdvances) {
  TMyWindow& g = OpenAt(3);
  g.ProgramDir = (root / "missing" / "").string();
  Played(9);
  g.LevelSolved();
  EXPECT_EQ(Setting("LEVEL", "Level3"), "9");
  EXPECT_EQ(ShownLevel(), 4);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LevelSolved, DeletingRecordsKeepsPasswordsAndRestartsEitherWay) {
  TMyWindow& g = OpenAt(3);
  Played(9);
  g.LevelSolved();
  ASSERT_EQ(ShownLevel(), 4);

  g.DeleteRecords();  // answered No
  EXPECT_EQ(LastMessage().text, "Sind Sie sicher, daß Sie alle     \nRekorde löschen wollen ?     ");
  EXPECT_EQ(LastMessage().caption, "FRAGE");
  EXPECT_EQ(LastMessage().icon, platform::Icon::Question);
  EXPECT_EQ(Setting("LEVEL", "Level3"), "9");
  EXPECT_EQ(ShownLevel(), 1);

  Answer(Answer::Yes);
  g.DeleteRecords();
  for (int level : {1, 3, 50, 100}) EXPECT_EQ(Setting("LEVEL", "Level" + std::to_string(level)), "0");
  EXPECT_EQ(Setting("PASS", "PW3"), std::to_string(g.PasswordTable[3]));
  EXPECT_TRUE(Exists(programDir + "Solve3.sco"));
  EXPECT_EQ(ShownLevel(), 1);
}

}  // namespace
}  // namespace lorvix::testing
