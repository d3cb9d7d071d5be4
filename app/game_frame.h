#pragma once
// The main frame of the game: menu, status bar and the game window as its
// client. It turns what happens in the frame into operations of the game
// window.

#include <memory>

#include "platform/platform.h"

namespace lorvix {

class TMyWindow;

// The game window's client area: the board with its side columns.
inline constexpr int GAME_CLIENT_WIDTH = 704;
inline constexpr int GAME_CLIENT_HEIGHT = 480;

class TMyFrameWindow : public platform::WindowEvents {
 public:
  explicit TMyFrameWindow(TMyWindow& window);
  ~TMyFrameWindow() override;
  TMyFrameWindow(const TMyFrameWindow&) = delete;
  TMyFrameWindow& operator=(const TMyFrameWindow&) = delete;

  platform::Frame& Frame() { return *frame_; }

  void Command(int id) override;
  platform::ItemState MenuItemState(int id) override;
  bool CloseRequested() override;
  void Paint(const platform::Rect& area) override;
  void KeyDown(int virtualKey) override;
  void MouseDown(platform::MouseButton button, int x, int y) override;
  void MouseUp(platform::MouseButton button, int x, int y) override;

 private:
  TMyWindow& window_;
  std::unique_ptr<platform::Frame> frame_;
};

}  // namespace lorvix
