// Starting the game: paths, the settings it reads, the option switches it
// stores, and quitting with the level played last.

#include <set>

#include "levels/app_paths.h"
#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::Answer;

TEST(AppPaths, ProgramDirAndSettingsFollowTheExecutableAndTheEnvironment) {
  AppPaths p = AppPathsFor("/opt/lorvix/bin/lorvix", {"/home/a/.cfg", "/home/a/.data", "/home/a"});
  EXPECT_EQ(p.programDir, "/opt/lorvix/bin/");
  EXPECT_EQ(p.settingsFile, "/home/a/.cfg/lorvix/QX LORVIX 11.INI");
  EXPECT_EQ(p.dataDir, "/home/a/.data/lorvix/");

  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative"}) {
    p = AppPathsFor("/x/lorvix", {unusable, unusable, "/home/b"});
    EXPECT_EQ(p.settingsFile, "/home/b/.config/lorvix/QX LORVIX 11.INI");
    EXPECT_EQ(p.dataDir, "/home/b/.local/share/lorvix/");
  }
  p = AppPathsFor("/x/lorvix", {});
  EXPECT_EQ(p.settingsFile, "/x/QX LORVIX 11.INI");
  EXPECT_EQ(p.dataDir, "") << "no data directory: files stay where they belong";
}

TEST(AppPaths, TheRunningProgramIsFoundThroughItsRealPath) {
  AppPaths p = AppPathsOfThisProcess();
  ASSERT_FALSE(p.programDir.empty());
  EXPECT_EQ(p.programDir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(p.programDir + "progress_tests"));
}

using Startup = WindowTest;

TEST_F(Startup, FirstStartWithoutSettingsFileUsesEveryDefault) {
  WriteWorldsFile(20);
  TMyWindow& g = Open();
  EXPECT_EQ(g.BackgroundChoice, 0);
  EXPECT_EQ(g.SoundOn, 0);
  EXPECT_EQ(g.AnimationOn, 1);
  EXPECT_TRUE(g.SmoothMovement);
  EXPECT_FALSE(g.MusicOn);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_TRUE(g.TitleShowing);
  EXPECT_FALSE(g.ExtraWorld || g.EditorLevel || g.AboutShowing);
  EXPECT_EQ(g.WorldsFilePath, programDir + "LEVEL.DAT");
  EXPECT_EQ(g.SoundFilePaths[4], programDir + "SOUND5.WAV");
  EXPECT_FALSE(Exists(settingsFile)) << "reading never creates the settings file";

  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 1);
  EXPECT_EQ(g.LevelCount, 20);
  EXPECT_EQ(g.BestMoves, 0);
  EXPECT_TRUE(g.TitleShowing) << "the title stays until the first key";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Startup, StoredOptionsAreReadAsTheyWereWritten) {
  SetSetting("SETUP", "HINTERGRUND", "3");
  SetSetting("SETUP", "SOUND", "2");
  SetSetting("SETUP", "ANIM2", "0");
  SetSetting("SETUP", "SM", "5");
  SetSetting("SETUP", "MIDI", "1");
  SetSetting("SETUP", "LAST", "37");
  TMyWindow& g = Open();
  EXPECT_EQ(g.BackgroundChoice, 3);
  EXPECT_EQ(g.SoundOn, 2);
  EXPECT_EQ(g.AnimationOn, 0);
  EXPECT_FALSE(g.SmoothMovement) << "only 1 switches smooth movement on";
  EXPECT_TRUE(g.MusicOn);
  EXPECT_EQ(g.LevelNumber, 37);
}

TEST_F(Startup, LastLevelOutsideTheWorldsIsTakenAsOne) {
  for (const char* stored : {"0", "250", "-3", "abc", "101"}) {
    SetSetting("SETUP", "LAST", stored);
    EXPECT_EQ(Open().LevelNumber, 1) << stored;
  }
  SetSetting("SETUP", "LAST", "100");
  EXPECT_EQ(Open().LevelNumber, 100);
}

TEST_F(Startup, PasswordTableHoldsFiveDigitPasswordsForLevelsOneToHundred) {
  TMyWindow& g = Open();
  EXPECT_EQ(g.PasswordTable[0], 0);
  for (int level = 1; level <= 100; ++level) {
    EXPECT_GE(g.PasswordTable[level], 10000) << level;
    EXPECT_LE(g.PasswordTable[level], 99999) << level;
  }
  for (int i = 101; i < 120; ++i) EXPECT_EQ(g.PasswordTable[i], 0) << i;
  std::set<int32_t> distinct(g.PasswordTable.begin() + 1, g.PasswordTable.begin() + 101);
  EXPECT_GT(distinct.size(), 90u) << "passwords should not be guessable from one another";
}

TEST_F(Startup, TheEditorFrameIsMadeForThisWindow) {
  struct Frame : EditorFrameWindow {
    void Show() override {}
  };
  TMyWindow* madeFor = nullptr;
  CreateEditorFrame = [&](TMyWindow& g) {
    madeFor = &g;
    return std::make_unique<Frame>();
  };
  TMyWindow& g = Open();
  CreateEditorFrame = nullptr;
  EXPECT_EQ(madeFor, &g);
  EXPECT_NE(g.EditorFrame, nullptr);
}

