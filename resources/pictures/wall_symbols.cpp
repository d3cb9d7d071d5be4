// Sandstone walls with a sign carved into them.

#include <cmath>
#include <functional>

#include "resources/pictures/ink_mask.h"
#include "resources/pictures/sheet_parts.h"
#include "resources/pictures/wall_style.h"

namespace lorvix::resources {

namespace {

constexpr double kPi = 3.14159265358979;

// Marks the pixels along the curve point(t), t running from t0 to t1.
void Trace(InkMask& mask, double t0, double t1,
           const std::function<void(double, double&, double&)>& point) {
  const int steps = 400;
  for (int i = 0; i <= steps; ++i) {
    double x = 0, y = 0;
    point(t0 + (t1 - t0) * i / steps, x, y);
    mask.Set(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
  }
}

void Arc(InkMask& mask, double cx, double cy, double radius, double from, double to) {
  Trace(mask, from, to, [&](double a, double& x, double& y) {
    x = cx + radius * std::cos(a);
    y = cy - radius * std::sin(a);
  });
}

InkMask SymbolInk(WallSymbol symbol) {
  InkMask ink(kCell, kCell);
  switch (symbol) {
    case WallSymbol::Zodiac:  // two curled horns on a stem
      Arc(ink, 11.5, 12, 4.5, 0, kPi * 1.15);
      Arc(ink, 20.5, 12, 4.5, -kPi * 0.15, kPi);
      Trace(ink, 12, 25, [](double t, double& x, double& y) {
        x = 16;
        y = t;
      });
      break;
    case WallSymbol::Waves:
      for (int line = 0; line < 3; ++line)
        Trace(ink, 6, 25, [line](double t, double& x, double& y) {
          x = t;
          y = 9.5 + line * 6.5 + 1.8 * std::sin((t - 6) * 0.75);
        });
      break;
    case WallSymbol::Smiley:
      Arc(ink, 15.5, 15.5, 9.5, 0, 2 * kPi);
      Arc(ink, 15.5, 15.5, 5.5, -kPi * 0.85, -kPi * 0.15);
      for (int eye = 0; eye < 2; ++eye)
        for (int d = 0; d < 4; ++d) ink.Set(12 + eye * 6 + d % 2, 11 + d / 2);
      break;
    case WallSymbol::Curl:  // a spiral winding outwards
      Trace(ink, 0, 3.4 * kPi, [](double a, double& x, double& y) {
        const double r = 1.2 + a * 0.85;
        x = 15.5 + r * std::cos(a);
        y = 15.5 - r * std::sin(a);
      });
      break;
  }
  return ink;
}

}  // namespace

Bitmap SymbolWall(WallSymbol symbol) {
  const Ramp ramp({Rgb(0x40, 0x30, 0x18), Rgb(0xB0, 0x94, 0x60), Rgb(0xF4, 0xE4, 0xB8)}, 8);
  Bitmap wall = RaisedBlock(ramp, [](int x, int y) {
    return 0.45 + PeriodicFractal(x, y, 32, 4, 2, 40) * 0.3 + (Random01(x, y, 41) - 0.5) * 0.2;
  });
  // A carved groove: its lower right lip catches the light.
  const InkMask ink = SymbolInk(symbol);
  Paint(wall, ink, 1, 1, ramp.At(ramp.Size() - 1));
  Paint(wall, ink, 0, 0, ramp.At(0));
  return wall;
}

}  // namespace lorvix::resources
