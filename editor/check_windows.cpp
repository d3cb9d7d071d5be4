#include "editor/check_windows.h"

#include <cstdio>
#include <string>
#include <vector>

namespace lorvix {
namespace {

using platform::Control;

constexpr const char* kCaption = "Prüfen";
// The face of windows in the usual desktop theme, so that the labels, which
// the desktop draws on its own face, do not stand out as patches.
constexpr Pixel kFace = Rgb(0xF6, 0xF5, 0xF4);

constexpr int MARGIN = 16;
constexpr int LINE = 20;
constexpr int BUTTON_WIDTH = 96, BUTTON_HEIGHT = 28;

constexpr int PROGRESS_WIDTH = 320, PROGRESS_HEIGHT = 128;
constexpr int RESULT_WIDTH = 460;
constexpr int KEYS_HEIGHT = 88;

Control Label(int id, int x, int y, int width, int lines, std::string text) {
  return {Control::Kind::Label, id, {x, y, width, LINE * lines}, std::move(text)};
}

std::string ExploredText(size_t explored) { return "Untersuchte Stellungen: " + GroupedNumber(explored); }

std::string TimeText(double seconds) {
  char text[40];
  std::snprintf(text, sizeof text, "Zeit: %.1f s", seconds);
  std::string shown = text;
  shown[shown.find('.')] = ',';  // a German decimal comma
  return shown;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

void CheckWindow::OpenFrame(platform::FrameSpec spec) {
  spec.caption = kCaption;
  spec.owner = owner_;
  face_ = Bitmap(spec.clientWidth, spec.clientHeight, kFace);
  frame_.reset();
  frame_ = platform_.CreateFrame(spec, *this);
  frame_->Show(true);
  frame_->Invalidate();
}

void CheckWindow::Close() {
  if (frame_) frame_->Show(false);
}

void CheckWindow::Paint(const platform::Rect& area) {
  if (frame_) frame_->Present({face_.Data(), face_.Width(), face_.Height()}, area);
}

CheckProgressWindow::CheckProgressWindow(platform::Platform& platform, std::function<void()> onCancel)
    : CheckWindow(platform), onCancel_(std::move(onCancel)) {}

void CheckProgressWindow::Open() {
  platform::FrameSpec spec;
  spec.clientWidth = PROGRESS_WIDTH;
  spec.clientHeight = PROGRESS_HEIGHT;
  const int textWidth = PROGRESS_WIDTH - 2 * MARGIN;
  spec.controls = {
      Label(CHECK_PROGRESS_TITLE, MARGIN, MARGIN, textWidth, 1, "Die Spielebene wird geprüft …"),
      Label(CHECK_PROGRESS_EXPLORED, MARGIN, MARGIN + 2 * LINE, textWidth, 1, ExploredText(0)),
      Label(CHECK_PROGRESS_TIME, MARGIN, MARGIN + 3 * LINE, textWidth, 1, TimeText(0)),
      {Control::Kind::Button, CHECK_PROGRESS_CANCEL,
       {PROGRESS_WIDTH - MARGIN - BUTTON_WIDTH, PROGRESS_HEIGHT - MARGIN - BUTTON_HEIGHT, BUTTON_WIDTH,
        BUTTON_HEIGHT},
       "Abbrechen"},
  };
  OpenFrame(spec);
}

void CheckProgressWindow::Show(const CheckProgress& progress) {
  if (!frame_) return;
  frame_->SetText(CHECK_PROGRESS_EXPLORED, ExploredText(progress.explored));
  frame_->SetText(CHECK_PROGRESS_TIME, TimeText(progress.seconds));
}

void CheckProgressWindow::ControlActivated(platform::Controls&, int id, int) {
  if (id == CHECK_PROGRESS_CANCEL) onCancel_();
}

bool CheckProgressWindow::CloseRequested() {
  onCancel_();
  return true;
}

// From the top: the headline, the notes, the moves with their caption,
// and the button at the bottom right.
void CheckResultWindow::Show(const CheckVerdict& verdict) {
  const int textWidth = RESULT_WIDTH - 2 * MARGIN;
  platform::FrameSpec spec;
  int y = MARGIN;
  spec.controls.push_back(Label(CHECK_RESULT_HEADLINE, MARGIN, y, textWidth, 1, verdict.headline));
  y += LINE + LINE / 2;
  const int noteLines = static_cast<int>(verdict.notes.size());
  spec.controls.push_back(Label(CHECK_RESULT_NOTES, MARGIN, y, textWidth, noteLines, Lines(verdict.notes)));
  y += LINE * noteLines + LINE / 2;
  if (!verdict.keysCaption.empty()) {
    spec.controls.push_back(Label(CHECK_RESULT_KEYS_CAPTION, MARGIN, y, textWidth, 1, verdict.keysCaption));
    y += LINE + 4;
    Control keys{Control::Kind::TextField, CHECK_RESULT_KEYS, {MARGIN, y, textWidth, KEYS_HEIGHT}, verdict.keys};
    keys.readOnly = keys.multiLine = true;
    spec.controls.push_back(keys);
    y += KEYS_HEIGHT + MARGIN;
  }
  spec.controls.push_back({Control::Kind::Button, CHECK_RESULT_OK,
                           {RESULT_WIDTH - MARGIN - BUTTON_WIDTH, y, BUTTON_WIDTH, BUTTON_HEIGHT}, "OK"});
  spec.clientWidth = RESULT_WIDTH;
  spec.clientHeight = y + BUTTON_HEIGHT + MARGIN;
  OpenFrame(spec);
}

void CheckResultWindow::ControlActivated(platform::Controls&, int id, int) {
  if (id == CHECK_RESULT_OK) Close();
}

}  // namespace lorvix
