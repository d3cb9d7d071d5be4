// The game menu and the main frame without a display: the menu the player
// sees, and every command, key and click reaching the game window.

#include <gtest/gtest.h>

#include <vector>

#include "app/game_frame.h"
#include "app/game_menu.h"
#include "levels/tests/window_fixture.h"
#include "platform/keys.h"

namespace lorvix::testing {
namespace {

using platform::MenuItem;

void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Submenu) CollectIds(item.items, ids);
    else if (item.kind != MenuItem::Kind::Separator) ids.push_back(item.id);
  }
}

TEST(GameMenu, HasEveryCommandInItsPlaceWithItsHint) {
  const std::vector<platform::Menu> bar = GameMenuBar();
  std::vector<std::string> titles;
  std::vector<int> ids;
  for (const platform::Menu& menu : bar) {
    titles.push_back(menu.title);
    CollectIds(menu.items, ids);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"&Spiel", "Spiel&welt", "Spiel&ebene", "&Optionen",
                                              "&Hilfe"}));
  EXPECT_EQ(ids, (std::vector<int>{24333, 24335, 102, 108, 101,                       // Spiel
                                   51698, 51700, 51699, 51688, 51687, 51689, 51690,   // Spielwelt
                                   51691, 51692, 51693, 51696, 51695, 51697,
                                   106, 107, 105, 109, 114,                           // Spielebene
                                   51701, 51702, 51703, 51706, 51694, 112, 110, 51685, 113,
                                   116, 104}));                                       // Hilfe
  for (int id : ids) EXPECT_NE(FindGameCommand(id)->run, nullptr) << id;

  const std::vector<MenuItem>& level = bar[2].items;
  EXPECT_EQ(level[0].label, "&nächste Spielebene \t+");
  EXPECT_EQ(level[3].label, "&Rückgängig             \t F11");
  EXPECT_EQ(level[4].hint, "Wiederholung einer bereits gelösten Spiedlebene.");
  EXPECT_EQ(FindGameCommand(51685)->hint, std::string("Die Spielfigur wird weich oder blockweise bewegt."));
  EXPECT_EQ(FindGameCommand(104)->hint, std::string("Über LORVIX."));
  EXPECT_EQ(bar[1].items[4].kind, MenuItem::Kind::Submenu);
  EXPECT_EQ(bar[3].items[0].items[3].label, "&schwarz");
  EXPECT_EQ(bar[3].items[2].kind, MenuItem::Kind::Check);
}

class GameFrame : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteWorldsFile(30);
    Open();
    frame = std::make_unique<TMyFrameWindow>(w());
    w().SetupGameWindow();
  }
  void TearDown() override {
    frame.reset();
    WindowTest::TearDown();
  }
  platform::HeadlessFrame& Shown() { return *platform.frames.back(); }

  std::unique_ptr<TMyFrameWindow> frame;
};

TEST_F(GameFrame, IsSizedForTheBoardAndShowsTheGameWindow) {
  EXPECT_EQ(Shown().spec.clientWidth, 704);
  EXPECT_EQ(Shown().spec.clientHeight, 480);
  EXPECT_TRUE(Shown().spec.statusBar);
  EXPECT_EQ(Shown().spec.icon.width, 32);
  EXPECT_EQ(w().GameFrame, &Shown());
  // The set-up gave five option items their pictures.
  EXPECT_EQ(Shown().menuPictures.size(), 5u);
  EXPECT_EQ(Shown().menuPictures.count(51694), 1u);
}

TEST_F(GameFrame, RoutesKeysClicksAndCommandsToTheGameWindow) {
  frame->MouseDown(platform::MouseButton::Left, 10, 10);
  EXPECT_FALSE(w().TitleShowing);

  EXPECT_FALSE(frame->MenuItemState(109).enabled);
  frame->KeyDown(platform::VK_RIGHT);
  EXPECT_EQ(w().MoveCount, 1);
  EXPECT_TRUE(frame->MenuItemState(109).enabled);
  frame->Command(109);
  EXPECT_EQ(w().MoveCount, 0);
  EXPECT_FALSE(frame->MenuItemState(109).enabled);

  frame->Command(51689);  // world 3
  EXPECT_EQ(w().LevelNumber, 21);
  EXPECT_FALSE(frame->MenuItemState(107).enabled);
  EXPECT_TRUE(frame->MenuItemState(106).enabled);

  EXPECT_FALSE(frame->MenuItemState(110).checked);
  frame->Command(110);
  EXPECT_TRUE(frame->MenuItemState(110).checked);
  EXPECT_EQ(Setting("SETUP", "SOUND"), "1");

  EXPECT_TRUE(frame->MenuItemState(51701).checked);
  frame->Command(51706);
  EXPECT_FALSE(frame->MenuItemState(51701).checked);
  EXPECT_TRUE(frame->MenuItemState(51706).checked);

  frame->Command(116);
  ASSERT_EQ(platform.helpPages.size(), 1u);
  EXPECT_EQ(platform.helpPages[0], programDir + "lorvix.htm");
}

TEST_F(GameFrame, ClosingAsksAndNoKeepsEverything) {
  frame->KeyDown(platform::VK_SPACE);
  Answer(platform::Answer::No);
  EXPECT_FALSE(frame->CloseRequested());
  EXPECT_EQ(LastMessage().text, "Wollen sie wirklich aufhören ?");
  EXPECT_FALSE(platform.ended);
  EXPECT_EQ(Setting("SETUP", "LAST"), "<absent>");

  Answer(platform::Answer::Yes);
  frame->Command(101);
  EXPECT_TRUE(platform.ended);
  EXPECT_EQ(Setting("SETUP", "LAST"), "1");
}

}  // namespace
}  // namespace lorvix::testing
