// The palette hit test, the cursor under mouse and keys, and where a click
// that chooses no tool puts it.

#include "editor/tests/editor_fixture.h"

namespace lorvix::testing {
namespace {

TEST(PaletteHit, CellsHitOnlyStrictlyInside) {
  EXPECT_EQ(PaletteHit(688, 80), TILE_TARGET);
  EXPECT_EQ(PaletteHit(673, 65), TILE_TARGET);
  EXPECT_EQ(PaletteHit(703, 95), TILE_TARGET);
  EXPECT_EQ(PaletteHit(720, 80), TILE_WATER);
  EXPECT_EQ(PaletteHit(767, 191), TILE_TELEPORT_YELLOW);
  EXPECT_EQ(PaletteHit(688, 240), TILE_EXIT);
  EXPECT_EQ(PaletteHit(720, 240), TOOL_EXIT_DOOR);
  EXPECT_EQ(PaletteHit(688, 272), TOOL_START);
  EXPECT_EQ(PaletteHit(752, 368), TILE_LAMP_RED_ON);
  EXPECT_EQ(PaletteHit(720, 400), TILE_LAMP_BLUE_ON);
  EXPECT_EQ(PaletteHit(688, 432), TILE_PILLAR_FIRST);
  EXPECT_EQ(PaletteHit(720, 432), TILE_GEAR_FIRST);

  for (int x : {672, 704, 736, 768}) EXPECT_EQ(PaletteHit(x, 80), std::nullopt) << x;
  for (int y = 64; y <= 448; y += 32) EXPECT_EQ(PaletteHit(688, y), std::nullopt) << y;
  const int emptyCells[][2] = {{720, 176}, {720, 208}, {752, 208}, {752, 240},
                               {720, 272}, {752, 272}, {752, 400}, {752, 432}};
  for (const auto& p : emptyCells) EXPECT_EQ(PaletteHit(p[0], p[1]), std::nullopt) << p[0] << "," << p[1];
  EXPECT_EQ(PaletteHit(688, 16), std::nullopt) << "the tool preview is no cell";
  EXPECT_EQ(PaletteHit(688, 460), std::nullopt);
  EXPECT_EQ(PaletteHit(771, 80), std::nullopt);
}

class Input : public EditorTest {};

TEST_F(Input, AClickBesideTheCellsAppliesTheToolAtColumn19) {
  ChooseCell(0, 1);  // crate
  ClickAt(720, 176);  // the empty cell under the crate on a target
  EXPECT_EQ(At(19, 5), TILE_CRATE);
  ClickAt(704, 80);  // a grid line
  EXPECT_EQ(At(19, 2), TILE_CRATE);
  ClickAt(650, 470);  // beside the board, below the palette
  EXPECT_EQ(At(19, 14), TILE_CRATE);
  EXPECT_EQ(w().SelectedTool, TILE_CRATE);
}

TEST_F(Input, TheMouseMovesTheCursorWithinTheBoardAndRepaintsOnANewSquare) {
  const int before = Frame().invalidations;
  editor.MouseMove(10, 10);
  EXPECT_EQ(Frame().invalidations, before) << "still square (0, 0)";
  editor.MouseMove(40, 10);
  editor.MouseMove(63, 31);
  EXPECT_EQ(Frame().invalidations, before + 1);
  EXPECT_EQ(w().CursorCol, 1);
  editor.MouseMove(5000, 5000);
  EXPECT_EQ(w().CursorCol, 19);
  EXPECT_EQ(w().CursorRow, 14);
  editor.MouseMove(-100, -1);
  EXPECT_EQ(w().CursorCol, 0);
  EXPECT_EQ(w().CursorRow, 0);
}

TEST_F(Input, ArrowKeysStopAtTheEdgesAndEveryKeyRepaints) {
  const int before = Frame().invalidations;
  Press(platform::VK_LEFT);
  Press(platform::VK_UP);
  Press('A');
  EXPECT_EQ(Frame().invalidations, before + 3);
  EXPECT_EQ(w().CursorCol, 0);
  EXPECT_EQ(w().CursorRow, 0);
  for (int i = 0; i < 30; ++i) {
    Press(platform::VK_RIGHT);
    Press(platform::VK_DOWN);
  }
  EXPECT_EQ(w().CursorCol, 19);
  EXPECT_EQ(w().CursorRow, 14);
}

TEST_F(Input, AClickActsOnTheKeyboardCursorUntilTheMouseMoves) {
  ChooseCell(0, 7);  // stone wall
  editor.MouseMove(80, 80);
  Press(platform::VK_RIGHT);
  Press(platform::VK_RIGHT);
  editor.MouseDown(platform::MouseButton::Left, 80, 80);
  EXPECT_EQ(At(4, 2), TILE_WALL_STONE);
  EXPECT_EQ(At(2, 2), TILE_FLOOR);
  Press(platform::VK_DOWN);
  Press(platform::VK_SPACE);
  EXPECT_EQ(At(4, 3), TILE_WALL_STONE);
}

}  // namespace
}  // namespace lorvix::testing
