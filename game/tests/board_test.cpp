#include <gtest/gtest.h>

#include "game/board.h"
#include "game/rules.h"

namespace lorvix {

TEST(Board, SquaresOutsideTheGridAreNeverRead) {
  TileGrid b = FilledBoard(TILE_WALL_STONE);
  b[CellIndex(19, 14)] = TILE_CRATE;
  EXPECT_EQ(CodeAt(b, 19, 14), TILE_CRATE);
  EXPECT_EQ(CodeAt(b, 20, 0, -7), -7);
  EXPECT_EQ(CodeAt(b, 0, -1, -7), -7);
  EXPECT_EQ(CodeAt(b, int64_t{1} << 40, 0, -7), -7);
}

TEST(Board, AllBlocksPlacedLooksForUnplacedCratesSlidersAndPlugs) {
  TileGrid b = FilledBoard(TILE_FLOOR);
  EXPECT_TRUE(AllBlocksPlaced(b));
  b[3] = TILE_CRATE_ON_TARGET;
  b[4] = TILE_SLIDER_ON_TARGET;
  EXPECT_TRUE(AllBlocksPlaced(b));
  for (int code : {TILE_CRATE, TILE_SLIDER, TILE_PLUG}) {
    b[5] = code;
    EXPECT_FALSE(AllBlocksPlaced(b)) << code;
  }
}

}  // namespace lorvix
