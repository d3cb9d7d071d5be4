#pragma once
// The open states of the search by their priority, a small whole number
// (moves so far plus a lower bound on the moves to come). One bucket per
// priority; within a bucket the state added last comes out first, which
// follows a promising line to its end before trying its neighbours.
// Entries are never removed early: a state whose priority improved is
// simply added again, and the search skips entries that are out of date.

#include <cstdint>
#include <vector>

namespace lorvix::solver {

class BucketQueue {
 public:
  void Push(uint32_t priority, uint32_t state) {
    if (priority >= buckets_.size()) buckets_.resize(priority + 1);
    buckets_[priority].push_back(state);
    if (priority < lowest_) lowest_ = priority;
    ++size_;
  }

  bool Empty() const { return size_ == 0; }

  // The lowest priority of any entry; the queue must not be empty.
  // Buckets left behind give their memory back.
  uint32_t LowestPriority() {
    while (buckets_[lowest_].empty()) std::vector<uint32_t>().swap(buckets_[lowest_++]);
    return lowest_;
  }

  uint32_t Pop() {
    std::vector<uint32_t>& bucket = buckets_[LowestPriority()];
    const uint32_t state = bucket.back();
    bucket.pop_back();
    --size_;
    return state;
  }

  size_t BytesUsed() const {
    size_t bytes = buckets_.capacity() * sizeof(buckets_[0]);
    for (const auto& bucket : buckets_) bytes += bucket.capacity() * sizeof(uint32_t);
    return bytes;
  }

 private:
  std::vector<std::vector<uint32_t>> buckets_;
  uint32_t lowest_ = 0;
  size_t size_ = 0;
};

}  // namespace lorvix::solver
