#include "platform/headless/headless_platform.h"

#include <algorithm>

namespace platform {

HeadlessPlatform::HeadlessPlatform() : screen(kScreenWidth * kScreenHeight, 0) {}

std::unique_ptr<Frame> HeadlessPlatform::CreateFrame(const FrameSpec& spec, WindowEvents& events) {
  auto frame = std::make_unique<HeadlessFrame>(spec, events);
  frames.push_back(frame.get());
  return frame;
}

void HeadlessPlatform::RunDialog(const DialogSpec& spec, WindowEvents& events) {
  modalDialogs.push_back(spec);
  HeadlessControls controls(spec.controls);
  events.DialogSetup(controls);
  if (dialogScripts.empty()) return;
  DialogScript script = std::move(dialogScripts.front());
  dialogScripts.pop_front();
  script(controls, events);
}

int HeadlessPlatform::RunEventLoop(std::function<void()> tick) {
  for (int i = 0; i < loopTicks && !ended; ++i) {
    now += 5;
    RunPosted();
    if (tick) tick();
  }
  return 0;
}

Answer HeadlessPlatform::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                                    Buttons buttons) {
  messages.push_back({text, caption, icon, buttons});
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel: return Answer::Cancel;
  }
  return Answer::Ok;
}

FileDialogResult HeadlessPlatform::OpenFileDialog(const FileDialogRequest& request) {
  dialogs.push_back({"open", request, {}});
  if (fileDialogResults.empty()) return {};
  FileDialogResult r = fileDialogResults.front();
  fileDialogResults.pop_front();
  return r;
}

FileDialogResult HeadlessPlatform::SaveFileDialog(const FileDialogRequest& request) {
  dialogs.push_back({"save", request, {}});
  if (fileDialogResults.empty()) return {};
  FileDialogResult r = fileDialogResults.front();
  fileDialogResults.pop_front();
  return r;
}

std::optional<std::string> HeadlessPlatform::TextInputDialog(const std::string& title,
                                                             const std::string& /*prompt*/,
                                                             int maxChars) {
  dialogs.push_back({"input", {}, title});
  if (textInputs.empty()) return std::nullopt;
  std::optional<std::string> r = textInputs.front();
  textInputs.pop_front();
  if (r && static_cast<int>(r->size()) > maxChars) r->resize(static_cast<size_t>(maxChars));
  return r;
}

int HeadlessPlatform::OpenMusic(const std::string& path) {
  songsOpened.push_back(path);
  if (nextOpenError != 0) return nextOpenError;
  musicOpen = path;
  return 0;
}

int HeadlessPlatform::CloseMusic() {
  musicOpen.clear();
  return 0;
}

void HeadlessPlatform::FinishSong() {
  if (!musicOpen.empty() && musicFinished) musicFinished();
}

void HeadlessPlatform::PresentGameWindow(const PixelView& source, const Rect& area) {
  ++presents;
  const int x0 = std::max(0, area.x), y0 = std::max(0, area.y);
  const int x1 = std::min({area.x + area.width, source.width, kScreenWidth});
  const int y1 = std::min({area.y + area.height, source.height, kScreenHeight});
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) screen[y * kScreenWidth + x] = source.pixels[y * source.width + x];
}

}  // namespace platform
