#pragma once
// What a push does to the block next to the figure and to the square it is
// pushed onto, as two tables: the direct push, and the push through a
// teleporter pad, where the block lands beside the partner pad.

#include <array>

#include "game/tiles.h"

namespace lorvix {

struct PushRule {
  int block;          // code of the pushed block (square A)
  int target;         // code of the square it is pushed onto
  int blockBecomes;   // what A holds afterwards
  int targetBecomes;  // what the target square holds afterwards
  bool slides;        // a slider that keeps moving after the push
};

// The direct push onto the square beyond the block. A block pushed onto
// water sinks and leaves a filled square.
inline constexpr std::array<PushRule, 15> PUSH_TABLE{{
    {TILE_CRATE, TILE_FLOOR, TILE_FLOOR, TILE_CRATE, false},
    {TILE_CRATE, TILE_TARGET, TILE_FLOOR, TILE_CRATE_ON_TARGET, false},
    {TILE_CRATE, TILE_WATER, TILE_FLOOR, TILE_FILLED, false},
    {TILE_CRATE_ON_TARGET, TILE_FLOOR, TILE_TARGET, TILE_CRATE, false},
    {TILE_CRATE_ON_TARGET, TILE_TARGET, TILE_TARGET, TILE_CRATE_ON_TARGET, false},
    {TILE_CRATE_ON_TARGET, TILE_WATER, TILE_TARGET, TILE_FILLED, false},
    {TILE_SLIDER, TILE_FLOOR, TILE_FLOOR, TILE_SLIDER, true},
    {TILE_SLIDER, TILE_TARGET, TILE_FLOOR, TILE_SLIDER_ON_TARGET, true},
    {TILE_SLIDER, TILE_WATER, TILE_FLOOR, TILE_FILLED, false},
    {TILE_SLIDER_ON_TARGET, TILE_FLOOR, TILE_TARGET, TILE_SLIDER, true},
    {TILE_SLIDER_ON_TARGET, TILE_TARGET, TILE_TARGET, TILE_SLIDER_ON_TARGET, true},
    {TILE_SLIDER_ON_TARGET, TILE_WATER, TILE_TARGET, TILE_FILLED, false},
    {TILE_PLUG, TILE_FLOOR, TILE_FLOOR, TILE_PLUG, false},
    {TILE_PLUG, TILE_TARGET, TILE_FLOOR, TILE_FILLED, false},
    {TILE_PLUG, TILE_WATER, TILE_FLOOR, TILE_FILLED, false},
}};

// The push into a teleporter pad; the target is the square beside the
// partner pad. Crates on target and sliders cannot be sunk this way.
inline constexpr std::array<PushRule, 12> TELEPORTED_PUSH_TABLE{{
    {TILE_CRATE, TILE_FLOOR, TILE_FLOOR, TILE_CRATE, false},
    {TILE_CRATE, TILE_TARGET, TILE_FLOOR, TILE_CRATE_ON_TARGET, false},
    {TILE_CRATE, TILE_WATER, TILE_FLOOR, TILE_FILLED, false},
    {TILE_CRATE_ON_TARGET, TILE_FLOOR, TILE_TARGET, TILE_CRATE, false},
    {TILE_CRATE_ON_TARGET, TILE_TARGET, TILE_TARGET, TILE_CRATE_ON_TARGET, false},
    {TILE_SLIDER, TILE_FLOOR, TILE_FLOOR, TILE_SLIDER, true},
    {TILE_SLIDER, TILE_TARGET, TILE_FLOOR, TILE_SLIDER_ON_TARGET, true},
    {TILE_SLIDER_ON_TARGET, TILE_FLOOR, TILE_TARGET, TILE_SLIDER, true},
    {TILE_SLIDER_ON_TARGET, TILE_TARGET, TILE_TARGET, TILE_SLIDER_ON_TARGET, true},
    {TILE_PLUG, TILE_FLOOR, TILE_FLOOR, TILE_PLUG, false},
    {TILE_PLUG, TILE_TARGET, TILE_FLOOR, TILE_FILLED, false},
    {TILE_PLUG, TILE_WATER, TILE_FLOOR, TILE_FILLED, false},
}};

// The row for (block, target), or nullptr when the push is not possible.
template <std::size_t N>
constexpr const PushRule* FindPushRule(const std::array<PushRule, N>& table, int block, int target) {
  for (const PushRule& rule : table)
    if (rule.block == block && rule.target == target) return &rule;
  return nullptr;
}

}  // namespace lorvix