using Options = WindowTest;

TEST_F(Options, SwitchesAreStoredAtOnce) {
  TMyWindow& g = Open();
  g.ToggleSound();
  EXPECT_EQ(g.SoundOn, 1);
  EXPECT_EQ(Setting("SETUP", "SOUND"), "1");
  g.ToggleSound();
  EXPECT_EQ(Setting("SETUP", "SOUND"), "0");

  g.ToggleAnimation();
  EXPECT_EQ(g.AnimationOn, 0);
  EXPECT_EQ(Setting("SETUP", "ANIM2"), "0");
  g.ToggleSmoothMovement();
  EXPECT_FALSE(g.SmoothMovement);
  EXPECT_EQ(Setting("SETUP", "SM"), "0");
  g.ToggleSmoothMovement();
  EXPECT_EQ(Setting("SETUP", "SM"), "1");
}

TEST_F(Options, AnOddSoundValueIsSwitchedOnNotOff) {
  SetSetting("SETUP", "SOUND", "2");
  TMyWindow& g = Open();
  g.ToggleSound();
  EXPECT_EQ(g.SoundOn, 1);
  EXPECT_EQ(Setting("SETUP", "SOUND"), "1");
}

TEST_F(Options, AHandEditedSettingsFileKeepsEverythingElse) {
  WriteFile(settingsFile,
            "; meine Einstellungen\n"
            "[Setup]\n"
            "sound=1\n"
            "\n"
            "[Fenster]\n"
            "X=10\n"
            "\n"
            "[midi]\n"
            "Midi0=/musik/a.mid\n");
  WriteWorldsFile(20);
  TMyWindow& g = Open();
  EXPECT_EQ(g.SoundOn, 1);
  g.ToggleSound();
  ASSERT_TRUE(g.LoadWorldLevel());
  g.MoveCount = 12;
  g.LevelSolved();
  Answer(Answer::Yes);
  ASSERT_TRUE(g.CanClose());
  EXPECT_EQ(ReadFile(settingsFile),
            "; meine Einstellungen\n"
            "[Setup]\n"
            "sound=0\n"
            "LAST=2\n"
            "\n"
            "[Fenster]\n"
            "X=10\n"
            "\n"
            "[midi]\n"
            "Midi0=/musik/a.mid\n"
            "\n"
            "[PASS]\n"
            "PW1=" + std::to_string(g.PasswordTable[1]) + "\n"
            "\n"
            "[LEVEL]\n"
            "Level1=12\n");
}

using Closing = WindowTest;

TEST_F(Closing, NoKeepsTheGameExactlyAsItWas) {
  WriteWorldsFile(20);
  TMyWindow& g = Open();
  ASSERT_TRUE(g.LoadWorldLevel());
  Answer(Answer::No);
  g.CloseRequest();
  const auto& m = LastMessage();
  EXPECT_EQ(m.text, "Wollen sie wirklich aufhören ?");
  EXPECT_EQ(m.caption, "Dumme Frage");
  EXPECT_EQ(m.icon, platform::Icon::Question);
  EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
  EXPECT_FALSE(platform.ended);
  EXPECT_FALSE(AppClosing);
  EXPECT_FALSE(Exists(settingsFile));
}

TEST_F(Closing, YesStoresTheLevelAndEndsTheProgram) {
  WriteWorldsFile(20);
  SetSetting("SETUP", "LAST", "11");
  TMyWindow& g = Open();
  ASSERT_TRUE(g.LoadWorldLevel());
  Answer(Answer::No);  // the password question for level 12
  g.NextLevel();
  EXPECT_EQ(g.LevelNumber, 11);
  Answer(Answer::Yes);
  g.CloseRequest();
  EXPECT_TRUE(platform.ended);
  EXPECT_TRUE(AppClosing);
  EXPECT_EQ(Setting("SETUP", "LAST"), "11");
}

TEST_F(Closing, QuittingFromAnExtraWorldStoresLevelOne) {
  WriteWorldsFile(20);
  const std::string pack = WriteExtraWorld("Pack.sde", "a\r\nb\r\nc\r\n", 5);
  TMyWindow& g = Open();
  Choose(pack);
  g.OpenExtraWorld();
  g.LevelNumber = 4;
  Answer(Answer::Yes);
  ASSERT_TRUE(g.CanClose());
  EXPECT_EQ(Setting("SETUP", "LAST"), "1");
}

TEST_F(Closing, ALevelBeyondTheLoadedCountIsStoredAsTheCount) {
  WriteWorldsFile(15);
  SetSetting("SETUP", "LAST", "15");
  TMyWindow& g = Open();
  SetSetting("PASS", "PW14", std::to_string(g.PasswordTable[14]));
  ASSERT_TRUE(g.LoadWorldLevel());
  g.LevelNumber = 18;
  Answer(Answer::Yes);
  ASSERT_TRUE(g.CanClose());
  EXPECT_EQ(Setting("SETUP", "LAST"), "15");
}

}  // namespace
}  // namespace lorvix::testing
