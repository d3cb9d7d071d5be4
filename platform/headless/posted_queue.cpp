#include "platform/headless/posted_queue.h"

#include <utility>

namespace platform {

void PostedQueue::Post(std::function<void()> function) {
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(function));
  }
  arrived_.notify_all();
}

int PostedQueue::RunPosted() {
  std::deque<std::function<void()>> due;
  {
    const std::lock_guard lock(mutex_);
    due.swap(queue_);
  }
  for (auto& function : due) function();
  return static_cast<int>(due.size());
}

bool PostedQueue::WaitForPost(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return arrived_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

}  // namespace platform
