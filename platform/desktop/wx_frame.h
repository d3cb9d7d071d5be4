#pragma once
// A frame of the desktop platform: the toolkit's frame window with its menu
// bar, status bar and a client window that shows the owner's pixels, and
// the handle the owner keeps (platform::Frame).

#include <functional>
#include <memory>

#include "platform/frame.h"

namespace platform {

class FrameWindow;

// Whether a menu of any frame is open. The game waits meanwhile, as it
// would while any other window of the desktop has the input.
bool AnyMenuOpen();

class DesktopFrame : public Frame {
 public:
  // `onGone` runs when the frame is destroyed.
  DesktopFrame(const FrameSpec& spec, WindowEvents& events,
               std::function<void(DesktopFrame*)> onGone = {});
  // Detaches the owner's events and destroys the window.
  ~DesktopFrame() override;
  DesktopFrame(const DesktopFrame&) = delete;
  DesktopFrame& operator=(const DesktopFrame&) = delete;

  void SetText(int id, const std::string& text) override;
  std::string Text(int id) override;
  void SetRows(int id, const std::vector<std::string>& rows) override;
  int Selection(int id) override;
  void Show(bool shown) override;
  bool IsShown() override;
  void SetCaption(const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void Invalidate() override;
  void Present(const PixelView& source, const Rect& area) override;
  void SetMenuPicture(int id, const PixelView& picture) override;

  // The toolkit's window, e.g. as the parent of a dialog.
  FrameWindow* Window() const { return window_; }

 private:
  FrameWindow* window_;  // destroyed by the toolkit after Destroy()
  std::function<void(DesktopFrame*)> onGone_;
};

}  // namespace platform
