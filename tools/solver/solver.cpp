#include "tools/solver/solver.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include "tools/solver/bucket_queue.h"
#include "tools/solver/figure_walk.h"
#include "tools/solver/lower_bound.h"
#include "tools/solver/move_runner.h"
#include "tools/solver/state_layout.h"
#include "tools/solver/state_store.h"

namespace lorvix::solver {
namespace {

inline constexpr uint32_t NO_GOAL = UINT32_MAX;
inline constexpr int WALK_ONLY = -1;

// How a state was reached from its parent: the square the figure walked to
// and the key pressed there.
uint16_t Link(int cell, int key) { return static_cast<uint16_t>(cell * 4 + key); }
int LinkCell(uint16_t link) { return link / 4; }
int LinkKey(uint16_t link) { return link % 4; }

std::array<int32_t, DOOR_SLOTS> SavedTilesOf(const GameState& s) {
  std::array<int32_t, DOOR_SLOTS> saved{};
  std::copy(s.SavedDoorTiles.begin(), s.SavedDoorTiles.end(), saved.begin());
  saved[EXIT_DOOR_SLOT] = s.SavedExitDoorTile;
  return saved;
}

// A best-first search (A*) over the positions between the figure's walks:
// the start, and every position right after a move that changed the
// board. From each one the figure's walks are searched breadth first, and
// every push at the end of a walk leads to a new position, at the cost of
// the walk and the push. The lower bounds of LowerBound never overestimate,
// so the first solution whose moves no open position can beat has the
// fewest moves.
//
// Where the checks after a move would change the board (before the first
// key of a level, or with doors that share a square) walking is not free of
// side effects, and the four keys are played one by one instead.
class PushSearch {
 public:
  PushSearch(const LevelRecord& level, const SolveOptions& options)
      : layout_(level), runner_(level), walk_(level), bound_(level), store_(layout_.Words()), options_(options),
        next_(layout_.Words()), current_(layout_.Start()),
        exitCell_(OnBoard(level.Exit) ? CellIndex(level.Exit.col, level.Exit.row) : -1) {}

  SolveResult Run() {
    SolveResult result;
    result.status = Search();
    if (result.status == SolveStatus::Solved) WriteSolution(result);
    if (result.status == SolveStatus::InvalidLevel) result.problem = problem_;
    result.states = store_.Size();
    result.explored = explored_;
    result.memoryBytes = store_.BytesUsed() + queue_.BytesUsed();
    result.seconds = Seconds();
    return result;
  }

 private:
  struct Goal {
    uint32_t cost = NO_GOAL;
    uint32_t parent = 0;
    int cell = 0;
    int key = WALK_ONLY;
  };

  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
  }

  SolveStatus Search() {
    const Position& start = layout_.Start();
    if (const int bad = layout_.Pack(start, next_.data()); bad >= 0) {
      Complain(start.board, bad);
      return SolveStatus::InvalidLevel;
    }
    const uint16_t estimate = bound_.Estimate(start.board, start.figureCell);
    store_.Insert(next_.data(), {StateStore::NO_PARENT, 0, 0, estimate});
    if (estimate == LowerBound::HOPELESS) return SolveStatus::Unsolvable;
    queue_.Push(estimate, 0);

    while (!queue_.Empty()) {
      const uint32_t priority = queue_.LowestPriority();
      if (priority >= goal_.cost) break;
      const uint32_t index = queue_.Pop();
      const StateStore::Node node = store_.At(index);
      if (node.cost + node.estimate != priority) continue;  // reached more cheaply since
      if (++explored_ % REPORT_INTERVAL == 0 && Report(priority)) return SolveStatus::Cancelled;
      if (const auto status = Expand(index, node.cost)) return *status;
    }
    return goal_.cost != NO_GOAL ? SolveStatus::Solved : SolveStatus::Unsolvable;
  }

  // Tells the watching thread how far the search is; true when it asks the
  // search to stop.
  bool Report(uint32_t lowerBound) {
    if (SolveProgress* progress = options_.progress) {
      progress->explored.store(explored_, std::memory_order_relaxed);
      progress->stored.store(store_.Size(), std::memory_order_relaxed);
      progress->lowerBound.store(static_cast<int>(lowerBound), std::memory_order_relaxed);
      progress->seconds.store(Seconds(), std::memory_order_relaxed);
    }
    if (options_.reported) options_.reported();
    return options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed);
  }

  std::optional<SolveStatus> Expand(uint32_t index, uint32_t cost) {
    const uint64_t* from = store_.State(index);
    layout_.Unpack(from, current_);
    const int figure = current_.figureCell;
    if (figure == exitCell_ || !runner_.Settled(current_)) {
      for (int key = 0; key < static_cast<int>(ARROW_KEYS.size()); ++key)
        if (const auto status = Play(index, from, figure, key, cost, false)) return status;
      return std::nullopt;
    }
    walk_.Run(current_.board, figure);
    if (const uint16_t walk = walk_.ExitWalk(); walk != FigureWalk::UNREACHED)
      OfferGoal(cost + walk, index, exitCell_, WALK_ONLY);
    for (const FigureWalk::Push& push : walk_.Pushes())
      if (const auto status = Play(index, from, push.cell, push.key, cost + push.walk, true)) return status;
    return std::nullopt;
  }

