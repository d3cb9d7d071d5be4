// Tile animations: flickering lamps, turning pillars and gears, and the
// pulsing exit. Each is spaced by its own counter of the game tick.

#include "game/tick.h"

namespace lorvix {

namespace {

inline constexpr int LAMP_LIMIT = 6;
inline constexpr int CYCLE_LIMIT = 10;
inline constexpr int EXIT_LIMIT = 12;
inline constexpr int LAMP_ON_TO_OFF = TILE_LAMP_GREEN_OFF - TILE_LAMP_GREEN_ON;

// One random square per flicker; when it holds a lamp, the lamp switches.
void FlickerLamp(GameState& s, GameHost& host) {
  const int col = host.Random() % BOARD_COLS;
  const int row = host.Random() % BOARD_ROWS;
  if (!OnBoard(col, row)) return;
  int32_t& code = s.Board[CellIndex(col, row)];
  if (code >= TILE_LAMP_GREEN_ON && code <= TILE_LAMP_BLUE_ON) {
    code += LAMP_ON_TO_OFF;
  } else if (code >= TILE_LAMP_GREEN_OFF && code <= TILE_LAMP_BLUE_OFF) {
    code -= LAMP_ON_TO_OFF;
  } else {
    return;
  }
  host.RedrawCells(col, col, row, row);
}

// The next frame of a pillar or gear, or 0 for any other code.
int NextCycleFrame(int code) {
  if (code >= TILE_PILLAR_FIRST && code <= TILE_PILLAR_LAST)
    return code == TILE_PILLAR_LAST ? TILE_PILLAR_FIRST : code + 1;
  if (code >= TILE_GEAR_FIRST && code <= TILE_GEAR_LAST) return code == TILE_GEAR_LAST ? TILE_GEAR_FIRST : code + 1;
  return 0;
}

void TurnPillarsAndGears(GameState& s, GameHost& host) {
  for (int i = 0; i < BOARD_CELLS; ++i) {
    const int next = NextCycleFrame(s.Board[i]);
    if (next == 0) continue;
    s.Board[i] = next;
    const int col = i / BOARD_ROWS;
    const int row = i % BOARD_ROWS;
    host.RedrawCells(col, col, row, row);
  }
}

// The exit rises 7, 70, 71 and falls back 71, 70, 7, resting one frame at
// either end while it turns. Any other code on the exit square stays.
void PulseExit(GameState& s, TickState& t, GameHost& host) {
  if (!OnBoard(s.ExitCol, s.ExitRow)) return;
  int32_t& code = s.Board[CellIndex(s.ExitCol, s.ExitRow)];
  const int32_t before = code;
  if (!t.exitFalling) {
    if (code == TILE_EXIT) code = TILE_EXIT_2;
    else if (code == TILE_EXIT_2) code = TILE_EXIT_3;
    else if (code == TILE_EXIT_3) t.exitFalling = true;
  } else {
    if (code == TILE_EXIT_3) code = TILE_EXIT_2;
    else if (code == TILE_EXIT_2) code = TILE_EXIT;
    else if (code == TILE_EXIT) t.exitFalling = false;
  }
  if (code != before) host.RedrawCells(s.ExitCol, s.ExitCol, s.ExitRow, s.ExitRow);
}

}  // namespace

void AnimateTiles(GameState& s, TickState& t, GameHost& host) {
  if (CounterFires(t.lamp, LAMP_LIMIT)) FlickerLamp(s, host);
  if (CounterFires(t.cycle, CYCLE_LIMIT)) TurnPillarsAndGears(s, host);
  if (CounterFires(t.exit, EXIT_LIMIT)) PulseExit(s, t, host);
}

}  // namespace lorvix
