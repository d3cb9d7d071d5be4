#pragma once
// Lower bounds on the counted moves that still separate a position from
// the exit, so that the search can try the most promising positions first
// and drop the hopeless ones. Every bound comes from a relaxed level in
// which the figure may stand wherever it could ever stand and blocks may
// move wherever a push could ever take them, so no bound exceeds the truth.
//
// Two bounds are taken, and the larger one counts:
//  - the figure's own way to the exit, one square (or one pad) per move;
//  - when the door to the exit guards the way (below), the pushes every
//    unplaced block still needs to reach a socket or water, plus the way
//    from the door to the exit.
//
// The door to the exit guards the way when the figure cannot reach the
// exit without entering the door's square and the door is shut now. The
// door's square then first has to open, which only the door check does,
// and only while every block is placed. A block that can never be placed
// then makes the position hopeless.

#include <array>
#include <cstdint>
#include <vector>

#include "levels/level_files.h"

namespace lorvix::solver {

class LowerBound {
 public:
  static constexpr uint16_t HOPELESS = UINT16_MAX;

  explicit LowerBound(const LevelRecord& level);

  // HOPELESS when the exit can never be reached from the position.
  uint16_t Estimate(const TileGrid& board, int figureCell) const;

 private:
  using Distances = std::array<uint16_t, BOARD_CELLS>;

  void FindGuardingDoor(const LevelRecord& level);

  Distances figureToExit_{};
  Distances crateToPlace_{};   // crates and plugs: sockets and water place both
  Distances sliderToPlace_{};
  std::vector<int> blockCells_;  // the squares blocks may ever occupy
  // The guarding door, when the level has one.
  int doorCell_ = -1;
  int32_t doorWall_ = 0;
  uint16_t doorToExit_ = 0;
  std::array<bool, BOARD_CELLS> exitPastDoor_{};  // the exit is reachable without entering the door
};

}  // namespace lorvix::solver
