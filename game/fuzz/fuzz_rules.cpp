// Fuzz target for the rules: any board of any codes, any start, exit, door
// and key squares, then any sequence of keys, undo, retry, clicks, replays,
// failing loads and game ticks. After every step it checks:
//
// - the move list position stays within the list;
// - the level's own squares (start, exit, doors, keys) are never written,
//   nor anything else beside the board (indexes into the board and the
//   move list are checked by the standard library's assertions in the
//   sanitizer build);
// - every slide ends within a bounded number of ticks;
// - an undo restores exactly the snapshot: the figure's square, and every
//   square but the doors that the check after it may open or close;
// - a level counts as solved only when the figure stands on an exit that
//   lies on the board, and never while the board holds no level.
//
// Input layout: a fill code, 26 coordinates (start, exit, door to the exit,
// five key/door pairs), 6 saved door codes, a flags byte, 300 board cells
// (column by column; missing cells take the fill code), then one action
// per byte, some of which read further bytes.

#include <cstdint>
#include <limits>

#include "fuzz/fuzz_input.h"
#include "game/rules.h"
#include "game/tick.h"
#include "levels/level_start.h"

namespace lorvix::fuzz {
namespace {

constexpr int32_t LOWEST = std::numeric_limits<int32_t>::min();
constexpr int32_t HIGHEST = std::numeric_limits<int32_t>::max();

// Every code the rules tell apart, the codes around them, and extremes.
constexpr int32_t CODES[] = {
    TILE_FLOOR, TILE_FLOOR, TILE_FLOOR, TILE_TARGET, TILE_CRATE, TILE_CRATE_ON_TARGET, TILE_EXIT,
    TILE_SLIDER, TILE_SLIDER_ON_TARGET, TILE_PLUG, TILE_FILLED, TILE_WATER, TILE_WALL_STONE,
    TILE_WALL_BLUE, TILE_LAMP_GREEN_ON, TILE_LAMP_BLUE_OFF, TILE_WALL_RED, 50, 51, 52, 53, 54, 55, 56, 57,
    TILE_EXIT_2, TILE_EXIT_3, TILE_PILLAR_FIRST, 89, TILE_PILLAR_LAST, TILE_GEAR_FIRST, 114,
    TILE_GEAR_LAST, 0, 2, 4, 13, 49, 58, -1, 1000, LOWEST, HIGHEST};

// Squares just around the board are the interesting ones; a few bytes
// stand for squares far away.
constexpr int32_t FAR_COORDINATES[] = {NOT_PLACED, -1000, LOWEST, HIGHEST, LOWEST + 1, HIGHEST - 1};
int32_t Coordinate(FuzzInput& in) {
  const uint8_t byte = in.Byte();
  if (byte < 240) return byte % 23 - 1;
  return FAR_COORDINATES[(byte - 240) % std::size(FAR_COORDINATES)];
}
Square SquareFrom(FuzzInput& in) { return {Coordinate(in), Coordinate(in)}; }

// Codes a replayed move list may hold: the moves, undo, the end marker and
// entries the replay waits on.
constexpr int32_t REPLAYED[] = {MOVE_RIGHT, MOVE_LEFT, MOVE_DOWN, MOVE_UP, MOVE_UNDO, MOVE_END, 0, 7, -1};
constexpr int COMMAND_KEYS[] = {KEY_NEXT_LEVEL, KEY_PREVIOUS_LEVEL, KEY_NEXT_WORLD, KEY_PREVIOUS_WORLD};
constexpr int ARROW_KEYS[] = {KEY_RIGHT, KEY_LEFT, KEY_UP, KEY_DOWN};

// A slide takes a step every sixth tick and, by the rules, no more steps
// than the board has squares.
constexpr int MAX_SLIDE_TICKS = 6 * (BOARD_CELLS + 2);

LevelRecord LevelFrom(FuzzInput& in) {
  LevelRecord level;
  const int32_t fill = in.Pick(CODES);
  level.Start = SquareFrom(in);
  level.Exit = SquareFrom(in);
  level.ExitDoor = SquareFrom(in);
  for (int i = 0; i < KEY_PAIRS; ++i) {
    level.KeySquares[i] = SquareFrom(in);
    level.DoorSquares[i] = SquareFrom(in);
  }
  level.Board.fill(fill);
  return level;
}

// The level's squares, which nothing but a load may change.
struct FixedSquares {
  std::array<Square, KEY_PAIRS> keys, doors;
  int32_t exitCol, exitRow, exitDoorCol, exitDoorRow;
  friend bool operator==(const FixedSquares&, const FixedSquares&) = default;
};
FixedSquares FixedOf(const GameState& s) {
  return {s.KeySquares, s.DoorSquares, s.ExitCol, s.ExitRow, s.ExitDoorCol, s.ExitDoorRow};
}

// Stands in for the game window: loads restart the level (or, when the
// input asked for it, fail and leave the empty board), solving checks the
// figure's square and starts the level again, as the next level would.
class Host : public GameHost {
 public:
  Host(GameState& s, const LevelRecord& level) : s_(s), level_(level) {}

