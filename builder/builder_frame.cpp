#include "builder/builder_frame.h"

#include "resources/pictures.h"

namespace wendrel {
namespace {

using platform::CommandItem;
using platform::Control;
using platform::SeparatorItem;

constexpr int BUILDER_ICON = 41;

// The help menu comes last, so that it sits at the right end of the bar.
std::vector<platform::Menu> BuilderMenus() {
  return {
      {"&Optionen",
       {CommandItem(CMD_DELETE_ALL, "&Alle Einträge löschen"), SeparatorItem(),
        CommandItem(CMD_SAVE_AS, "&Speichern unter")}},
      {"&Hilfe",
       {CommandItem(CMD_HELP, "&Index"), SeparatorItem(), CommandItem(CMD_ABOUT, "&Ueber QX Wendrel")}},
  };
}

std::vector<Control> BuilderControls() {
  std::vector<Control> controls = {
      {Control::Kind::Label, STATUS_LABEL, STATUS_LABEL_RECT, {}, 0},
      {Control::Kind::ListBox, LEVEL_LIST, LEVEL_LIST_RECT, {}, 0},
      {Control::Kind::Label, PROGRESS_LABEL, PROGRESS_LABEL_RECT, "Status :", 0},
  };
  for (size_t i = 0; i < TEXT_LINES.size(); ++i)
    controls.push_back({Control::Kind::TextField, TEXT_LINES[i], TEXT_LINE_RECTS[i],
                        TEXT_LINE_DEFAULTS[i], TEXT_LINE_MAX_CHARS});
  return controls;
}

platform::FrameSpec BuilderFrameSpec() {
  platform::FrameSpec spec;
  spec.caption = "Wendrel für QX Lorvix";
  spec.clientWidth = CLIENT_WIDTH;
  spec.clientHeight = CLIENT_HEIGHT;
  spec.menus = BuilderMenus();
  spec.acceptsFiles = true;
  const lorvix::Bitmap& icon = lorvix::resources::Picture(BUILDER_ICON);
  spec.icon = {icon.Data(), icon.Width(), icon.Height()};
  spec.controls = BuilderControls();
  return spec;
}

}  // namespace

TMyFrameWindow::TMyFrameWindow(platform::Platform& platform, const std::string& programDir)
    : platform_(platform),
      frame_(platform.CreateFrame(BuilderFrameSpec(), *this)),
      window_(std::make_unique<TMyWindow>(platform, *frame_, programDir)) {
  window_->SetupWindow();
}

void TMyFrameWindow::Command(int id) {
  switch (id) {
    case CMD_DELETE_ALL: window_->DeleteAllEntries(); break;
    case CMD_SAVE_AS: window_->SaveExtraWorld(); break;
    case CMD_HELP: window_->OpenHelp(); break;
    case CMD_ABOUT: window_->ShowAbout(); break;
    default: break;
  }
}

bool TMyFrameWindow::CloseRequested() {
  platform_.EndProgram();
  return true;
}

void TMyFrameWindow::Paint(const platform::Rect& area) {
  if (window_) window_->Paint(area);
}

void TMyFrameWindow::FilesDropped(const std::vector<std::string>& paths) {
  window_->AddDroppedFiles(paths);
}

void TMyFrameWindow::ControlActivated(platform::Controls& /*controls*/, int id, int row) {
  if (id == LEVEL_LIST) window_->DeleteEntry(row);
}

}  // namespace wendrel
