#pragma once
// What the editor can put down: tile codes chosen on the palette, and tool
// numbers for the records kept beside the board (start, door to the exit,
// the five door/key pairs). Tool numbers never reach the board. The
// palette is a grid of 3 x 12 cells to the right of the board; this file
// holds its table and the hit test, which the picture draws from as well.

#include <optional>

#include "game/tiles.h"

namespace lorvix {

inline constexpr int TOOL_START = 4;
inline constexpr int TOOL_EXIT_DOOR = 13;
// Door and key tools of pair i (0..4), i.e. doors 1..5 and keys 1..5.
inline constexpr int TOOL_DOOR_1 = 1000;
inline constexpr int TOOL_KEY_1 = 1001;
inline constexpr int ToolOfDoor(int pair) { return TOOL_DOOR_1 + 2 * pair; }
inline constexpr int ToolOfKey(int pair) { return TOOL_KEY_1 + 2 * pair; }
inline constexpr bool IsDoorOrKeyTool(int tool) {
  return tool >= TOOL_DOOR_1 && tool <= ToolOfKey(4);
}
// The pair a door or key tool belongs to, and whether it is the key.
inline constexpr int PairOfTool(int tool) { return (tool - TOOL_DOOR_1) / 2; }
inline constexpr bool IsKeyTool(int tool) { return (tool - TOOL_DOOR_1) % 2 == 1; }

// Editor pictures: the cursor, its mask, and 16 x 16 labels for the
// records. Door n and key n of the pairs follow in turn from 20 on.
inline constexpr int PICTURE_EDITOR_CURSOR = 16;
inline constexpr int PICTURE_EDITOR_CURSOR_MASK = 17;
inline constexpr int PICTURE_MARKER_START = 18;
inline constexpr int PICTURE_MARKER_EXIT_DOOR = 19;
inline constexpr int MarkerOfDoor(int pair) { return 20 + 2 * pair; }
inline constexpr int MarkerOfKey(int pair) { return 21 + 2 * pair; }
inline constexpr int MARKER_SIZE = 16;

// The palette grid: column A starts at PALETTE_LEFT, row 0 at PALETTE_TOP.
inline constexpr int PALETTE_LEFT = 672;
inline constexpr int PALETTE_TOP = 64;
inline constexpr int PALETTE_COLUMNS = 3;
inline constexpr int PALETTE_ROWS = 12;
inline constexpr int PALETTE_CELL = 32;
inline constexpr int NO_CELL = 0;

// The value of palette cell (column, row), NO_CELL for an empty one.
int PaletteCell(int column, int row);

// The value of the palette cell that holds the client point strictly
// inside it; nothing for points on a grid line, in an empty cell or
// outside the grid.
std::optional<int> PaletteHit(int x, int y);

}  // namespace lorvix
