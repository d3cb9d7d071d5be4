#pragma once
// A frame or dialog of the headless platform: it keeps what it was told
// (shown state, caption, status text, presented pixels, control texts and
// list rows) so that tests can read it, and lets tests set a list
// selection as a user would.

#include <map>
#include <string>
#include <vector>

#include "platform/frame.h"

namespace platform {

class HeadlessControls : public Controls {
 public:
  explicit HeadlessControls(const std::vector<Control>& controls);
  void SetText(int id, const std::string& text) override { texts[id] = text; }
  std::string Text(int id) override { return texts[id]; }
  void SetRows(int id, const std::vector<std::string>& newRows) override;
  int Selection(int id) override;

  std::map<int, std::string> texts;
  std::map<int, std::vector<std::string>> rows;
  std::map<int, int> selection;
};

class HeadlessFrame : public Frame {
 public:
  HeadlessFrame(const FrameSpec& spec, WindowEvents& events);

  void SetText(int id, const std::string& text) override { controls.SetText(id, text); }
  std::string Text(int id) override { return controls.Text(id); }
  void SetRows(int id, const std::vector<std::string>& rows) override { controls.SetRows(id, rows); }
  int Selection(int id) override { return controls.Selection(id); }
  void Show(bool show) override { shown = show; }
  bool IsShown() override { return shown; }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetStatusText(const std::string& text) override { statusText = text; }
  void Invalidate() override { ++invalidations; }
  void Present(const PixelView& source, const Rect& area) override;
  void SetMenuPicture(int id, const PixelView& picture) override;

  // What the client area shows, at the frame's client size.
  uint32_t ScreenAt(int x, int y) const { return screen[static_cast<size_t>(y) * spec.clientWidth + x]; }
  // Runs the Paint event for the whole client area, as the real platform
  // does after Invalidate.
  void PaintAll() { events.Paint({0, 0, spec.clientWidth, spec.clientHeight}); }

  FrameSpec spec;
  WindowEvents& events;
  HeadlessControls controls;
  bool shown = false;
  std::string caption;
  std::string statusText;
  int invalidations = 0;
  int presents = 0;
  std::vector<uint32_t> screen;
  std::map<int, std::vector<uint32_t>> menuPictures;
};

}  // namespace platform
