#pragma once
// The playing grid: 20 columns by 15 rows of tile codes, held column by
// column (square (c, r) at index c * 15 + r). Coordinates that come from
// level files are unchecked, so every access with such a coordinate goes
// through OnBoard first.

#include <array>
#include <cstdint>

#include "game/tiles.h"

namespace lorvix {

using TileGrid = std::array<int32_t, BOARD_CELLS>;

struct Square {
  int32_t col = 0;
  int32_t row = 0;
  friend bool operator==(const Square&, const Square&) = default;
};

inline constexpr bool OnBoard(int64_t col, int64_t row) {
  return col >= 0 && col < BOARD_COLS && row >= 0 && row < BOARD_ROWS;
}
inline constexpr bool OnBoard(Square s) { return OnBoard(s.col, s.row); }
inline constexpr int CellIndex(int col, int row) { return col * BOARD_ROWS + row; }

// Code at (col, row), or `outside` when the square is not on the board.
inline int32_t CodeAt(const TileGrid& board, int64_t col, int64_t row, int32_t outside = 0) {
  return OnBoard(col, row) ? board[CellIndex(static_cast<int>(col), static_cast<int>(row))] : outside;
}

inline TileGrid FilledBoard(int32_t code) {
  TileGrid b;
  b.fill(code);
  return b;
}

}  // namespace lorvix
