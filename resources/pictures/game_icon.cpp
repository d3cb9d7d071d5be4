// The game's icon: the figure pushing a crate, on the deep blue of the
// title screen's night.

#include "resources/pictures/figure.h"
#include "resources/pictures/picture_makers.h"
#include "resources/pictures/tile_sheet.h"

namespace lorvix::resources {

namespace {

constexpr int kSize = 32;
constexpr Pixel kNight = Rgb(28, 36, 78);
// The crate of the tile sheet: a 22 x 22 item at (133, 101).
constexpr int kCrateX = 133, kCrateY = 101, kCrateSize = 22;

}  // namespace

Bitmap MakeGameIcon() {
  Bitmap icon(kSize, kSize, kNight);
  const Bitmap sheet = MakeTileSheet();
  for (int y = 0; y < kCrateSize; ++y)
    for (int x = 0; x < kCrateSize; ++x)
      icon.At(kSize - kCrateSize - 1 + x, kSize - kCrateSize - 1 + y) = sheet.At(kCrateX + x, kCrateY + y);
  // The figure is drawn on black, which is never part of the figure itself.
  const Bitmap figure = DrawFigure(true, Stride::StepA, 0);
  constexpr int shift = -7;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int tx = x + shift;
      if (tx >= 0 && figure.At(x, y) != 0) icon.At(tx, y) = figure.At(x, y);
    }
  return icon;
}

}  // namespace lorvix::resources
