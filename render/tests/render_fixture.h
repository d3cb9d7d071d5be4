#pragma once
// A game window on the headless platform with its pictures loaded, the
// marble background painted and a floor-only board with the figure at
// (5, 5), as the renderer tests need it. Settings go to a scratch file.

#include <gtest/gtest.h>

#include <string>

#include "gamewindow/game_window.h"
#include "levels/tests/scratch_dir.h"
#include "platform/headless/headless_platform.h"
#include "render/game_graphics.h"

namespace lorvix::testing {

inline constexpr Pixel MARKER = Rgb(255, 0, 255);

class RenderTest : public ::testing::Test {
 protected:
  RenderTest();

  GameGraphics& Graphics() { return *window.Graphics; }
  const Bitmap& Sheet() { return window.Graphics->TileSheet; }
  Pixel Background(int x, int y) { return window.Graphics->BackgroundImage.At(x, y); }
  Pixel Screen(int x, int y) const {
    return platform.screen[static_cast<size_t>(y) * platform::HeadlessPlatform::kScreenWidth + x];
  }
  // The figure facing right masked onto `under` at pixel (dx, dy) of its
  // 32 x 32 picture.
  Pixel FigureOver(Pixel under, int dx, int dy);
  // Paints the whole window, as after an invalidation.
  void PaintAll() { window.PaintGameWindow({0, 0, 710, 550}); }
  void FillBackBuffer(int x, int y, int width, int height, Pixel colour);

  ScratchDir scratch;  // declared first: it outlives the window
  platform::HeadlessPlatform platform;
  TMyWindow window;
};

}  // namespace lorvix::testing
