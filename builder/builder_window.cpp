#include "builder/builder_window.h"

#include <algorithm>
#include <cstdio>

#include "levels/any_level_file.h"

namespace wendrel {
namespace {

// "07  :  /home/anna/a.sda"; a free slot shows its number and the colon.
std::string ListRow(int slot, const std::string& entry) {
  char number[16];
  std::snprintf(number, sizeof number, slot < 10 ? "0%d" : "%d", slot);
  return number + std::string("  :  ") + entry;
}

std::string StatusText(int used) {
  return "Es sind " + std::to_string(used) + " von maximal 100 Einträgen belegt.";
}

}  // namespace

TMyWindow::TMyWindow(platform::Platform& platform, platform::Frame& frame, std::string programDir)
    : Platform(platform), Frame(frame), ProgramDir(std::move(programDir)) {}

void TMyWindow::SetupWindow() {
  SaveProgress = 0;
  RefreshList();
}

int TMyWindow::UsedEntries() const {
  return static_cast<int>(std::count_if(Entries.begin(), Entries.end(),
                                        [](const std::string& e) { return !e.empty(); }));
}

void TMyWindow::RefreshList() {
  std::vector<std::string> rows;
  rows.reserve(ENTRY_SLOTS);
  for (int slot = 0; slot < ENTRY_SLOTS; ++slot) rows.push_back(ListRow(slot, Entries[slot]));
  Frame.SetRows(LEVEL_LIST, rows);
  Frame.SetText(STATUS_LABEL, StatusText(UsedEntries()));
}

// Files are not opened here; a path already listed is listed again. A file
// that finds every slot taken ends the drop: the rest is not looked at.
void TMyWindow::AddDroppedFiles(const std::vector<std::string>& paths) {
  SaveProgress = 0;
  Frame.Invalidate();
  for (const std::string& path : paths) {
    if (lorvix::LevelFileKindOf(path) != lorvix::LevelFileKind::UserLevel) {
      Platform.MessageBox("Die Datei " + path +
                              " ist keine gültige Spielebene. Spielebenen haben die Dateiendung .sda",
                          "Fehler", platform::Icon::None, platform::Buttons::Ok);
      continue;
    }
    auto freeSlot = std::find_if(Entries.begin(), Entries.end(),
                                 [](const std::string& e) { return e.empty(); });
    if (freeSlot == Entries.end()) {
      Platform.MessageBox("Nur 100 Level erlaubt !", "Fehler", platform::Icon::None,
                          platform::Buttons::Ok);
      RefreshList();
      return;
    }
    *freeSlot = path;
    RefreshList();
  }
}

void TMyWindow::DeleteEntry(int row) {
  if (row < 0 || row >= ENTRY_SLOTS) return;
  const platform::Answer answer =
      Platform.MessageBox(" Soll der Eintrag " + std::to_string(row) + " gelöscht werden ?", "",
                          platform::Icon::Question, platform::Buttons::YesNo);
  if (answer != platform::Answer::Yes) return;
  std::move(Entries.begin() + row + 1, Entries.end(), Entries.begin() + row);
  Entries.back().clear();
  SaveProgress = 0;
  RefreshList();
  Frame.Invalidate();
}

void TMyWindow::DeleteAllEntries() {
  for (std::string& entry : Entries) entry.clear();
  SaveProgress = 0;
  RefreshList();
  Frame.Invalidate();
}

}  // namespace wendrel
