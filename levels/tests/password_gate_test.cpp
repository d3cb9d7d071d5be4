// The gate in front of world levels whose predecessor is not yet solved.

#include "levels/tests/window_fixture.h"

namespace lorvix::testing {
namespace {

using platform::Answer;

class PasswordGate : public WindowTest {
 protected:
  TMyWindow& OpenOn(int level) {
    WriteWorldsFile(100);
    TMyWindow& g = Open();
    g.LevelNumber = level;
    return g;
  }
  std::string PasswordOf(int level) { return std::to_string(w().PasswordTable[level]); }
};

TEST_F(PasswordGate, NoLoadsTheLevelBefore) {
  TMyWindow& g = OpenOn(7);
  Answer(Answer::No);
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 6);
  EXPECT_EQ(g.LevelNumber, 6);
  ASSERT_EQ(platform.messages.size(), 1u) << "level 6 is loaded without a further question";
  const auto& m = platform.messages[0];
  EXPECT_EQ(m.text,
            "Sie haben diese Spielebene noch nicht gelöst !\n"
            "Wollen Sie das Paßwort zum Überspringen dieser Level eingeben ?");
  EXPECT_EQ(m.caption, "Sorry");
  EXPECT_EQ(m.icon, platform::Icon::Question);
  EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
  EXPECT_EQ(Setting("PASS", "PW6"), "<absent>");
}

TEST_F(PasswordGate, TheRightPasswordIsStoredAndOpensTheLevel) {
  TMyWindow& g = OpenOn(7);
  Answer(Answer::Yes);
  Type(PasswordOf(6));
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 7);
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].kind, "input");
  EXPECT_EQ(platform.dialogs[0].title, "Paßwort für Level 6 ?");
  EXPECT_EQ(Setting("PASS", "PW6"), PasswordOf(6));

  // Stored once, the password is not asked for again.
  g.LevelNumber = 7;
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(PasswordGate, AWrongPasswordLeadsToTheLevelBefore) {
  OpenOn(7);
  const std::string right = PasswordOf(6);
  for (const std::string& typed : {std::string("12345"), " " + right, right + " ", PasswordOf(7), std::string()}) {
    TMyWindow& g = OpenOn(7);
    platform.messages.clear();
    Answer(Answer::Yes);
    Answer(Answer::Ok);
    Type(typed);
    ASSERT_TRUE(g.LoadWorldLevel());
    EXPECT_EQ(ShownLevel(), 6) << '"' << typed << '"';
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(LastMessage().text, "Falsche Eingabe");
    EXPECT_EQ(LastMessage().caption, "Sorry");
    EXPECT_EQ(LastMessage().buttons, platform::Buttons::Ok);
    EXPECT_EQ(Setting("PASS", "PW6"), "<absent>");
  }
}

TEST_F(PasswordGate, CancellingTheInputLeadsToTheLevelBefore) {
  TMyWindow& g = OpenOn(7);
  Answer(Answer::Yes);
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 6);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(PasswordGate, OnlyTheExactStoredPasswordUnlocks) {
  TMyWindow& g = OpenOn(7);
  SetSetting("PASS", "pw6", PasswordOf(6));
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 7) << "key names ignore case";

  SetSetting("PASS", "PW6", PasswordOf(6) + "0");
  g.LevelNumber = 7;
  Answer(Answer::No);
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 6);
}

TEST_F(PasswordGate, FirstLevelsOfEachWorldHaveNoGate) {
  TMyWindow& g = OpenOn(1);
  for (int level = 1; level <= 91; level += 10) {
    g.LevelNumber = level;
    ASSERT_TRUE(g.LoadWorldLevel());
    EXPECT_EQ(ShownLevel(), level);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PasswordGate, StartingOnAStoredLevelPassesTheGateForTheLevelBefore) {
  SetSetting("SETUP", "LAST", "37");
  WriteWorldsFile(100);
  TMyWindow& g = Open();
  Answer(Answer::No);
  ASSERT_TRUE(g.LoadWorldLevel());
  EXPECT_EQ(ShownLevel(), 36);
}

}  // namespace
}  // namespace lorvix::testing
