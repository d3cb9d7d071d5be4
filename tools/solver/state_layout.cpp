#include "tools/solver/state_layout.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "tools/solver/block_reach.h"

namespace lorvix::solver {
namespace {

// 300 squares need 9 bits.
inline constexpr int FIGURE_BITS = 9;

void AddCode(std::vector<int32_t>& codes, int32_t code) {
  if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

// When every door has a square of its own that starts as a wall, the door's
// square only ever shows that wall code, the floor written when the door
// opens, or a block pushed in while it stands open. Its slot is written
// only when the door opens, always with that wall code, and read only after
// that. Equal boards then behave alike whatever the slots hold, and the
// slots can stay out of the state.
bool SavedTilesFollowFromBoard(const LevelRecord& level, const std::vector<LevelDoor>& doors) {
  for (size_t i = 0; i < doors.size(); ++i) {
    if (!IsClosedDoor(level.Board[doors[i].cell])) return false;
    for (size_t j = i + 1; j < doors.size(); ++j)
      if (doors[i].cell == doors[j].cell) return false;
  }
  return true;
}

// Whether two columns of 15 squares differ, without a branch per square.
bool ColumnsDiffer(const int32_t* a, const int32_t* b) {
  uint32_t difference = 0;
  for (int row = 0; row < BOARD_ROWS; ++row) difference |= static_cast<uint32_t>(a[row] ^ b[row]);
  return difference != 0;
}

}  // namespace

int StateLayout::AddDomain(std::vector<int32_t> codes) {
  Domain domain;
  domain.codes = std::move(codes);
  domain.numberOfSmallCode.fill(-1);
  for (size_t i = 0; i < domain.codes.size(); ++i) {
    const int32_t code = domain.codes[i];
    if (code >= 0 && code < static_cast<int32_t>(domain.numberOfSmallCode.size()))
      domain.numberOfSmallCode[code] = static_cast<int8_t>(i);
  }
  domain.bits = std::bit_width(domain.codes.size() - 1);
  domains_.push_back(std::move(domain));
  return static_cast<int>(domains_.size()) - 1;
}

// Fields never straddle two words, which keeps packing a shift and a mask.
void StateLayout::PlaceField(std::vector<Field>& fields, int index, int domain) {
  const int width = domains_[domain].bits;
  if (width == 0) return;
  if (bits_ % 64 + width > 64) bits_ += 64 - bits_ % 64;
  fields.push_back({static_cast<uint16_t>(index), static_cast<uint8_t>(domain),
                    static_cast<uint8_t>(bits_ % 64), static_cast<uint32_t>(bits_ / 64)});
  bits_ += width;
  words_ = (bits_ + 63) / 64;
}

// Each square a block can reach may hold the codes of its own ground (floor,
// socket or water) with each kind of block of the level on it. Door squares
// may hold anything a door can show.
StateLayout::StateLayout(const LevelRecord& level) {
  const TileGrid& board = level.Board;
  const std::vector<LevelDoor> doors = DoorsOf(level);
  const bool tracked = !SavedTilesFollowFromBoard(level, doors);

  std::vector<int32_t> floorCodes{TILE_FLOOR}, targetCodes{TILE_TARGET}, waterCodes{TILE_WATER};
  for (int32_t code : board) {
    if (code == TILE_CRATE || code == TILE_CRATE_ON_TARGET) {
      AddCode(floorCodes, TILE_CRATE);
      AddCode(targetCodes, TILE_CRATE_ON_TARGET);
    } else if (code == TILE_SLIDER || code == TILE_SLIDER_ON_TARGET) {
      AddCode(floorCodes, TILE_SLIDER);
      AddCode(targetCodes, TILE_SLIDER_ON_TARGET);
    } else if (code == TILE_PLUG) {
      AddCode(floorCodes, TILE_PLUG);
      AddCode(targetCodes, TILE_FILLED);
    }
    if (IsBlock(code)) AddCode(waterCodes, TILE_FILLED);
  }
  std::vector<int32_t> doorCodes = floorCodes;
  if (tracked)
    for (int32_t code : {0, 3, 5, 6, 8, 9, 10, 11, 12}) AddCode(doorCodes, code);
  for (const LevelDoor& door : doors) AddCode(doorCodes, board[door.cell]);

  const int floorDomain = AddDomain(floorCodes);
  const int targetDomain = AddDomain(targetCodes);
  const int waterDomain = AddDomain(waterCodes);
  const int doorDomain = AddDomain(doorCodes);

  bits_ = FIGURE_BITS;
  fieldOfCell_.fill(CONSTANT);
  CellFlags doorCells{};
  for (const LevelDoor& door : doors) doorCells[door.cell] = true;
  const CellFlags reach = SquaresBlocksCanReach(level);
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    const int32_t code = board[cell];
    const size_t fieldsBefore = cellFields_.size();
    if (doorCells[cell])
      PlaceField(cellFields_, cell, doorDomain);
    else if (!reach[cell])
      continue;
    else if (code == TILE_TARGET || code == TILE_CRATE_ON_TARGET || code == TILE_SLIDER_ON_TARGET)
      PlaceField(cellFields_, cell, targetDomain);
    else if (code == TILE_WATER)
      PlaceField(cellFields_, cell, waterDomain);
    else
      PlaceField(cellFields_, cell, floorDomain);
    if (cellFields_.size() > fieldsBefore) fieldOfCell_[cell] = static_cast<int16_t>(fieldsBefore);
  }

