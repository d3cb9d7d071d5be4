// Moving between levels and worlds: the commands of the level and world
// menus and the keys +, -, * and /. The worlds file holds ten worlds of ten
// levels; an extra world counts as one world of its own length.

#include <algorithm>
#include <array>
#include <fstream>

#include "gamewindow/game_window.h"
#include "levels/level_files.h"
#include "levels/settings.h"
#include "levels/work_files.h"
#include "levels/world_layout.h"

namespace lorvix {
namespace {

// A block of level numbers and the level a world command goes to from it.
// Numbers in no block stay as they are (the level is reloaded).
struct WorldStep {
  int32_t first, last, target;
};

constexpr std::array<WorldStep, 9> kNextWorld = {{
    {1, 10, 11}, {11, 20, 21}, {21, 30, 31}, {31, 40, 41}, {41, 50, 51},
    {51, 60, 61}, {61, 70, 71}, {71, 80, 81}, {81, 90, 91},
}};

constexpr std::array<WorldStep, 9> kPreviousWorld = {{
    {11, 20, 1}, {21, 30, 11}, {31, 40, 21}, {41, 50, 31}, {51, 60, 41},
    {61, 70, 51}, {71, 80, 61}, {81, 90, 71}, {91, 100, 81},
}};

template <size_t N>
int32_t StepWorld(const std::array<WorldStep, N>& table, int32_t level) {
  for (const WorldStep& step : table)
    if (level >= step.first && level <= step.last) return step.target;
  return level;
}

bool CanOpen(const std::string& path) { return std::ifstream(path).is_open(); }

}  // namespace

// In an extra world the next level opens only once this one is solved,
// which needs both its record and its solution file. A refused step
// restarts the level; a step beyond the last level loads nothing.
void TMyWindow::NextLevel() {
  if (ExtraWorld) {
    const int32_t n = LevelNumber;
    LevelNumber = n + 1;
    const WorkPlaces places{ProgramDir, DataDir};
    if (ReadRecord(WorkFileToRead(places, ExtraRecordsPath), n) == 0 ||
        !CanOpen(WorkFileToRead(places, ExtraSolutionPathFor(ExtraWorldPath, n)))) {
      ShowNotice(NOTICE_NOT_SOLVED);
      LevelNumber = n;
    }
    if (LevelNumber > LevelCount) {
      ShowNotice(NOTICE_LAST_LEVEL);
      // An empty pack must not leave the game at level 0.
      LevelNumber = std::max(LevelNumber - 1, 1);
      return;
    }
    MoveCount = 0;
    LoadExtraLevel();
    return;
  }
  if (EditorLevel) return;
  if (IsLastOfWorld(LevelNumber)) {
    ShowNotice(NOTICE_LAST_LEVEL);
    return;
  }
  if (LevelNumber < LevelCount) {
    TitleShowing = false;
    ++LevelNumber;
    LoadWorldLevelOrQuit();
  } else {
    // A worlds file shorter than this level: stay on its last level (or on
    // level 1 when the file has none).
    LevelNumber = std::max(LevelCount, 1);
    Retry();
  }
}

void TMyWindow::PreviousLevel() {
  if (ExtraWorld) {
    if (--LevelNumber >= 1) {
      MoveCount = 0;
      LoadExtraLevel();
    } else {
      LevelNumber = 1;
      ShowNotice(NOTICE_FIRST_LEVEL);
    }
    return;
  }
  if (EditorLevel) return;
  if (IsFirstOfWorld(LevelNumber)) {
    ShowNotice(NOTICE_FIRST_LEVEL);
    return;
  }
  TitleShowing = false;
  --LevelNumber;
  LoadWorldLevelOrQuit();
}

// The world commands work on the number in every mode, so from an extra
// world or a user level they lead back into the worlds file.
void TMyWindow::NextWorld() {
  TitleShowing = false;
  LevelNumber = StepWorld(kNextWorld, LevelNumber);
  LoadWorldLevelOrQuit();
}

void TMyWindow::PreviousWorld() {
  TitleShowing = false;
  LevelNumber = StepWorld(kPreviousWorld, LevelNumber);
  LoadWorldLevelOrQuit();
}

void TMyWindow::SelectWorld(int world) {
  TitleShowing = false;
  LevelNumber = FirstLevelOfWorld(world);
  LoadWorldLevelOrQuit();
}

bool TMyWindow::NextLevelEnabled() const {
  if (ExtraWorld) return LevelNumber < LevelCount;
  return LevelNumber < LevelCount && !IsLastOfWorld(LevelNumber);
}

bool TMyWindow::PreviousLevelEnabled() const {
  if (ExtraWorld) return LevelNumber > 1;
  return LevelNumber > 1 && !IsFirstOfWorld(LevelNumber);
}

}  // namespace lorvix
