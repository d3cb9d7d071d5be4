#pragma once
// Tile codes, move codes, direction codes and sound numbers shared by every
// part of the game. The values are stored in level and solution files, so
// they must never change.

#include <cstdint>

#include "platform/keys.h"

namespace lorvix {

inline constexpr int BOARD_COLS = 20;
inline constexpr int BOARD_ROWS = 15;
inline constexpr int BOARD_CELLS = BOARD_COLS * BOARD_ROWS;

// A start, exit or door to the exit that the editor has not placed.
inline constexpr int NOT_PLACED = 100;

// Tile codes.
inline constexpr int TILE_FLOOR = 1;
inline constexpr int TILE_TARGET = 3;
inline constexpr int TILE_CRATE = 5;
inline constexpr int TILE_CRATE_ON_TARGET = 6;
inline constexpr int TILE_EXIT = 7;
inline constexpr int TILE_SLIDER = 8;
inline constexpr int TILE_SLIDER_ON_TARGET = 9;
inline constexpr int TILE_PLUG = 10;
inline constexpr int TILE_FILLED = 11;
inline constexpr int TILE_WATER = 12;
inline constexpr int TILE_WALL_STONE = 30;
inline constexpr int TILE_WALL_BLUE = 31;
inline constexpr int TILE_WALL_BROWN = 32;
inline constexpr int TILE_WALL_SYMBOL_1 = 33;
inline constexpr int TILE_WALL_SYMBOL_2 = 34;
inline constexpr int TILE_WALL_SYMBOL_3 = 35;
inline constexpr int TILE_WALL_SYMBOL_4 = 36;
inline constexpr int TILE_LAMP_GREEN_ON = 37;
inline constexpr int TILE_LAMP_YELLOW_ON = 38;
inline constexpr int TILE_LAMP_RED_ON = 39;
inline constexpr int TILE_LAMP_BLUE_ON = 40;
inline constexpr int TILE_LAMP_GREEN_OFF = 41;
inline constexpr int TILE_LAMP_YELLOW_OFF = 42;
inline constexpr int TILE_LAMP_RED_OFF = 43;
inline constexpr int TILE_LAMP_BLUE_OFF = 44;
inline constexpr int TILE_WALL_GREEN = 45;
inline constexpr int TILE_WALL_RED = 46;
inline constexpr int TILE_TELEPORT_BLUE = 50;
inline constexpr int TILE_TELEPORT_GREEN = 52;
inline constexpr int TILE_TELEPORT_RED = 54;
inline constexpr int TILE_TELEPORT_YELLOW = 56;
// Every code in this range is a teleporter, the odd ones invisible.
inline constexpr int TILE_TELEPORT_FIRST = 50;
inline constexpr int TILE_TELEPORT_LAST = 57;
inline constexpr int TILE_EXIT_2 = 70;
inline constexpr int TILE_EXIT_3 = 71;
inline constexpr int TILE_PILLAR_FIRST = 80;
inline constexpr int TILE_PILLAR_LAST = 90;
inline constexpr int TILE_GEAR_FIRST = 100;
inline constexpr int TILE_GEAR_LAST = 115;

// Move codes, as recorded in the move list and stored in solution files.
inline constexpr int MOVE_RIGHT = 1;
inline constexpr int MOVE_LEFT = 2;
inline constexpr int MOVE_DOWN = 3;
inline constexpr int MOVE_UP = 4;
inline constexpr int MOVE_UNDO = 5;
inline constexpr int MOVE_END = 10;

// Direction codes used inside the rules (push and slide direction).
// Note that 3 is up here, while move code 3 is down.
inline constexpr int DIR_RIGHT = 1;
inline constexpr int DIR_LEFT = 2;
inline constexpr int DIR_UP = 3;
inline constexpr int DIR_DOWN = 4;

// Sound numbers.
inline constexpr int SOUND_PUSH = 1;
inline constexpr int SOUND_DOOR = 2;
inline constexpr int SOUND_BUMP = 3;
inline constexpr int SOUND_EXIT = 4;
inline constexpr int SOUND_TELEPORT = 5;

// Virtual-key codes the game window reacts to (platform/keys.h).
inline constexpr int KEY_LEFT = platform::VK_LEFT;
inline constexpr int KEY_UP = platform::VK_UP;
inline constexpr int KEY_RIGHT = platform::VK_RIGHT;
inline constexpr int KEY_DOWN = platform::VK_DOWN;
inline constexpr int KEY_NEXT_WORLD = platform::VK_MULTIPLY;
inline constexpr int KEY_NEXT_LEVEL = platform::VK_ADD;
inline constexpr int KEY_PREVIOUS_LEVEL = platform::VK_SUBTRACT;
inline constexpr int KEY_PREVIOUS_WORLD = platform::VK_DIVIDE;
inline constexpr int KEY_UNDO = platform::VK_F11;
inline constexpr int KEY_RETRY = platform::VK_F12;

inline constexpr bool IsWalkable(int code) {
  return code == TILE_FLOOR || code == TILE_TARGET || code == TILE_EXIT || code == TILE_FILLED ||
         code == TILE_WATER || code == TILE_EXIT_2 || code == TILE_EXIT_3;
}
inline constexpr bool IsTeleporter(int code) { return code >= TILE_TELEPORT_FIRST && code <= TILE_TELEPORT_LAST; }
// Doors are wall squares; every code from the first wall on counts as closed.
inline constexpr bool IsClosedDoor(int code) { return code >= TILE_WALL_STONE; }
inline constexpr bool IsPressedKey(int code) {
  return code == TILE_CRATE_ON_TARGET || code == TILE_SLIDER_ON_TARGET || code == TILE_FILLED;
}
inline constexpr bool IsBlock(int code) {
  return code == TILE_CRATE || code == TILE_CRATE_ON_TARGET || code == TILE_SLIDER || code == TILE_SLIDER_ON_TARGET ||
         code == TILE_PLUG;
}
inline constexpr bool IsUnplacedBlock(int code) {
  return code == TILE_CRATE || code == TILE_SLIDER || code == TILE_PLUG;
}

}  // namespace lorvix
