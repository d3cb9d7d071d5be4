// The end of a world: congratulation banners stamped all over the window.

#include "gamewindow/game_window.h"
#include "render/game_graphics.h"
#include "render/window_mirror.h"

namespace lorvix {

namespace {

constexpr int STAMPS = 100;
// Each stamp draws this many random positions and uses only the last, so
// the generator moves on exactly as far as it always has, and every later
// random choice (lamps, songs) follows on from the same place.
constexpr int DRAWS_PER_STAMP = 5000;
constexpr int STAMP_X_RANGE = 560;
constexpr int STAMP_Y_RANGE = 492;

}  // namespace

// Draws straight into the window on top of whatever shows; the level load
// that follows has the board painted again.
void TMyWindow::Celebrate() {
  if (!Graphics) return;
  GameGraphics& g = *Graphics;
  for (int stamp = 0; stamp < STAMPS; ++stamp) {
    int x = 0, y = 0, pick = 0;
    for (int draw = 0; draw < DRAWS_PER_STAMP; ++draw) {
      x = Random() % STAMP_X_RANGE;
      y = Random() % STAMP_Y_RANGE;
      pick = Random() % 2;
    }
    const Bitmap& banner = pick == 0 ? g.CongratsBlue : g.CongratsRed;
    BlitWhole(g.Window, x, y, banner);
    PresentWindowArea(g, Platform, {x, y, banner.Width(), banner.Height()});
  }
}

}  // namespace lorvix
