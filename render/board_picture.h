#pragma once
// Composing the board picture: background, tiles, then the figure on top.
// The game window's renderer and the level tool both draw through these, so
// a rendered level looks exactly as the game shows it.

#include "game/game_state.h"
#include "render/game_graphics.h"

namespace lorvix {

// Masks the figure onto `target` at its square plus the glide offsets: the
// mask is combined with AND, the figure picture with OR.
void DrawFigure(Bitmap& target, const GameState& s, const GameGraphics& g);

// Recomposes the whole BackBuffer from BackgroundImage, the board and the
// figure. Only rows 0..539 of the background are copied; the last ten rows
// of BackBuffer lie below the window's visible part and keep their pixels.
void ComposeBoardPicture(const GameState& s, GameGraphics& g);

}  // namespace lorvix
