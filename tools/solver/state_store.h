#pragma once
// Every state a search has met, each once, with what the search knows about
// it: the fewest moves found so far to reach it and the state they come
// from. States live in large chunks of flat arrays (no
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

  struct Node {
    uint32_t parent = NO_PARENT;
    uint32_t cost = 0;      // fewest counted moves found to reach the state
    uint16_t link = 0;      // how the search got here from the parent
    uint16_t estimate = 0;  // lower bound on the moves still to come
  };

  explicit StateStore(int words);
  StateStore(const StateStore&) = delete;
  StateStore& operator=(const StateStore&) = delete;

  uint32_t Hash(const uint64_t* state) const;
  void Prefetch(uint32_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

  struct Found {
    uint32_t index;
    bool added;
  };
  // Adds a state of Words() words unless it is already there; a new state's
  // node is `node`.
  Found Insert(const uint64_t* state, uint32_t hash, const Node& node);
  Found Insert(const uint64_t* state, const Node& node) { return Insert(state, Hash(state), node); }

  size_t Size() const { return size_; }
  int Words() const { return words_; }
  const uint64_t* State(uint32_t index) const {
    return chunks_[index >> CHUNK_BITS].words + size_t{index & CHUNK_MASK} * words_;
  }
  Node& At(uint32_t index) { return chunks_[index >> CHUNK_BITS].nodes[index & CHUNK_MASK]; }
  const Node& At(uint32_t index) const { return chunks_[index >> CHUNK_BITS].nodes[index & CHUNK_MASK]; }

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
    Node* nodes;
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
