#include "app/game_frame.h"

#include "app/game_menu.h"
#include "gamewindow/game_window.h"
#include "resources/pictures.h"

namespace lorvix {

namespace {

constexpr int PICTURE_GAME_ICON = 40;

platform::FrameSpec GameFrameSpec() {
  platform::FrameSpec spec;
  spec.clientWidth = GAME_CLIENT_WIDTH;
  spec.clientHeight = GAME_CLIENT_HEIGHT;
  spec.menus = GameMenuBar();
  spec.statusBar = true;
  const Bitmap& icon = resources::Picture(PICTURE_GAME_ICON);
  spec.icon = {icon.Data(), icon.Width(), icon.Height()};
  spec.showsGameWindow = true;
  return spec;
}

}  // namespace

// The caption stays empty until the game window is set up.
TMyFrameWindow::TMyFrameWindow(TMyWindow& window)
    : window_(window), frame_(window.Platform.CreateFrame(GameFrameSpec(), *this)) {
  window_.GameFrame = frame_.get();
}

TMyFrameWindow::~TMyFrameWindow() { window_.GameFrame = nullptr; }

void TMyFrameWindow::Command(int id) {
  if (const GameMenuRow* row = FindGameCommand(id)) row->run(window_);
}

platform::ItemState TMyFrameWindow::MenuItemState(int id) {
  const GameMenuRow* row = FindGameCommand(id);
  return row && row->state ? row->state(window_) : platform::ItemState{};
}

// The close box asks the same question as "&Beenden"; a Yes ends the
// program, which then takes the frame down itself.
bool TMyFrameWindow::CloseRequested() {
  window_.CloseRequest();
  return false;
}

void TMyFrameWindow::Paint(const platform::Rect& area) { window_.PaintGameWindow(area); }
void TMyFrameWindow::KeyDown(int virtualKey) { window_.TryMove(virtualKey); }

void TMyFrameWindow::MouseDown(platform::MouseButton button, int x, int y) {
  if (button == platform::MouseButton::Left) window_.LeftButtonDown(x, y);
}

void TMyFrameWindow::MouseUp(platform::MouseButton button, int, int) {
  if (button == platform::MouseButton::Left) window_.LeftButtonUp();
}

}  // namespace lorvix
