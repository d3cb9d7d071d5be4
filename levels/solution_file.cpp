// The solution file (.sco): the recorded move codes of one solved game, each
// followed by a blank, ending with the end marker 10 and a blank, without a
// line end. Codes: 1 right, 2 left, 3 down, 4 up, 5 undo, 10 end. The entry
// recorded last (the move onto the exit) is replaced by the end marker, so
// the recorded moves 1 1 4 1 are stored as
//
//   1 1 4 10 
//
// A replay therefore stops one move before the exit. At most 2000 entries
// are stored, the end marker included.

#include <algorithm>
#include <fstream>

#include "levels/integer_reader.h"
#include "levels/level_files.h"
#include "platform/atomic_file.h"

namespace lorvix {

std::string SolutionText(MoveArray& moves, int32_t pos) {
  // Positions beyond the list cannot have been recorded; a full list gets
  // only the marker over its last entry.
  pos = std::clamp<int32_t>(pos, 0, MOVE_LIST_SIZE);
  if (pos < MOVE_LIST_SIZE) moves[pos] = MOVE_END;
  if (pos > 0) moves[pos - 1] = MOVE_END;

  std::string text;
  for (int32_t code : moves) {
    text += std::to_string(code) + ' ';
    if (code == MOVE_END) break;
  }
  return text;
}

bool WriteSolution(const std::string& path, MoveArray& moves, int32_t pos) {
  return platform::WriteFileAtomically(path, SolutionText(moves, pos));
}

bool ReadSolution(std::istream& in, MoveArray& moves) {
  moves.fill(0);
  for (int32_t& entry : moves) {
    if (!ReadInteger(in, entry)) return false;
    if (entry == MOVE_END) return true;
  }
  return false;
}

bool ReadSolution(const std::string& path, MoveArray& moves) {
  std::ifstream in(path, std::ios::binary);
  // A file that cannot be opened leaves the list alone: the replay command
  // then does nothing at all.
  return in && ReadSolution(in, moves);
}

}  // namespace lorvix
