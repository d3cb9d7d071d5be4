#pragma once
// The two small windows of "Prüfen", both captioned "Prüfen" and modeless,
// so that the editor stays usable beside them: the progress of a running
// check with its "Abbrechen" button, and the result with the moves in a
// text field the designer can copy from. Each is made when first needed.

#include <functional>
#include <memory>
#include <string>

#include "editor/check_verdict.h"
#include "editor/check_worker.h"
#include "platform/platform.h"
#include "render/bitmap.h"

namespace lorvix {

// Control ids of the progress window.
inline constexpr int CHECK_PROGRESS_TITLE = 200;
inline constexpr int CHECK_PROGRESS_EXPLORED = 201;
inline constexpr int CHECK_PROGRESS_TIME = 202;
inline constexpr int CHECK_PROGRESS_CANCEL = 203;
// Control ids of the result window.
inline constexpr int CHECK_RESULT_HEADLINE = 210;
inline constexpr int CHECK_RESULT_NOTES = 211;
inline constexpr int CHECK_RESULT_KEYS_CAPTION = 212;
inline constexpr int CHECK_RESULT_KEYS = 213;
inline constexpr int CHECK_RESULT_OK = 214;

// A frame of native controls on a plain face.
class CheckWindow : public platform::WindowEvents {
 public:
  explicit CheckWindow(platform::Platform& platform) : platform_(platform) {}
  bool IsOpen() const { return frame_ && frame_->IsShown(); }
  // The frame the window is kept above from its next opening on.
  void SetOwner(platform::Frame* owner) { owner_ = owner; }
  void Close();
  // The text of control `id`, as shown.
  std::string Text(int id) const { return frame_ ? frame_->Text(id) : std::string(); }

  void Paint(const platform::Rect& area) override;

 protected:
  // Makes the frame anew from `spec` (captioned "Prüfen") and shows it.
  void OpenFrame(platform::FrameSpec spec);

  platform::Platform& platform_;
  std::unique_ptr<platform::Frame> frame_;

 private:
  platform::Frame* owner_ = nullptr;
  Bitmap face_;
};

class CheckProgressWindow : public CheckWindow {
 public:
  // `onCancel` runs for "Abbrechen" and for the close box.
  CheckProgressWindow(platform::Platform& platform, std::function<void()> onCancel);
  // Shows the window with the figures at zero.
  void Open();
  void Show(const CheckProgress& progress);

  void ControlActivated(platform::Controls& controls, int id, int row) override;
  bool CloseRequested() override;

 private:
  std::function<void()> onCancel_;
};

class CheckResultWindow : public CheckWindow {
 public:
  using CheckWindow::CheckWindow;
  // Shows the verdict in a window laid out for it.
  void Show(const CheckVerdict& verdict);

  void ControlActivated(platform::Controls& controls, int id, int row) override;
};

}  // namespace lorvix
