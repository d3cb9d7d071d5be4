#pragma once
// Where the figure can walk on a board that its walking leaves alone, and
// how far each square is. Walking onto walkable squares and being carried
// by pads changes no square, so on such a board the figure's moves form a
// plain graph, searched breadth first. The moves that would change the
// board (pushes, including pushes into pads) are collected as candidates
// for the rules to play, with the walk that leads to them.
//
// Run tells the moves apart in the order in which the rules resolve them:
// walk, push into a pad, step onto a pad, push. Moves the rules block, and
// moves that only bump, change nothing and lead nowhere.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "levels/level_files.h"

namespace lorvix::solver {

class FigureWalk {
 public:
  static constexpr uint16_t UNREACHED = UINT16_MAX;

  struct Push {
    int cell;       // where the figure stands for it
    int key;        // index into ARROW_KEYS
    uint16_t walk;  // moves to get there
  };

  explicit FigureWalk(const LevelRecord& level);

  // Searches from the figure's square; the results below hold until the
  // next call. The exit ends a walk: the level is solved there.
  void Run(const TileGrid& board, int figureCell);

  const std::vector<Push>& Pushes() const { return pushes_; }
  uint16_t ExitWalk() const { return exitCell_ >= 0 ? distance_[exitCell_] : UNREACHED; }
  // The letters of a shortest walk to a square reached by the last run.
  std::string WalkTo(int cell) const;

 private:
  void Reach(int cell, int from, int key, uint16_t walk);
  int PadLanding(const TileGrid& board, int pad) const;

  int exitCell_ = -1;
  std::array<std::array<int16_t, 4>, BOARD_CELLS> next_{};  // the square beside, by key, or -1
  // Pads never change unless a door opens on one; then partners are looked
  // up on the board at hand.
  bool padsFixed_ = true;
  std::array<int16_t, BOARD_CELLS> fixedLanding_{};  // where a pad carries the figure, or -1
  std::array<uint16_t, BOARD_CELLS> distance_{};
  std::array<int16_t, BOARD_CELLS> cameFrom_{};
  std::array<uint8_t, BOARD_CELLS> keyFrom_{};
  std::vector<int> queue_;
  std::vector<Push> pushes_;
};

}  // namespace lorvix::solver
