#include "editor/tests/editor_fixture.h"

#include "render/tile_sheet.h"

namespace lorvix::testing {

EditorTest::EditorTest()
    : game(platform, {scratch.path() + "/", scratch / "QX LORVIX 11.INI"}), editor(game) {}

void EditorTest::ClickAt(int x, int y, platform::MouseButton button) {
  editor.MouseMove(x, y);
  editor.MouseDown(button, x, y);
}

void EditorTest::ClickSquare(int c, int r, platform::MouseButton button) {
  ClickAt(CELL_SIZE * c + CELL_SIZE / 2, CELL_SIZE * r + CELL_SIZE / 2, button);
}

void EditorTest::DrawLevel() {
  for (auto [c, r] : {std::pair{9, 1}, {10, 1}, {11, 1}, {11, 2}, {9, 3}, {10, 3}, {11, 3}}) Put(0, 7, c, r);
  Put(0, 6, 2, 2);
  Put(0, 1, 4, 3);
  Put(0, 0, 6, 3);
  Put(1, 5, 8, 2);
  Put(0, 5, 10, 2);
}

void EditorTest::ChooseCell(int column, int row) {
  ClickAt(PALETTE_LEFT + PALETTE_CELL * column + PALETTE_CELL / 2,
          PALETTE_TOP + PALETTE_CELL * row + PALETTE_CELL / 2);
}

}  // namespace lorvix::testing
