#pragma once
// Drawing objects of the game window (filled in with the renderer).

namespace lorvix {

struct GameGraphics {};

}  // namespace lorvix
