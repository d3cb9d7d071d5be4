// The editor frame: its menu, showing and hiding, closing, help, and how
// the game makes it.

#include "editor/tests/editor_fixture.h"
#include "levels/tests/scratch_dir.h"

namespace lorvix::testing {
namespace {

using platform::MenuItem;

class EditorFrame : public EditorTest {};

TEST_F(EditorFrame, IsMadeHiddenWithTheEditorMenuAndNoSystemMenu) {
  const platform::FrameSpec& spec = Frame().spec;
  EXPECT_EQ(spec.caption, "QX Lorvix Editor");
  EXPECT_EQ(spec.clientWidth, 768);
  EXPECT_EQ(spec.clientHeight, 480);
  EXPECT_FALSE(spec.closeBox);
  EXPECT_FALSE(spec.statusBar);
  EXPECT_FALSE(Frame().shown);

  std::vector<std::string> menus;
  std::vector<std::pair<int, std::string>> items;
  for (const platform::Menu& menu : spec.menus) {
    menus.push_back(menu.title);
    for (const MenuItem& item : menu.items)
      items.emplace_back(item.id, item.kind == MenuItem::Kind::Separator ? "-" : item.label);
  }
  EXPECT_EQ(menus, (std::vector<std::string>{"&Optionen", "&Türen", "&Schlüssel", "&Hilfe"}));
  const std::vector<std::pair<int, std::string>> expected = {
      {51684, "Spielebene &Laden"}, {51683, "Spielebene &Speichern"},
      {108, "Spielebene &Löschen"}, {0, "-"}, {51682, "&Editor verlassen"},
      {0, "-"}, {51710, "&Prüfen\tF5"},
      {51685, "Tür &1"}, {51687, "Tür &2"}, {51688, "Tür &3"}, {51689, "Tür &4"},
      {51690, "Tür &5"}, {51691, "Schlüssel &1"}, {51692, "Schlüssel &2"},
      {51693, "Schlüssel &3"}, {51694, "Schlüssel &4"}, {51695, "Schlüssel &5"},
      {51686, "&Inhalt"}};
  EXPECT_EQ(items, expected);
}

TEST_F(EditorFrame, LeavingAndStartingAgainKeepsLevelToolAndCursor) {
  platform::WindowEvents gameEvents;
  std::unique_ptr<platform::Frame> gameFrame = platform.CreateFrame({}, gameEvents);
  game.GameFrame = gameFrame.get();
  platform::HeadlessFrame& frame = *platform.frames.front();

  const int invalidations = frame.invalidations;
  editor.Show();
  EXPECT_TRUE(frame.shown);
  EXPECT_EQ(frame.invalidations, invalidations + 1) << "showing paints the editor anew";
  ChooseCell(0, 5);  // exit
  ClickSquare(6, 7);
  Press(platform::VK_LEFT);
  editor.Command(51682);
  EXPECT_FALSE(frame.shown);
  EXPECT_TRUE(gameFrame->IsShown());

  editor.Show();
  EXPECT_TRUE(frame.shown);
  EXPECT_EQ(At(6, 7), TILE_EXIT);
  EXPECT_EQ(w().SelectedTool, TILE_EXIT);
  EXPECT_EQ(w().CursorCol, 5);
}

TEST_F(EditorFrame, ClosesOnlyOnceThePlayerQuitTheGame) {
  EXPECT_FALSE(editor.CloseRequested());
  AppClosing = true;
  EXPECT_TRUE(editor.CloseRequested());
  AppClosing = false;
}

TEST_F(EditorFrame, HelpOpensTheHelpPage) {
  editor.Command(51686);
  EXPECT_EQ(platform.helpPages, std::vector<std::string>{scratch.path() + "/lorvix.htm"});
}

TEST(EditorFactory, TheGameWindowMakesItsEditorHidden) {
  ScratchDir scratch;
  platform::HeadlessPlatform platform;
  CreateEditorFrame = MakeEditorFrame;
  TMyWindow game(platform, {scratch.path() + "/", scratch / "settings.ini"});
  CreateEditorFrame = nullptr;
  ASSERT_NE(dynamic_cast<TMyEditFrameWindow*>(game.EditorFrame.get()), nullptr);
  ASSERT_EQ(platform.frames.size(), 1u);
  EXPECT_FALSE(platform.frames[0]->shown);
  EXPECT_EQ(platform.frames[0]->caption, "QX Lorvix Editor");
}

}  // namespace
}  // namespace lorvix::testing
