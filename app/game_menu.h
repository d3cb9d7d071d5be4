#pragma once
// The game menu: one table that says where every command sits, what it
// shows, what the status bar says while it is highlighted, what it does and
// how its state follows the game. The frame builds its menu bar from it,
// routes commands through it and asks it for check marks and enabling.

#include <span>
#include <vector>

#include "platform/frame.h"

namespace lorvix {

class TMyWindow;

struct GameMenuRow {
  enum class Kind { Menu, Submenu, EndSubmenu, Separator, Command, Check };
  Kind kind;
  int id = 0;
  const char* label = "";
  const char* hint = "";
  void (*run)(TMyWindow&) = nullptr;
  // The item's state when its menu opens; null: enabled, no check mark.
  platform::ItemState (*state)(const TMyWindow&) = nullptr;
};

std::span<const GameMenuRow> GameMenuRows();

// The menu bar as the platform builds it.
std::vector<platform::Menu> GameMenuBar();

// The command row with that id, or null.
const GameMenuRow* FindGameCommand(int id);

}  // namespace lorvix
