#pragma once
// The title and about panels, which lie on top of the board in the window
// mirror. Each function draws into GameGraphics::Window only inside `clip`
// (the whole window when none is given) and returns the rectangle it drew
// into, for presenting.

#include <optional>

#include "render/blit.h"
#include "render/game_graphics.h"

namespace lorvix {

Rect DrawTitlePanel(GameGraphics& g, const std::optional<Rect>& clip = std::nullopt);
Rect DrawAboutPanel(GameGraphics& g, const std::optional<Rect>& clip = std::nullopt);

// The about text at scroll position `scroll` (0..1200): up to 378 it rises
// out of the line y 334; after that it scrolls up through the window
// x 225..474, y 146..334 until its last row has passed.
Rect DrawAboutText(GameGraphics& g, int scroll, const std::optional<Rect>& clip = std::nullopt);

}  // namespace lorvix
