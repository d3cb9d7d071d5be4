#include "game/rules.h"

namespace lorvix {

bool AllBlocksPlaced(const TileGrid& board) {
  for (int32_t code : board)
    if (IsUnplacedBlock(code)) return false;
  return true;
}

void TryMove(GameState&, int, GameHost&) {}
void PushBlock(GameState&, int, int, int, GameHost&) {}
void MouseButtonDown(GameState&, int, int, GameHost&) {}
void MouseButtonUp(GameState&) {}
void CheckSquares(GameState&, GameHost&) {}
void Undo(GameState&, GameHost&) {}
void Retry(GameState&, GameHost&) {}
void RestartGame(GameState&, GameHost&) {}

}  // namespace lorvix
