// Teleporter pads: pads with equal codes are linked, and whatever enters one
// (the figure, or a block the figure pushes) comes out at the partner pad.
// Partners are searched in board order, column by column.

#include "game/moves.h"
#include "game/push_tables.h"

namespace lorvix {

// The figure stands on the partner pad itself and does not glide. With more
// than two pads of one code the figure is carried to each partner in turn
// and ends on the last; a pad without partner moves nothing.
void TeleportFigure(GameState& s, Spot pad, GameHost& host) {
  const int32_t code = CodeAt(s.Board, pad);
  for (int i = 0; i < BOARD_CELLS; ++i) {
    const Spot partner = SpotOfCell(i);
    if (s.Board[i] != code || partner == pad) continue;
    s.PlayerCol = static_cast<int32_t>(partner.col);
    s.PlayerRow = static_cast<int32_t>(partner.row);
    s.GlideX = 0;
    s.GlideY = 0;
    host.PlayEffect(SOUND_TELEPORT);
    RequestRedraw(host, pad.col - 1, pad.col + 2, pad.row - 1, pad.row + 2);
  }
}

// The block lands on the square beside a partner pad, in the push
// direction, if the teleported-push table allows it there; a landing square
// outside the board never does. Each partner that refuses the block bumps.
// Once the block has come out at one partner it is gone from its square, so
// further partners (only with three or more pads of one code) are not tried.
void TeleportedPush(GameState& s, int dir, Spot blockSquare, Spot pad, GameHost& host) {
  const int32_t block = CodeAt(s.Board, blockSquare);
  const int32_t padCode = CodeAt(s.Board, pad);
  for (int i = 0; i < BOARD_CELLS; ++i) {
    const Spot partner = SpotOfCell(i);
    if (s.Board[i] != padCode || partner == pad) continue;
    const Spot landing = Step(partner, dir);
    const PushRule* rule = FindPushRule(TELEPORTED_PUSH_TABLE, block, CodeAt(s.Board, landing));
    if (rule == nullptr) {
      host.PlayEffect(SOUND_BUMP);
      host.InvalidateAll();
      continue;
    }
    MoveFigureTo(s, blockSquare, dir);
    SetCodeAt(s.Board, blockSquare, rule->blockBecomes);
    SetCodeAt(s.Board, landing, rule->targetBecomes);
    if (rule->slides) StartSlide(s, landing, dir);
    host.PlayEffect(SOUND_TELEPORT);
    host.InvalidateAll();
    return;
  }
}

}  // namespace lorvix
