#pragma once
// The game program: it makes the game window and its frame, sets the game
// up, runs the event loop with the game tick, and takes everything down
// when the player has quit.

#include <memory>

#include "gamewindow/game_window.h"
#include "platform/platform.h"

namespace lorvix {

class TMyFrameWindow;

class TMyApp {
 public:
  TMyApp(platform::Platform& platform, AppPaths paths);
  ~TMyApp();
  TMyApp(const TMyApp&) = delete;
  TMyApp& operator=(const TMyApp&) = delete;

  // Runs the game until it ends; returns the exit code.
  int Run();

 private:
  platform::Platform& platform_;
  AppPaths paths_;
  std::unique_ptr<TMyWindow> window_;
  std::unique_ptr<TMyFrameWindow> frame_;
};

}  // namespace lorvix
