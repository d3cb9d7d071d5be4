// The three background blocks. Each is built from noise that repeats with
// the block's size, so the board background shows no seams.

#include <cmath>

#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

// Lit from the upper left: the slope of the noise decides the shade, which
// reads as a rough plaster surface.
Bitmap EmbossedTexture(int size, int cells, int seed, const Ramp& ramp, double relief) {
  Bitmap block(size, size);
  auto height = [&](double x, double y) { return PeriodicFractal(x, y, size, cells, 4, seed); };
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double slope = height(x - 1, y - 1) - height(x + 1, y + 1);
      const double grain = (Random01(x, y, seed + 7) - 0.5) * 0.12;
      block.At(x, y) = ramp(0.5 + slope * relief + (height(x, y) - 0.5) * 0.6 + grain);
    }
  return block;
}

}  // namespace

// Sixteen marble floor tiles of 32 x 32, aligned with the board squares. The
// veins run a little differently in every tile, and the tiles alternate
// slightly in tone like a laid floor.
Bitmap MarbleBlock() {
  const Ramp ramp({Rgb(0x7A, 0x74, 0x6C), Rgb(0xC4, 0xBE, 0xB2), Rgb(0xF2, 0xEE, 0xE6)}, 10);
  Bitmap block(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int lx = x % kCell, ly = y % kCell, tile = (y / kCell) * 4 + x / kCell;
      if (lx == kCell - 1 || ly == kCell - 1) {
        block.At(x, y) = ramp.At(1);
        continue;
      }
      if (lx == 0 || ly == 0) {
        block.At(x, y) = ramp.At(ramp.Size() - 1);
        continue;
      }
      const double angle = Random01(tile, 3, 11) * 3.14159;
      const double turbulence = PeriodicFractal(x, y, 128, 8, 3, 5);
      const double vein = std::fabs(
          std::sin((lx * std::cos(angle) + ly * std::sin(angle)) * 0.16 + turbulence * 7 + tile));
      const bool darkTile = (x / kCell + y / kCell) % 2 == 1;
      double t = 0.72 + (turbulence - 0.5) * 0.35 - (darkTile ? 0.1 : 0);
      if (vein < 0.10)
        t -= 0.32;
      else if (vein < 0.22)
        t -= 0.14;
      block.At(x, y) = ramp(t);
    }
  return block;
}

Bitmap BlueTextureBlock() {
  const Ramp ramp({Rgb(0x0C, 0x18, 0x48), Rgb(0x28, 0x48, 0x98), Rgb(0x70, 0x98, 0xE0)}, 10);
  return EmbossedTexture(100, 5, 21, ramp, 4.0);
}

Bitmap CreamTextureBlock() {
  const Ramp ramp({Rgb(0xA8, 0x94, 0x64), Rgb(0xE4, 0xD8, 0xB0), Rgb(0xFF, 0xFA, 0xE8)}, 10);
  return EmbossedTexture(80, 4, 33, ramp, 4.0);
}

}  // namespace lorvix::resources
