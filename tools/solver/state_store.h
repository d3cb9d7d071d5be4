#pragma once
// Every state a search has met, each once, with the link to the state it
// was first reached from. States live in large chunks of flat arrays (no
// allocation per state, no copying as the store grows); an open-addressing
// hash table of 64-bit slots finds them. A slot holds the state's 32-bit
// hash beside its number, so the table can grow without hashing again and
// most mismatches are rejected without touching the state itself.
//
// Looking a state up costs a cache miss in the table. Callers that have
// several states to add compute their hashes and call Prefetch for all of
// them first, so that the misses overlap.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/solver/large_buffer.h"

namespace lorvix::solver {

class StateStore {
 public:
  static constexpr uint32_t NO_PARENT = UINT32_MAX;

  explicit StateStore(int words);
  StateStore(const StateStore&) = delete;
  StateStore& operator=(const StateStore&) = delete;

  uint32_t Hash(const uint64_t* state) const;
  void Prefetch(uint32_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

  struct Found {
    uint32_t index;
    bool added;
  };
  // Adds a state of Words() words with its link unless it is already there.
  Found Insert(const uint64_t* state, uint32_t hash, uint32_t parent, uint8_t move);
  Found Insert(const uint64_t* state, uint32_t parent, uint8_t move) {
    return Insert(state, Hash(state), parent, move);
  }

  size_t Size() const { return size_; }
  int Words() const { return words_; }
  const uint64_t* State(uint32_t index) const {
    return chunks_[index >> CHUNK_BITS].words + size_t{index & CHUNK_MASK} * words_;
  }
  uint32_t Parent(uint32_t index) const { return chunks_[index >> CHUNK_BITS].parents[index & CHUNK_MASK]; }
  uint8_t Move(uint32_t index) const { return chunks_[index >> CHUNK_BITS].moves[index & CHUNK_MASK]; }
  void Relink(uint32_t index, uint32_t parent, uint8_t move);

  // Memory the stored states and the table take now, and a forecast for
  // `states` states.
  size_t BytesUsed() const;
  static size_t BytesFor(size_t states, int words);

 private:
  static constexpr int CHUNK_BITS = 20;
  static constexpr uint32_t CHUNK_STATES = 1u << CHUNK_BITS;
  static constexpr uint32_t CHUNK_MASK = CHUNK_STATES - 1;

  struct Chunk {
    LargeBuffer memory;
    uint64_t* words;
    uint32_t* parents;
    uint8_t* moves;
  };

  void AddChunk();
  void Grow();

  int words_;
  size_t size_ = 0;
  std::vector<Chunk> chunks_;
  LargeBuffer table_;
  uint64_t* slots_ = nullptr;  // hash << 32 | (index + 1); 0 is empty
  size_t mask_ = 0;
};

}  // namespace lorvix::solver
