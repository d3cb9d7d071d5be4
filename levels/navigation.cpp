// Placeholder: level loading and navigation.

#include "app/game_window.h"

namespace lorvix {

void TMyWindow::ShowNotice(int, const std::string&) {}
bool TMyWindow::LoadWorldLevel() { return false; }
void TMyWindow::LoadExtraLevel() {}
void TMyWindow::OpenUserLevel() {}
void TMyWindow::OpenExtraWorld() {}
void TMyWindow::RestartWorld() {}
void TMyWindow::NextLevel() {}
void TMyWindow::PreviousLevel() {}
void TMyWindow::NextWorld() {}
void TMyWindow::PreviousWorld() {}
void TMyWindow::SelectWorld(int) {}
bool TMyWindow::NextLevelEnabled() const { return false; }
bool TMyWindow::PreviousLevelEnabled() const { return false; }

}  // namespace lorvix
