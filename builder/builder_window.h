#pragma once
// The builder window: the list of up to 100 user level files, the three text
// lines of the pack, and the progress of the last save. It works on the
// controls of the frame it is the client of. Its operations live in
//   builder/builder_window.cpp  the list: drops, deleting, showing it
//   builder/pack_writer.cpp     saving the pack
//   builder/builder_paint.cpp   the client picture with the progress bar
//   builder/builder_help.cpp    the help page and the about box

#include <array>
#include <string>
#include <vector>

#include "builder/builder_layout.h"
#include "platform/platform.h"
#include "render/bitmap.h"

namespace wendrel {

class TMyWindow {
 public:
  // `programDir` is the directory of the running program, ending in '/'.
  TMyWindow(platform::Platform& platform, platform::Frame& frame, std::string programDir);
  TMyWindow(const TMyWindow&) = delete;
  TMyWindow& operator=(const TMyWindow&) = delete;

  // Window set-up: the bar at rest and the list filled.
  void SetupWindow();

  void AddDroppedFiles(const std::vector<std::string>& paths);
  void DeleteEntry(int row);       // a double click on a row
  void DeleteAllEntries();         // command 51683
  void SaveExtraWorld();           // command 51682
  void OpenHelp();                 // command 51684
  void ShowAbout();                // command 51685
  // Fills the list box from Entries and writes the count into the status text.
  void RefreshList();
  void Paint(const platform::Rect& area);

  int UsedEntries() const;

  platform::Platform& Platform;
  platform::Frame& Frame;
  std::string ProgramDir;
  // Full paths of the listed files; the used ones always form an unbroken
  // run from slot 0.
  std::array<std::string, ENTRY_SLOTS> Entries;
  // The slot the last save reached, drawn as the bar.
  int SaveProgress = 0;

 private:
  void ShowSaveProgress(int slot);
  lorvix::Bitmap picture_;
};

}  // namespace wendrel
