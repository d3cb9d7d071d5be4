// The four background patterns and choosing one.

#include <fstream>
#include <iterator>

#include "render/backgrounds.h"
#include "render/tests/render_fixture.h"

namespace lorvix::testing {
namespace {

using Backgrounds = RenderTest;

// Pattern blocks by their top-left corner on the sheet, counted from the top.
struct Block {
  int x, y, size;
};
constexpr Block kMarble{0, 32, 128}, kBlue{448, 60, 100}, kCream{548, 80, 80},
    kBlack{416, 128, 32};

Pixel Tiled(const Bitmap& sheet, const Block& b, int x, int y) {
  return sheet.At(b.x + x % b.size, b.y + y % b.size);
}

TEST_F(Backgrounds, PatternsTileTheirSheetBlock) {
  struct Case {
    int pattern;
    Block block;
    int coveredWidth, coveredHeight;
  };
  for (const Case& c : {Case{0, kMarble, 710, 512}, Case{1, kBlue, 710, 500},
                        Case{2, kCream, 710, 550}, Case{3, kBlack, 704, 480}}) {
    SCOPED_TRACE(c.pattern);
    Bitmap image(710, 550, MARKER);
    PaintBackgroundPattern(image, Sheet(), c.pattern);
    for (int y = 0; y < 550; ++y)
      for (int x = 0; x < 710; ++x) {
        const bool covered = x < c.coveredWidth && y < c.coveredHeight;
        ASSERT_EQ(image.At(x, y), covered ? Tiled(Sheet(), c.block, x, y) : MARKER)
            << x << "," << y;
      }
  }
}

TEST_F(Backgrounds, BlackLeavesTheRimOfThePatternBefore) {
  window.SelectBackground(1);
  window.SelectBackground(3);
  EXPECT_EQ(Background(703, 479), Tiled(Sheet(), kBlack, 703, 479));
  EXPECT_EQ(Background(704, 10), Tiled(Sheet(), kBlue, 704, 10));
  EXPECT_EQ(Background(709, 499), Tiled(Sheet(), kBlue, 709, 499));
  EXPECT_EQ(Background(10, 480), Tiled(Sheet(), kBlue, 10, 480));
}

TEST_F(Backgrounds, ChoosingAPatternStoresItAndRepaints) {
  const int invalidations = platform.invalidations;
  window.SelectBackground(2);
  window.SelectBackground(2);
  EXPECT_EQ(window.BackgroundChoice, 2);
  EXPECT_EQ(platform.invalidations, invalidations + 2);
  EXPECT_EQ(Background(5, 5), Tiled(Sheet(), kCream, 5, 5));
  std::ifstream settings(window.SettingsPath);
  const std::string text((std::istreambuf_iterator<char>(settings)), {});
  EXPECT_NE(text.find("HINTERGRUND=2"), std::string::npos) << text;

  PaintAll();
  EXPECT_EQ(Screen(40, 8), Tiled(Sheet(), kCream, 40, 8));
}

}  // namespace
}  // namespace lorvix::testing