  // Plays the key with the figure on `cell` of the current position, which
  // took `cost` moves to reach. Only a move that changes the board leads
  // anywhere new when the figure's walks are searched separately.
  std::optional<SolveStatus> Play(uint32_t index, const uint64_t* from, int cell, int key, uint32_t cost,
                                  bool boardMustChange) {
    const int figure = current_.figureCell;
    current_.figureCell = cell;
    const MoveOutcome outcome = runner_.Run(current_, ARROW_KEYS[key]);
    current_.figureCell = figure;
    if (outcome.endless) return std::nullopt;
    cost += outcome.counted ? 1 : 0;
    if (outcome.solved) {
      OfferGoal(cost, index, cell, key);
      return std::nullopt;
    }

    const GameState& r = runner_.Result();
    const int landed = CellIndex(r.PlayerCol, r.PlayerRow);
    if (const int bad = layout_.Repack(current_, from, r.Board, landed, SavedTilesOf(r), next_.data()); bad >= 0) {
      Complain(r.Board, bad);
      return SolveStatus::InvalidLevel;
    }
    if (boardMustChange ? layout_.SameBoard(next_.data(), from)
                        : std::memcmp(next_.data(), from, sizeof(uint64_t) * next_.size()) == 0)
      return std::nullopt;
    const uint16_t estimate = bound_.Estimate(r.Board, landed);
    if (estimate == LowerBound::HOPELESS || cost + estimate >= goal_.cost) return std::nullopt;

    const StateStore::Node node{index, cost, Link(cell, key), estimate};
    const StateStore::Found found = store_.Insert(next_.data(), node);
    if (!found.added) {
      StateStore::Node& known = store_.At(found.index);
      if (cost >= known.cost) return std::nullopt;
      known = node;
    }
    queue_.Push(cost + estimate, found.index);
    if (store_.Size() >= options_.stateLimit) return SolveStatus::GaveUp;
    return std::nullopt;
  }

  void OfferGoal(uint32_t cost, uint32_t parent, int cell, int key) {
    if (cost < goal_.cost) goal_ = {cost, parent, cell, key};
  }

  void Complain(const TileGrid& board, int bad) {
    problem_ = bad < BOARD_CELLS ? "unexpected code " + std::to_string(board[bad]) + " on square " +
                                       std::to_string(bad / BOARD_ROWS) + " " + std::to_string(bad % BOARD_ROWS)
                                 : "unexpected saved door code";
  }

  // The keys from the parent state: the walk to `cell`, then the key.
  std::string Letters(uint32_t parent, int cell, int key) {
    layout_.Unpack(store_.State(parent), current_);
    std::string letters;
    if (cell != current_.figureCell) {
      walk_.Run(current_.board, current_.figureCell);
      letters = walk_.WalkTo(cell);
    }
    if (key != WALK_ONLY) letters += ARROW_LETTERS[key];
    return letters;
  }

  void WriteSolution(SolveResult& result) {
    std::vector<uint32_t> chain;
    for (uint32_t i = goal_.parent; i != StateStore::NO_PARENT; i = store_.At(i).parent) chain.push_back(i);
    std::reverse(chain.begin(), chain.end());
    for (size_t j = 0; j + 1 < chain.size(); ++j) {
      const uint16_t link = store_.At(chain[j + 1]).link;
      result.keys += Letters(chain[j], LinkCell(link), LinkKey(link));
    }
    result.keys += Letters(goal_.parent, goal_.cell, goal_.key);
    result.moves = static_cast<int>(goal_.cost);
  }

  const std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
  StateLayout layout_;
  MoveRunner runner_;
  FigureWalk walk_;
  LowerBound bound_;
  StateStore store_;
  BucketQueue queue_;
  const SolveOptions& options_;
  std::vector<uint64_t> next_;
  Position current_;
  int exitCell_;
  Goal goal_;
  size_t explored_ = 0;
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
  return PushSearch(level, options).Run();
}

size_t MemoryForecast(const LevelRecord& level, size_t states) {
  if (!OnBoard(level.Start)) return 0;
  return StateStore::BytesFor(states, StateLayout(level).Words());
}

// The forecast grows with the number of positions, in steps where the hash
// table doubles, so the limit is found by halving the range.
size_t StateLimitWithin(const LevelRecord& level, size_t bytes) {
  if (!OnBoard(level.Start)) return 0;
  const int words = StateLayout(level).Words();
  size_t fits = 0, tooMany = bytes;  // a position takes more than a byte
  while (tooMany - fits > 1) {
    const size_t middle = fits + (tooMany - fits) / 2;
    (StateStore::BytesFor(middle, words) <= bytes ? fits : tooMany) = middle;
  }
  return fits;
}

}  // namespace lorvix::solver
