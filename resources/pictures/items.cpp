// The small pictures of things lying on the floor: a 22 x 22 square at
// (5, 5) on black. The renderer copies only the square, so the floor shows
// around it.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

constexpr int kAt = 5, kSize = 22;

struct FrameColours {
  Pixel light, face, dark;
};

// A raised three-pixel frame, the colour that tells the kinds of blocks apart.
void BlockFrame(Bitmap& cell, const FrameColours& c) {
  BevelFrame(cell, kAt, kAt, kSize, kSize, 1, c.light, Mix(c.dark, 0, 0.5));
  FrameRect(cell, kAt + 1, kAt + 1, kSize - 2, kSize - 2, c.face);
  FrameRect(cell, kAt + 2, kAt + 2, kSize - 4, kSize - 4, c.face);
  BevelFrame(cell, kAt + 3, kAt + 3, kSize - 6, kSize - 6, 1, c.dark, c.light);
}

void MarkX(Bitmap& cell) {
  const Pixel ink = Rgb(0xFF, 0xE0, 0x30), edge = Rgb(0x40, 0x20, 0x00);
  for (int i = 0; i < 12; ++i) {
    const int a = kAt + 5 + i, b = kAt + kSize - 6 - i;
    PutPixel(cell, a + 1, a, edge);
    PutPixel(cell, b - 1, a, edge);
    PutPixel(cell, a, a, ink);
    PutPixel(cell, a, a + 1, ink);
    PutPixel(cell, b, a, ink);
    PutPixel(cell, b, a + 1, ink);
  }
}

}  // namespace

Bitmap TargetItem() {
  Bitmap cell(kCell, kCell, 0);
  FillRect(cell, kAt, kAt, kSize, kSize, Rgb(0x30, 0x2C, 0x34));
  BevelFrame(cell, kAt, kAt, kSize, kSize, 2, Rgb(0x18, 0x16, 0x1C), Rgb(0x98, 0x94, 0xA0));
  // A socket inside the socket, so the hole reads as deep.
  FillRect(cell, kAt + 6, kAt + 6, kSize - 12, kSize - 12, Rgb(0x14, 0x12, 0x18));
  BevelFrame(cell, kAt + 5, kAt + 5, kSize - 10, kSize - 10, 1, Rgb(0x18, 0x16, 0x1C),
             Rgb(0x58, 0x54, 0x60));
  return cell;
}

Bitmap CrateItem(bool onTarget) {
  Bitmap cell(kCell, kCell, 0);
  const Pixel wood = Rgb(0xC8, 0x8C, 0x48), grain = Rgb(0x98, 0x60, 0x28),
              gap = Rgb(0x50, 0x2C, 0x10);
  FillRect(cell, kAt + 4, kAt + 4, kSize - 8, kSize - 8, wood);
  for (int y = kAt + 4; y < kAt + kSize - 4; ++y)
    for (int x = kAt + 4; x < kAt + kSize - 4; ++x) {
      if ((y - kAt) % 5 == 3)
        cell.At(x, y) = gap;  // joints between the boards
      else if (Random01(x, y, 61) < 0.18)
        cell.At(x, y) = grain;
    }
  BlockFrame(cell, {Rgb(0xFF, 0x78, 0x60), Rgb(0xD0, 0x20, 0x18), Rgb(0x70, 0x08, 0x08)});
  if (onTarget) MarkX(cell);
  return cell;
}

Bitmap SliderItem(bool onTarget) {
  Bitmap cell(kCell, kCell, 0);
  // Polished and smooth, because it glides.
  for (int y = kAt + 4; y < kAt + kSize - 4; ++y)
    for (int x = kAt + 4; x < kAt + kSize - 4; ++x) {
      const int band = (x + y - 2 * kAt) / 5 % 3;
      cell.At(x, y) = band == 0 ? Rgb(0xE8, 0xF8, 0xE8) : Rgb(0xB0, 0xD8, 0xB8);
    }
  BlockFrame(cell, {Rgb(0x90, 0xFF, 0x80), Rgb(0x20, 0xB0, 0x30), Rgb(0x08, 0x50, 0x10)});
  if (onTarget) MarkX(cell);
  return cell;
}

Bitmap PlugItem() {
  Bitmap cell(kCell, kCell, 0);
  FillRect(cell, kAt + 4, kAt + 4, kSize - 8, kSize - 8, Rgb(0x90, 0xA8, 0xD8));
  // A round stopper in the middle.
  FillCircle(cell, 16, 16, 5, Rgb(0x20, 0x30, 0x70));
  FillCircle(cell, 15.5, 15.5, 4.2, Rgb(0x60, 0x90, 0xF0));
  FillCircle(cell, 14.5, 14.5, 1.6, Rgb(0xE0, 0xF0, 0xFF));
  BlockFrame(cell, {Rgb(0x90, 0xC8, 0xFF), Rgb(0x20, 0x50, 0xD0), Rgb(0x08, 0x18, 0x60)});
  return cell;
}

Bitmap FilledItem() {
  Bitmap cell(kCell, kCell, 0);
  FillRect(cell, kAt, kAt, kSize, kSize, Rgb(0x98, 0x98, 0x98));
  BevelFrame(cell, kAt, kAt, kSize, kSize, 1, Rgb(0xC8, 0xC8, 0xC8), Rgb(0x58, 0x58, 0x58));
  return cell;
}

Bitmap WaterItem() {
  Bitmap cell(kCell, kCell, 0);
  FillRect(cell, kAt, kAt, kSize, kSize, Rgb(0x18, 0x48, 0xC0));
  // A dark brim keeps the pool apart from the blue background pattern.
  FrameRect(cell, kAt, kAt, kSize, kSize, Rgb(0x08, 0x18, 0x58));
  for (int row = 0; row < 4; ++row)
    for (int x = 1; x < kSize - 1; ++x) {
      const int y =
          kAt + 4 + row * 5 + static_cast<int>(std::lround(std::sin((x + row * 3) * 0.8)));
      if ((x + row * 4) % 11 < 6) PutPixel(cell, kAt + x, y, Rgb(0x68, 0xA8, 0xF8));
    }
  return cell;
}

}  // namespace lorvix::resources
