#include "tools/solver/state_store.h"

#include <cstring>

namespace lorvix::solver {
namespace {

inline constexpr size_t FIRST_TABLE_SLOTS = size_t{1} << 16;

// The table grows before it is 70 % full, which keeps linear probing short.
bool TooFull(size_t states, size_t slots) { return states * 10 >= slots * 7; }

size_t TableSlotsFor(size_t states) {
  size_t slots = FIRST_TABLE_SLOTS;
  while (TooFull(states, slots)) slots *= 2;
  return slots;
}

size_t BytesPerState(int words) { return sizeof(uint64_t) * words + sizeof(StateStore::Node); }

}  // namespace

StateStore::StateStore(int words)
    : words_(words), table_(FIRST_TABLE_SLOTS * sizeof(uint64_t)), slots_(table_.As<uint64_t>()),
      mask_(FIRST_TABLE_SLOTS - 1) {}

// A multiply-and-fold mix over the words; its upper half is well spread.
uint32_t StateStore::Hash(const uint64_t* state) const {
  uint64_t h = 0x9E3779B97F4A7C15ull;
  for (int i = 0; i < words_; ++i) {
    h = (h ^ state[i]) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
  }
  h *= 0x94D049BB133111EBull;
  return static_cast<uint32_t>(h >> 32);
}

StateStore::Found StateStore::Insert(const uint64_t* state, uint32_t hash, const Node& node) {
  const uint64_t tag = uint64_t{hash} << 32;
  size_t slot = hash & mask_;
  for (;; slot = (slot + 1) & mask_) {
    const uint64_t entry = slots_[slot];
    if (entry == 0) break;
    if ((entry & 0xFFFFFFFF00000000ull) != tag) continue;
    const uint32_t index = static_cast<uint32_t>(entry) - 1;
    if (std::memcmp(State(index), state, sizeof(uint64_t) * words_) == 0) return {index, false};
  }

  const uint32_t index = static_cast<uint32_t>(size_);
  if ((index & CHUNK_MASK) == 0) AddChunk();
  Chunk& chunk = chunks_.back();
  std::memcpy(chunk.words + size_t{index & CHUNK_MASK} * words_, state, sizeof(uint64_t) * words_);
  chunk.nodes[index & CHUNK_MASK] = node;
  slots_[slot] = tag | (uint64_t{index} + 1);
  ++size_;
  if (TooFull(size_, mask_ + 1)) Grow();
  return {index, true};
}

// One buffer per chunk holds its words, then its nodes.
void StateStore::AddChunk() {
  Chunk chunk;
  chunk.memory = LargeBuffer(size_t{CHUNK_STATES} * BytesPerState(words_));
  chunk.words = chunk.memory.As<uint64_t>();
  chunk.nodes = reinterpret_cast<Node*>(chunk.words + size_t{CHUNK_STATES} * words_);
  chunks_.push_back(std::move(chunk));
}

void StateStore::Grow() {
  const size_t slots = (mask_ + 1) * 2;
  LargeBuffer bigger(slots * sizeof(uint64_t));
  uint64_t* target = bigger.As<uint64_t>();
  const size_t mask = slots - 1;
  for (size_t i = 0; i <= mask_; ++i) {
    const uint64_t entry = slots_[i];
    if (entry == 0) continue;
    size_t slot = (entry >> 32) & mask;
    while (target[slot] != 0) slot = (slot + 1) & mask;
    target[slot] = entry;
  }
  table_ = std::move(bigger);
  slots_ = target;
  mask_ = mask;
}

size_t StateStore::BytesUsed() const { return size_ * BytesPerState(words_) + (mask_ + 1) * sizeof(uint64_t); }

size_t StateStore::BytesFor(size_t states, int words) {
  return states * BytesPerState(words) + TableSlotsFor(states) * sizeof(uint64_t);
}

}  // namespace lorvix::solver
