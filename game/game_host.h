#pragma once
// What the rules ask of the window around them. The rules themselves never
// draw, play sounds or touch files: they call these hooks, and the game
// window (or a test, or a level tool) decides what each one does. Every hook
// has a harmless default so that tools such as the solver can ignore them.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lorvix {

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Output of the rules.
  virtual void PlayEffect(int /*sound*/) {}
  virtual void RedrawCells(int /*c0*/, int /*c1*/, int /*r0*/, int /*r1*/) {}
  virtual void InvalidateAll() {}
  virtual void UpdateStatusLine() {}
  virtual void LevelSolved() {}

  // Navigation asked for by the command keys, retry and restart.
  virtual void NextLevel() {}
  virtual void PreviousLevel() {}
  virtual void NextWorld() {}
  virtual void PreviousWorld() {}
  virtual bool LoadWorldLevel() { return true; }
  virtual void LoadExtraLevel() {}
  virtual void OpenUserLevel() {}
  virtual void RestartWorld() {}
  virtual void CloseRequest() {}

  // Title and about animations, driven by the game tick.
  virtual void TitleStep() {}
  virtual void AboutStep() {}

  // The millisecond clock and the program's pseudo-random generator.
  virtual uint32_t TickCount() { return 0; }
  virtual int Random() { return 0; }
};

// RedrawCells for ranges computed around squares that may come unchecked
// from a level file: the bounds are worked out in 64 bits and handed on
// unchanged whenever they fit an int (always, for squares on the board).
inline void RequestRedraw(GameHost& host, int64_t c0, int64_t c1, int64_t r0, int64_t r1) {
  static constexpr int64_t lo = std::numeric_limits<int>::min();
  static constexpr int64_t hi = std::numeric_limits<int>::max();
  auto fit = [](int64_t v) { return static_cast<int>(std::clamp(v, lo, hi)); };
  host.RedrawCells(fit(c0), fit(c1), fit(r0), fit(r1));
}

}  // namespace lorvix
