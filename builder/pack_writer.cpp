// Saving the list as a level pack (.sde, layout in levels/extra_world_file.cpp):
// the three text lines, the count, and every listed user level read into a
// zeroed record, so that fields a short file lacks are written as 0.
//
// The pack is written in one piece only after every listed file has been
// read. A file that cannot be read stops the save before anything is
// written, so a pack whose count promises missing levels never exists and a
// pack saved earlier under the same name stays as it was.

#include <cstdio>

#include "builder/builder_window.h"
#include "levels/level_files.h"

namespace wendrel {
namespace {

void FileError(platform::Platform& platform, const std::string& text) {
  platform.MessageBox(text, "Datei Fehler", platform::Icon::Stop, platform::Buttons::Ok);
}

}  // namespace

void TMyWindow::ShowSaveProgress(int slot) {
  SaveProgress = slot;
  Frame.Invalidate();
}

void TMyWindow::SaveExtraWorld() {
  platform::FileDialogRequest request;
  request.filter = "Extra-Spielwelt (*.sde)|*.sde";
  request.defaultExt = "sde";
  request.mustExist = false;
  request.overwritePrompt = true;
  const platform::FileDialogResult chosen = Platform.SaveFileDialog(request);
  if (!chosen.confirmed) {
    if (chosen.errorCode != 0) {
      char text[64];
      std::snprintf(text, sizeof text, "Fehler beim speichern der Datei #%d", chosen.errorCode);
      FileError(Platform, text);
    }
    return;
  }

  lorvix::ExtraWorldHeader header;
  for (size_t i = 0; i < TEXT_LINES.size(); ++i) header.lines[i] = Frame.Text(TEXT_LINES[i]);

  std::vector<lorvix::LevelRecord> levels;
  for (int slot = 0; slot < ENTRY_SLOTS; ++slot) {
    ShowSaveProgress(slot);
    if (Entries[slot].empty()) continue;
    lorvix::LevelRecord level{};
    if (!lorvix::ReadUserLevel(Entries[slot], level)) {
      FileError(Platform, "Fehler beim öffnen der Datei " + Entries[slot] + " .");
      return;
    }
    levels.push_back(level);
  }

  if (!lorvix::WriteExtraWorld(chosen.path, header, levels))
    FileError(Platform,
              "Fehler beim speichern der Datei.     \nBitte überprüfen Sie den freien "
              "Speicherplatz     \nauf dem Datenträger.");
}

}  // namespace wendrel
