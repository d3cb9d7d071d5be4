#include "levels/play_session.h"

#include "game/rules.h"
#include "levels/level_start.h"

namespace lorvix {
namespace {

// The game tick runs at most every 5 ms.
constexpr uint32_t TICK_MS = 5;
// A glide takes 16 ticks and a slide 6 ticks per square; no slide on a
// 20 x 15 board, even one looping through teleporters that the rules end,
// comes near this.
constexpr int MAX_SETTLE_TICKS = 100000;

}  // namespace

PlaySession::PlaySession(const LevelRecord& level) {
  StartLevel(state_, level);
  state_.TitleShowing = false;
  state_.AboutShowing = false;
  state_.AnimationOn = 0;
  state_.SmoothMovement = true;
}

std::optional<int> PlaySession::KeyForLetter(char letter) {
  switch (letter) {
    case 'R': return KEY_RIGHT;
    case 'L': return KEY_LEFT;
    case 'U': return KEY_UP;
    case 'D': return KEY_DOWN;
    case 'Z': return KEY_UNDO;
    default: return std::nullopt;
  }
}

std::optional<char> PlaySession::FirstBadLetter(std::string_view moves) {
  for (char letter : moves)
    if (!KeyForLetter(letter)) return letter;
  return std::nullopt;
}

bool PlaySession::AtRest() const {
  return state_.GlideX == 0 && state_.GlideY == 0 && !state_.Sliding;
}

bool PlaySession::Settle() {
  for (int tick = 0; tick < MAX_SETTLE_TICKS && !AtRest(); ++tick) {
    host_.now += TICK_MS;
    GameTick(state_, tick_, host_);
  }
  return AtRest();
}

void PlaySession::Press(int key) {
  Settle();
  if (host_.solved) return;
  TryMove(state_, key, host_);
}

bool PlaySession::Play(std::string_view moves) {
  if (FirstBadLetter(moves)) return false;
  for (char letter : moves) Press(*KeyForLetter(letter));
  Settle();
  return true;
}

}  // namespace lorvix
