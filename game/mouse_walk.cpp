// Walking the figure with the left mouse button: a click in the figure's row
// or column starts a walk towards it, which the game tick carries out one
// square at a time through TryMove, exactly like arrow keys.
//
// Positions are compared in screen squares: the board starts one square to
// the right of the window's left edge, so the figure's screen column is
// PlayerCol + 1. The figure's square may come unchecked from a level file,
// hence the 64-bit arithmetic.

#include "game/mouse_walk.h"
#include "game/moves.h"
#include "game/rules.h"

namespace lorvix {

namespace {

// The clicked square and the figure's square, in screen squares.
struct WalkSquares {
  int64_t clickCol, clickRow, figureCol, figureRow;
};

WalkSquares WalkSquaresOf(const GameState& s) {
  return {s.MouseX / 32, s.MouseY / 32, int64_t{s.PlayerCol} + 1, s.PlayerRow};
}

}  // namespace

void MouseButtonDown(GameState& s, int x, int y, GameHost& host) {
  if (DismissTitleOrAbout(s, host)) return;
  s.MouseX = x;
  s.MouseY = y;
  const auto [clickCol, clickRow, figureCol, figureRow] = WalkSquaresOf(s);
  if (clickRow == figureRow && clickCol > figureCol) {
    s.MouseWalkRight = true;
  } else if (clickRow == figureRow && clickCol < figureCol) {
    s.MouseWalkLeft = true;
  } else if (clickCol == figureCol && clickRow > figureRow) {
    s.MouseWalkDown = true;
  } else if (clickCol == figureCol && clickRow < figureRow) {
    s.MouseWalkUp = true;
  }
}

void MouseButtonUp(GameState& s) {
  s.MouseWalkUp = false;
  s.MouseWalkDown = false;
  s.MouseWalkLeft = false;
  s.MouseWalkRight = false;
}

// A walk that runs into an obstacle repeats the blocked move on every step
// until the button is released.
void MouseWalkStep(GameState& s, bool wasAtRest, GameHost& host) {
  const auto [clickCol, clickRow, figureCol, figureRow] = WalkSquaresOf(s);
  if (s.MouseWalkLeft && clickCol >= figureCol) {
    s.MouseWalkLeft = false;
  } else if (s.MouseWalkRight && figureCol >= clickCol) {
    s.MouseWalkRight = false;
  } else if (s.MouseWalkUp && clickRow >= figureRow) {
    s.MouseWalkUp = false;
  } else if (s.MouseWalkDown && figureRow >= clickRow) {
    s.MouseWalkDown = false;
  }

  if (!wasAtRest) return;
  if (s.MouseWalkRight) {
    TryMove(s, KEY_RIGHT, host);
  } else if (s.MouseWalkLeft) {
    TryMove(s, KEY_LEFT, host);
  } else if (s.MouseWalkDown) {
    TryMove(s, KEY_DOWN, host);
  } else if (s.MouseWalkUp) {
    TryMove(s, KEY_UP, host);
  }
}

}  // namespace lorvix
