#pragma once
// Functions handed over from other threads, waiting until the thread that
// plays the window thread (a test's) runs them.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace platform {

class PostedQueue {
 public:
  // Safe from any thread.
  void Post(std::function<void()> function);
  // What posts into this queue, for code that takes a poster.
  std::function<void(std::function<void()>)> Poster() {
    return [this](std::function<void()> function) { Post(std::move(function)); };
  }
  // Runs the functions posted so far, in the order they came, on the
  // calling thread (functions they post wait for the next call). Returns
  // how many ran.
  int RunPosted();
  // Waits until a function is posted, at most `timeout`, without running
  // it; false when none came.
  bool WaitForPost(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void()>> queue_;
};

}  // namespace platform
