// What the renderer and the animations rely on inside the pictures.

#include <gtest/gtest.h>

#include "resources/pictures.h"

namespace lorvix::resources {
namespace {

constexpr Pixel kWhite = 0xFFFFFF;

const Bitmap& Sheet() { return Picture(13); }

bool SameBlock(const Bitmap& a, int ax, int ay, const Bitmap& b, int bx, int by, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (a.At(ax + x, ay + y) != b.At(bx + x, by + y)) return false;
  return true;
}

bool Uniform(const Bitmap& bitmap, int x0, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (bitmap.At(x, y) != bitmap.At(x0, y0)) return false;
  return true;
}

TEST(TileSheet, ItemCellsAreBlackAroundTheirSquare) {
  const int items[][2] = {{4, 2}, {4, 3}, {4, 4}, {5, 1}, {5, 2}, {5, 4}, {6, 1}, {6, 2}};
  for (const auto& cell : items) {
    const int left = cell[0] * 32, top = cell[1] * 32;
    int inked = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const bool inSquare = x >= 5 && x < 27 && y >= 5 && y < 27;
        const Pixel p = Sheet().At(left + x, top + y);
        if (!inSquare)
          EXPECT_EQ(p, 0u) << "cell " << cell[0] << "," << cell[1] << " at " << x << "," << y;
        else if (p != 0)
          ++inked;
      }
    EXPECT_GT(inked, 22 * 22 / 2) << "cell " << cell[0] << "," << cell[1];
  }
}

TEST(TileSheet, BlackPatternCellIsBlack) {
  EXPECT_TRUE(Uniform(Sheet(), 416, 128, 32, 32) && Sheet().At(416, 128) == 0);
}

TEST(TileSheet, AnimationFramesAllDiffer) {
  for (int k = 0; k < 16; ++k)
    EXPECT_FALSE(SameBlock(Sheet(), 32 * k, 0, Sheet(), 32 * ((k + 1) % 16), 0, 32, 32))
        << "gear " << k;
  for (int k = 0; k < 11; ++k) {
    const int next = (k + 1) % 11;
    EXPECT_FALSE(SameBlock(Sheet(), 352 + 32 * (k / 4), 32 + 32 * (k % 4), Sheet(),
                           352 + 32 * (next / 4), 32 + 32 * (next % 4), 32, 32))
        << "pillar " << k;
  }
  // Lit and dark lamps must differ or the flicker would not show.
  for (int k = 0; k < 4; ++k)
    EXPECT_FALSE(SameBlock(Sheet(), 256, 32 + 32 * k, Sheet(), 288, 32 + 32 * k, 32, 32));
}

TEST(TileSheet, TeleporterPadsHaveDistinctColours) {
  // The middle of the upper left coloured square of each pad.
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      EXPECT_NE(Sheet().At(512 + 32 * a + 8, 8), Sheet().At(512 + 32 * b + 8, 8));
}

// The AND/OR drawing needs black in the image wherever the mask is white,
// and a mask of pure black and white.
void ExpectMaskFits(int imageId, int maskId) {
  const Bitmap& image = Picture(imageId);
  const Bitmap& mask = Picture(maskId);
  int covered = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Pixel m = mask.At(x, y);
      ASSERT_TRUE(m == 0 || m == kWhite) << "mask " << maskId;
      if (m == kWhite)
        EXPECT_EQ(image.At(x, y), 0u) << "image " << imageId << " at " << x << "," << y;
      else
        ++covered;
    }
  EXPECT_GT(covered, 0);
}

TEST(Masks, FigureAndCursorMasksMatchTheirImages) {
  ExpectMaskFits(1, 3);
  ExpectMaskFits(2, 4);
  ExpectMaskFits(16, 17);
  // The cursor is a frame: its middle lets the square show through.
  EXPECT_EQ(Picture(17).At(16, 16), kWhite);
  EXPECT_EQ(Picture(17).At(0, 0), 0u);
}

TEST(Masks, FigureFacesBothWays) {
  EXPECT_FALSE(SameBlock(Picture(1), 0, 0, Picture(2), 0, 0, 32, 32));
  EXPECT_FALSE(SameBlock(Picture(6), 0, 0, Picture(7), 0, 0, 32, 32));
}

TEST(TitleScreen, LogoAreaAndWalkerStripStayPlainPanelGrey) {
  const Bitmap& title = Picture(5);
  const Pixel grey = title.At(5, 15);
  EXPECT_TRUE(Uniform(title, 5, 15, 50, 50));
  // The walker walks between screen x 210 and 482 at screen y 250; the
  // panel lies at (200, 125).
  EXPECT_TRUE(Uniform(title, 10, 125, 272, 32));
  EXPECT_EQ(title.At(10, 125), grey);
  // The walker poses are drawn on the same grey, so they leave no box.
  EXPECT_EQ(Picture(6).At(0, 0), grey);
  EXPECT_EQ(Picture(7).At(31, 0), grey);
  EXPECT_EQ(Picture(8).At(0, 0), grey);
  EXPECT_EQ(Picture(9).At(0, 0), grey);
}

TEST(TitleScreen, AboutTextSitsOnTheFrameGrey) {
  // The about text is copied into the frame's inside without a mask.
  EXPECT_EQ(Picture(12).At(0, 0), Picture(11).At(150, 100));
  EXPECT_EQ(Picture(12).At(249, 499), Picture(11).At(150, 100));
}

TEST(EditorLabels, AllTwelveLabelsDiffer) {
  for (int a = 18; a <= 29; ++a)
    for (int b = a + 1; b <= 29; ++b)
      EXPECT_FALSE(SameBlock(Picture(a), 0, 0, Picture(b), 0, 0, 16, 16)) << a << " and " << b;
}

}  // namespace
}  // namespace lorvix::resources
