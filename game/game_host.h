#pragma once
// What the rules ask of the window around them. The rules themselves never
// draw, play sounds or touch files: they call these hooks, and the game
// window (or a test, or a level tool) decides what each one does. Every hook
// has a harmless default so that tools such as the solver can ignore them.

#include <cstdint>

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

}  // namespace lorvix
