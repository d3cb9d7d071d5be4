// Moving between levels and worlds, opening user levels and extra worlds,
// and what happens when a file is missing or damaged.

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::Answer;

class Navigation : public WindowTest {
 protected:
  // Opens the window on world level `level` of a 100-level worlds file with
  // every level unlocked.
  TMyWindow& OpenAt(int level, int count = 100) {
    WriteWorldsFile(count);
    TMyWindow& g = Open();
    std::string pass = "[PASS]\n";
    for (int i = 1; i <= 100; ++i)
      pass += "PW" + std::to_string(i) + "=" + std::to_string(g.PasswordTable[i]) + "\n";
    WriteFile(settingsFile, pass);
    g.LevelNumber = level;
    EXPECT_TRUE(g.LoadWorldLevel());
    return g;
  }
};

const char* const kLastLevelNotice = "Dies ist die letzte Spielebene in dieser Spielwelt";
const char* const kFirstLevelNotice = "Dies ist bereits die erste Spielebene in dieser Spielwelt";
const char* const kNotSolvedNotice = "Sie müssen erst diese Spielebene überwinden.";

TEST_F(Navigation, LevelStepsStayInsideTheirWorld) {
  TMyWindow& g = OpenAt(20);
  EXPECT_FALSE(g.NextLevelEnabled());
  g.NextLevel();
  EXPECT_EQ(LastMessage().text, kLastLevelNotice);
  EXPECT_EQ(LastMessage().caption, "Sorry");
  EXPECT_EQ(LastMessage().icon, platform::Icon::None);
  EXPECT_EQ(ShownLevel(), 20);

  g.LevelNumber = 11;
  EXPECT_FALSE(g.PreviousLevelEnabled());
  g.PreviousLevel();
  EXPECT_EQ(LastMessage().text, kFirstLevelNotice);
  EXPECT_EQ(g.LevelNumber, 11);

  g.LevelNumber = 12;
  EXPECT_TRUE(g.PreviousLevelEnabled());
  EXPECT_TRUE(g.NextLevelEnabled());
  g.PreviousLevel();
  EXPECT_EQ(ShownLevel(), 11);
  g.NextLevel();
  EXPECT_EQ(ShownLevel(), 12);
  EXPECT_FALSE(g.TitleShowing);
  EXPECT_FALSE(platform.ended);
}

TEST_F(Navigation, EveryLoadStartsTheLevelAfresh) {
  TMyWindow& g = OpenAt(5);
  SetSetting("LEVEL", "LEVEL6", "33");
  g.MoveCount = 9;
  g.MoveListPos = 9;
  g.MovedSinceUndo = true;
  g.Replaying = true;
  g.AboutShowing = true;
  g.Board[0] = TILE_CRATE;
  g.NextLevel();
  EXPECT_EQ(ShownLevel(), 6);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(g.MoveListPos, 0);
  EXPECT_FALSE(g.MovedSinceUndo || g.Replaying || g.AboutShowing);
  EXPECT_EQ(g.UndoBoard, g.Board);
  EXPECT_EQ(g.UndoPlayerCol, 2);
  EXPECT_EQ(g.BestMoves, 33);
}

TEST_F(Navigation, WorldStepsFollowTheWorldTable) {
  TMyWindow& g = OpenAt(95);
  g.NextWorld();
  EXPECT_EQ(ShownLevel(), 95);
  g.LevelNumber = 7;
  g.PreviousWorld();
  EXPECT_EQ(ShownLevel(), 7);
  g.NextWorld();
  EXPECT_EQ(ShownLevel(), 11);
  g.LevelNumber = 40;
  g.NextWorld();
  EXPECT_EQ(ShownLevel(), 41);
  g.LevelNumber = 100;
  g.PreviousWorld();
  EXPECT_EQ(ShownLevel(), 81);
  g.SelectWorld(10);
  EXPECT_EQ(ShownLevel(), 91);
  g.SelectWorld(1);
  EXPECT_EQ(ShownLevel(), 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Navigation, AWorldCanBeEnteredWithoutAnyPassword) {
  WriteWorldsFile(100);
  TMyWindow& g = Open();
  g.SelectWorld(7);
  EXPECT_EQ(ShownLevel(), 61);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Navigation, AShortWorldsFileEndsAtItsLastLevel) {
  TMyWindow& g = OpenAt(54, 55);
  g.NextLevel();
  EXPECT_EQ(ShownLevel(), 55);
  EXPECT_FALSE(g.NextLevelEnabled());
  g.NextLevel();  // past the count: the last level is played again
  EXPECT_EQ(g.LevelNumber, 55);
  EXPECT_EQ(ShownLevel(), 55);
  EXPECT_FALSE(platform.ended);

  Answer(Answer::Yes);
  g.SelectWorld(7);  // level 61 is not in the file
  EXPECT_EQ(LastMessage().text, "Wollen sie wirklich aufhören ?");
  EXPECT_TRUE(platform.ended);
}

TEST_F(Navigation, AMissingWorldsFileIsReportedThenQuittingIsOffered) {
  TMyWindow& g = Open();
  EXPECT_FALSE(g.LoadWorldLevel());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Fehler beim Öffnen der Datei Level.dat .");
  EXPECT_EQ(LastMessage().caption, "Datei Fehler");
  EXPECT_EQ(LastMessage().icon, platform::Icon::Stop);

  const int before = platform.invalidations;
  g.SelectWorld(2);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[1].text, "Fehler beim Öffnen der Datei Level.dat .");
  EXPECT_EQ(platform.messages[2].text, "Wollen sie wirklich aufhören ?");
  EXPECT_FALSE(platform.ended);
  EXPECT_GT(platform.invalidations, before);

  g.NextLevel();  // level 11 of a file without levels: back to level 1, which fails too
  Answer(Answer::Ok);
  Answer(Answer::Yes);
  g.RestartWorld();
  EXPECT_TRUE(platform.ended);
}

