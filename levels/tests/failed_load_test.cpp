// A level that could not be loaded leaves an empty board on which nothing
// can be solved, whatever the player does next, and nothing is stored for
// the level whose number the window holds.

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::Answer;

class FailedLoad : public WindowTest {
 protected:
  // Progress of level 37 that a bad start must not touch.
  void StoredProgress() {
    SetSetting("SETUP", "LAST", "37");
    SetSetting("LEVEL", "Level37", "52");
    WriteFile(Solution37(), "1 1 4 10 ");
  }
  std::string Solution37() const { return programDir + "Solve37.sco"; }

  // The program's start: construction, then the window set-up with its
  // load of the level played last, whose failure is ignored.
  TMyWindow& Start() {
    TMyWindow& g = Open();
    g.SetupGameWindow();
    return g;
  }
  void Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      platform.now += 5;
      w().GameTick();
    }
  }
  // Everything a player can do on the board: keys, undo, mouse walks in
  // every direction, retry (answering No to quitting) and a replay.
  void PlayEverything() {
    TMyWindow& g = w();
    for (int key : {KEY_RIGHT, KEY_RIGHT, KEY_DOWN, KEY_LEFT, KEY_UP, KEY_UNDO, int{'A'}}) {
      g.TryMove(key);
      Tick(40);
    }
    for (auto [x, y] : {std::pair{8, 8}, {700, 8}, {8, 470}, {40, 0}, {40, 470}, {230, 70}}) {
      g.LeftButtonDown(x, y);
      Tick(200);
      g.LeftButtonUp();
    }
    g.Undo();
    g.TryMove(KEY_RETRY);
    g.ReplaySolution();
    Tick(400);
  }
  void ExpectNothingStored(const std::string& settingsBefore) {
    EXPECT_EQ(ReadFile(settingsFile), settingsBefore);
    EXPECT_EQ(ReadFile(Solution37()), "1 1 4 10 ");
    for (const std::string& text : MessageTexts())
      EXPECT_NE(text, "Sie haben alle Spielebenen dieser Spielwelt geschafft.");
  }
};

TEST_F(FailedLoad, AMissingOrShortWorldsFileLeavesAnEmptyBoardThatNothingSolves) {
  for (int count : {0, 5}) {
    SCOPED_TRACE(count);
    std::filesystem::remove(programDir + "LEVEL.DAT");
    if (count > 0) WriteWorldsFile(count);
    StoredProgress();
    const std::string settingsBefore = ReadFile(settingsFile);
    TMyWindow& g = Start();
    EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));
    EXPECT_EQ(g.BestMoves, 0);

    PlayEverything();
    EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));
    EXPECT_EQ(g.MoveCount, 0);
    EXPECT_FALSE(g.Replaying);
    ExpectNothingStored(settingsBefore);
    platform.messages.clear();
  }
}

// "Next level" from the empty board goes to the last level the file holds;
// with no file at all it offers to quit and, on No, keeps the empty board.
TEST_F(FailedLoad, NextLevelLeavesTheEmptyBoardOnlyForALevelTheFileHolds) {
  StoredProgress();
  const std::string settingsBefore = ReadFile(settingsFile);
  TMyWindow& g = Start();
  g.NextLevel();
  EXPECT_EQ(LastMessage().text, "Wollen sie wirklich aufhören ?");
  EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));
  PlayEverything();
  ExpectNothingStored(settingsBefore);

  WriteWorldsFile(5);
  TMyWindow& again = Start();
  again.NextLevel();  // level 5, behind the password gate: answered No, so level 4
  EXPECT_EQ(ShownLevel(), 4);
  EXPECT_EQ(again.LevelNumber, 4);
}

// A level command that fails in the middle of a game and is not answered
// with quitting must not leave the old board playable under the new number.
TEST_F(FailedLoad, AFailedLevelCommandDoesNotLeaveTheOldLevelUnderTheNewNumber) {
  WriteWorldsFile(5);
  TMyWindow& g = Start();
  ASSERT_EQ(ShownLevel(), 1);
  g.NextWorld();  // level 11 is not in the file
  EXPECT_EQ(g.LevelNumber, 11);
  EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));
  const std::string settingsBefore = ReadFile(settingsFile);
  PlayEverything();
  EXPECT_EQ(ReadFile(settingsFile), settingsBefore);
  EXPECT_FALSE(Exists(programDir + "Solve11.sco"));
}

// A pack without levels is a load that found nothing: its text lines are
// shown, but the level shown before does not stay playable as the pack's
// level 1, whose record and solution would then be stored.
TEST_F(FailedLoad, APackWithoutLevelsLeavesTheEmptyBoardAndStoresNothing) {
  WriteWorldsFile(10);
  TMyWindow& g = Start();
  ASSERT_EQ(ShownLevel(), 1);
  Choose(WriteExtraWorld("Leer.sde", "Meine Welt\r\nvon Anna\r\n\r\n", 0));
  g.OpenExtraWorld();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Meine Welt\nvon Anna\n"});
  EXPECT_TRUE(g.ExtraWorld);
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_TRUE(g.NoLevel);
  EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));

  for (int i = 0; i < 3; ++i) {  // the way to the exit of the level shown before
    g.TryMove(KEY_RIGHT);
    Tick(40);
  }
  PlayEverything();
  EXPECT_EQ(g.Board, FilledBoard(TILE_FLOOR));
  EXPECT_FALSE(Exists((root / "Leer.dat").string()));
  EXPECT_FALSE(Exists((root / "Leer1.sco").string()));
  EXPECT_FALSE(Exists(dataDir));

  platform.messages.clear();
  g.NextLevel();
  g.PreviousLevel();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Sie müssen erst diese Spielebene überwinden.",
                                "Dies ist die letzte Spielebene in dieser Spielwelt",
                                "Dies ist bereits die erste Spielebene in dieser Spielwelt"}));
  EXPECT_EQ(g.LevelNumber, 1);
  EXPECT_TRUE(g.NoLevel);
}

}  // namespace
}  // namespace lorvix::testing
