// A gear turning inside a steel wall plate. It has eight teeth and four
// spokes and turns a quarter round over the sixteen frames, so the last
// frame leads smoothly back into the first.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

constexpr double kPi = 3.14159265358979;

bool InGear(double x, double y, double turn) {
  const double dx = x - 16, dy = y - 16;
  const double r = std::sqrt(dx * dx + dy * dy);
  const double angle = std::atan2(dy, dx) - turn;
  if (r < 1.8) return false;  // axle hole
  if (r < 5.5) return true;   // hub
  if (r < 8.5) {              // four broad spokes
    const double fromSpoke = std::fmod(angle + 8 * kPi + kPi / 4, kPi / 2) - kPi / 4;
    return r * std::fabs(std::sin(fromSpoke)) < 2.4;
  }
  if (r < 11.2) return true;  // rim
  if (r > 14.3) return false;
  const double tooth = std::fmod(angle + 8 * kPi, kPi / 4) / (kPi / 4);  // 0..1 over one tooth
  // Teeth taper outwards.
  const double halfWidth = 0.27 - (r - 11.0) * 0.035;
  return std::fabs(tooth - 0.5) < halfWidth;
}

}  // namespace

Bitmap GearFrame(int frame) {
  const Ramp steel({Rgb(0x18, 0x1C, 0x24), Rgb(0x58, 0x60, 0x70), Rgb(0xC8, 0xD0, 0xDC)}, 8);
  const Ramp brass({Rgb(0x50, 0x30, 0x08), Rgb(0xC0, 0x88, 0x28), Rgb(0xFF, 0xF0, 0xA0)}, 6);
  const double turn = frame * (kPi / 2) / kGearFrames;

  Bitmap cell(kCell, kCell, steel.At(2));
  BevelFrame(cell, 0, 0, kCell, kCell, 1, steel.At(7), steel.At(0));
  BevelFrame(cell, 1, 1, kCell - 2, kCell - 2, 1, steel.At(5), steel.At(1));
  // The recess the gear turns in.
  FillCircle(cell, 16, 16, 14.5, steel.At(1));
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      if (!InGear(cx, cy, turn)) continue;
      // Edges facing the upper left are lit, those facing the lower right
      // are in shadow; the rest shades gently across the face.
      const bool litEdge = !InGear(cx - 1, cy - 1, turn);
      const bool shadowEdge = !InGear(cx + 1, cy + 1, turn);
      int shade = (x + y) < 30 ? 3 : 2;
      if (litEdge)
        shade = 4;
      else if (shadowEdge)
        shade = 1;
      cell.At(x, y) = brass.At(shade);
    }
  return cell;
}

}  // namespace lorvix::resources
