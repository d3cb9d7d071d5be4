#pragma once
// Zeroed memory straight from the system, backed by huge pages where the
// system offers them. A search touches its hash table and state arrays at
// random; with small pages nearly every such touch would also miss the
// processor's address cache. Pages are only committed when first written,
// so a generous buffer costs nothing until it is used.

#include <cstddef>

namespace lorvix::solver {

class LargeBuffer {
 public:
  LargeBuffer() = default;
  explicit LargeBuffer(size_t bytes);  // throws std::bad_alloc
  ~LargeBuffer();
  LargeBuffer(LargeBuffer&& other) noexcept;
  LargeBuffer& operator=(LargeBuffer&& other) noexcept;
  LargeBuffer(const LargeBuffer&) = delete;
  LargeBuffer& operator=(const LargeBuffer&) = delete;

  template <typename T>
  T* As() const {
    return static_cast<T*>(data_);
  }
  size_t Bytes() const { return bytes_; }

 private:
  void* data_ = nullptr;
  size_t bytes_ = 0;
};

}  // namespace lorvix::solver
