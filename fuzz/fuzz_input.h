#pragma once
// Helpers shared by the fuzz targets: reading the fuzzer's bytes as small
// decisions, checking properties, and a scratch folder for targets whose
// code under test works on files.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace lorvix::fuzz {

// A broken property: abort, so that the fuzzer keeps the input.
inline void Require(bool property) {
  if (!property) std::abort();
}

// The fuzzer's bytes, read from the front. An exhausted input reads as
// zeros, so every input, even an empty one, decodes to something.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }
  // One of the `count` entries of a table.
  template <typename T, size_t N>
  const T& Pick(const T (&table)[N]) {
    return table[Byte() % N];
  }
  int32_t Int32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return static_cast<int32_t>(value);
  }
  // Up to `max` bytes, as many as the next byte says.
  std::string Text(size_t max) {
    const size_t length = std::min<size_t>(Byte() % (max + 1), size_ - std::min(pos_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }
  std::string Rest() {
    if (Empty()) return {};
    std::string rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return rest;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// A folder of this process for the files a target writes, in memory where
// the machine has /dev/shm (the atomic writer syncs every file), removed
// when the process ends normally.
inline const std::string& ScratchFolder() {
  struct Folder {
    std::string path;
    Folder() {
      const std::filesystem::path base =
          ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
      std::string pattern = (base / "lorvix-fuzz-XXXXXX").string();
      Require(::mkdtemp(pattern.data()) != nullptr);
      path = pattern + "/";
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path;
}

}  // namespace lorvix::fuzz
