#pragma once
// The state of the level being played, as the game window holds it. The
// rules (game/rules.h, game/tick.h) read and write these fields; the game
// window adds files, pictures, sound and settings around them.

#include <array>
#include <bitset>
#include <cstdint>

#include "game/board.h"

namespace lorvix {

inline constexpr int MOVE_LIST_SIZE = 2000;
inline constexpr int KEY_PAIRS = 5;

using MoveArray = std::array<int32_t, MOVE_LIST_SIZE>;

struct GameState {
  TileGrid Board{};
  TileGrid UndoBoard{};
  std::array<Square, KEY_PAIRS> KeySquares{};
  std::array<Square, KEY_PAIRS> DoorSquares{};
  std::array<int32_t, KEY_PAIRS> SavedDoorTiles{};
  MoveArray MoveList{};
  int32_t PlayerCol = 0, PlayerRow = 0;
  int32_t MoveCount = 0;
  int32_t ExitCol = 0, ExitRow = 0;
  int32_t ExitDoorCol = 0, ExitDoorRow = 0;
  int32_t SavedExitDoorTile = 0;
  int32_t UndoPlayerCol = 0, UndoPlayerRow = 0;
  int32_t LevelNumber = 1;
  int32_t SlideCol = 0, SlideRow = 0, SlideDir = 0;
  int32_t SoundOn = 0;
  int32_t AnimationOn = 1;
  int32_t LevelCount = 0;
  int32_t MoveListPos = 0;
  int32_t AboutScroll = 0;
  int32_t GlideX = 0, GlideY = 0;
  int32_t BestMoves = 0;
  bool Sliding = false;
  bool MovedSinceUndo = false;
  bool MusicOn = false;
  bool Replaying = false;
  bool EditorLevel = false;
  bool AboutShowing = false;
  bool TitleShowing = true;
  bool FacingRight = true;
  bool MouseWalkUp = false, MouseWalkDown = false, MouseWalkLeft = false, MouseWalkRight = false;
  bool SmoothMovement = true;
  bool ExtraWorld = false;
  int32_t MouseX = 0, MouseY = 0;
  // The board holds no level: before the first load and after a failed one.
  // Arrow keys then move nothing, so nothing can be solved.
  bool NoLevel = false;
  // Squares the sliding block has passed since its slide began; a slide
  // that comes back to one of them would circle for ever (game/slide.cpp).
  std::bitset<BOARD_CELLS> SlidePassed{};
};

}  // namespace lorvix
