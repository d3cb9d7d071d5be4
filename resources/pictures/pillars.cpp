// A round pillar with helical stripes. Moving the stripes by a fraction of
// their period in every frame makes the pillar seem to turn; after eleven
// frames they have moved one full period.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

Bitmap PillarFrame(int frame) {
  const Ramp red({Rgb(0x40, 0x04, 0x08), Rgb(0xD0, 0x20, 0x28), Rgb(0xFF, 0xA0, 0x90)}, 6);
  const Ramp white({Rgb(0x60, 0x58, 0x60), Rgb(0xD8, 0xD4, 0xD0), Rgb(0xFF, 0xFF, 0xFF)}, 6);
  const Ramp gold({Rgb(0x50, 0x38, 0x08), Rgb(0xD8, 0xA8, 0x30), Rgb(0xFF, 0xF4, 0xB0)}, 5);
  constexpr double kPeriod = 16;  // divides the cell height, so stacked pillars line up
  const double phase = frame * kPeriod / kPillarFrames;

  Bitmap cell(kCell, kCell, Rgb(0x18, 0x1C, 0x24));
  constexpr double kCentre = 16, kRadius = 11;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double across = (x + 0.5 - kCentre) / kRadius;
      if (std::fabs(across) > 1) continue;
      const double angle = std::asin(across);  // where on the round surface
      const double light = 0.55 + 0.45 * std::cos(angle + 0.6) - std::fabs(across) * 0.15;
      if (y < 3 || y > 28) {  // gold bands at top and bottom
        cell.At(x, y) = gold(y == 0 || y == 29 ? light + 0.25 : light - 0.1);
        continue;
      }
      const double stripe = std::fmod(y + angle * 7 + phase + 64 * kPeriod, kPeriod);
      cell.At(x, y) = stripe < kPeriod / 2 ? red(light) : white(light);
    }
  return cell;
}

}  // namespace lorvix::resources
