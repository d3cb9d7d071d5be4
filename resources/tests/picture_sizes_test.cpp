// Every picture has the size its users copy with, and stays within the
// colour budget of its kind.

#include <gtest/gtest.h>

#include <set>

#include "resources/pictures.h"

namespace lorvix::resources {
namespace {

struct Size {
  int width, height;
};

Size ExpectedSize(int id) {
  if (id >= 1 && id <= 4) return {32, 32};
  if (id == 5 || id == 11) return {300, 200};
  if (id == 6 || id == 7) return {32, 32};
  if (id == 8 || id == 9) return {50, 50};
  if (id == 12) return {250, 500};
  if (id == 13) return {640, 160};
  if (id == 14 || id == 15) return {150, 50};
  if (id == 16 || id == 17) return {32, 32};
  if (id >= 18 && id <= 29) return {16, 16};
  if (id >= 31 && id <= 35) return {200, 32};
  if (id == 40 || id == 41) return {32, 32};
  return {0, 0};
}

size_t ColourCount(const Bitmap& bitmap) {
  std::set<Pixel> colours;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) colours.insert(bitmap.At(x, y));
  return colours.size();
}

TEST(PictureSizes, EveryResourceHasItsSizeAndUnknownNumbersAreEmpty) {
  for (int id = -1; id <= 42; ++id) {
    const Size size = ExpectedSize(id);
    EXPECT_EQ(Picture(id).Width(), size.width) << "resource " << id;
    EXPECT_EQ(Picture(id).Height(), size.height) << "resource " << id;
  }
}

TEST(PictureSizes, TheSheetFitsA256ColourTableAndTheRestSixteen) {
  EXPECT_LE(ColourCount(Picture(13)), 256u);
  for (int id = 1; id <= 35; ++id) {
    if (id == 13 || Picture(id).Width() == 0) continue;
    EXPECT_LE(ColourCount(Picture(id)), 16u) << "resource " << id;
  }
  EXPECT_LE(ColourCount(Picture(41)), 16u) << "the pack builder's icon";
}

TEST(PictureSizes, RepeatedRequestsGiveTheSamePicture) { EXPECT_EQ(&Picture(13), &Picture(13)); }

}  // namespace
}  // namespace lorvix::resources
