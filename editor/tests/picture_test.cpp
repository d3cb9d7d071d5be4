// The composed editor picture, checked at exact pixels.

#include <algorithm>

#include "editor/tests/editor_fixture.h"
#include "resources/pictures.h"

namespace lorvix::testing {
namespace {

class Picture : public EditorTest {
 protected:
  Pixel Composed(int x, int y) {
    w().ComposePicture();
    return w().BackBuffer.At(x, y);
  }
  Pixel Sheet(int x, int y) { return w().TileSheet.At(x, y); }
  // The marble pattern laid from the top-left corner.
  Pixel Marble(int x, int y) { return Sheet(x % 128, 32 + y % 128); }
  static Pixel Label(int picture, int x, int y) { return resources::Picture(picture).At(x, y); }
};

TEST_F(Picture, BackgroundSeparatorAndBoardAtX0) {
  w().Board[CellIndex(3, 2)] = TILE_WALL_STONE;
  w().Board[CellIndex(4, 2)] = TILE_CRATE;
  w().Board[CellIndex(19, 14)] = TILE_GEAR_FIRST + 3;
  EXPECT_EQ(Composed(100, 100), Marble(100, 100));
  for (int x : {640, 641, 642}) EXPECT_EQ(Composed(x, 479), Rgb(0, 0, 0)) << x;
  EXPECT_EQ(Composed(639, 10), Marble(639, 10));
  EXPECT_EQ(Composed(643, 10), Marble(643, 10));
  EXPECT_EQ(Composed(96 + 7, 64 + 9), Sheet(128 + 7, 32 + 9));
  EXPECT_EQ(Composed(128 + 5, 64 + 5), Sheet(133, 101)) << "a small item lands 5 pixels in";
  EXPECT_EQ(Composed(128 + 2, 64 + 2), Marble(130, 66));
  EXPECT_EQ(Composed(608 + 31, 448 + 31), Sheet(96 + 31, 31));
}

TEST_F(Picture, LabelsMarkTheRecordsAndLaterOnesCoverEarlierOnes) {
  w().StartCol = 2, w().StartRow = 3;
  w().Board[CellIndex(6, 6)] = TILE_WALL_BLUE;
  w().ExitDoorCol = w().ExitDoorRow = 6;
  w().DoorSquares[0] = w().KeySquares[0] = {5, 5};
  w().DoorSquares[3] = {0, 4};
  for (int p : {0, 7, 15}) EXPECT_EQ(Composed(64 + p, 96 + p), Label(18, p, p));
  EXPECT_EQ(Composed(64 + 20, 96 + 20), Marble(84, 116)) << "a label covers a quarter";
  EXPECT_EQ(Composed(192 + 8, 192 + 3), Label(19, 8, 3));
  EXPECT_EQ(Composed(192 + 20, 192 + 20), Sheet(192 + 20, 128 + 20));
  EXPECT_EQ(Composed(160 + 9, 160 + 4), Label(21, 9, 4)) << "key 1 over door 1";
  EXPECT_EQ(Composed(3, 128 + 3), Marble(3, 131)) << "no label for a door in column 0";
}

TEST_F(Picture, TheCursorFramesItsSquareAndLetsTheContentShow) {
  w().Board[CellIndex(4, 4)] = TILE_WALL_STONE;
  editor.MouseMove(140, 140);
  const Pixel frame = Composed(128, 128);
  EXPECT_EQ(frame, Label(16, 0, 0));
  EXPECT_NE(frame, Sheet(128, 32));
  EXPECT_EQ(Composed(128 + 16, 128 + 16), Sheet(128 + 16, 32 + 16));
}

TEST_F(Picture, ToolPreviewAndPalette) {
  w().SelectedTool = TILE_CRATE;
  EXPECT_EQ(Composed(677 + 3, 5 + 3), Sheet(133 + 3, 101 + 3));
  EXPECT_EQ(Composed(673, 1), Marble(673, 1));
  w().SelectedTool = TOOL_START;
  EXPECT_EQ(Composed(677, 0), Label(18, 0, 0));
  w().SelectedTool = ToolOfKey(2);
  EXPECT_EQ(Composed(672 + 5, 5), Label(25, 5, 5));
  w().SelectedTool = TOOL_EXIT_DOOR;
  EXPECT_EQ(Composed(672 + 5, 5), Label(19, 5, 5));

  EXPECT_EQ(Composed(704 + 9, 64 + 9), Sheet(197 + 4, 69 + 4)) << "water";
  EXPECT_EQ(Composed(672 + 10, 288 + 10), Sheet(128 + 10, 32 + 10)) << "stone wall";
  EXPECT_EQ(Composed(736 + 1, 64 + 1), Sheet(512 + 1, 1)) << "blue pad";
  EXPECT_EQ(Composed(712 + 4, 232 + 4), Label(19, 4, 4));
  EXPECT_EQ(Composed(680 + 4, 264 + 4), Label(18, 4, 4));
  EXPECT_EQ(Composed(720, 176), Marble(720, 176)) << "an empty cell shows the background";
}

TEST_F(Picture, RecordsOffTheBoardAreNotDrawn) {
  w().ComposePicture();
  const Bitmap plain = w().BackBuffer;
  w().StartCol = 21, w().StartRow = 2;
  w().ExitDoorCol = -1, w().ExitDoorRow = 3;
  w().DoorSquares[0] = {25, 14};
  w().KeySquares[1] = {2000000000, -2000000000};
  w().DoorSquares[2] = {3, 15};
  w().ComposePicture();
  EXPECT_TRUE(std::equal(plain.Data(), plain.Data() + 768 * 480, w().BackBuffer.Data()));
}

TEST_F(Picture, APaintShowsTheComposedPicture) {
  w().Board[CellIndex(1, 1)] = TILE_EXIT;
  Frame().PaintAll();
  EXPECT_EQ(Frame().presents, 1);
  for (int p : {0, 40, 479}) EXPECT_EQ(Frame().ScreenAt(p, p), w().BackBuffer.At(p, p));
  EXPECT_EQ(Frame().ScreenAt(767, 479), w().BackBuffer.At(767, 479));
}

}  // namespace
}  // namespace lorvix::testing
