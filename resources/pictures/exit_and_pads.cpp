// The exit star in its three animation looks, and the teleporter pads.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

constexpr double kPi = 3.14159265358979;

// A five-pointed star, point up; a pixel is inside when its angle's
// boundary radius lies beyond it.
bool InStar(double x, double y, double outer) {
  const double dx = x - 16, dy = y - 16.5;
  const double r = std::sqrt(dx * dx + dy * dy);
  const double angle = std::atan2(dx, -dy);  // 0 at the top
  const double inner = outer * 0.42;
  const double sector = std::fmod(angle + 10 * kPi, 2 * kPi / 5) / (2 * kPi / 5);  // 0..1
  const double t = std::fabs(sector - 0.5) * 2;  // 1 at a point, 0 between points
  return r <= inner + (outer - inner) * std::pow(t, 1.6);
}

}  // namespace

Bitmap ExitStar(ExitLook look) {
  const Pixel background = look == ExitLook::StarOnGreen ? Rgb(0x08, 0x40, 0x10) : 0;
  const double size = look == ExitLook::SmallStar ? 9.5 : 15;
  Bitmap cell(kCell, kCell, background);
  const Pixel light = Rgb(0xFF, 0xF8, 0x90), face = Rgb(0xFF, 0xD8, 0x10),
              shade = Rgb(0xD0, 0x90, 0x00);
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      if (!InStar(cx, cy, size)) continue;
      // Each point is split along its ridge into a lit and a shaded half.
      const double angle = std::atan2(cx - 16, -(cy - 16.5));
      const double sector = std::fmod(angle + 10 * kPi, 2 * kPi / 5) / (2 * kPi / 5);
      cell.At(x, y) = !InStar(cx + 1, cy + 1, size) ? shade : sector < 0.5 ? light : face;
    }
  return cell;
}

Bitmap TeleporterPad(PadColour colour) {
  struct Tint {
    Pixel light, face, dark;
  };
  const Tint tints[] = {
      {Rgb(0xA0, 0xD0, 0xFF), Rgb(0x20, 0x60, 0xF0), Rgb(0x08, 0x18, 0x70)},  // blue
      {Rgb(0xB0, 0xFF, 0xA0), Rgb(0x20, 0xC0, 0x20), Rgb(0x08, 0x50, 0x08)},  // green
      {Rgb(0xFF, 0xB0, 0xA0), Rgb(0xE8, 0x18, 0x18), Rgb(0x60, 0x04, 0x04)},  // red
      {Rgb(0xFF, 0xFF, 0xC0), Rgb(0xF8, 0xE0, 0x10), Rgb(0x80, 0x60, 0x00)},  // yellow
  };
  const Tint& tint = tints[static_cast<int>(colour)];

  Bitmap cell(kCell, kCell, Rgb(0x88, 0x8C, 0x94));
  BevelFrame(cell, 0, 0, kCell, kCell, 1, Rgb(0xE0, 0xE4, 0xEC), Rgb(0x30, 0x34, 0x3C));
  BevelFrame(cell, 1, 1, kCell - 2, kCell - 2, 1, Rgb(0xB8, 0xBC, 0xC4), Rgb(0x58, 0x5C, 0x64));
  // A shallow ring in the middle of the plate, where one stands.
  BevelFrame(cell, 10, 10, 12, 12, 1, Rgb(0x58, 0x5C, 0x64), Rgb(0xB8, 0xBC, 0xC4));
  for (int corner = 0; corner < 4; ++corner) {
    const int x = corner % 2 ? 19 : 5, y = corner / 2 ? 19 : 5;
    FillRect(cell, x, y, 8, 8, tint.face);
    BevelFrame(cell, x, y, 8, 8, 1, tint.light, tint.dark);
  }
  return cell;
}

}  // namespace lorvix::resources
