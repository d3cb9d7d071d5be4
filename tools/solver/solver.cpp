#include "tools/solver/solver.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include "tools/solver/move_runner.h"
#include "tools/solver/state_layout.h"
#include "tools/solver/state_store.h"

namespace lorvix::solver {
namespace {

// The link of a state names the key (its index in ARROW_KEYS) that led to
// it, with this bit set when that key press did not count.
inline constexpr uint8_t FREE_KEY = 0x4;
inline constexpr uint8_t KEY_MASK = 0x3;

std::array<int32_t, DOOR_SLOTS> SavedTilesOf(const GameState& s) {
  std::array<int32_t, DOOR_SLOTS> saved{};
  std::copy(s.SavedDoorTiles.begin(), s.SavedDoorTiles.end(), saved.begin());
  saved[EXIT_DOOR_SLOT] = s.SavedExitDoorTile;
  return saved;
}

// Breadth-first search by layers of equal move count. The store's order is
// the queue: a layer is the range of states added while the layer before
// was expanded. States reached by a key press that did not count belong to
// the layer being expanded; they wait in a small queue of their own and
// carry FREE_KEY in their link, which is how the next layer's range knows
// to skip them.
class BreadthFirstSearch {
 public:
  BreadthFirstSearch(const LevelRecord& level, const SolveOptions& options)
      : layout_(level), runner_(level), store_(layout_.Words()), limit_(options.stateLimit),
        successors_(ARROW_KEYS.size() * layout_.Words()), current_(layout_.Start()) {}

  SolveResult Run() {
    const auto began = std::chrono::steady_clock::now();
    SolveResult result;
    result.status = SearchLayers();
    if (result.status == SolveStatus::Solved) WriteSolution(result);
    if (result.status == SolveStatus::InvalidLevel) result.problem = problem_;
    result.states = store_.Size();
    result.memoryBytes = store_.BytesUsed();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return result;
  }

 private:
  enum class Expansion { Continue, Solved, Full, Broken };

  SolveStatus SearchLayers() {
    const Position& start = layout_.Start();
    if (const int bad = layout_.Pack(start, successors_.data()); bad >= 0) {
      Complain(start.board, bad);
      return SolveStatus::InvalidLevel;
    }
    store_.Insert(successors_.data(), StateStore::NO_PARENT, 0);

    size_t layerBegin = 0;
    layerEnd_ = 1;
    for (;;) {
      for (size_t i = layerBegin; i < layerEnd_; ++i) {
        if (store_.Move(static_cast<uint32_t>(i)) & FREE_KEY) continue;
        if (const auto status = StatusOf(Expand(static_cast<uint32_t>(i)))) return *status;
      }
      for (size_t q = 0; q < freeQueue_.size(); ++q)
        if (const auto status = StatusOf(Expand(freeQueue_[q]))) return *status;
      freeQueue_.clear();
      if (store_.Size() == layerEnd_) return SolveStatus::Unsolvable;
      layerBegin = layerEnd_;
      layerEnd_ = store_.Size();
    }
  }

  static std::optional<SolveStatus> StatusOf(Expansion e) {
    switch (e) {
      case Expansion::Continue: return std::nullopt;
      case Expansion::Solved: return SolveStatus::Solved;
      case Expansion::Full: return SolveStatus::GaveUp;
      case Expansion::Broken: return SolveStatus::InvalidLevel;
    }
    return std::nullopt;
  }

