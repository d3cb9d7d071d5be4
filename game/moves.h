#pragma once
// Pieces of a move shared by the direct moves, the teleporters and undo.

#include "game/direction.h"
#include "game/game_host.h"
#include "game/game_state.h"

namespace lorvix {

inline Spot FigureSpot(const GameState& s) { return {s.PlayerCol, s.PlayerRow}; }

// Records a move code unless the list is full or a replay is reading it.
inline void RecordMove(GameState& s, int code) {
  if (s.MoveListPos >= 0 && s.MoveListPos < MOVE_LIST_SIZE && !s.Replaying) s.MoveList[s.MoveListPos++] = code;
}

// Puts the figure on a square of the board at once; its picture stays
// where it was and glides after it.
inline void MoveFigureTo(GameState& s, Spot to, int dir) {
  s.PlayerCol = static_cast<int32_t>(to.col);
  s.PlayerRow = static_cast<int32_t>(to.row);
  s.GlideX = DIRECTION_STEPS[dir].glideX;
  s.GlideY = DIRECTION_STEPS[dir].glideY;
}

// A slider on square `at` of the board starts sliding in direction `dir`.
inline void StartSlide(GameState& s, Spot at, int dir) {
  s.Sliding = true;
  s.SlideCol = static_cast<int32_t>(at.col);
  s.SlideRow = static_cast<int32_t>(at.row);
  s.SlideDir = dir;
  s.SlidePassed.reset();
}

// A key or click while the title or the about screen shows only dismisses
// that screen. Returns whether it did.
inline bool DismissTitleOrAbout(GameState& s, GameHost& host) {
  if (!s.TitleShowing && !s.AboutShowing) return false;
  if (s.TitleShowing)
    s.TitleShowing = false;
  else
    s.AboutShowing = false;
  host.InvalidateAll();
  return true;
}

// The figure walks into teleporter pad `pad` and is carried to its partner.
void TeleportFigure(GameState& s, Spot pad, GameHost& host);

// The figure pushes the block on `blockSquare` into teleporter pad `pad`;
// the block comes out beside the partner pad.
void TeleportedPush(GameState& s, int dir, Spot blockSquare, Spot pad, GameHost& host);

}  // namespace lorvix
