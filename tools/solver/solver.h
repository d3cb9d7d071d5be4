#pragma once
// Finds a solution with the fewest counted moves, playing every move with
// the game's own rules. A move counts when the move counter grows; a move
// into a wall or a stuck block does not count and usually changes nothing,
// but the checks it runs can open or close a door (for instance at the very
// first key of a level whose blocks are all placed), and such a key press
// is part of the solution at no cost.
//
// The search runs on the calling thread. Another thread may watch it
// through SolveProgress and stop it with the cancel flag, which the search
// looks at (and updates the progress) every REPORT_INTERVAL positions it
// explores, a few milliseconds at most.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "levels/level_files.h"

namespace lorvix::solver {

inline constexpr size_t DEFAULT_STATE_LIMIT = 20'000'000;
inline constexpr size_t REPORT_INTERVAL = 256;

// Figures of a running search, for another thread to read.
struct SolveProgress {
  std::atomic<size_t> explored{0};  // positions whose moves were tried
  std::atomic<size_t> stored{0};    // positions met
  std::atomic<int> lowerBound{0};   // no solution takes fewer moves than this
  std::atomic<double> seconds{0};   // since the search began
};

struct SolveOptions {
  size_t stateLimit = DEFAULT_STATE_LIMIT;  // positions stored before giving up
  const std::atomic<bool>* cancel = nullptr;
  SolveProgress* progress = nullptr;
  // Runs on the searching thread right after each update of `progress`,
  // e.g. to hand the figures to a window now and then. It must be cheap.
  std::function<void()> reported;
};

enum class SolveStatus {
  Solved,
  Unsolvable,   // every reachable position was searched
  GaveUp,       // the state limit was reached first
  Cancelled,    // the cancel flag was set
  InvalidLevel  // the start square lies outside the board
};

struct SolveResult {
  SolveStatus status = SolveStatus::Unsolvable;
  std::string keys;      // R, L, U, D for each key press, blocked ones included
  int moves = 0;         // counted moves
  size_t states = 0;     // positions stored
  size_t explored = 0;   // positions whose moves were tried
  size_t memoryBytes = 0;
  double seconds = 0;
  std::string problem;   // what was wrong when status is InvalidLevel
};

SolveResult Solve(const LevelRecord& level, const SolveOptions& options = {});

// A forecast of the memory a search of `states` positions of this level
// takes, for telling the user before it starts.
size_t MemoryForecast(const LevelRecord& level, size_t states);
// The most positions of this level whose forecast stays within `bytes`:
// a state limit that bounds the memory of a search whatever the level.
size_t StateLimitWithin(const LevelRecord& level, size_t bytes);

}  // namespace lorvix::solver
