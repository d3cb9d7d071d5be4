// The game window's status line.

#include "gamewindow/game_window.h"
#include "render/status_text.h"

namespace lorvix {

std::string TMyWindow::StatusLineText() const { return FormatStatusLine(*this); }

// Runs after every partial redraw, so it stays cheap: no caching, one text.
void TMyWindow::UpdateStatusLine() { Platform.SetStatusText(StatusLineText()); }

}  // namespace lorvix
