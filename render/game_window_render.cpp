// Placeholder: pictures, painting and the status line.

#include "app/game_window.h"

namespace lorvix {

void TMyWindow::SetupGameWindow() {}
void TMyWindow::PaintGameWindow(const platform::Rect&) {}
void TMyWindow::PaintBackground() {}
void TMyWindow::SelectBackground(int) {}
void TMyWindow::RebuildBackBuffer() {}
void TMyWindow::RedrawCells(int, int, int, int) {}
void TMyWindow::TitleStep() {}
void TMyWindow::AboutStep() {}
void TMyWindow::Celebrate() {}
void TMyWindow::DestroyGameWindowGraphics() {}
void TMyWindow::UpdateStatusLine() {}
std::string TMyWindow::StatusLineText() const { return {}; }

}  // namespace lorvix
