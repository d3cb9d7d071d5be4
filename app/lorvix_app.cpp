#include "app/lorvix_app.h"

#include "app/game_frame.h"

namespace lorvix {

TMyApp::TMyApp(platform::Platform& platform, AppPaths paths)
    : platform_(platform), paths_(std::move(paths)) {}

TMyApp::~TMyApp() = default;

// The game window comes first (it reads the settings and makes the hidden
// editor), then its frame; the set-up loads the level played last and needs
// both. When the loop ends without the player's Yes (the desktop ended the
// program), the level played last is stored all the same.
int TMyApp::Run() {
  window_ = std::make_unique<TMyWindow>(platform_, paths_);
  frame_ = std::make_unique<TMyFrameWindow>(*window_);
  frame_->Frame().Show(true);
  window_->SetupGameWindow();
  const int code = platform_.RunEventLoop([this] { window_->GameTick(); });
  if (!AppClosing) window_->StoreLastLevel();
  frame_.reset();
  window_.reset();
  return code;
}

}  // namespace lorvix
