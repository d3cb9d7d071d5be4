#pragma once
// How a position of a level is packed into a search state. Most squares of
// a level never change (walls, pads, the exit, squares no block can reach),
// so a state holds only the figure's square and the codes of the squares
// that can change, each in as few bits as its possible codes need, in a few
// 64-bit words. The wall codes kept for open doors are part of the state
// only in levels where they can differ between two equal boards.

#include <array>
#include <cstdint>
#include <vector>

#include "levels/level_files.h"
#include "tools/solver/level_doors.h"

namespace lorvix::solver {

// A position as the rules see it.
struct Position {
  TileGrid board{};
  int figureCell = 0;
  std::array<int32_t, DOOR_SLOTS> savedTiles{};  // the key/door pairs, then the door to the exit
};

class StateLayout {
 public:
  // The level's start square must lie on the board.
  explicit StateLayout(const LevelRecord& level);

  int Words() const { return words_; }
  int Bits() const { return bits_; }
  int VaryingSquares() const { return static_cast<int>(cellFields_.size()); }
  bool TracksSavedTiles() const { return !slotFields_.empty(); }

  // The level's start position. Where the saved wall codes are not part of
  // the state, each door's slot holds that door's own wall code, which is
  // the only value the checks can ever restore from it.
  const Position& Start() const { return start_; }

  // Packs the position into Words() words. Returns -1, or what the layout
  // did not foresee: the board cell holding an unexpected code, or
  // BOARD_CELLS + slot for an unexpected saved wall code.
  int Pack(const Position& position, uint64_t* out) const;
  // The same for a position reached in one move from `from`, whose packed
  // form is `fromWords`: only what differs is packed again. A change of a
  // square that the layout holds constant is unexpected too.
  int Repack(const Position& from, const uint64_t* fromWords, const TileGrid& board, int figureCell,
             const std::array<int32_t, DOOR_SLOTS>& savedTiles, uint64_t* out) const;
  // Whether two packed positions differ in the figure's square at most.
  bool SameBoard(const uint64_t* a, const uint64_t* b) const;
  // Writes the varying squares, the figure and the tracked slots into `out`,
  // whose other squares must already hold the start position's codes.
  void Unpack(const uint64_t* in, Position& out) const;

 private:
  // The codes one square (or slot) may hold, numbered from 0.
  struct Domain {
    std::vector<int32_t> codes;
    std::array<int8_t, 128> numberOfSmallCode{};
    int bits = 0;
    int NumberOf(int32_t code) const {
      if (code >= 0 && code < static_cast<int32_t>(numberOfSmallCode.size())) return numberOfSmallCode[code];
      for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == code) return static_cast<int>(i);
      return -1;
    }
  };
  struct Field {
    uint16_t index;  // board cell or door slot
    uint8_t domain;
    uint8_t shift;
    uint32_t word;
  };

  static constexpr int16_t CONSTANT = -1;

  int AddDomain(std::vector<int32_t> codes);
  void PlaceField(std::vector<Field>& fields, int index, int domain);
  // Writes the number of `code` into the field; false when it has none.
  bool Store(const Field& f, int32_t code, uint64_t* out) const;

  std::vector<Domain> domains_;
  std::vector<Field> cellFields_;
  std::vector<Field> slotFields_;
  std::array<int16_t, BOARD_CELLS> fieldOfCell_{};
  Position start_;
  int words_ = 1;
  int bits_ = 0;
};

}  // namespace lorvix::solver
