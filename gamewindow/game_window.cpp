// The game window's input and time: each operation runs the rules on the
// window's own state, with the window as the host of their side effects.

#include "gamewindow/game_window.h"

#include <cstdlib>

#include "game/rules.h"

namespace lorvix {

bool AppClosing = false;

void TMyWindow::TryMove(int key) { lorvix::TryMove(*this, key, *this); }
void TMyWindow::LeftButtonDown(int x, int y) { lorvix::MouseButtonDown(*this, x, y, *this); }
void TMyWindow::LeftButtonUp() { lorvix::MouseButtonUp(*this); }
void TMyWindow::GameTick() { lorvix::GameTick(*this, Tick, *this); }
void TMyWindow::CheckSquares() { lorvix::CheckSquares(*this, *this); }
void TMyWindow::Undo() { lorvix::Undo(*this, *this); }
void TMyWindow::Retry() { lorvix::Retry(*this, *this); }
void TMyWindow::RestartGame() { lorvix::RestartGame(*this, *this); }

void TMyWindow::About() {
  if (TitleShowing) {
    TitleShowing = false;
    InvalidateAll();
  }
  AboutScroll = 0;
  AboutShowing = true;
}

void TMyWindow::Help() { Platform.OpenHelpPage(ProgramDir + "lorvix.htm"); }

int TMyWindow::Random() { return std::rand(); }

}  // namespace lorvix
