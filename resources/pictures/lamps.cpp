// Lamps set into the stone wall; the game flickers them by swapping the lit
// and the dark square.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/shading.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

struct LampColours {
  Pixel lit;
  Pixel dark;
  bool round;
};

LampColours ColoursOf(LampColour colour) {
  switch (colour) {
    case LampColour::Green:
      return {Rgb(0x40, 0xF0, 0x40), Rgb(0x10, 0x58, 0x18), true};
    case LampColour::Yellow:
      return {Rgb(0xFF, 0xE8, 0x30), Rgb(0xC0, 0x60, 0x10), false};
    case LampColour::Red:
      return {Rgb(0xFF, 0x30, 0x20), Rgb(0x68, 0x08, 0x08), true};
    case LampColour::Blue:
      return {Rgb(0x40, 0xA0, 0xFF), Rgb(0x10, 0x20, 0x68), false};
  }
  return {};
}

}  // namespace

Bitmap Lamp(LampColour colour, bool lit) {
  const LampColours colours = ColoursOf(colour);
  Bitmap cell = StoneWall();
  // Sunken socket of dark metal.
  FillRect(cell, 5, 5, 22, 22, Rgb(0x1C, 0x1C, 0x20));
  BevelFrame(cell, 4, 4, 24, 24, 1, Rgb(0x30, 0x30, 0x34), Rgb(0xD0, 0xD0, 0xD4));

  const Pixel body = lit ? colours.lit : colours.dark;
  const Pixel rim = Mix(body, 0, 0.45);
  const Pixel shine = Mix(body, Rgb(255, 255, 255), lit ? 0.75 : 0.3);
  if (lit) FillRect(cell, 5, 5, 22, 22, Mix(colours.lit, Rgb(0x1C, 0x1C, 0x20), 0.7));  // glow

  for (int y = 6; y < 26; ++y)
    for (int x = 6; x < 26; ++x) {
      const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
      const double reach = colours.round ? std::sqrt(dx * dx + dy * dy)
                                         : std::max(std::fabs(dx), std::fabs(dy)) * 1.12;
      if (reach > 9.2) continue;
      Pixel p = body;
      if (reach > 8.0 || dx + dy > 9) p = rim;
      // The highlight sits up and left, where the light comes from.
      const double hx = dx + 3.5, hy = dy + 3.5;
      if (hx * hx + hy * hy < (lit ? 6.0 : 3.0)) p = shine;
      cell.At(x, y) = p;
    }
  return cell;
}

}  // namespace lorvix::resources
