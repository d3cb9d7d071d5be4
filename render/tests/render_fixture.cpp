#include "render/tests/render_fixture.h"

namespace lorvix::testing {

RenderTest::RenderTest()
    : window(platform, AppPaths{scratch.path() + "/", scratch / "QX LORVIX 11.INI"}) {
  window.Graphics = CreateGameGraphics();
  window.BackgroundChoice = 0;
  window.PaintBackground();
  window.Board = FilledBoard(TILE_FLOOR);
  window.PlayerCol = 5;
  window.PlayerRow = 5;
  window.TitleShowing = false;
}

Pixel RenderTest::FigureOver(Pixel under, int dx, int dy) {
  return (under & Graphics().FigureMaskRight.At(dx, dy)) | Graphics().FigureImageRight.At(dx, dy);
}

void RenderTest::FillBackBuffer(int x, int y, int width, int height, Pixel colour) {
  for (int yy = y; yy < y + height; ++yy)
    for (int xx = x; xx < x + width; ++xx) Graphics().BackBuffer.At(xx, yy) = colour;
}

}  // namespace lorvix::testing
