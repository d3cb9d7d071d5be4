// The editor frame: its menu, and the routing of menu commands and window
// events to the editor window.

#include "editor/editor_frame.h"

#include <string>

#include "editor/editor_tools.h"

namespace lorvix {
namespace {

using platform::CommandItem;
using platform::Menu;
using platform::MenuItem;
using platform::SeparatorItem;

// One item per pair: "<word> &1" .. "<word> &5".
std::vector<MenuItem> PairItems(const std::string& word, const std::array<int, KEY_PAIRS>& ids) {
  std::vector<MenuItem> items;
  for (int pair = 0; pair < KEY_PAIRS; ++pair)
    items.push_back(
        CommandItem(ids[static_cast<size_t>(pair)], word + " &" + std::to_string(pair + 1)));
  return items;
}

// The help menu comes last: the platform puts the last menu at the right.
std::vector<Menu> EditorMenus() {
  return {
      {"&Optionen",
       {CommandItem(CM_EDITOR_LOAD, "Spielebene &Laden"),
        CommandItem(CM_EDITOR_SAVE, "Spielebene &Speichern"),
        CommandItem(CM_EDITOR_CLEAR, "Spielebene &Löschen"), SeparatorItem(),
        CommandItem(CM_EDITOR_LEAVE, "&Editor verlassen"), SeparatorItem(),
        CommandItem(CM_EDITOR_CHECK, "&Prüfen\tF5")}},
      {"&Türen", PairItems("Tür", CM_EDITOR_DOORS)},
      {"&Schlüssel", PairItems("Schlüssel", CM_EDITOR_KEYS)},
      {"&Hilfe", {CommandItem(CM_EDITOR_HELP, "&Inhalt")}},
  };
}

}  // namespace

platform::FrameSpec EditorFrameSpec() {
  platform::FrameSpec spec;
  spec.caption = "QX Lorvix Editor";
  spec.clientWidth = EDITOR_CLIENT_WIDTH;
  spec.clientHeight = EDITOR_CLIENT_HEIGHT;
  spec.menus = EditorMenus();
  spec.statusBar = false;
  spec.closeBox = false;
  return spec;
}

TMyEditFrameWindow::TMyEditFrameWindow(TMyWindow& game)
    : Game(game), Client(game), Frame(game.Platform.CreateFrame(EditorFrameSpec(), *this)) {
  Client.EditFrame = Frame.get();
}

// The platform keeps the pixels last shown; the level may have changed
// since, through a load while hidden or not at all before the first show.
void TMyEditFrameWindow::Show() {
  Frame->Show(true);
  Client.Repaint();
}

void TMyEditFrameWindow::Leave() {
  Frame->Show(false);
  if (Game.GameFrame) Game.GameFrame->Show(true);
}

void TMyEditFrameWindow::Command(int id) {
  switch (id) {
    case CM_EDITOR_LOAD: Client.LoadUserLevel(); return;
    case CM_EDITOR_SAVE: Client.SaveUserLevel(); return;
    case CM_EDITOR_CLEAR: Client.ResetLevel(); return;
    case CM_EDITOR_LEAVE: Leave(); return;
    case CM_EDITOR_HELP: Game.Help(); return;
    case CM_EDITOR_CHECK: Client.StartCheck(); return;
    default: break;
  }
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    if (id == CM_EDITOR_DOORS[static_cast<size_t>(pair)]) Client.SelectTool(ToolOfDoor(pair));
    if (id == CM_EDITOR_KEYS[static_cast<size_t>(pair)]) Client.SelectTool(ToolOfKey(pair));
  }
}

void TMyEditFrameWindow::MouseDown(platform::MouseButton button, int x, int y) {
  if (button == platform::MouseButton::Left)
    Client.LeftButtonDown(x, y);
  else
    Client.RightButtonDown(x, y);
}

std::unique_ptr<EditorFrameWindow> MakeEditorFrame(TMyWindow& game) {
  return std::make_unique<TMyEditFrameWindow>(game);
}

}  // namespace lorvix