TEST_F(Navigation, UserLevelsAreChosenInADialogAndCancellingKeepsTheLevel) {
  TMyWindow& g = OpenAt(3);
  const std::string sda = WriteUserLevel("mine.sda", 77);

  g.OpenUserLevel();  // cancelled
  ASSERT_EQ(platform.dialogs.size(), 1u);
  const auto& request = platform.dialogs[0].request;
  EXPECT_EQ(request.filter, "Level (*.sda)|*.sda");
  EXPECT_EQ(request.defaultExt, "sda");
  EXPECT_EQ(request.initialDir, programDir);
  EXPECT_TRUE(request.mustExist);
  EXPECT_EQ(ShownLevel(), 3);
  EXPECT_FALSE(g.EditorLevel);
  EXPECT_TRUE(platform.messages.empty());

  platform.fileDialogResults.push_back({false, 12290, "kaputt"});
  g.OpenUserLevel();
  EXPECT_EQ(LastMessage().text, "Fehler beim Öffnen der Datei kaputt .");
  EXPECT_EQ(ShownLevel(), 3);

  Choose((root / "gone.sda").string());
  g.OpenUserLevel();
  EXPECT_EQ(LastMessage().text, "Fehler beim Öffnen der Datei " + (root / "gone.sda").string() + " .");
  EXPECT_EQ(ShownLevel(), 3);

  Choose(sda);
  g.OpenUserLevel();
  EXPECT_EQ(ShownLevel(), 77);
  EXPECT_TRUE(g.EditorLevel);
  EXPECT_FALSE(g.ExtraWorld);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_EQ(g.LevelCount, 100) << "the count of the worlds file stays";

  const size_t shown = platform.messages.size();
  g.NextLevel();
  g.PreviousLevel();
  EXPECT_EQ(ShownLevel(), 77);
  EXPECT_EQ(platform.messages.size(), shown);
}

TEST_F(Navigation, AnExtraWorldShowsItsTextsAndIsOneWorldOfItsOwn) {
  TMyWindow& g = OpenAt(3);
  // Packs made on Windows hold their texts in Windows-1252.
  const std::string pack = WriteExtraWorld("Pack.sde", "Gr\xfc\xdf" "e\r\n\r\nviel Spa\xdf\r\n", 3);
  Choose(pack);
  g.OpenExtraWorld();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].request.filter, "Levelpack (*.sde)|*.sde");
  EXPECT_EQ(platform.dialogs[0].request.defaultExt, "sde");
  EXPECT_EQ(LastMessage().text, "Grüße\n\nviel Spaß");
  EXPECT_EQ(LastMessage().caption, "Hinweis");
  EXPECT_EQ(LastMessage().icon, platform::Icon::None);
  EXPECT_TRUE(g.ExtraWorld);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_EQ(g.LevelCount, 3);
  EXPECT_EQ(ShownLevel(), 201);
  EXPECT_EQ(g.ExtraRecordsPath, (root / "Pack.dat").string());

  // Level 1 is not solved yet: it is restarted.
  g.MoveCount = 4;
  g.NextLevel();
  EXPECT_EQ(LastMessage().text, kNotSolvedNotice);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_EQ(g.MoveCount, 0);

  // A record alone is not enough; the solution file must be there too.
  WriteFile((root / "Pack.dat").string(), "[LEVEL]\nLevel1=5\nLevel2=5\nLevel3=5\n");
  g.NextLevel();
  EXPECT_EQ(LastMessage().text, kNotSolvedNotice);
  for (int i = 1; i <= 3; ++i) WriteFile((root / ("Pack" + std::to_string(i) + ".sco")).string(), "1 10 ");
  g.NextLevel();
  g.NextLevel();
  EXPECT_EQ(ShownLevel(), 203);
  EXPECT_FALSE(g.NextLevelEnabled());
  const size_t loads = platform.invalidations;
  g.NextLevel();
  EXPECT_EQ(LastMessage().text, kLastLevelNotice);
  EXPECT_EQ(g.LevelNumber, 3);
  EXPECT_EQ(static_cast<size_t>(platform.invalidations), loads) << "nothing is reloaded";

  g.PreviousLevel();
  g.PreviousLevel();
  EXPECT_EQ(ShownLevel(), 201);
  g.PreviousLevel();
  EXPECT_EQ(LastMessage().text, kFirstLevelNotice);
  EXPECT_EQ(g.LevelNumber, 1);
}

