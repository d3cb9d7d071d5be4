// The placing rules: what each tool does to the board and the records, and
// how records leave a square that is painted over or erased.

#include "editor/tests/editor_fixture.h"

namespace lorvix::testing {
namespace {

using platform::MouseButton;

// Palette cells (column, row) of the tools used here.
constexpr int kCrate[] = {0, 1};
constexpr int kExit[] = {0, 5};
constexpr int kExitDoor[] = {1, 5};
constexpr int kStart[] = {0, 6};
constexpr int kStoneWall[] = {0, 7};
constexpr int kBlueWall[] = {1, 7};

class Placing : public EditorTest {
 protected:
  void Put(const int (&cell)[2], int c, int r) {
    ChooseCell(cell[0], cell[1]);
    ClickSquare(c, r);
  }
};

TEST_F(Placing, TheFirstClickPutsFloorAndRemovesTheRecordsThere) {
  EXPECT_EQ(w().Board, FilledBoard(TILE_FLOOR));
  EXPECT_EQ(w().StartCol, NOT_PLACED);
  EXPECT_EQ(w().ExitDoorRow, NOT_PLACED);
  EXPECT_EQ(w().SelectedTool, TILE_FLOOR);

  w().Board[CellIndex(3, 3)] = TILE_WALL_BROWN;
  w().DoorSquares[0] = {3, 3};
  ClickSquare(3, 3);
  EXPECT_EQ(At(3, 3), TILE_FLOOR);
  EXPECT_EQ(w().DoorSquares[0], (Square{0, 0}));
}

TEST_F(Placing, StartExitAndDoorToTheExit) {
  Put(kStoneWall, 2, 2);
  Put(kStart, 2, 2);
  EXPECT_EQ(At(2, 2), TILE_FLOOR) << "the start turns a wall into floor";
  EXPECT_EQ(w().StartCol, 2);

  Put(kExitDoor, 5, 5);
  EXPECT_EQ(At(5, 5), TILE_WALL_STONE) << "on floor the door to the exit is a stone wall";
  Put(kBlueWall, 6, 6);
  Put(kExitDoor, 6, 6);
  EXPECT_EQ(At(6, 6), TILE_WALL_BLUE) << "on a wall it keeps the wall";
  EXPECT_EQ(At(5, 5), TILE_WALL_STONE) << "the old door square keeps its tile";
  EXPECT_EQ(w().ExitDoorCol, 6);

  Put(kExit, 8, 8);
  Put(kExit, 9, 9);
  EXPECT_EQ(At(8, 8), TILE_FLOOR) << "placing the exit again moves it";
  EXPECT_EQ(At(9, 9), TILE_EXIT);

  Put(kStart, 9, 9);
  EXPECT_EQ(At(9, 9), TILE_FLOOR);
  EXPECT_EQ(w().ExitCol, 9) << "only painting removes records";
  EXPECT_EQ(w().StartRow, 9);
}

TEST_F(Placing, DoorsAndKeysAreChosenInTheMenuAndLeaveTheBoardAlone) {
  const int doors[] = {51685, 51687, 51688, 51689, 51690};
  const int keys[] = {51691, 51692, 51693, 51694, 51695};
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    editor.Command(doors[pair]);
    EXPECT_EQ(w().SelectedTool, 1000 + 2 * pair);
    editor.Command(keys[pair]);
    EXPECT_EQ(w().SelectedTool, 1001 + 2 * pair);
  }

  w().Board[CellIndex(4, 1)] = TILE_TARGET;
  editor.Command(51688);  // "Tür &3"
  for (int i = 0; i < 4; ++i) Press(platform::VK_RIGHT);
  Press(platform::VK_DOWN);
  Press(platform::VK_SPACE);
  EXPECT_EQ(w().DoorSquares[2], (Square{4, 1}));
  EXPECT_EQ(At(4, 1), TILE_TARGET);
  ClickSquare(0, 7);
  EXPECT_EQ(w().DoorSquares[2], (Square{0, 7})) << "a second door 3 moves the record";
  editor.Command(51695);  // "Schlüssel &5"
  ClickSquare(4, 1);
  EXPECT_EQ(w().KeySquares[4], (Square{4, 1}));
  EXPECT_EQ(w().Board, [] {
    TileGrid b = FilledBoard(TILE_FLOOR);
    b[CellIndex(4, 1)] = TILE_TARGET;
    return b;
  }());
}

TEST_F(Placing, PaintingASquareRemovesEveryRecordOnItAndNoOther) {
  const Square here{7, 7}, beside{7, 8};
  w().StartCol = w().ExitDoorCol = w().ExitCol = 7;
  w().StartRow = w().ExitDoorRow = w().ExitRow = 7;
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    w().DoorSquares[pair] = pair % 2 ? here : beside;
    w().KeySquares[pair] = pair % 2 ? beside : here;
  }
  Put(kCrate, 7, 7);
  EXPECT_EQ(At(7, 7), TILE_CRATE);
  EXPECT_EQ(w().StartCol, NOT_PLACED);
  EXPECT_EQ(w().StartRow, NOT_PLACED);
  EXPECT_EQ(w().ExitDoorCol, NOT_PLACED);
  EXPECT_EQ(w().ExitCol, NOT_PLACED);
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    EXPECT_EQ(w().DoorSquares[pair], pair % 2 ? Square{} : beside);
    EXPECT_EQ(w().KeySquares[pair], pair % 2 ? beside : Square{});
  }
}

TEST_F(Placing, ARightClickErasesABoardSquareOnly) {
  Put(kStoneWall, 3, 4);
  w().DoorSquares[0] = {3, 4};
  w().KeySquares[1] = {3, 4};
  ClickSquare(3, 4, MouseButton::Right);
  EXPECT_EQ(At(3, 4), TILE_FLOOR);
  EXPECT_EQ(w().DoorSquares[0], Square{});
  EXPECT_EQ(w().KeySquares[1], Square{});

  Put(kStoneWall, 19, 4);
  ClickAt(650, 4 * 32 + 5, MouseButton::Right);
  ClickAt(690, 4 * 32 + 5, MouseButton::Right);
  EXPECT_EQ(At(19, 4), TILE_WALL_STONE) << "right clicks beside the board change nothing";
}

TEST_F(Placing, ClearingTheLevelAsksNothingAndKeepsToolAndCursor) {
  Put(kExit, 5, 6);
  ChooseCell(kCrate[0], kCrate[1]);
  Press(platform::VK_LEFT);
  editor.Command(108);
  EXPECT_EQ(w().Board, FilledBoard(TILE_FLOOR));
  EXPECT_EQ(w().ExitCol, NOT_PLACED);
  EXPECT_EQ(w().SelectedTool, TILE_CRATE);
  EXPECT_EQ(w().CursorCol, 18);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace lorvix::testing
