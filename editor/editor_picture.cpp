// The editor's picture, composed anew at every paint in our own buffer and
// shown in one piece, so the window never flickers: the marble background,
// a separator, the board at x 0, the labels of the records, the cursor, the
// tool preview and the palette.
//
// There is no palette to select or realise: our buffers hold true colour,
// so a palette would change nothing on screen.

#include "editor/editor_tools.h"
#include "editor/editor_window.h"
#include "render/backgrounds.h"
#include "render/blit.h"
#include "render/tile_sheet.h"
#include "resources/pictures.h"

namespace lorvix {
namespace {

// The game's first background pattern covers the whole client area.
constexpr int MARBLE_PATTERN = 0;

// Three black lines right of the board.
constexpr int SEPARATOR_X = 640, SEPARATOR_LINES = 3, SEPARATOR_END_Y = 599;
constexpr Pixel SEPARATOR_COLOUR = Rgb(0, 0, 0);

// The tool preview cell above the palette, and where the labels sit in it
// and in the palette's start and door-to-the-exit cells.
constexpr int PREVIEW_X = 672, PREVIEW_Y = 0;
constexpr int PREVIEW_START_X = 677;
constexpr int PALETTE_EXIT_DOOR_LABEL_X = 712, PALETTE_EXIT_DOOR_LABEL_Y = 232;
constexpr int PALETTE_START_LABEL_X = 680, PALETTE_START_LABEL_Y = 264;

void DrawPicture(Bitmap& target, int picture, int x, int y) {
  BlitWhole(target, x, y, resources::Picture(picture));
}

// A label at the top-left corner of a board square. A level file may
// place records anywhere; those off the board have no square to label.
void DrawMarker(Bitmap& target, int picture, int32_t col, int32_t row) {
  if (!OnBoard(col, row)) return;
  DrawPicture(target, picture, CELL_SIZE * col, CELL_SIZE * row);
}

void DrawSeparator(Bitmap& target) {
  for (int x = SEPARATOR_X; x < SEPARATOR_X + SEPARATOR_LINES; ++x)
    for (int y = 0; y < SEPARATOR_END_Y && y < target.Height(); ++y)
      if (target.Contains(x, y)) target.At(x, y) = SEPARATOR_COLOUR;
}

// The start and door-to-the-exit labels are offset in the cells that
// offer them so that they sit in the middle.
void DrawPalette(Bitmap& target, const Bitmap& sheet) {
  for (int row = 0; row < PALETTE_ROWS; ++row) {
    for (int column = 0; column < PALETTE_COLUMNS; ++column) {
      const int value = PaletteCell(column, row);
      const int x = PALETTE_LEFT + PALETTE_CELL * column, y = PALETTE_TOP + PALETTE_CELL * row;
      if (value == TOOL_EXIT_DOOR)
        DrawPicture(target, PICTURE_MARKER_EXIT_DOOR, PALETTE_EXIT_DOOR_LABEL_X,
                    PALETTE_EXIT_DOOR_LABEL_Y);
      else if (value == TOOL_START)
        DrawPicture(target, PICTURE_MARKER_START, PALETTE_START_LABEL_X, PALETTE_START_LABEL_Y);
      else
        DrawTile(target, sheet, value, x, y);
    }
  }
}

void DrawToolPreview(Bitmap& target, const Bitmap& sheet, int32_t tool) {
  if (tool == TOOL_START) {
    DrawPicture(target, PICTURE_MARKER_START, PREVIEW_START_X, PREVIEW_Y);
  } else if (tool == TOOL_EXIT_DOOR) {
    DrawPicture(target, PICTURE_MARKER_EXIT_DOOR, PREVIEW_X, PREVIEW_Y);
  } else if (IsDoorOrKeyTool(tool)) {
    const int pair = PairOfTool(tool);
    DrawPicture(target, IsKeyTool(tool) ? MarkerOfKey(pair) : MarkerOfDoor(pair), PREVIEW_X,
                PREVIEW_Y);
  } else {
    DrawTile(target, sheet, tool, PREVIEW_X, PREVIEW_Y);
  }
}

}  // namespace

// Later labels cover earlier ones on the same square: the start over the
// door to the exit, and key n over door n over the pairs before them.
void TMyWindow2::ComposePicture() {
  PaintBackgroundPattern(BackBuffer, TileSheet, MARBLE_PATTERN);
  DrawSeparator(BackBuffer);
  DrawTiles(0, BOARD_COLS - 1, 0, BOARD_ROWS - 1, Board, BackBuffer, TileSheet, true);

  if (ExitDoorCol != NOT_PLACED)
    DrawMarker(BackBuffer, PICTURE_MARKER_EXIT_DOOR, ExitDoorCol, ExitDoorRow);
  if (StartCol != NOT_PLACED) DrawMarker(BackBuffer, PICTURE_MARKER_START, StartCol, StartRow);
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    const Square door = DoorSquares[static_cast<size_t>(pair)];
    const Square key = KeySquares[static_cast<size_t>(pair)];
    if (door.col != 0) DrawMarker(BackBuffer, MarkerOfDoor(pair), door.col, door.row);
    if (key.col != 0) DrawMarker(BackBuffer, MarkerOfKey(pair), key.col, key.row);
  }

  // The mask clears the frame and keeps the square's content; the cursor
  // picture then lights the frame.
  const int cursorX = CELL_SIZE * CursorCol, cursorY = CELL_SIZE * CursorRow;
  Blit(BackBuffer, cursorX, cursorY, CELL_SIZE, CELL_SIZE,
       resources::Picture(PICTURE_EDITOR_CURSOR_MASK), 0, 0, RasterOp::And);
  Blit(BackBuffer, cursorX, cursorY, CELL_SIZE, CELL_SIZE,
       resources::Picture(PICTURE_EDITOR_CURSOR), 0, 0, RasterOp::Or);

  DrawToolPreview(BackBuffer, TileSheet, SelectedTool);
  DrawPalette(BackBuffer, TileSheet);
}

void TMyWindow2::Paint(const platform::Rect& area) {
  ComposePicture();
  if (EditFrame)
    EditFrame->Present({BackBuffer.Data(), BackBuffer.Width(), BackBuffer.Height()}, area);
}

}  // namespace lorvix
