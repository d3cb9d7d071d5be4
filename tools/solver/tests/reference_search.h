#pragma once
// The plainest search for the fewest counted moves, to hold the solver
// against: every key press from every position, played by the game's rules
// on a whole game state, with positions told apart by everything the rules
// may read (board, figure, the wall codes kept for open doors). Moves that
// count cost 1 and moves that do not cost 0, so a double-ended queue gives
// the positions in order of their moves. Only for small levels.

#include <deque>
#include <map>
#include <optional>
#include <tuple>

#include "game/rules.h"
#include "game/tick.h"
#include "levels/level_files.h"

namespace lorvix::solver {

struct ReferenceAnswer {
  bool complete = true;     // false when the position budget ran out
  std::optional<int> moves;  // fewest counted moves, none when unsolvable
};

inline ReferenceAnswer ReferenceFewestMoves(const LevelRecord& level, size_t budget = 50'000) {
  struct Host : GameHost {
    bool solved = false;
    void LevelSolved() override { solved = true; }
  };
  using Position = std::tuple<TileGrid, int32_t, int32_t, std::array<int32_t, KEY_PAIRS>, int32_t>;
  GameState s;
  ApplyLevel(s, level);
  s.TitleShowing = false;
  s.Replaying = true;
  auto positionOf = [&s] { return Position{s.Board, s.PlayerCol, s.PlayerRow, s.SavedDoorTiles, s.SavedExitDoorTile}; };
  auto load = [&s](const Position& p) {
    std::tie(s.Board, s.PlayerCol, s.PlayerRow, s.SavedDoorTiles, s.SavedExitDoorTile) = p;
    s.GlideX = s.GlideY = s.MoveCount = 0;
  };

  std::map<Position, int> best{{positionOf(), 0}};
  std::deque<std::pair<Position, int>> open{{positionOf(), 0}};
  ReferenceAnswer answer;
  while (!open.empty()) {
    const auto [from, moves] = open.front();
    open.pop_front();
    if (best[from] < moves) continue;
    if (answer.moves && moves >= *answer.moves) break;
    for (int key : {KEY_RIGHT, KEY_LEFT, KEY_UP, KEY_DOWN}) {
      load(from);
      Host host;
      TryMove(s, key, host);
      for (int steps = 0; s.Sliding && steps < 4 * BOARD_CELLS; ++steps) SlideStep(s, host);
      if (s.Sliding) {  // a slide that never ends: the game would hang
        s.Sliding = false;
        continue;
      }
      const int cost = moves + (s.MoveCount > 0 ? 1 : 0);
      if (host.solved) {
        if (!answer.moves || cost < *answer.moves) answer.moves = cost;
        continue;
      }
      auto [it, added] = best.try_emplace(positionOf(), cost);
      if (!added && it->second <= cost) continue;
      it->second = cost;
      if (best.size() > budget) return {false, std::nullopt};
      if (cost == moves)
        open.emplace_front(it->first, cost);
      else
        open.emplace_back(it->first, cost);
    }
  }
  return answer;
}

}  // namespace lorvix::solver
