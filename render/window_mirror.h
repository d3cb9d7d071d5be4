#pragma once
// Showing pixels in the game window. The window mirror (GameGraphics::Window)
// is changed first, then the changed rectangle is presented.

#include "platform/platform.h"
#include "render/blit.h"
#include "render/game_graphics.h"

namespace lorvix {

// Presents `area` of the window mirror, cut to the window.
void PresentWindowArea(GameGraphics& g, platform::Platform& platform, const Rect& area);

// Copies `area` of BackBuffer into the window mirror and presents it.
void ShowBackBufferArea(GameGraphics& g, platform::Platform& platform, const Rect& area);

}  // namespace lorvix
