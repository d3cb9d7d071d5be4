// The game window's key-down handler: the gates every key passes, the set-up
// of the four arrow keys, the resolution of a move by the push table, and
// the bookkeeping after every arrow key.

#include <array>

#include "game/moves.h"
#include "game/push_tables.h"
#include "game/rules.h"

namespace lorvix {

namespace {

enum class Facing { Right, Left, Unchanged };

struct ArrowKey {
  int key;
  Facing facing;
  int recordedMove;
  int dir;
};

inline constexpr std::array<ArrowKey, 4> ARROW_KEYS{{
    {KEY_RIGHT, Facing::Right, MOVE_RIGHT, DIR_RIGHT},
    {KEY_LEFT, Facing::Left, MOVE_LEFT, DIR_LEFT},
    {KEY_UP, Facing::Unchanged, MOVE_UP, DIR_UP},
    {KEY_DOWN, Facing::Unchanged, MOVE_DOWN, DIR_DOWN},
}};

const ArrowKey* FindArrowKey(int key) {
  for (const ArrowKey& arrow : ARROW_KEYS)
    if (arrow.key == key) return &arrow;
  return nullptr;
}

// The six command keys leave the move rules to the navigation, undo and
// retry. Returns false for any other key.
bool RunCommandKey(GameState& s, int key, GameHost& host) {
  switch (key) {
    case KEY_NEXT_WORLD: host.NextWorld(); return true;
    case KEY_NEXT_LEVEL: host.NextLevel(); return true;
    case KEY_PREVIOUS_LEVEL: host.PreviousLevel(); return true;
    case KEY_PREVIOUS_WORLD: host.PreviousWorld(); return true;
    case KEY_UNDO: Undo(s, host); return true;
    case KEY_RETRY: Retry(s, host); return true;
    default: return false;
  }
}

void TakeUndoSnapshot(GameState& s) {
  s.UndoPlayerCol = s.PlayerCol;
  s.UndoPlayerRow = s.PlayerRow;
  s.UndoBoard = s.Board;
}

// Resolves one arrow move. The adjacent square A must be on the board for
// anything to happen; beyond it, squares outside the board read as an
// invisible wall, so a push towards the edge is blocked like one against a
// wall. A blocked move takes one off the counter, which the caller adds
// back, so that it does not count.
void ResolveMove(GameState& s, int dir, GameHost& host) {
  const Spot a = Step(FigureSpot(s), dir);
  if (!OnBoard(a)) {
    host.PlayEffect(SOUND_BUMP);
    return;
  }
  const Spot b = Step(a, dir);
  const int32_t codeA = CodeAt(s.Board, a);
  const int32_t codeB = CodeAt(s.Board, b);

  if (IsWalkable(codeA)) {
    MoveFigureTo(s, a, dir);
  } else if (IsBlock(codeA) && IsTeleporter(codeB)) {
    TeleportedPush(s, dir, a, b, host);
  } else if (IsTeleporter(codeA)) {
    TeleportFigure(s, a, host);
  } else if (const PushRule* rule = FindPushRule(PUSH_TABLE, codeA, codeB)) {
    if (rule->slides) StartSlide(s, b, dir);
    PushBlock(s, dir, rule->blockBecomes, rule->targetBecomes, host);
  } else {
    host.PlayEffect(SOUND_BUMP);
    --s.MoveCount;
  }
}

void ArrowMove(GameState& s, const ArrowKey& arrow, GameHost& host) {
  if (arrow.facing != Facing::Unchanged) s.FacingRight = arrow.facing == Facing::Right;
  RecordMove(s, arrow.recordedMove);
  ResolveMove(s, arrow.dir, host);

  ++s.MoveCount;
  s.MovedSinceUndo = true;
  const int64_t col = s.PlayerCol;
  const int64_t row = s.PlayerRow;
  RequestRedraw(host, col - 1, col + 2, row - 1, row + 2);
  CheckSquares(s, host);
}

}  // namespace

// Every key passes the gates in this order. A key that gets past the
// command keys refreshes the undo snapshot even when it then moves nothing,
// so undo always returns to the state of the most recent such key press.
// Without a level on the board only the command keys work.
void TryMove(GameState& s, int key, GameHost& host) {
  if (DismissTitleOrAbout(s, host)) return;
  if (s.Sliding) return;
  if (RunCommandKey(s, key, host)) return;
  if (s.NoLevel) return;
  TakeUndoSnapshot(s);
  if (s.GlideX != 0 || s.GlideY != 0) return;
  if (const ArrowKey* arrow = FindArrowKey(key)) ArrowMove(s, *arrow, host);
}

// Both squares must lie on the board; the move rules only call this for a
// push that the push table allows.
void PushBlock(GameState& s, int dir, int leftBehind, int landed, GameHost& host) {
  if (!IsDirection(dir)) return;
  const Spot a = Step(FigureSpot(s), dir);
  const Spot b = Step(a, dir);
  if (!OnBoard(a) || !OnBoard(b)) return;
  host.PlayEffect(SOUND_PUSH);
  SetCodeAt(s.Board, a, leftBehind);
  SetCodeAt(s.Board, b, landed);
  MoveFigureTo(s, a, dir);
}

}  // namespace lorvix
