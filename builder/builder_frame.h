#pragma once
// The main frame of the pack builder: caption, menu, icon and the native
// controls, with the builder window as its client. It turns what happens
// in the frame into operations of the builder window.

#include <memory>
#include <string>

#include "builder/builder_window.h"
#include "platform/platform.h"

namespace wendrel {

class TMyFrameWindow : public platform::WindowEvents {
 public:
  // Creates the frame (hidden) and sets up its builder window.
  TMyFrameWindow(platform::Platform& platform, const std::string& programDir);
  TMyFrameWindow(const TMyFrameWindow&) = delete;
  TMyFrameWindow& operator=(const TMyFrameWindow&) = delete;

  platform::Frame& Frame() { return *frame_; }
  TMyWindow& Window() { return *window_; }

  void Command(int id) override;
  // Closing is always allowed: nothing the builder holds outlives the run.
  bool CloseRequested() override;
  void Paint(const platform::Rect& area) override;
  void FilesDropped(const std::vector<std::string>& paths) override;
  void ControlActivated(platform::Controls& controls, int id, int row) override;

 private:
  platform::Platform& platform_;
  std::unique_ptr<platform::Frame> frame_;
  std::unique_ptr<TMyWindow> window_;
};

}  // namespace wendrel
