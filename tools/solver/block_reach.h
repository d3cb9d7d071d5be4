#pragma once
// Which squares a crate, slider or plug can ever occupy. The answer is
// generous (it may name squares no block ever reaches) but never misses
// one, so every other square keeps its starting code for the whole level
// and need not be part of a search state.

#include <array>

#include "levels/level_files.h"

namespace lorvix::solver {

using CellFlags = std::array<bool, BOARD_CELLS>;

CellFlags SquaresBlocksCanReach(const LevelRecord& level);

}  // namespace lorvix::solver
