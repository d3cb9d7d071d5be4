#include "tools/solver/large_buffer.h"

#include <sys/mman.h>

#include <new>
#include <utility>

namespace lorvix::solver {

LargeBuffer::LargeBuffer(size_t bytes) : bytes_(bytes) {
  if (bytes == 0) return;
  void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  madvise(p, bytes, MADV_HUGEPAGE);  // only a hint: without huge pages all still works
#endif
  data_ = p;
}

LargeBuffer::~LargeBuffer() {
  if (data_ != nullptr) munmap(data_, bytes_);
}

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
  if (this != &other) {
    if (data_ != nullptr) munmap(data_, bytes_);
    data_ = std::exchange(other.data_, nullptr);
    bytes_ = std::exchange(other.bytes_, 0);
  }
  return *this;
}

}  // namespace lorvix::solver
