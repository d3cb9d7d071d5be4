#pragma once
// Levels drawn as text for the solver's tests and benchmarks, one string
// per board row, column 0 first. Squares not drawn are stone walls.
//
//   #  stone wall          .  floor (a blank too)   @  start (on floor)
//   X  exit                D  door to the exit (stone wall)
//   o  target socket       c  crate      C  crate in a socket
//   s  slider              S  slider in a socket    p  plug
//   f  filled square       w  water
//   1 2 3 4  teleporter pads (blue, green, red, yellow)
//   J K L M N  keys of pairs 1 to 5 (target sockets)   j k l m n  their doors (blue walls)
//
// A start, exit or door to the exit that is not drawn is NOT_PLACED.

#include <initializer_list>
#include <string_view>

#include "levels/level_files.h"

namespace lorvix::solver {

inline LevelRecord SketchLevel(std::initializer_list<std::string_view> rows) {
  LevelRecord level;
  level.Board.fill(TILE_WALL_STONE);
  level.Start = level.Exit = level.ExitDoor = {NOT_PLACED, NOT_PLACED};
  int row = 0;
  for (std::string_view line : rows) {
    for (int col = 0; col < static_cast<int>(line.size()) && col < BOARD_COLS && row < BOARD_ROWS; ++col) {
      const char c = line[col];
      const Square here{col, row};
      int32_t code = TILE_FLOOR;
      switch (c) {
        case '#': code = TILE_WALL_STONE; break;
        case '@': level.Start = here; break;
        case 'X': code = TILE_EXIT; level.Exit = here; break;
        case 'D': code = TILE_WALL_STONE; level.ExitDoor = here; break;
        case 'o': code = TILE_TARGET; break;
        case 'c': code = TILE_CRATE; break;
        case 'C': code = TILE_CRATE_ON_TARGET; break;
        case 's': code = TILE_SLIDER; break;
        case 'S': code = TILE_SLIDER_ON_TARGET; break;
        case 'p': code = TILE_PLUG; break;
        case 'f': code = TILE_FILLED; break;
        case 'w': code = TILE_WATER; break;
        case '1': case '2': case '3': case '4': code = TILE_TELEPORT_BLUE + 2 * (c - '1'); break;
        default: break;
      }
      if (c >= 'J' && c <= 'N') {
        code = TILE_TARGET;
        level.KeySquares[c - 'J'] = here;
      } else if (c >= 'j' && c <= 'n') {
        code = TILE_WALL_BLUE;
        level.DoorSquares[c - 'j'] = here;
      }
      level.Board[CellIndex(col, row)] = code;
    }
    ++row;
  }
  return level;
}

// An open room with four crates: long walks between pushes now and then,
// and far too many positions to search to the end quickly.
inline LevelRecord OpenCrateRoom() {
  return SketchLevel({"####################",
                      "#@.......#.........#",
                      "#..c..c..#..c...o..#",
                      "#...........#...o..#",
                      "#..c.....#......o..#",
                      "#........#......o..#",
                      "#........#.........#",
                      "##########D#########",
                      "##########X#########"});
}

}  // namespace lorvix::solver
