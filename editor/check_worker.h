#pragma once
// One check of a level at a time, on a thread of its own beside the
// editor, so that the editor keeps answering while the solver searches. It
// runs the same check as `leveltool check`, stopping at the first stage
// that finds a fault, with a state limit that keeps the search within
// CHECK_MEMORY_BYTES. Its progress (a few times a second) and its report
// reach the window thread only through Platform::CallAfter; what a stopped
// or replaced check posted is dropped on arrival.

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <thread>

#include "levels/level_files.h"
#include "platform/platform.h"
#include "tools/solver/level_check.h"

namespace lorvix {

// The memory of the search's stored positions; the open list adds a tenth
// or so on top.
inline constexpr size_t CHECK_MEMORY_BYTES = size_t{256} << 20;
inline constexpr std::chrono::milliseconds CHECK_PROGRESS_INTERVAL{250};

struct CheckProgress {
  size_t explored = 0;  // positions of the running search whose moves were tried
  double seconds = 0;   // since the check began
};

class CheckWorker {
 public:
  using ProgressHandler = std::function<void(const CheckProgress&)>;
  using ReportHandler = std::function<void(const solver::LevelReport&)>;

  // The handlers run on the window thread.
  CheckWorker(platform::Platform& platform, ProgressHandler onProgress, ReportHandler onReport);
  // Stops a running check, without a report.
  ~CheckWorker();
  CheckWorker(const CheckWorker&) = delete;
  CheckWorker& operator=(const CheckWorker&) = delete;

  // Checks `level`; a check still running is stopped first, without a report.
  void Start(const LevelRecord& level);
  // Stops the running check and hands its report, which says it was
  // cancelled, to the report handler before returning.
  void Cancel();
  // Stops the running check without a report.
  void Stop();
  bool Running() const { return run_ != nullptr; }

 private:
  struct Run;

  void Search(Run& run, const std::weak_ptr<Run>& token);
  void PostProgress(Run& run, const std::weak_ptr<Run>& token);
  void Finish();

  platform::Platform& platform_;
  ProgressHandler onProgress_;
  ReportHandler onReport_;
  // The check running now: owned here alone, so that a posted function
  // whose weak token still locks belongs to it (and this worker exists).
  std::shared_ptr<Run> run_;
  std::thread thread_;
};

}  // namespace lorvix
