// Replaying a stored solution through the real rules and game tick.

#include <functional>

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

class Replay : public WindowTest {
 protected:
  TMyWindow& OpenOnLevelOne() {
    WriteWorldsFile(100);
    TMyWindow& g = Open();
    g.SetupGameWindow();  // the pictures that every move redraws
    EXPECT_TRUE(g.LoadWorldLevel());
    g.TitleShowing = false;
    return g;
  }
  // Runs the game tick on the headless clock until `done` holds; false when
  // it never does within ten minutes of game time.
  bool TickUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 120000; ++i) {
      if (done()) return true;
      platform.now += 5;
      w().GameTick();
    }
    return done();
  }
  bool AtRest() { return w().GlideX == 0 && w().GlideY == 0 && !w().Sliding; }
  // A key as the player presses it: once the figure has come to rest.
  void Press(int key) {
    ASSERT_TRUE(TickUntil([this] { return AtRest(); }));
    w().TryMove(key);
  }
  std::string SolutionPath() const { return programDir + "Solve1.sco"; }
};

TEST_F(Replay, AReplayStopsOneStepShortOfTheExitAndLaterMovesFollowIt) {
  TMyWindow& g = OpenOnLevelOne();
  for (int key : {KEY_RIGHT, KEY_DOWN, KEY_UP, KEY_RIGHT, KEY_RIGHT}) Press(key);
  ASSERT_EQ(g.LevelNumber, 2) << "the exit was reached";
  EXPECT_EQ(ReadFile(SolutionPath()), "1 3 4 1 10 ");
  EXPECT_EQ(Setting("LEVEL", "Level1"), "5");

  g.PreviousLevel();
  ASSERT_EQ(ShownLevel(), 1);
  g.ReplaySolution();
  EXPECT_TRUE(g.Replaying);
  EXPECT_EQ(g.MoveListPos, 0);
  ASSERT_TRUE(TickUntil([&] { return !g.Replaying && AtRest(); }));
  EXPECT_EQ(g.PlayerCol, 4);
  EXPECT_EQ(g.PlayerRow, 2);
  EXPECT_EQ(g.MoveListPos, 4) << "left on the end marker";
  EXPECT_EQ(g.MoveCount, 4);
  EXPECT_EQ(g.LevelNumber, 1);

  Press(KEY_DOWN);
  EXPECT_EQ(g.MoveList[4], MOVE_DOWN);
  EXPECT_EQ(g.MoveListPos, 5);
  Press(KEY_UP);
  Press(KEY_RIGHT);
  EXPECT_EQ(g.LevelNumber, 2);
  EXPECT_EQ(Setting("LEVEL", "Level1"), "5") << "seven moves do not beat five";
  EXPECT_EQ(ReadFile(SolutionPath()), "1 3 4 1 10 ");
}

TEST_F(Replay, ALevelNeverSolvedIsNotEvenRestarted) {
  TMyWindow& g = OpenOnLevelOne();
  Press(KEY_DOWN);
  ASSERT_TRUE(TickUntil([this] { return AtRest(); }));
  const int invalidations = platform.invalidations;
  g.ReplaySolution();
  EXPECT_FALSE(g.Replaying);
  EXPECT_EQ(g.PlayerRow, 3);
  EXPECT_EQ(g.MoveCount, 1);
  EXPECT_EQ(platform.invalidations, invalidations);
}

TEST_F(Replay, AStoredListWithoutEndMarkerRestartsTheLevelButPlaysNothing) {
  TMyWindow& g = OpenOnLevelOne();
  std::string tooLong;
  for (int i = 0; i < 3000; ++i) tooLong += "3 ";
  tooLong += "10 ";
  for (const std::string& stored : {tooLong, std::string("1 2 x 10 "), std::string("1 2 3")}) {
    WriteFile(SolutionPath(), stored);
    Press(KEY_DOWN);
    g.ReplaySolution();
    EXPECT_FALSE(g.Replaying);
    EXPECT_EQ(g.MoveListPos, 0);
    EXPECT_EQ(g.PlayerRow, 2) << "restarted";
  }
  EXPECT_EQ(g.MoveList[1999], 0) << "the last read list held 1 2 3 only";
}

TEST_F(Replay, AMarkerInTheLastEntryOfTheListStillStartsAReplay) {
  TMyWindow& g = OpenOnLevelOne();
  std::string full;
  for (int i = 0; i < 1999; ++i) full += (i % 2 == 0) ? "3 " : "4 ";
  WriteFile(SolutionPath(), full + "10 ");
  g.ReplaySolution();
  ASSERT_TRUE(g.Replaying);
  ASSERT_TRUE(TickUntil([&] { return !g.Replaying && AtRest(); }));
  EXPECT_EQ(g.MoveListPos, 1999);
  EXPECT_EQ(g.PlayerRow, 3);
  Press(KEY_RIGHT);  // recorded in the last free entry
  Press(KEY_RIGHT);  // the list is full: not recorded, but played
  EXPECT_EQ(g.MoveList[1999], MOVE_RIGHT);
  EXPECT_EQ(g.PlayerCol, 4);
}

TEST_F(Replay, AUserLevelReplaysFromWhereItIsWhenTheDialogIsCancelled) {
  TMyWindow& g = OpenOnLevelOne();
  const std::string sda = WriteUserLevel("mine.sda", 77);
  WriteFile(programDir + "Editorloesung.sco", "1 1 10 ");
  Choose(sda);
  g.OpenUserLevel();
  Press(KEY_DOWN);
  g.ReplaySolution();  // the file dialog of the retry is cancelled
  EXPECT_EQ(platform.dialogs.size(), 2u);
  EXPECT_TRUE(g.Replaying);
  ASSERT_TRUE(TickUntil([&] { return !g.Replaying && AtRest(); }));
  EXPECT_EQ(g.PlayerCol, 4);
  EXPECT_EQ(g.PlayerRow, 3);
}

}  // namespace
}  // namespace lorvix::testing
