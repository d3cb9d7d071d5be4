// The flood fill that proves an exit sealed by its door without a search.

#include <gtest/gtest.h>

#include "tools/solver/exit_seal.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::solver {
namespace {

TEST(ExitSeal, AnExitBehindItsDoorIsSealedWhateverTheBlocksDo) {
  EXPECT_TRUE(ExitSealedByDoor(SketchLevel({"#########",
                                            "#@c.o.DX#",
                                            "#########"})));
}

TEST(ExitSeal, KeyDoorsAndPadsAreNoSeal) {
  // Only a key door stands between the figure and the exit.
  EXPECT_FALSE(ExitSealedByDoor(SketchLevel({"#########",
                                             "#@cJ.jX##",
                                             "####D####"})));
  // A pad pair leads around the door to the exit.
  EXPECT_FALSE(ExitSealedByDoor(SketchLevel({"#########",
                                             "#@1#DX1##",
                                             "#########"})));
  // A key opens the door to the exit as well.
  LevelRecord keyed = SketchLevel({"#########",
                                   "#@cJ.DX##",
                                   "#########"});
  keyed.DoorSquares[0] = keyed.ExitDoor;
  EXPECT_FALSE(ExitSealedByDoor(keyed));
}

}  // namespace
}  // namespace lorvix::solver
