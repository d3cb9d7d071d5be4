// The song list dialog "Hintergrundmusik - Songauswahl": one row per slot
// of the song list, "Frei" for an empty one. A slot is changed by choosing
// a MIDI file (button or double click) or emptied; each change is written
// to the settings file at once, so OK only closes the dialog. The song that
// plays goes on; the changes count from the next random pick.

#include <filesystem>
#include <string>
#include <vector>

#include "audio/song_list.h"
#include "gamewindow/game_window.h"

namespace lorvix {
namespace {

using platform::Control;
using Kind = platform::Control::Kind;

constexpr int ID_CHANGE = 101;
constexpr int ID_EMPTY = 102;
constexpr int ID_SONGS = 104;
constexpr int ID_NONE = -1;

// Layout in dialog units.
const platform::DialogSpec kSongListDialog{
    "Hintergrundmusik - Songauswahl", 305, 184,
    {
        Control{Kind::Label, ID_NONE, {56, 9, 193, 8},
                "Bitte zuerst einen Eintrag zum Ändern/Löschen auswählen."},
        Control{Kind::Button, ID_CHANGE, {75, 28, 59, 14}, "Eintag ändern"},
        Control{Kind::Button, ID_EMPTY, {171, 28, 59, 14}, "Eintrag löschen"},
        Control{Kind::ListBox, ID_SONGS, {28, 52, 248, 100}, ""},
        Control{Kind::Button, platform::DIALOG_OK, {104, 160, 95, 14}, "OK"},
    }};

class TDlgMidi : public platform::WindowEvents {
 public:
  TDlgMidi(platform::Platform& platform, const std::string& settingsFile, std::string musicDir)
      : platform_(platform), settingsFile_(settingsFile), musicDir_(std::move(musicDir)) {}

  void DialogSetup(platform::Controls& controls) override { FillList(controls); }

  void ControlActivated(platform::Controls& controls, int id, int row) override {
    if (id == ID_CHANGE) ChangeSlot(controls, controls.Selection(ID_SONGS));
    else if (id == ID_SONGS && row >= 0) ChangeSlot(controls, row);
    else if (id == ID_EMPTY) EmptySlot(controls, controls.Selection(ID_SONGS));
  }

 private:
  void FillList(platform::Controls& controls) {
    std::vector<std::string> rows;
    for (const std::string& song : ReadSongList(settingsFile_)) rows.push_back(song.empty() ? "Frei" : song);
    controls.SetRows(ID_SONGS, rows);
  }

  bool HasSelection(int slot) {
    if (slot >= 0) return true;
    platform_.MessageBox("Sie müssen erst einen Eintrag auswählen.", "Sorry", platform::Icon::None,
                         platform::Buttons::Ok);
    return false;
  }

  void ChangeSlot(platform::Controls& controls, int slot) {
    if (!HasSelection(slot)) return;
    const platform::FileDialogResult chosen =
        platform_.OpenFileDialog({"Midi - Datei (*.mid)|*.mid", "mid", musicDir_, true, false});
    if (!chosen.confirmed) {
      if (chosen.errorCode != 0)
        platform_.MessageBox("Fehler beim öffnen der Datei #" + std::to_string(chosen.errorCode),
                             "Datei Fehler", platform::Icon::Stop, platform::Buttons::Ok);
      return;
    }
    WriteSong(settingsFile_, slot, chosen.path);
    FillList(controls);
  }

  void EmptySlot(platform::Controls& controls, int slot) {
    if (!HasSelection(slot)) return;
    WriteSong(settingsFile_, slot, "");
    FillList(controls);
  }

  platform::Platform& platform_;
  const std::string& settingsFile_;
  const std::string musicDir_;
};

}  // namespace

// The file dialog opens in the folder of the game's own tunes when it is
// there; otherwise it starts wherever the system puts it.
void TMyWindow::ShowSongList() {
  std::error_code ignored;
  const std::string musicDir = ProgramDir + "musik";
  TDlgMidi dialog(Platform, SettingsPath, std::filesystem::is_directory(musicDir, ignored) ? musicDir : "");
  Platform.RunDialog(kSongListDialog, dialog);
}

}  // namespace lorvix
