#include "editor/editor_tools.h"

#include <array>

namespace lorvix {
namespace {

// clang-format off
// Rows from y 64 down, 32 pixels each; columns A, B, C from x 672.
constexpr std::array<std::array<int, PALETTE_COLUMNS>, PALETTE_ROWS> kPalette{{
    {TILE_TARGET,         TILE_WATER,            TILE_TELEPORT_BLUE},
    {TILE_CRATE,          TILE_CRATE_ON_TARGET,  TILE_TELEPORT_GREEN},
    {TILE_SLIDER,         TILE_SLIDER_ON_TARGET, TILE_TELEPORT_RED},
    {TILE_PLUG,           NO_CELL,               TILE_TELEPORT_YELLOW},
    {TILE_FILLED,         NO_CELL,               NO_CELL},
    {TILE_EXIT,           TOOL_EXIT_DOOR,        NO_CELL},
    {TOOL_START,          NO_CELL,               NO_CELL},
    {TILE_WALL_STONE,     TILE_WALL_BLUE,        TILE_WALL_BROWN},
    {TILE_WALL_SYMBOL_1,  TILE_WALL_SYMBOL_2,    TILE_WALL_SYMBOL_3},
    {TILE_WALL_SYMBOL_4,  TILE_LAMP_GREEN_ON,    TILE_LAMP_RED_ON},
    {TILE_LAMP_YELLOW_ON, TILE_LAMP_BLUE_ON,     NO_CELL},
    {TILE_PILLAR_FIRST,   TILE_GEAR_FIRST,       NO_CELL},
}};
// clang-format on

// The cell index whose span holds `p` strictly inside, or -1. Spans are
// [first + size * k, first + size * (k + 1)] with both ends on grid lines.
int StrictCellIndex(int p, int first, int count) {
  const int offset = p - first;
  if (offset <= 0 || offset >= PALETTE_CELL * count || offset % PALETTE_CELL == 0) return -1;
  return offset / PALETTE_CELL;
}

}  // namespace

int PaletteCell(int column, int row) {
  return kPalette[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

std::optional<int> PaletteHit(int x, int y) {
  const int column = StrictCellIndex(x, PALETTE_LEFT, PALETTE_COLUMNS);
  const int row = StrictCellIndex(y, PALETTE_TOP, PALETTE_ROWS);
  if (column < 0 || row < 0) return std::nullopt;
  const int value = PaletteCell(column, row);
  if (value == NO_CELL) return std::nullopt;
  return value;
}

}  // namespace lorvix
