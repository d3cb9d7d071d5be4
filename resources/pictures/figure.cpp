#include "resources/pictures/figure.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "resources/pictures/canvas.h"

namespace lorvix::resources {

namespace {

// Parts of the figure; each has a colour and a shade for its lower right
// edges.
enum Part : uint8_t {
  None,
  Outline,
  Skin,
  Cap,
  CapBand,
  Bobble,
  Shirt,
  Trousers,
  Shoe,
  EyeWhite,
  Pupil,
  Hair,
  Mouth
};

struct PartColours {
  Pixel face, shade;
};

constexpr Pixel kOutline = Rgb(0x2C, 0x18, 0x20);

PartColours ColoursOf(Part part) {
  switch (part) {
    case Skin:
      return {Rgb(0xFF, 0xCC, 0x98), Rgb(0xD8, 0x90, 0x60)};
    case Cap:
      return {Rgb(0x28, 0xA8, 0x50), Rgb(0x10, 0x60, 0x30)};
    case CapBand:
      return {Rgb(0x90, 0xE8, 0x80), Rgb(0x28, 0xA8, 0x50)};
    case Bobble:
      return {Rgb(0xFF, 0xE0, 0x40), Rgb(0xFF, 0xE0, 0x40)};
    case Shirt:
      return {Rgb(0xF8, 0x98, 0x20), Rgb(0xB8, 0x58, 0x10)};
    case Trousers:
      return {Rgb(0x20, 0x50, 0x68), Rgb(0x20, 0x50, 0x68)};
    case Shoe:
      return {Rgb(0x90, 0x50, 0x20), Rgb(0x58, 0x2C, 0x10)};
    case EyeWhite:
      return {Rgb(0xFF, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF)};
    case Hair:
      return {Rgb(0x90, 0x50, 0x20), Rgb(0x58, 0x2C, 0x10)};
    default:
      return {kOutline, kOutline};
  }
}

using Grid = std::array<std::array<Part, 32>, 32>;

void Ellipse(Grid& grid, double cx, double cy, double rx, double ry, Part part) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1) grid[y][x] = part;
    }
}

void Box(Grid& grid, int x0, int y0, int x1, int y1, Part part) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) grid[y][x] = part;
}

// Drawn facing right; the left-facing figure is its mirror image.
Grid Layout(Stride stride) {
  Grid grid{};
  const int step = stride == Stride::StepA ? 2 : stride == Stride::StepB ? -2 : 0;
  // Feet and legs first, so the body overlaps them.
  Box(grid, 12 - step / 2, 23, 14 - step / 2, 27, Trousers);
  Box(grid, 18 + step / 2, 23, 20 + step / 2, 27, Trousers);
  Ellipse(grid, 13.5 - step, 28.5, 3.5, 1.9, Shoe);
  Ellipse(grid, 20.5 + step, 28.5, 3.5, 1.9, Shoe);
  Ellipse(grid, 16, 21, 6.2, 4.8, Shirt);
  Ellipse(grid, 9.5 + step / 2.0, 21.5 - std::abs(step) / 2.0, 2.1, 2.1, Skin);  // hands
  Ellipse(grid, 22.5 - step / 2.0, 21.5 - std::abs(step) / 2.0, 2.1, 2.1, Skin);
  Ellipse(grid, 15.5, 11, 7.5, 7.2, Skin);    // head
  Ellipse(grid, 23.2, 12.5, 1.9, 1.9, Skin);  // nose
  // A knitted cap with a bobble, pulled down to the eyebrows.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (grid[y][x] == Skin && y < 9 && x < 24) grid[y][x] = y >= 7 ? CapBand : Cap;
  Box(grid, 8, 7, 23, 8, CapBand);
  Ellipse(grid, 14.5, 3, 2.4, 2.2, Bobble);
  Box(grid, 8, 9, 9, 12, Hair);
  Ellipse(grid, 19.5, 11.5, 1.8, 2.4, EyeWhite);
  Box(grid, 20, 11, 20, 12, Pupil);
  Box(grid, 19, 15, 21, 15, Mouth);
  grid[14][18] = Mouth;
  // A dark rim around everything keeps the figure readable on light floors.
  Grid outlined = grid;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (grid[y][x] != None) continue;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && grid[ny][nx] != None &&
              grid[ny][nx] != Outline)
            outlined[y][x] = Outline;
        }
    }
  return outlined;
}

}  // namespace

Bitmap DrawFigure(bool facingRight, Stride stride, Pixel background) {
  const Grid grid = Layout(stride);
  Bitmap image(32, 32, background);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Part part = grid[y][x];
      if (part == None) continue;
      const PartColours colours = ColoursOf(part);
      // Edges that face the lower right lie in shadow.
      const bool edge =
          x < 31 && y < 31 && grid[y + 1][x + 1] != part && grid[y + 1][x + 1] != EyeWhite;
      image.At(x, y) = edge ? colours.shade : colours.face;
    }
  return facingRight ? image : MirroredLeftRight(image);
}

Bitmap MaskOf(const Bitmap& image) {
  Bitmap mask(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      mask.At(x, y) = image.At(x, y) == 0 ? Rgb(255, 255, 255) : 0;
  return mask;
}

}  // namespace lorvix::resources
