#pragma once
// The editor frame: a top-level window "QX Lorvix Editor" with the editor
// menu, whose client is the editor window. The game window creates it
// hidden when it is constructed; "&Editor starten" shows it (the game
// frame hides) and "&Editor verlassen" hides it and shows the game again.
// It closes only once the player has confirmed quitting the game.

#include <array>
#include <memory>

#include "editor/editor_window.h"
#include "gamewindow/game_window.h"
#include "platform/frame.h"

namespace lorvix {

// Command numbers of the editor menu. Some numbers mean other commands in
// the game's menu; each window has its own table.
inline constexpr int CM_EDITOR_LOAD = 51684;
inline constexpr int CM_EDITOR_SAVE = 51683;
inline constexpr int CM_EDITOR_CLEAR = 108;
inline constexpr int CM_EDITOR_LEAVE = 51682;
inline constexpr int CM_EDITOR_HELP = 51686;
inline constexpr int CM_EDITOR_CHECK = 51710;
// Doors 1..5 and keys 1..5, in menu order.
inline constexpr std::array<int, KEY_PAIRS> CM_EDITOR_DOORS = {51685, 51687, 51688, 51689, 51690};
inline constexpr std::array<int, KEY_PAIRS> CM_EDITOR_KEYS = {51691, 51692, 51693, 51694, 51695};

// The frame's description: caption, client size, menus, no system menu.
platform::FrameSpec EditorFrameSpec();

class TMyEditFrameWindow : public EditorFrameWindow, public platform::WindowEvents {
 public:
  explicit TMyEditFrameWindow(TMyWindow& game);
  TMyEditFrameWindow(const TMyEditFrameWindow&) = delete;
  TMyEditFrameWindow& operator=(const TMyEditFrameWindow&) = delete;

  void Show() override;
  void Leave();

  // Events of the frame.
  void Command(int id) override;
  bool CloseRequested() override { return AppClosing; }
  void Paint(const platform::Rect& area) override { Client.Paint(area); }
  void KeyDown(int virtualKey) override { Client.KeyDown(virtualKey); }
  void MouseDown(platform::MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override { Client.MouseMove(x, y); }

  TMyWindow& Game;
  TMyWindow2 Client;
  // Declared after the client: the frame sends it events until it is gone.
  std::unique_ptr<platform::Frame> Frame;
};

// Makes the editor frame for the game window; the program entry sets it
// into CreateEditorFrame before the game window is constructed.
std::unique_ptr<EditorFrameWindow> MakeEditorFrame(TMyWindow& game);

}  // namespace lorvix
