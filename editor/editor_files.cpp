// Checking, saving and loading the edited level as a user level file
// (.sda, one level record in editor style; levels/user_level_file.cpp
// describes the layout). Neither operation keeps state between calls: both
// dialogs start in the program directory with an empty name every time.

#include <array>

#include "editor/editor_check.h"
#include "editor/editor_window.h"
#include "gamewindow/game_window.h"
#include "levels/world_layout.h"

namespace lorvix {
namespace {

constexpr const char* kLevelFilter = "Level (*.sda)|*.sda";
constexpr const char* kLevelExtension = "sda";

struct MissingRecord {
  const int32_t TMyWindow2::*column;
  const char* message;
};

// The records without which the game cannot play a level, in the order
// they are checked. Only the column tells whether a record is placed.
constexpr std::array<MissingRecord, 3> kRequiredRecords{{
    {&TMyWindow2::StartCol, "Die Startposition des Spielers fehlt !"},
    {&TMyWindow2::ExitDoorCol, "Eine Tür zum Ausgang fehlt !"},
    {&TMyWindow2::ExitCol, "Der Ausgang fehlt !"},
}};

constexpr const char* kFileNotWritten =
    "Fehler beim Speichern der Datei.     \n"
    "Bitte überprüfen Sie den freien Speicherplatz     \n"
    "auf dem Datenträger.";

}  // namespace

LevelRecord TMyWindow2::CurrentLevel() const {
  LevelRecord level;
  level.KeySquares = KeySquares;
  level.DoorSquares = DoorSquares;
  level.Start = {StartCol, StartRow};
  level.Exit = {ExitCol, ExitRow};
  level.ExitDoor = {ExitDoorCol, ExitDoorRow};
  level.Board = Board;
  return level;
}

void TMyWindow2::ApplyLevel(const LevelRecord& level) {
  Check->LevelChanged();
  KeySquares = level.KeySquares;
  DoorSquares = level.DoorSquares;
  StartCol = level.Start.col;
  StartRow = level.Start.row;
  ExitCol = level.Exit.col;
  ExitRow = level.Exit.row;
  ExitDoorCol = level.ExitDoor.col;
  ExitDoorRow = level.ExitDoor.row;
  Board = level.Board;
}

bool TMyWindow2::ValidateLevel() {
  for (const MissingRecord& record : kRequiredRecords) {
    if (this->*record.column == NOT_PLACED) {
      Game.Platform.MessageBox(record.message, "Fehler", platform::Icon::Information,
                               platform::Buttons::Ok);
      return false;
    }
  }
  return true;
}

// The file is replaced atomically: a save that fails at any point leaves
// the file that was there as it was, and says so instead of reporting
// success.
void TMyWindow2::SaveUserLevel() {
  if (!ValidateLevel()) return;
  platform::FileDialogRequest request{kLevelFilter, kLevelExtension, ProgramDir};
  request.mustExist = false;
  request.overwritePrompt = true;
  const platform::FileDialogResult chosen = Game.Platform.SaveFileDialog(request);
  if (!chosen.confirmed) {
    if (chosen.errorCode != 0)
      Game.Platform.MessageBox("Fehler beim Speichern der Datei #" + std::to_string(chosen.errorCode),
                               "Datei Fehler", platform::Icon::Stop, platform::Buttons::Ok);
    return;
  }
  if (!WriteUserLevel(chosen.path, CurrentLevel())) {
    Game.Platform.MessageBox(kFileNotWritten, "Datei Fehler", platform::Icon::Stop,
                             platform::Buttons::Ok);
    return;
  }
  Game.Platform.MessageBox("Die Daten wurden gespeichert.", "OK", platform::Icon::Information,
                           platform::Buttons::Ok);
}

// The fields are not cleared first: a short file replaces what it holds
// and leaves the rest of the level as it was. Tool and cursor stay.
void TMyWindow2::LoadUserLevel() {
  const platform::FileDialogResult chosen =
      Game.Platform.OpenFileDialog({kLevelFilter, kLevelExtension, ProgramDir});
  if (!chosen.confirmed) {
    if (chosen.errorCode != 0) Game.ShowNotice(NOTICE_FILE_ERROR, chosen.path);
    return;
  }
  LevelRecord level = CurrentLevel();
  if (!ReadUserLevel(chosen.path, level)) {
    Game.ShowNotice(NOTICE_FILE_ERROR, chosen.path);
    return;
  }
  ApplyLevel(level);
  Repaint();
}

}  // namespace lorvix
