// What the game keeps when a level is solved (record, password, solution),
// and the two commands built on it: replaying a stored solution and
// deleting the records.

#include <cstdint>
#include <fstream>

#include "gamewindow/game_window.h"
#include "levels/level_files.h"
#include "levels/passwords.h"
#include "levels/settings.h"
#include "levels/work_files.h"
#include "levels/world_layout.h"

namespace lorvix {
namespace {

// A record is beaten by a result at least as good. Both are compared as
// unsigned numbers, so a negative move count never beats a stored record;
// 0 stands for "no record yet".
bool IsNewBest(int32_t record, int32_t moves) {
  return record == 0 || static_cast<uint32_t>(record) >= static_cast<uint32_t>(moves);
}

// Stores the move list as the solution that belongs at `path`. Failures are
// silent: the level advances all the same.
void StoreSolution(const WorkPlaces& places, const std::string& path, MoveArray& moves, int32_t pos) {
  WriteWorkFile(places, path, [&](const std::string& file) { return WriteSolution(file, moves, pos); });
}

}  // namespace

// The solution is stored before the next level is loaded, since loading
// resets the move list. Without a level on the board there is nothing to
// store: the number in LevelNumber was never loaded.
void TMyWindow::LevelSolved() {
  if (NoLevel) return;
  const int32_t n = LevelNumber;
  const WorkPlaces places{ProgramDir, DataDir};

  if (ExtraWorld) {
    if (IsNewBest(ReadRecord(WorkFileToRead(places, ExtraRecordsPath), n), MoveCount))
      WriteWorkFile(places, ExtraRecordsPath,
                    [&](const std::string& file) { return WriteRecord(file, n, MoveCount); });
    StoreSolution(places, ExtraSolutionPathFor(ExtraWorldPath, n), MoveList, MoveListPos);
    LevelNumber = n + 1;
    if (LevelNumber > LevelCount) {
      ShowNotice(NOTICE_WORLD_DONE);
      LevelNumber = n;
    }
    LoadExtraLevel();
    MoveCount = 0;
    return;
  }

  if (EditorLevel) {
    StoreSolution(places, UserLevelSolutionPathFor(ProgramDir), MoveList, MoveListPos);
    RestartWorld();
    return;
  }

  WriteStoredPassword(SettingsPath, n, std::to_string(PasswordOf(PasswordTable, n)));
  if (IsNewBest(ReadRecord(SettingsPath, n), MoveCount)) {
    WriteRecord(SettingsPath, n, MoveCount);
    StoreSolution(places, WorldSolutionPathFor(ProgramDir, n), MoveList, MoveListPos);
  }
  LevelNumber = n + 1;
  if (IsLastOfWorld(n)) {
    Celebrate();
    ShowNotice(NOTICE_WORLD_DONE);
  }
  if (LevelNumber > LAST_WORLD_LEVEL) LevelNumber = LAST_WORLD_LEVEL;
  LoadWorldLevelOrQuit();
}

// The level is restarted from its file and the stored moves are handed to
// the game tick, which plays them one by one and stops on the end marker.
// Without a stored solution nothing happens at all, and when the level
// cannot be loaded again there is nothing to replay the moves on.
void TMyWindow::ReplaySolution() {
  const std::string path = WorkFileToRead(
      {ProgramDir, DataDir}, ExtraWorld    ? ExtraSolutionPathFor(ExtraWorldPath, LevelNumber)
                             : EditorLevel ? UserLevelSolutionPathFor(ProgramDir)
                                           : WorldSolutionPathFor(ProgramDir, LevelNumber));
  if (!std::ifstream(path).is_open()) return;
  Retry();
  if (NoLevel) return;
  if (ReadSolution(path, MoveList)) {
    MoveListPos = 0;
    Replaying = true;
  }
}

// Whatever the answer, the game starts again at level 1.
void TMyWindow::DeleteRecords() {
  if (Platform.MessageBox("Sind Sie sicher, daß Sie alle     \nRekorde löschen wollen ?     ", "FRAGE",
                          platform::Icon::Question, platform::Buttons::YesNo) == platform::Answer::Yes) {
    ClearRecords(SettingsPath, FIRST_WORLD_LEVEL, LAST_WORLD_LEVEL);
  }
  RestartGame();
}

}  // namespace lorvix
