#include "game/tick.h"

namespace lorvix {

void GameTick(GameState&, TickState&, GameHost&) {}
void SlideStep(GameState&, GameHost&) {}

}  // namespace lorvix
