#pragma once
// "Prüfen": the editor's check of the level being edited, beside the
// editor. The worker searches on its own thread while the progress window
// shows how far it got; the result window follows. Any edit of the level
// stops a running check without a result, and closes its progress window.

#include "editor/check_windows.h"
#include "editor/check_worker.h"

namespace lorvix {

class EditorCheck {
 public:
  explicit EditorCheck(platform::Platform& platform);

  // Checks `level`, which has passed the editor's own validation; a check
  // that runs is started again. The windows stay above `owner`.
  void Start(const LevelRecord& level, platform::Frame* owner);
  // The edited level has changed.
  void LevelChanged();

  CheckProgressWindow& Progress() { return progress_; }
  CheckResultWindow& Result() { return result_; }

 private:
  void Reported(const solver::LevelReport& report);

  CheckProgressWindow progress_;
  CheckResultWindow result_;
  // Declared last: it stops, and its handlers fall silent, before the
  // windows go.
  CheckWorker worker_;
};

}  // namespace lorvix
