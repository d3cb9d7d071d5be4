// Placeholder: construction, options and the close check come with the
// settings work.

#include "app/game_window.h"
#include "render/game_graphics.h"

namespace lorvix {

TMyWindow::TMyWindow(platform::Platform& platform, const AppPaths& paths)
    : Platform(platform), ProgramDir(paths.programDir), SettingsPath(paths.settingsFile) {
  WorldsFilePath = ProgramDir + "LEVEL.DAT";
}
TMyWindow::~TMyWindow() = default;

void TMyWindow::ToggleSound() {}
void TMyWindow::ToggleAnimation() {}
void TMyWindow::ToggleSmoothMovement() {}
bool TMyWindow::CanClose() { return false; }
void TMyWindow::CloseRequest() {}

}  // namespace lorvix
