// The game tick: the figure's glide, mouse walking, replays, the tile
// animations, the title and about animations and the sliding block, in this
// order. Each activity is spaced by its own counter, so a tick that has
// nothing to do costs almost nothing.

#include "game/tick.h"

#include <array>

#include "game/mouse_walk.h"
#include "game/rules.h"

namespace lorvix {

namespace {

inline constexpr uint32_t TICK_MS = 5;
// Without smooth movement the movement step runs on every third tick.
inline constexpr int BLOCK_MOVEMENT_LIMIT = 2;
inline constexpr int REPLAY_LIMIT = 5;
inline constexpr int SLIDE_LIMIT = 5;
inline constexpr int GLIDE_STEP = 2;

// The arrow key that replays each recorded move code.
struct ReplayedMove {
  int code;
  int key;
};
inline constexpr std::array<ReplayedMove, 4> REPLAYED_MOVES{{
    {MOVE_RIGHT, KEY_RIGHT},
    {MOVE_LEFT, KEY_LEFT},
    {MOVE_DOWN, KEY_DOWN},
    {MOVE_UP, KEY_UP},
}};

// The clock wraps after 49 days; the unsigned difference stays right.
bool TimeForTick(TickState& t, GameHost& host) {
  if (!t.started) {
    t.lastTick = host.TickCount();
    t.started = true;
  }
  if (host.TickCount() - t.lastTick < TICK_MS) return false;
  t.lastTick = host.TickCount();
  return true;
}

// Moves the figure's picture two pixels towards its square and redraws the
// squares it covers on the way.
void Glide(GameState& s, GameHost& host) {
  const int64_t col = s.PlayerCol;
  const int64_t row = s.PlayerRow;
  if (s.GlideX > 0) {
    s.GlideX -= GLIDE_STEP;
    RequestRedraw(host, col, col + 2, row, row + 1);
  } else if (s.GlideX < 0) {
    s.GlideX += GLIDE_STEP;
    RequestRedraw(host, col - 1, col + 1, row, row + 1);
  }
  if (s.GlideY > 0) {
    s.GlideY -= GLIDE_STEP;
    RequestRedraw(host, col, col + 1, row, row + 2);
  } else if (s.GlideY < 0) {
    s.GlideY += GLIDE_STEP;
    RequestRedraw(host, col, col + 1, row - 1, row + 1);
  }
}

// Plays the next recorded entry. The read position moves on before the
// entry is played, so that a replayed move that solves the level finds the
// move list as a played move leaves it, and the next level starts its own
// list at 0. An end marker ends the replay; an unknown entry, or the end of
// the list without a marker, makes the replay wait there.
void ReplayStep(GameState& s, GameHost& host) {
  if (s.MoveListPos < 0 || s.MoveListPos >= MOVE_LIST_SIZE) return;
  const int32_t code = s.MoveList[s.MoveListPos];
  if (code == MOVE_END) {
    s.Replaying = false;
    return;
  }
  if (code == MOVE_UNDO) {
    ++s.MoveListPos;
    Undo(s, host);
    return;
  }
  for (const ReplayedMove& move : REPLAYED_MOVES) {
    if (move.code != code) continue;
    ++s.MoveListPos;
    TryMove(s, move.key, host);
    return;
  }
}

void MovementStep(GameState& s, TickState& t, bool wasAtRest, GameHost& host) {
  Glide(s, host);
  MouseWalkStep(s, wasAtRest, host);
  if (wasAtRest && s.Replaying && !s.Sliding && !s.AboutShowing && CounterFires(t.replay, REPLAY_LIMIT))
    ReplayStep(s, host);
}

}  // namespace

void GameTick(GameState& s, TickState& t, GameHost& host) {
  if (!TimeForTick(t, host)) return;
  const bool wasAtRest = s.GlideX == 0 && s.GlideY == 0;

  if (!s.SmoothMovement && t.movementStep < BLOCK_MOVEMENT_LIMIT) {
    ++t.movementStep;
  } else {
    t.movementStep = 0;
    MovementStep(s, t, wasAtRest, host);
  }

  if (s.AnimationOn && !s.TitleShowing && !s.AboutShowing) AnimateTiles(s, t, host);

  if (s.TitleShowing) host.TitleStep();
  if (s.AboutShowing) host.AboutStep();
  if (s.Sliding && CounterFires(t.slide, SLIDE_LIMIT)) SlideStep(s, host);
}

}  // namespace lorvix