  // Plays the four keys on state `index`. Keys that change nothing are
  // dropped here; a changed position already met is dropped by the store.
  // All successors are packed and their table slots fetched before the
  // first is looked up, so that the cache misses overlap.
  //
  // The first key that solves the level ends the search: every state of a
  // layer has the same count, and a key that does not count can only solve
  // from a state whose figure already stands on the exit, which was itself
  // a solution when it was reached. The start is the one exception, so a
  // key that solves without counting wins over one that counts.
  Expansion Expand(uint32_t index) {
    const uint64_t* from = store_.State(index);
    layout_.Unpack(from, current_);
    const size_t words = layout_.Words();
    int count = 0;
    bool solved = false;
    for (uint8_t k = 0; k < ARROW_KEYS.size(); ++k) {
      const MoveOutcome outcome = runner_.Run(current_, ARROW_KEYS[k]);
      if (outcome.endless) continue;
      const uint8_t move = outcome.counted ? k : static_cast<uint8_t>(k | FREE_KEY);
      if (outcome.solved) {
        goalParent_ = index;
        if (!solved || !outcome.counted) goalMove_ = move;
        if (!outcome.counted) return Expansion::Solved;
        solved = true;
        continue;
      }
      const GameState& r = runner_.Result();
      uint64_t* next = &successors_[count * words];
      const int bad = layout_.Repack(current_, from, r.Board, CellIndex(r.PlayerCol, r.PlayerRow),
                                     SavedTilesOf(r), next);
      if (bad >= 0) {
        Complain(r.Board, bad);
        return Expansion::Broken;
      }
      if (std::memcmp(next, from, sizeof(uint64_t) * words) == 0) continue;
      hashes_[count] = store_.Hash(next);
      store_.Prefetch(hashes_[count]);
      moves_[count] = move;
      ++count;
    }
    if (solved) return Expansion::Solved;

    for (int j = 0; j < count; ++j) {
      const uint8_t move = moves_[j];
      const StateStore::Found found = store_.Insert(&successors_[j * words], hashes_[j], index, move);
      if (move & FREE_KEY) {
        // A state first met one counted move further on is really in this
        // layer: link it to this state instead.
        const bool laterLayer = found.index >= layerEnd_ && !(store_.Move(found.index) & FREE_KEY);
        if (!found.added && laterLayer) store_.Relink(found.index, index, move);
        if (found.added || laterLayer) freeQueue_.push_back(found.index);
      }
      if (store_.Size() >= limit_) return Expansion::Full;
    }
    return Expansion::Continue;
  }

  void Complain(const TileGrid& board, int bad) {
    problem_ = bad < BOARD_CELLS ? "unexpected code " + std::to_string(board[bad]) + " on square " +
                                       std::to_string(bad / BOARD_ROWS) + " " + std::to_string(bad % BOARD_ROWS)
                                 : "unexpected saved door code";
  }

  void WriteSolution(SolveResult& result) const {
    std::vector<uint8_t> moves{goalMove_};
    for (uint32_t i = goalParent_; store_.Parent(i) != StateStore::NO_PARENT; i = store_.Parent(i))
      moves.push_back(store_.Move(i));
    std::reverse(moves.begin(), moves.end());
    for (uint8_t move : moves) {
      result.keys += ARROW_LETTERS[move & KEY_MASK];
      if (!(move & FREE_KEY)) ++result.moves;
    }
  }

  StateLayout layout_;
  MoveRunner runner_;
  StateStore store_;
  size_t limit_;
  std::vector<uint64_t> successors_;
  std::array<uint32_t, ARROW_KEYS.size()> hashes_{};
  std::array<uint8_t, ARROW_KEYS.size()> moves_{};
  Position current_;
  std::vector<uint32_t> freeQueue_;
  size_t layerEnd_ = 0;
  uint32_t goalParent_ = 0;
  uint8_t goalMove_ = 0;
  std::string problem_;
};

}  // namespace

SolveResult Solve(const LevelRecord& level, const SolveOptions& options) {
  if (!OnBoard(level.Start)) {
    SolveResult result;
    result.status = SolveStatus::InvalidLevel;
    result.problem = "start square outside the board";
    return result;
  }
  return BreadthFirstSearch(level, options).Run();
}

size_t MemoryForecast(const LevelRecord& level, size_t states) {
  if (!OnBoard(level.Start)) return 0;
  return StateStore::BytesFor(states, StateLayout(level).Words());
}

}  // namespace lorvix::solver
