// Loading a level into the game window from each of the three sources: the
// worlds file, a user level (.sda) and an extra world (.sde). Every
// successful load starts the level afresh; every failure is told to the
// player by a notice.

#include <array>

#include "gamewindow/game_window.h"
#include "levels/level_files.h"
#include "levels/level_start.h"
#include "levels/settings.h"
#include "levels/work_files.h"
#include "levels/world_layout.h"

namespace lorvix {
namespace {

struct Notice {
  const char* text;
  const char* caption;
  platform::Icon icon;
};

// Kind 0..4 of ShowNotice. The text of kind 4 takes the file name.
constexpr std::array<Notice, 5> kNotices = {{
    {"Sie müssen erst diese Spielebene überwinden.", "Sorry", platform::Icon::None},
    {"Dies ist die letzte Spielebene in dieser Spielwelt", "Sorry", platform::Icon::None},
    {"Dies ist bereits die erste Spielebene in dieser Spielwelt", "Sorry", platform::Icon::None},
    {"Sie haben alle Spielebenen dieser Spielwelt geschafft.", "Herzlichen Glückwunsch !",
     platform::Icon::None},
    {"Fehler beim Öffnen der Datei %s .", "Datei Fehler", platform::Icon::Stop},
}};

std::string NoticeText(int kind, const std::string& fileName) {
  std::string text = kNotices[static_cast<size_t>(kind)].text;
  if (kind == NOTICE_FILE_ERROR) text.replace(text.find("%s"), 2, fileName);
  return text;
}

// The empty board of a failed world level load; returns false.
bool NoWorldLevel(TMyWindow& w) {
  ShowNoLevel(w);
  w.BestMoves = 0;
  return false;
}

platform::FileDialogRequest OpenRequest(const char* filter, const char* extension,
                                        const std::string& dir) {
  return {filter, extension, dir, true};
}

}  // namespace

void TMyWindow::ShowNotice(int kind, const std::string& text) {
  if (kind < 0 || kind >= static_cast<int>(kNotices.size())) return;
  const Notice& notice = kNotices[static_cast<size_t>(kind)];
  Platform.MessageBox(NoticeText(kind, text), notice.caption, notice.icon, platform::Buttons::Ok);
}

// The worlds file is used for levels 1..100 only. A number outside that
// range can only come from an extra world carried over by the world
// commands; refusing it keeps it away from the password table and makes
// the caller offer to quit, as for any level the file does not hold.
//
// A failed load leaves the empty board: the level number has already moved
// on, so the level still on the board would otherwise be played, and its
// record, solution and password stored, under a number that was not loaded.
bool TMyWindow::LoadWorldLevel() {
  if (LevelNumber < FIRST_WORLD_LEVEL || LevelNumber > LAST_WORLD_LEVEL) return NoWorldLevel(*this);
  PasswordGate();

  LevelRecord level = LevelOf(*this);
  int32_t count = LevelCount;
  const LevelReadResult result = ReadWorldsFile(WorldsFilePath, LevelNumber, level, count);
  if (result == LevelReadResult::CannotOpen) {
    ShowNotice(NOTICE_FILE_ERROR, "Level.dat");
    return NoWorldLevel(*this);
  }
  LevelCount = count;
  if (result != LevelReadResult::Ok) return NoWorldLevel(*this);

  StartLevel(*this, level);
  EditorLevel = false;
  ExtraWorld = false;
  AboutShowing = false;
  BestMoves = ReadRecord(SettingsPath, LevelNumber);
  return true;
}

void TMyWindow::LoadWorldLevelOrQuit() {
  if (!LoadWorldLevel()) CloseRequest();
  InvalidateAll();
}

// A pack that does not hold the level (one without levels, or one that has
// lost levels since it was opened) leaves the empty board, as a failed load
// does: the board shown before would otherwise be played, and its record
// and solution stored, as a level of this pack.
void TMyWindow::LoadExtraLevel() {
  LevelRecord level = LevelOf(*this);
  int32_t count = LevelCount;
  if (!ReadExtraWorldLevel(ExtraWorldPath, LevelNumber, level, count)) {
    ShowNotice(NOTICE_FILE_ERROR, ExtraWorldPath);
    RestartWorld();
    return;
  }
  LevelCount = count;
  EditorLevel = false;
  ExtraWorld = true;
  if (LevelNumber < 1 || LevelNumber > count) {
    ShowNoLevel(*this);
    BestMoves = 0;
  } else {
    StartLevel(*this, level);
    BestMoves = ReadRecord(WorkFileToRead({ProgramDir, DataDir}, ExtraRecordsPath), LevelNumber);
  }
  InvalidateAll();
}

// Cancelling the dialog keeps the level being played.
void TMyWindow::OpenUserLevel() {
  const platform::FileDialogResult chosen =
      Platform.OpenFileDialog(OpenRequest("Level (*.sda)|*.sda", "sda", ProgramDir));
  if (!chosen.confirmed) {
    if (chosen.errorCode != 0) ShowNotice(NOTICE_FILE_ERROR, chosen.path);
    return;
  }
  LevelRecord level = LevelOf(*this);
  if (!ReadUserLevel(chosen.path, level)) {
    ShowNotice(NOTICE_FILE_ERROR, chosen.path);
    return;
  }
  StartLevel(*this, level);
  LevelNumber = 1;
  EditorLevel = true;
  ExtraWorld = false;
  TitleShowing = false;
  AboutShowing = false;
  InvalidateAll();
}

// Unlike a user level, cancelling here leaves the level being played: the
// game returns to level 1 of the worlds file.
void TMyWindow::OpenExtraWorld() {
  LevelNumber = 1;
  const platform::FileDialogResult chosen =
      Platform.OpenFileDialog(OpenRequest("Levelpack (*.sde)|*.sde", "sde", ProgramDir));
  if (!chosen.confirmed) {
    if (chosen.errorCode != 0) ShowNotice(NOTICE_FILE_ERROR, chosen.path);
    RestartWorld();
    return;
  }
  ExtraWorldPath = chosen.path;
  ExtraRecordsPath = ExtraRecordsPathFor(ExtraWorldPath);

  ExtraWorldHeader header;
  if (!ReadExtraWorldHeader(ExtraWorldPath, header)) {
    ShowNotice(NOTICE_FILE_ERROR, ExtraWorldPath);
    RestartWorld();
    return;
  }
  Platform.MessageBox(header.lines[0] + "\n" + header.lines[1] + "\n" + header.lines[2], "Hinweis",
                      platform::Icon::None, platform::Buttons::Ok);
  LoadExtraLevel();
}

void TMyWindow::RestartWorld() {
  ExtraWorld = false;
  LevelNumber = 1;
  FacingRight = true;
  Sliding = false;
  LoadWorldLevelOrQuit();
}

}  // namespace lorvix
