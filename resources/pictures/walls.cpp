// The plain and patterned wall squares.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "resources/pictures/canvas.h"
#include "resources/pictures/sheet_parts.h"
#include "resources/pictures/wall_style.h"

namespace lorvix::resources {

Bitmap RaisedBlock(const Ramp& ramp, const std::function<double(int, int)>& face) {
  Bitmap block(kCell, kCell);
  const int last = ramp.Size() - 1;
  const int faceColours = ramp.Size() - 4;  // colours 2 .. last - 2; the rest are edges
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double t = std::clamp(face(x, y), 0.0, 0.999);
      block.At(x, y) = ramp.At(2 + static_cast<int>(t * faceColours));
    }
  BevelFrame(block, 0, 0, kCell, kCell, 1, ramp.At(last), ramp.At(0));
  BevelFrame(block, 1, 1, kCell - 2, kCell - 2, 1, ramp.At(last - 1), ramp.At(1));
  return block;
}

// Bricks of 16 x 8 in half-bond; the pattern repeats every 32 pixels, so
// neighbouring stone walls join into one masonry surface.
Bitmap StoneWall() {
  const Ramp ramp({Rgb(0x30, 0x30, 0x34), Rgb(0x78, 0x78, 0x7C), Rgb(0xD0, 0xD0, 0xD4)}, 8);
  Bitmap wall(kCell, kCell);
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const int course = y / 8, bx = (x + (course % 2) * 8) % 16, by = y % 8;
      const int brick = course * 4 + (x + (course % 2) * 8) / 16;
      Pixel colour;
      if (by == 7 || bx == 15)
        colour = ramp.At(0);  // mortar joint
      else if (by == 0 || bx == 0)
        colour = ramp.At(6);
      else if (by == 6 || bx == 14)
        colour = ramp.At(2);
      else {
        const double speckle = Random01(x, y, 3) * 0.35 + Random01(brick, 0, 4) * 0.3;
        colour = ramp.At(3 + static_cast<int>(speckle * 3));
      }
      wall.At(x, y) = colour;
    }
  return wall;
}

// Wood grain: stretched noise bent by a slow wave.
Bitmap BrownWall() {
  const Ramp ramp({Rgb(0x2C, 0x16, 0x08), Rgb(0x8A, 0x52, 0x24), Rgb(0xE0, 0xA8, 0x68)}, 9);
  return RaisedBlock(ramp, [](int x, int y) {
    const double wave = std::sin(y * 0.2 + x * 0.05) * 2.5;
    const double grain = std::sin((x + wave) * 1.1 + PeriodicNoise(x, y, 32, 4, 8) * 6);
    return 0.55 + grain * 0.22 + (Random01(x, y, 9) - 0.5) * 0.15;
  });
}

// Blue veins swirling through white stone.
Bitmap BlueWhiteWall() {
  const Ramp ramp({Rgb(0x10, 0x28, 0x70), Rgb(0x50, 0x80, 0xD0), Rgb(0xFF, 0xFF, 0xFF)}, 9);
  return RaisedBlock(ramp, [](int x, int y) {
    const double swirl = PeriodicFractal(x, y, 32, 4, 3, 12);
    const double vein = std::fabs(std::sin(x * 0.18 - y * 0.12 + swirl * 9));
    return vein < 0.25 ? 0.15 + vein : 0.6 + swirl * 0.4;
  });
}

// Diamonds on green: a door that looks like a tiled gate.
Bitmap GreenPatternWall() {
  const Ramp ramp({Rgb(0x04, 0x24, 0x0C), Rgb(0x20, 0x90, 0x30), Rgb(0xB8, 0xF8, 0xA0)}, 9);
  return RaisedBlock(ramp, [](int x, int y) {
    const int d = std::abs((x - 16 + 64) % 8 - 4) + std::abs((y - 16 + 64) % 8 - 4);
    if (d == 4) return 0.05;  // groove between diamonds
    if (d == 3) return 0.35;
    return (x + y) % 8 < 4 ? 0.75 : 0.6;
  });
}

// Red boards with studs: clearly a door, and clearly not the green one.
Bitmap RedPatternWall() {
  const Ramp ramp({Rgb(0x30, 0x04, 0x04), Rgb(0xB0, 0x20, 0x18), Rgb(0xFF, 0xB0, 0x90)}, 9);
  return RaisedBlock(ramp, [](int x, int y) {
    const int plank = (x - 2) % 7;
    if (plank == 6) return 0.05;
    const bool stud = (y == 7 || y == 24) && plank == 3;
    if (stud) return 0.99;
    if ((y == 8 || y == 25) && plank == 3) return 0.1;
    return 0.55 + (plank == 0 ? 0.2 : 0) + (Random01(x / 7, y / 3, 5) - 0.5) * 0.2;
  });
}

}  // namespace lorvix::resources