  void LevelSolved() override {
    Require(!s_.NoLevel);
    Require(s_.PlayerCol == s_.ExitCol && s_.PlayerRow == s_.ExitRow && OnBoard(s_.ExitCol, s_.ExitRow));
    Load();
  }
  bool LoadWorldLevel() override { return Load(); }
  void LoadExtraLevel() override { Load(); }
  void OpenUserLevel() override { Load(); }
  void RestartWorld() override { Load(); }
  void NextLevel() override { Load(); }
  void PreviousLevel() override { Load(); }
  void NextWorld() override { Load(); }
  void PreviousWorld() override { Load(); }
  uint32_t TickCount() override { return now; }
  int Random() override {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>(seed >> 16 & 0x7fff);
  }

  bool Load() {
    ++loads;
    if (nextLoadFails) {
      nextLoadFails = false;
      ShowNoLevel(s_);
    } else {
      StartLevel(s_, level_);
    }
    fixed = FixedOf(s_);
    return !s_.NoLevel;
  }

  uint32_t now = 0;
  uint32_t seed = 1;
  int loads = 0;
  bool nextLoadFails = false;
  FixedSquares fixed{};

 private:
  GameState& s_;
  const LevelRecord& level_;
};

class RulesRun {
 public:
  RulesRun(FuzzInput& in, LevelRecord& level) : in_(in), level_(level), host_(s_, level) {}

  // Door codes left from an earlier level, the options, and the board;
  // then the level is loaded as the window loads it.
  void Start() {
    for (int i = 0; i < KEY_PAIRS; ++i) s_.SavedDoorTiles[i] = in_.Pick(CODES);
    s_.SavedExitDoorTile = in_.Pick(CODES);
    const uint8_t flags = in_.Byte();
    const int32_t fill = level_.Board[0];
    for (int32_t& cell : level_.Board) cell = in_.Empty() ? fill : in_.Pick(CODES);
    host_.nextLoadFails = flags & 1;
    host_.Load();
    s_.SmoothMovement = flags & 2;
    s_.AnimationOn = (flags & 4) ? 1 : 0;
    s_.TitleShowing = flags & 8;
    s_.AboutShowing = flags & 16;
    s_.FacingRight = flags & 32;
    if (flags & 64) s_.MoveListPos = MOVE_LIST_SIZE - 3;
    host_.seed = flags;
  }

