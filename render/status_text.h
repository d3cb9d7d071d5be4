#pragma once
// The text of the status bar: where the player is, the moves of the
// current attempt and the level's record.

#include <string>

#include "game/game_state.h"

namespace lorvix {

std::string FormatStatusLine(const GameState& s);

}  // namespace lorvix
