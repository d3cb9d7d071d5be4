// Copies between pixel buffers: clipping and the AND, OR and stretched copies.

#include <gtest/gtest.h>

#include "render/blit.h"

namespace lorvix {
namespace {

// A picture whose every pixel tells where it came from.
Bitmap Numbered(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.At(x, y) = Rgb(x, y, 1);
  return b;
}

TEST(Blit, ClipsToDestinationSourceAndClipRectangle) {
  const Bitmap src = Numbered(4, 4);
  Bitmap dst(6, 6, 7);
  Blit(dst, -1, 4, 4, 4, src, 0, 0);  // partly left of and below the destination
  EXPECT_EQ(dst.At(0, 4), Rgb(1, 0, 1));
  EXPECT_EQ(dst.At(2, 5), Rgb(3, 1, 1));
  EXPECT_EQ(dst.At(3, 5), 7u);

  Bitmap dst2(6, 6, 7);
  Blit(dst2, 0, 0, 6, 6, src, 2, 2);  // the source has only 2 x 2 pixels there
  EXPECT_EQ(dst2.At(1, 1), Rgb(3, 3, 1));
  EXPECT_EQ(dst2.At(2, 0), 7u);
  EXPECT_EQ(dst2.At(0, 2), 7u);

  Bitmap dst3(6, 6, 7);
  Blit(dst3, 0, 0, 4, 4, src, 0, 0, RasterOp::Copy, Rect{1, 1, 2, 1});
  EXPECT_EQ(dst3.At(1, 1), Rgb(1, 1, 1));
  EXPECT_EQ(dst3.At(2, 1), Rgb(2, 1, 1));
  EXPECT_EQ(dst3.At(0, 0), 7u);
  EXPECT_EQ(dst3.At(1, 2), 7u);
}

TEST(Blit, MaskWithAndThenPaintWithOr) {
  Bitmap mask(2, 1), image(2, 1), dst(2, 1, Rgb(10, 20, 30));
  mask.At(0, 0) = Rgb(255, 255, 255);  // background shows
  mask.At(1, 0) = 0;                   // figure
  image.At(0, 0) = 0;
  image.At(1, 0) = Rgb(200, 100, 50);
  Blit(dst, 0, 0, 2, 1, mask, 0, 0, RasterOp::And);
  Blit(dst, 0, 0, 2, 1, image, 0, 0, RasterOp::Or);
  EXPECT_EQ(dst.At(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(dst.At(1, 0), Rgb(200, 100, 50));
}

TEST(Blit, StretchPicksTheNearestSourcePixel) {
  const Bitmap src = Numbered(4, 4);
  Bitmap dst(8, 8, 7);
  StretchBlit(dst, {0, 0, 8, 2}, src, {0, 0, 4, 4});
  EXPECT_EQ(dst.At(0, 0), Rgb(0, 1, 1));
  EXPECT_EQ(dst.At(7, 1), Rgb(3, 3, 1));
  EXPECT_EQ(dst.At(0, 2), 7u);

  StretchBlit(dst, {0, 4, 8, 0}, src, {0, 0, 4, 4});  // height 0: nothing
  EXPECT_EQ(dst.At(0, 4), 7u);
}

TEST(Blit, ClipToPictureCutsWideRectangles) {
  const Rect r = ClipToPicture(-100, 20, int64_t{1} << 40, 10, 710, 550);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.width, 710);
  EXPECT_EQ(r.height, 10);
  EXPECT_EQ(ClipToPicture(800, 0, 32, 32, 710, 550).width, 0);
  EXPECT_EQ(ClipToPicture(0, 0, -32, 32, 710, 550).width, 0);
}

}  // namespace
}  // namespace lorvix