TEST_F(Navigation, WorldCommandsLeaveAnExtraWorld) {
  TMyWindow& g = OpenAt(3);
  Choose(WriteExtraWorld("Pack.sde", "\r\n\r\n\r\n", 8));
  g.OpenExtraWorld();
  g.LevelNumber = 5;
  g.NextWorld();
  EXPECT_FALSE(g.ExtraWorld);
  EXPECT_EQ(ShownLevel(), 11);
  EXPECT_EQ(g.LevelCount, 100);
}

TEST_F(Navigation, CancellingTheExtraWorldDialogReturnsToLevelOne) {
  TMyWindow& g = OpenAt(23);
  g.OpenExtraWorld();
  EXPECT_EQ(ShownLevel(), 1);
  EXPECT_FALSE(g.ExtraWorld);

  Choose((root / "gone.sde").string());
  g.LevelNumber = 23;
  ASSERT_TRUE(g.LoadWorldLevel());
  g.OpenExtraWorld();
  EXPECT_EQ(LastMessage().text, "Fehler beim Öffnen der Datei " + (root / "gone.sde").string() + " .");
  EXPECT_EQ(ShownLevel(), 1);
  EXPECT_FALSE(g.ExtraWorld);
}

TEST_F(Navigation, AnExtraWorldThatVanishesFallsBackToTheWorlds) {
  TMyWindow& g = OpenAt(3);
  const std::string pack = WriteExtraWorld("Pack.sde", "\r\n\r\n\r\n", 4);
  Choose(pack);
  g.OpenExtraWorld();
  std::filesystem::remove(pack);
  g.Retry();
  EXPECT_EQ(LastMessage().text, "Fehler beim Öffnen der Datei " + pack + " .");
  EXPECT_FALSE(g.ExtraWorld);
  EXPECT_EQ(ShownLevel(), 1);
}

// Level numbers from damaged or unusual packs must never reach beyond the
// password table or leave the game on level 0.
TEST_F(Navigation, AnEmptyExtraWorldKeepsLevelOne) {
  TMyWindow& g = OpenAt(3);
  Choose(WriteExtraWorld("Empty.sde", "\r\n\r\n\r\n", 0));
  g.OpenExtraWorld();
  EXPECT_TRUE(g.ExtraWorld);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_TRUE(g.NoLevel) << "no record follows: nothing to show";
  g.NextLevel();
  EXPECT_EQ(g.LevelNumber, 1);
  g.NextWorld();
  EXPECT_EQ(ShownLevel(), 11);
}

TEST_F(Navigation, ALevelNumberBeyondTheWorldsIsRefusedWithoutTouchingThePasswords) {
  TMyWindow& g = OpenAt(3);
  Choose(WriteExtraWorld("Big.sde", "\r\n\r\n\r\n", 500, 1));
  g.OpenExtraWorld();
  EXPECT_EQ(g.LevelCount, 500);
  g.LevelNumber = 150;
  g.NextWorld();
  EXPECT_EQ(LastMessage().text, "Wollen sie wirklich aufhören ?");
  for (int32_t odd : {0, -4, 120, 2147483647}) {
    g.LevelNumber = odd;
    EXPECT_FALSE(g.LoadWorldLevel()) << odd;
  }
}

TEST_F(Navigation, AHugeCountWithFewRecordsStillLoadsQuickly) {
  TMyWindow& g = OpenAt(3);
  Choose(WriteExtraWorld("Huge.sde", "\r\n\r\n\r\n", 2147483647, 1));
  g.OpenExtraWorld();
  EXPECT_EQ(ShownLevel(), 201);
  g.MoveCount = 3;
  g.LevelSolved();
  EXPECT_EQ(g.LevelNumber, 2);
  EXPECT_EQ(ShownLevel(), 201) << "fields not in the file keep their values";
  EXPECT_TRUE(g.ExtraWorld);
}

}  // namespace
}  // namespace lorvix::testing
