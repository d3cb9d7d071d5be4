#include "editor/check_worker.h"

#include <algorithm>
#include <atomic>
#include <new>

namespace lorvix {
namespace {

using Clock = std::chrono::steady_clock;

// A search that finds no more memory ends like one that reached its limit,
// rather than taking the editor and its unsaved level down with it.
solver::LevelReport OutOfMemory(const solver::SolveProgress& progress) {
  solver::LevelReport report;
  report.searched = true;
  report.solution.status = solver::SolveStatus::GaveUp;
  report.solution.explored = progress.explored.load();
  report.faults.push_back({solver::FaultKind::GaveUp, "out of memory"});
  return report;
}

}  // namespace

struct CheckWorker::Run {
  explicit Run(const LevelRecord& checked) : level(checked) {}

  const LevelRecord level;
  const Clock::time_point began = Clock::now();
  std::atomic<bool> cancel{false};
  solver::SolveProgress progress;
  Clock::time_point lastPosted = began;  // touched by the searching thread only
  solver::LevelReport report;            // written by the searching thread before it ends
};

CheckWorker::CheckWorker(platform::Platform& platform, ProgressHandler onProgress, ReportHandler onReport)
    : platform_(platform), onProgress_(std::move(onProgress)), onReport_(std::move(onReport)) {}

CheckWorker::~CheckWorker() { Stop(); }

// The thread holds the run by a plain pointer: the run lives in run_ until
// the thread has been joined.
void CheckWorker::Start(const LevelRecord& level) {
  Stop();
  run_ = std::make_shared<Run>(level);
  thread_ = std::thread([this, run = run_.get(), token = std::weak_ptr<Run>(run_)] { Search(*run, token); });
}

void CheckWorker::Cancel() {
  if (!run_) return;
  run_->cancel = true;
  Finish();
}

void CheckWorker::Stop() {
  if (!run_) return;
  run_->cancel = true;
  thread_.join();
  run_.reset();
}

void CheckWorker::Finish() {
  thread_.join();
  const std::shared_ptr<Run> run = std::move(run_);
  onReport_(run->report);
}

// On the searching thread.
void CheckWorker::Search(Run& run, const std::weak_ptr<Run>& token) {
  solver::LevelCheckOptions options;
  options.solveLimit = solver::StateLimitWithin(run.level, CHECK_MEMORY_BYTES);
  options.closedDoorLimit = std::min(options.closedDoorLimit, options.solveLimit);
  options.stopAtFault = true;
  options.cancel = &run.cancel;
  options.progress = &run.progress;
  options.reported = [this, &run, &token] { PostProgress(run, token); };
  try {
    run.report = solver::CheckLevel(run.level, options);
  } catch (const std::bad_alloc&) {
    run.report = OutOfMemory(run.progress);
  }
  platform_.CallAfter([this, token] {
    if (token.lock()) Finish();
  });
}

// On the searching thread, at every report of the search.
void CheckWorker::PostProgress(Run& run, const std::weak_ptr<Run>& token) {
  const Clock::time_point now = Clock::now();
  if (now - run.lastPosted < CHECK_PROGRESS_INTERVAL) return;
  run.lastPosted = now;
  const CheckProgress progress{run.progress.explored.load(std::memory_order_relaxed),
                               std::chrono::duration<double>(now - run.began).count()};
  platform_.CallAfter([this, token, progress] {
    if (token.lock()) onProgress_(progress);
  });
}

}  // namespace lorvix
