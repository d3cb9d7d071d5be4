// The sliding green block: one square per slide step until something stops
// it. It never enters the figure's square, sinks in water and passes
// through teleporter pads. Squares outside the board read as an invisible
// wall, so a slide towards an open edge ends there.
//
// Pads can send a slider round in a circle: two pads in one row with floor
// between them let it leave one pad, slide into the other and come out of
// the first again. While nothing but the slider moves, everything it meets
// depends only on its square, so coming back to a square it has passed in
// this slide means it would go round for ever. The slide ends on that
// square instead; every other slide is left as it is, and no slide takes
// more steps than the board has squares.

#include <array>
#include <optional>

#include "game/direction.h"
#include "game/rules.h"

namespace lorvix {

namespace {

enum class SlideThen { GoesOn, Ends, Teleports };

inline constexpr int UNCHANGED = -1;

struct SlideRule {
  int slider;        // code at the slider's square S
  int aheadFirst;    // range of codes at the square ahead H
  int aheadLast;
  int sliderBecomes;
  int aheadBecomes;
  SlideThen then;
};

// Any pair not listed ends the slide and changes nothing.
inline constexpr std::array<SlideRule, 8> SLIDE_TABLE{{
    {TILE_SLIDER, TILE_FLOOR, TILE_FLOOR, TILE_FLOOR, TILE_SLIDER, SlideThen::GoesOn},
    {TILE_SLIDER_ON_TARGET, TILE_FLOOR, TILE_FLOOR, TILE_TARGET, TILE_SLIDER, SlideThen::GoesOn},
    {TILE_SLIDER, TILE_TARGET, TILE_TARGET, TILE_FLOOR, TILE_SLIDER_ON_TARGET, SlideThen::GoesOn},
    {TILE_SLIDER_ON_TARGET, TILE_TARGET, TILE_TARGET, TILE_TARGET, TILE_SLIDER_ON_TARGET, SlideThen::GoesOn},
    {TILE_SLIDER, TILE_TELEPORT_FIRST, TILE_TELEPORT_LAST, TILE_FLOOR, UNCHANGED, SlideThen::Teleports},
    {TILE_SLIDER_ON_TARGET, TILE_TELEPORT_FIRST, TILE_TELEPORT_LAST, TILE_TARGET, UNCHANGED, SlideThen::Teleports},
    {TILE_SLIDER, TILE_WATER, TILE_WATER, TILE_FLOOR, TILE_FILLED, SlideThen::Ends},
    {TILE_SLIDER_ON_TARGET, TILE_WATER, TILE_WATER, TILE_TARGET, TILE_FILLED, SlideThen::Ends},
}};

const SlideRule* FindSlideRule(int slider, int ahead) {
  for (const SlideRule& rule : SLIDE_TABLE)
    if (rule.slider == slider && ahead >= rule.aheadFirst && ahead <= rule.aheadLast) return &rule;
  return nullptr;
}

std::optional<Spot> FirstPartnerPad(const TileGrid& board, Spot pad) {
  const int32_t code = CodeAt(board, pad);
  for (int i = 0; i < BOARD_CELLS; ++i)
    if (board[i] == code && SpotOfCell(i) != pad) return SpotOfCell(i);
  return std::nullopt;
}

// The slider comes to rest on `at`.
Spot EndSlide(GameState& s, Spot at) {
  s.Sliding = false;
  return at;
}

// The slider on `from` enters pad `pad` and comes out beside the first
// partner pad, on floor or a target socket only: it lands there just as it
// would slide onto such a square. The slide ends without any change when
// the pad has no partner (otherwise the keys would stay locked for good),
// when the landing square is anything else or off the board, and when the
// figure stands there.
Spot SlideThroughPad(GameState& s, Spot from, Spot pad, int dir, GameHost& host) {
  const std::optional<Spot> partner = FirstPartnerPad(s.Board, pad);
  if (!partner) return EndSlide(s, from);
  const Spot landing = Step(*partner, dir);
  if (landing == Spot{s.PlayerCol, s.PlayerRow}) return EndSlide(s, from);
  const SlideRule* rule = FindSlideRule(CodeAt(s.Board, from), CodeAt(s.Board, landing));
  if (rule == nullptr || rule->then != SlideThen::GoesOn) return EndSlide(s, from);
  SetCodeAt(s.Board, from, rule->sliderBecomes);
  SetCodeAt(s.Board, landing, rule->aheadBecomes);
  s.SlideCol = static_cast<int32_t>(landing.col);
  s.SlideRow = static_cast<int32_t>(landing.row);
  host.PlayEffect(SOUND_TELEPORT);
  host.InvalidateAll();
  return landing;
}

// Moves the slider one square if it can and returns where it is now.
Spot Advance(GameState& s, Spot from, int dir, GameHost& host) {
  const Spot ahead = Step(from, dir);
  if (ahead == Spot{s.PlayerCol, s.PlayerRow}) return EndSlide(s, from);
  const SlideRule* rule = FindSlideRule(CodeAt(s.Board, from), CodeAt(s.Board, ahead));
  if (rule == nullptr) return EndSlide(s, from);
  if (rule->then == SlideThen::Teleports) return SlideThroughPad(s, from, ahead, dir, host);
  SetCodeAt(s.Board, from, rule->sliderBecomes);
  SetCodeAt(s.Board, ahead, rule->aheadBecomes);
  if (rule->then == SlideThen::Ends) return EndSlide(s, from);
  s.SlideCol = static_cast<int32_t>(ahead.col);
  s.SlideRow = static_cast<int32_t>(ahead.row);
  return ahead;
}

// Notes the square as passed; returns whether it had been passed before.
bool PassedBefore(GameState& s, Spot at) {
  if (!OnBoard(at)) return false;
  const int index = CellIndex(static_cast<int>(at.col), static_cast<int>(at.row));
  const bool before = s.SlidePassed[index];
  s.SlidePassed[index] = true;
  return before;
}

}  // namespace

// A slide with no valid direction simply ends; only the checks run.
void SlideStep(GameState& s, GameHost& host) {
  const int dir = s.SlideDir;
  if (!IsDirection(dir)) {
    s.Sliding = false;
    CheckSquares(s, host);
    return;
  }
  const Spot from{s.SlideCol, s.SlideRow};
  PassedBefore(s, from);
  const Spot at = Advance(s, from, dir, host);
  if (s.Sliding && PassedBefore(s, at)) EndSlide(s, at);
  if (IsHorizontal(dir))
    RequestRedraw(host, at.col - 1, at.col + 2, at.row, at.row + 1);
  else
    RequestRedraw(host, at.col, at.col + 1, at.row - 1, at.row + 2);
  CheckSquares(s, host);
}

}  // namespace lorvix
