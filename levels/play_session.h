#pragma once
// Playing a level without a window: keys go to the real rules, and the game
// tick runs on a simulated clock until the figure and every slider are at
// rest. The command-line tools use it to play, check and solve levels.

#include <optional>
#include <string_view>

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/tick.h"
#include "levels/level_files.h"

namespace lorvix {

class PlaySession {
 public:
  // The level as a level load leaves it, with the title and about screens
  // gone, tile animation off (so the board holds only what the moves did)
  // and smooth movement on.
  explicit PlaySession(const LevelRecord& level);
  PlaySession(const PlaySession&) = delete;
  PlaySession& operator=(const PlaySession&) = delete;

  // The key of a move letter: R, L, U, D (arrow keys) and Z (undo).
  static std::optional<int> KeyForLetter(char letter);
  // The first character of `moves` that is not a move letter, if any.
  static std::optional<char> FirstBadLetter(std::string_view moves);

  // Lets the game come to rest, then presses the key. Once the level is
  // solved further keys are ignored: the figure stays on the exit.
  void Press(int key);
  // Presses the key of every letter in turn, then lets the game come to
  // rest. Returns false, before pressing anything, when a letter is not a
  // move letter.
  bool Play(std::string_view moves);
  // Runs game ticks until the figure has stopped gliding and no slider
  // moves. Returns false if that did not happen within a generous number
  // of ticks (a slide that never ends), leaving the state as it is then.
  bool Settle();

  const GameState& State() const { return state_; }
  GameState& State() { return state_; }
  bool Solved() const { return host_.solved; }

 private:
  // Answers the rules' requests: a clock that moves only when the session
  // moves it, and a note when the level is solved. Nothing is drawn or
  // played, and solving does not load another level.
  struct Host : GameHost {
    uint32_t now = 0;
    bool solved = false;
    void LevelSolved() override { solved = true; }
    uint32_t TickCount() override { return now; }
  };

  bool AtRest() const;

  GameState state_;
  TickState tick_;
  Host host_;
};

}  // namespace lorvix
