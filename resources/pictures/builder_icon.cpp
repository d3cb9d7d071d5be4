// The pack builder's icon: three level sheets fanned out on a green ground,
// the front one showing a little level with walls, a crate, its socket and
// the exit star.

#include "resources/pictures/canvas.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"

namespace lorvix::resources {

using namespace panel;

namespace {

constexpr int kSize = 32;
constexpr int kSheet = 20;  // each sheet is 20 x 20 with a black edge
constexpr int kFan = 5;     // how far each sheet lies below and right of the one behind

void DrawSheet(Bitmap& icon, int x, int y) {
  FillRect(icon, x + 1, y + 1, kSheet, kSheet, kDark);  // shadow
  FillRect(icon, x, y, kSheet, kSheet, kLight);
  FrameRect(icon, x, y, kSheet, kSheet, kBlack);
}

// A little level inside the front sheet: a wall frame around a crate, the
// socket it belongs in, and the exit star.
void DrawLevel(Bitmap& icon, int x, int y) {
  FillRect(icon, x + 2, y + 2, 16, 16, kShadow);
  FillRect(icon, x + 4, y + 4, 12, 12, kWhite);
  FillRect(icon, x + 5, y + 10, 4, 4, kRed);
  FrameRect(icon, x + 5, y + 10, 4, 4, kDarkRed);
  FillRect(icon, x + 10, y + 10, 4, 4, kDark);
  FillRect(icon, x + 11, y + 11, 2, 2, kShadow);
  FillRect(icon, x + 12, y + 5, 1, 3, kYellow);
  FillRect(icon, x + 11, y + 6, 3, 1, kYellow);
  PutPixel(icon, x + 12, y + 6, kOrange);
}

}  // namespace

Bitmap MakeBuilderIcon() {
  Bitmap icon(kSize, kSize, kDarkGreen);
  FrameRect(icon, 0, 0, kSize, kSize, kGreen);
  for (int i = 0; i < 3; ++i) DrawSheet(icon, 1 + kFan * i, 1 + kFan * i);
  DrawLevel(icon, 1 + 2 * kFan, 1 + 2 * kFan);
  return icon;
}

}  // namespace lorvix::resources