  void Act() {
    const GameState before = s_;
    const int loadsBefore = host_.loads;
    const uint8_t action = in_.Byte();
    switch (action % 16) {
      case 0: case 1: case 2: case 3: TryMove(s_, ARROW_KEYS[action % 4], host_); break;
      case 4: TryMove(s_, KEY_UNDO, host_); break;
      case 5: UndoChecked(before, loadsBefore); break;
      case 6: TryMove(s_, KEY_RETRY, host_); break;
      case 7: TryMove(s_, in_.Pick(COMMAND_KEYS), host_); break;
      case 8: Ticks(1 + in_.Byte()); break;
      case 9: MouseButtonDown(s_, in_.Byte() * 3, in_.Byte() * 2, host_); break;
      case 10: MouseButtonUp(s_); break;
      case 11: Replay(); break;
      case 12: host_.nextLoadFails = true; break;
      case 13: TryMove(s_, 'A' + in_.Byte() % 26, host_); break;
      case 14: Settle(); break;
      case 15: s_.SmoothMovement = !s_.SmoothMovement; break;
    }
    CheckAfterEveryStep();
    if (action % 16 < 4 && before.NoLevel && host_.loads == loadsBefore) {
      Require(s_.Board == before.Board);
      Require(s_.MoveCount == before.MoveCount);
    }
  }

  // Runs the ticks until the figure and every slider are at rest.
  void Settle() {
    for (int i = 0; i < MAX_SLIDE_TICKS + 64 && (s_.Sliding || s_.GlideX != 0 || s_.GlideY != 0); ++i) Ticks(1);
    Require(!s_.Sliding);
  }

 private:
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      host_.now += 5;
      GameTick(s_, tick_, host_);
      slideTicks_ = s_.Sliding ? slideTicks_ + 1 : 0;
      Require(slideTicks_ <= MAX_SLIDE_TICKS);
      CheckAfterEveryStep();
    }
  }

  // The menu's undo, which no gate holds back.
  void UndoChecked(const GameState& before, int loadsBefore) {
    Undo(s_, host_);
    if (host_.loads != loadsBefore) return;  // solved on the way back: a new level
    if (!before.MovedSinceUndo) {
      Require(s_.Board == before.Board && s_.PlayerCol == before.PlayerCol && s_.PlayerRow == before.PlayerRow);
      return;
    }
    Require(s_.PlayerCol == before.UndoPlayerCol && s_.PlayerRow == before.UndoPlayerRow);
    Require(s_.UndoBoard == before.UndoBoard);
    std::array<bool, BOARD_CELLS> door{};
    auto markDoor = [&door](int64_t col, int64_t row) {
      if (OnBoard(col, row)) door[CellIndex(static_cast<int>(col), static_cast<int>(row))] = true;
    };
    markDoor(s_.ExitDoorCol, s_.ExitDoorRow);
    for (int i = 0; i < KEY_PAIRS; ++i)
      if (s_.KeySquares[i].col != 0) markDoor(s_.DoorSquares[i].col, s_.DoorSquares[i].row);
    for (int i = 0; i < BOARD_CELLS; ++i)
      if (!door[i]) Require(s_.Board[i] == before.UndoBoard[i]);
  }

  // A stored solution as the replay command hands it to the game tick.
  void Replay() {
    s_.MoveList.fill(0);
    const int entries = in_.Byte() % 40;
    for (int i = 0; i < entries; ++i) s_.MoveList[i] = in_.Pick(REPLAYED);
    s_.MoveListPos = 0;
    s_.Replaying = true;
  }

  void CheckAfterEveryStep() {
    Require(s_.MoveListPos >= 0 && s_.MoveListPos <= MOVE_LIST_SIZE);
    Require(FixedOf(s_) == host_.fixed);
    Require(s_.GlideX >= -32 && s_.GlideX <= 32 && s_.GlideY >= -32 && s_.GlideY <= 32);
    if (s_.Sliding) Require(s_.SlideDir >= DIR_RIGHT && s_.SlideDir <= DIR_DOWN);
  }

  FuzzInput& in_;
  LevelRecord& level_;
  GameState s_;
  TickState tick_;
  Host host_;
  int slideTicks_ = 0;
};

}  // namespace
}  // namespace lorvix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lorvix::fuzz;
  FuzzInput in(data, size);
  lorvix::LevelRecord level = LevelFrom(in);
  RulesRun run(in, level);
  run.Start();
  while (!in.Empty()) run.Act();
  run.Settle();
  return 0;
}
