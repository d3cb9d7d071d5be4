#pragma once
// The playing grid: 20 columns by 15 rows of tile codes, held column by
// column (square (c, r) at index c * 15 + r). Coordinates that come from
// level files are unchecked 32-bit values, so the rules work with `Spot`, a
// square whose coordinates are wide enough that stepping away from any file
// value cannot overflow, and every read or write goes through OnBoard: a
// square outside the grid reads as code 0 (an invisible wall) and is never
// written.

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

struct Spot {
  int64_t col = 0;
  int64_t row = 0;
  constexpr Spot() = default;
  constexpr Spot(int64_t c, int64_t r) : col(c), row(r) {}
  constexpr Spot(Square s) : col(s.col), row(s.row) {}
  friend bool operator==(const Spot&, const Spot&) = default;
};

inline constexpr bool OnBoard(int64_t col, int64_t row) {
  return col >= 0 && col < BOARD_COLS && row >= 0 && row < BOARD_ROWS;
}
inline constexpr bool OnBoard(Spot s) { return OnBoard(s.col, s.row); }
inline constexpr int CellIndex(int col, int row) { return col * BOARD_ROWS + row; }
inline constexpr Spot SpotOfCell(int index) { return {index / BOARD_ROWS, index % BOARD_ROWS}; }

// Code at (col, row), or `outside` when the square is not on the board.
inline int32_t CodeAt(const TileGrid& board, int64_t col, int64_t row, int32_t outside = 0) {
  return OnBoard(col, row) ? board[CellIndex(static_cast<int>(col), static_cast<int>(row))] : outside;
}
inline int32_t CodeAt(const TileGrid& board, Spot s, int32_t outside = 0) {
  return CodeAt(board, s.col, s.row, outside);
}

// Writes a code on the board; a square outside the board is left alone.
inline void SetCodeAt(TileGrid& board, Spot s, int32_t code) {
  if (OnBoard(s)) board[CellIndex(static_cast<int>(s.col), static_cast<int>(s.row))] = code;
}

inline TileGrid FilledBoard(int32_t code) {
  TileGrid b;
  b.fill(code);
  return b;
}

}  // namespace lorvix
