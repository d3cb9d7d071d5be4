// The list of the builder: what a drop adds, where the hundred slots end,
// and how deleting closes the gap.

#include <gtest/gtest.h>

#include "builder/tests/builder_fixture.h"

namespace wendrel::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

class LevelList : public BuilderTest {
 protected:
  // Fills the first `count` slots with distinct paths.
  void Fill(int count) {
    for (int slot = 0; slot < count; ++slot)
      Window().Entries[slot] = "/l/" + std::to_string(slot) + ".sda";
    Window().RefreshList();
  }
};

TEST_F(LevelList, StartsWithAHundredNumberedFreeRows) {
  ASSERT_EQ(Rows().size(), 100u);
  EXPECT_EQ(Rows()[0], "00  :  ");
  EXPECT_EQ(Rows()[9], "09  :  ");
  EXPECT_EQ(Rows()[10], "10  :  ");
  EXPECT_EQ(Rows()[99], "99  :  ");
  EXPECT_EQ(StatusText(), "Es sind 0 von maximal 100 Einträgen belegt.");
}

TEST_F(LevelList, ADropListsLevelFilesInAnyCaseAndReportsEveryOtherFile) {
  Drop({"/home/anna/a.sda", "/home/anna/b.txt", "/home/anna/c.SDA", "/home/anna/d.sDa",
        "/home/anna/a.sda", "/home/anna/sda", "/home/x.sda/e"});
  EXPECT_EQ(Rows()[0], "00  :  /home/anna/a.sda");
  EXPECT_EQ(Rows()[1], "01  :  /home/anna/c.SDA");
  EXPECT_EQ(Rows()[2], "02  :  /home/anna/d.sDa");
  // The same file dropped again takes a slot of its own.
  EXPECT_EQ(Rows()[3], "03  :  /home/anna/a.sda");
  EXPECT_EQ(Rows()[4], "04  :  ");
  EXPECT_EQ(StatusText(), "Es sind 4 von maximal 100 Einträgen belegt.");

  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[0].text,
            "Die Datei /home/anna/b.txt ist keine gültige Spielebene. Spielebenen haben die "
            "Dateiendung .sda");
  EXPECT_EQ(platform.messages[0].caption, "Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::None);
  EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
  EXPECT_NE(platform.messages[1].text.find("/home/anna/sda "), std::string::npos);
  EXPECT_NE(platform.messages[2].text.find("/home/x.sda/e "), std::string::npos);
}

TEST_F(LevelList, TheLastFreeSlotTakesOneFileAndEndsTheDrop) {
  Fill(99);
  Drop({"/l/last.sda", "/l/over.sda", "/l/not-looked-at.txt"});
  EXPECT_EQ(Window().Entries[99], "/l/last.sda");
  EXPECT_EQ(Rows()[99], "99  :  /l/last.sda");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Nur 100 Level erlaubt !"});
  EXPECT_EQ(platform.messages[0].caption, "Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::None);
  EXPECT_EQ(StatusText(), "Es sind 100 von maximal 100 Einträgen belegt.");
}

TEST_F(LevelList, ADropThatJustFillsTheListIsNotAnError) {
  Fill(98);
  Drop({"/l/a.sda", "/l/b.sda"});
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Window().UsedEntries(), 100);
}

TEST_F(LevelList, DeletingARowAsksFirstAndClosesTheGap) {
  Fill(6);
  DoubleClickRow(3);  // the headless platform answers No
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, " Soll der Eintrag 3 gelöscht werden ?");
  EXPECT_EQ(platform.messages[0].caption, "");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(Window().UsedEntries(), 6);

  platform.answers.push_back(Answer::Yes);
  DoubleClickRow(3);
  EXPECT_EQ(Rows()[2], "02  :  /l/2.sda");
  EXPECT_EQ(Rows()[3], "03  :  /l/4.sda");
  EXPECT_EQ(Rows()[4], "04  :  /l/5.sda");
  EXPECT_EQ(Rows()[5], "05  :  ");
  EXPECT_EQ(StatusText(), "Es sind 5 von maximal 100 Einträgen belegt.");
}

TEST_F(LevelList, DeletingTheLastSlotOfAFullListFreesIt) {
  Fill(100);
  platform.answers.push_back(Answer::Yes);
  DoubleClickRow(99);
  EXPECT_EQ(Window().Entries[98], "/l/98.sda");
  EXPECT_EQ(Window().Entries[99], "");
}

TEST_F(LevelList, DeleteAllEmptiesTheListWithoutAskingAndResetsTheBar) {
  Fill(7);
  Window().SaveProgress = 40;
  builder->Command(CMD_DELETE_ALL);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Window().UsedEntries(), 0);
  EXPECT_EQ(Rows()[0], "00  :  ");
  EXPECT_EQ(Window().SaveProgress, 0);
  EXPECT_EQ(StatusText(), "Es sind 0 von maximal 100 Einträgen belegt.");
}

}  // namespace
}  // namespace wendrel::testing