  start_.board = board;
  start_.figureCell = CellIndex(level.Start.col, level.Start.row);
  for (const LevelDoor& door : doors) {
    if (tracked)
      PlaceField(slotFields_, door.slot, doorDomain);
    else
      start_.savedTiles[door.slot] = board[door.cell];
  }
}

bool StateLayout::Store(const Field& f, int32_t code, uint64_t* out) const {
  const Domain& d = domains_[f.domain];
  const int number = d.NumberOf(code);
  if (number < 0) return false;
  const uint64_t mask = ((uint64_t{1} << d.bits) - 1) << f.shift;
  out[f.word] = (out[f.word] & ~mask) | (static_cast<uint64_t>(number) << f.shift);
  return true;
}

int StateLayout::Pack(const Position& position, uint64_t* out) const {
  std::fill(out, out + words_, 0);
  out[0] = static_cast<uint64_t>(position.figureCell);
  for (const Field& f : cellFields_)
    if (!Store(f, position.board[f.index], out)) return f.index;
  for (const Field& f : slotFields_)
    if (!Store(f, position.savedTiles[f.index], out)) return BOARD_CELLS + f.index;
  return -1;
}

// Most moves are walks that leave the board alone, which one comparison of
// the whole board finds out. Other moves change a handful of squares, so
// the boards are then compared a column at a time and only differing
// columns are looked at closely.
int StateLayout::Repack(const Position& from, const uint64_t* fromWords, const TileGrid& board, int figureCell,
                        const std::array<int32_t, DOOR_SLOTS>& savedTiles, uint64_t* out) const {
  std::copy(fromWords, fromWords + words_, out);
  out[0] = (out[0] & ~uint64_t{(1u << FIGURE_BITS) - 1}) | static_cast<uint64_t>(figureCell);
  const bool boardChanged = std::memcmp(board.data(), from.board.data(), sizeof(board)) != 0;
  for (int column = 0; boardChanged && column < BOARD_CELLS; column += BOARD_ROWS) {
    if (!ColumnsDiffer(&board[column], &from.board[column])) continue;
    for (int cell = column; cell < column + BOARD_ROWS; ++cell) {
      if (board[cell] == from.board[cell]) continue;
      const int16_t field = fieldOfCell_[cell];
      if (field == CONSTANT || !Store(cellFields_[field], board[cell], out)) return cell;
    }
  }
  for (const Field& f : slotFields_)
    if (savedTiles[f.index] != from.savedTiles[f.index] && !Store(f, savedTiles[f.index], out))
      return BOARD_CELLS + f.index;
  return -1;
}

bool StateLayout::SameBoard(const uint64_t* a, const uint64_t* b) const {
  constexpr uint64_t FIGURE_MASK = (uint64_t{1} << FIGURE_BITS) - 1;
  if ((a[0] | FIGURE_MASK) != (b[0] | FIGURE_MASK)) return false;
  return std::equal(a + 1, a + words_, b + 1);
}

void StateLayout::Unpack(const uint64_t* in, Position& out) const {
  out.figureCell = static_cast<int>(in[0] & ((1u << FIGURE_BITS) - 1));
  for (const Field& f : cellFields_) {
    const Domain& d = domains_[f.domain];
    out.board[f.index] = d.codes[(in[f.word] >> f.shift) & ((uint64_t{1} << d.bits) - 1)];
  }
  for (const Field& f : slotFields_) {
    const Domain& d = domains_[f.domain];
    out.savedTiles[f.index] = d.codes[(in[f.word] >> f.shift) & ((uint64_t{1} << d.bits) - 1)];
  }
}

}  // namespace lorvix::solver
