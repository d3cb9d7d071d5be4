#pragma once
// One arrow key on one position, played by the game's own rules: the
// position is loaded into a scratch game state that records nothing, the
// key goes to TryMove, and a pushed slider slides to its end at once (the
// game would take many ticks, but nothing else can happen meanwhile: keys
// are locked while a block slides).

#include <array>

#include "game/game_host.h"
#include "game/game_state.h"
#include "levels/level_files.h"
#include "tools/solver/state_layout.h"

namespace lorvix::solver {

// The arrow keys in the order the search tries them, with their letters.
inline constexpr std::array<int, 4> ARROW_KEYS{KEY_RIGHT, KEY_LEFT, KEY_UP, KEY_DOWN};
inline constexpr std::array<char, 4> ARROW_LETTERS{'R', 'L', 'U', 'D'};

struct MoveOutcome {
  bool counted = false;  // the move counter grew
  bool solved = false;   // the figure reached the exit
  bool endless = false;  // a slider that never stops: the game would hang
};

class MoveRunner {
 public:
  explicit MoveRunner(const LevelRecord& level);
  MoveRunner(const MoveRunner&) = delete;
  MoveRunner& operator=(const MoveRunner&) = delete;

  // Plays the key (one of ARROW_KEYS) on the position; the result stays in
  // Result() until the next call.
  MoveOutcome Run(const Position& position, int key);
  const GameState& Result() const { return scratch_; }

  // Whether the checks that follow every move leave the position as it is.
  // On such a board walking changes nothing but the figure's square; only
  // the very first key of a level, or doors that share a square, can make
  // the checks change a board.
  bool Settled(const Position& position);

 private:
  void Load(const Position& position);

  struct Host : GameHost {
    bool solved = false;
    void LevelSolved() override { solved = true; }
  };

  GameState scratch_;
  Host host_;
};

}  // namespace lorvix::solver
