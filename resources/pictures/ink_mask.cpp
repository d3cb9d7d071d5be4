#include "resources/pictures/ink_mask.h"

#include "resources/pictures/canvas.h"

namespace lorvix::resources {

InkMask Enlarged(const InkMask& mask, int factor) {
  InkMask big(mask.Width() * factor, mask.Height() * factor);
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x) big.Set(x, y, mask.Ink(x / factor, y / factor));
  return big;
}

InkMask SmoothDoubled(const InkMask& mask) {
  InkMask big(mask.Width() * 2, mask.Height() * 2);
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      const bool centre = mask.Ink(x, y);
      const bool up = mask.Ink(x, y - 1), down = mask.Ink(x, y + 1);
      const bool left = mask.Ink(x - 1, y), right = mask.Ink(x + 1, y);
      bool topLeft = centre, topRight = centre, bottomLeft = centre, bottomRight = centre;
      if (up != down && left != right) {
        topLeft = (left == up) ? up : centre;
        topRight = (up == right) ? right : centre;
        bottomLeft = (left == down) ? left : centre;
        bottomRight = (down == right) ? down : centre;
      }
      big.Set(2 * x, 2 * y, topLeft);
      big.Set(2 * x + 1, 2 * y, topRight);
      big.Set(2 * x, 2 * y + 1, bottomLeft);
      big.Set(2 * x + 1, 2 * y + 1, bottomRight);
    }
  return big;
}

InkMask Bold(const InkMask& mask) {
  InkMask bold(mask.Width() + 1, mask.Height());
  for (int y = 0; y < bold.Height(); ++y)
    for (int x = 0; x < bold.Width(); ++x) bold.Set(x, y, mask.Ink(x, y) || mask.Ink(x - 1, y));
  return bold;
}

InkMask Slanted(const InkMask& mask, int rowsPerPixel) {
  const int extra = (mask.Height() - 1) / rowsPerPixel;
  InkMask leaning(mask.Width() + extra, mask.Height());
  for (int y = 0; y < mask.Height(); ++y) {
    const int shift = (mask.Height() - 1 - y) / rowsPerPixel;
    for (int x = 0; x < mask.Width(); ++x) leaning.Set(x + shift, y, mask.Ink(x, y));
  }
  return leaning;
}

InkMask Outline(const InkMask& mask) {
  InkMask border(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.Ink(x, y)) continue;
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) touches = touches || mask.Ink(x + dx, y + dy);
      border.Set(x, y, touches);
    }
  return border;
}

void Paint(Bitmap& target, const InkMask& mask, int x, int y, Pixel colour) {
  for (int my = 0; my < mask.Height(); ++my)
    for (int mx = 0; mx < mask.Width(); ++mx)
      if (mask.Ink(mx, my)) PutPixel(target, x + mx, y + my, colour);
}

void PaintOutlined(Bitmap& target, const InkMask& mask, int x, int y, Pixel fill, Pixel border,
                   Pixel shadow) {
  // Work on a copy with a one-pixel margin so the border is not cut off.
  InkMask padded(mask.Width() + 2, mask.Height() + 2);
  for (int my = 0; my < mask.Height(); ++my)
    for (int mx = 0; mx < mask.Width(); ++mx) padded.Set(mx + 1, my + 1, mask.Ink(mx, my));
  const InkMask ring = Outline(padded);
  InkMask body = ring;
  for (int my = 0; my < padded.Height(); ++my)
    for (int mx = 0; mx < padded.Width(); ++mx)
      if (padded.Ink(mx, my)) body.Set(mx, my);
  Paint(target, body, x, y, shadow);
  Paint(target, ring, x - 1, y - 1, border);
  Paint(target, padded, x - 1, y - 1, fill);
}

}  // namespace lorvix::resources
