// The builder's frame: what it shows, the progress bar it paints, the help
// menu, closing, and the program object with files from the command line.

#include <gtest/gtest.h>

#include <filesystem>

#include "builder/builder_app.h"
#include "builder/tests/builder_fixture.h"

namespace wendrel::testing {
namespace {

using platform::Icon;

constexpr lorvix::Pixel kBlack = 0;

bool Inside(const platform::Rect& r, int width, int height) {
  return r.x >= 0 && r.y >= 0 && r.x + r.width <= width && r.y + r.height <= height;
}

TEST_F(BuilderTest, TheFrameShowsEveryControlInsideItsClientWithTheHelpMenuLast) {
  const platform::FrameSpec& spec = Shown().spec;
  EXPECT_EQ(spec.caption, "Wendrel für QX Lorvix");
  EXPECT_TRUE(spec.acceptsFiles);
  EXPECT_EQ(spec.icon.width, 32);
  ASSERT_EQ(spec.menus.size(), 2u);
  EXPECT_EQ(spec.menus.back().title, "&Hilfe");
  for (const platform::Control& c : spec.controls)
    EXPECT_TRUE(Inside(c.rect, spec.clientWidth - 10, spec.clientHeight - 10)) << c.id;
  EXPECT_LE(PROGRESS_LEFT + PROGRESS_STEP * ENTRY_SLOTS, spec.clientWidth - 10);
  EXPECT_LT(PROGRESS_BOTTOM, spec.clientHeight - 10);
}

TEST_F(BuilderTest, TheBarIsThreePixelsAtRestAndReachesX409AfterAFullSave) {
  Shown().PaintAll();
  EXPECT_EQ(Shown().ScreenAt(110, 335), kBlack);
  EXPECT_EQ(Shown().ScreenAt(112, 344), kBlack);
  EXPECT_NE(Shown().ScreenAt(113, 340), kBlack);
  EXPECT_NE(Shown().ScreenAt(110, 334), kBlack);
  EXPECT_NE(Shown().ScreenAt(110, 345), kBlack);

  platform.fileDialogResults.push_back({true, 0, dir / "p.sde"});
  builder->Command(CMD_SAVE_AS);
  Shown().PaintAll();
  EXPECT_EQ(Shown().ScreenAt(409, 340), kBlack);
  EXPECT_NE(Shown().ScreenAt(410, 340), kBlack);

  // A drop starts the bar afresh.
  Drop({"/l/a.sda"});
  Shown().PaintAll();
  EXPECT_NE(Shown().ScreenAt(113, 340), kBlack);
}

TEST_F(BuilderTest, HelpOpensTheBuildersOwnPageBesideTheProgram) {
  builder->Command(CMD_HELP);
  EXPECT_TRUE(platform.helpPages.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find(dir / "wendrel.htm"), std::string::npos);
  EXPECT_EQ(platform.messages[0].caption, "Fehler");
  EXPECT_EQ(platform.messages[0].icon, Icon::Stop);

  lorvix::testing::WriteBytes(dir / "wendrel.htm", "<html></html>");
  builder->Command(CMD_HELP);
  EXPECT_EQ(platform.helpPages, std::vector<std::string>{dir / "wendrel.htm"});
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(BuilderTest, TheAboutBoxAndClosing) {
  builder->Command(CMD_ABOUT);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Über QX WENDREL V1.0 für Windows 95/98/NT");
  EXPECT_EQ(platform.messages[0].text.rfind(
                "QX WENDREL ist ein Zusatzprogramm für QX Lorvix (Version >= 1.2) mit dem Sie "
                "eigene Spielwelten erstellen können.",
                0),
            0u);
  EXPECT_EQ(platform.messages[0].icon, Icon::Information);

  EXPECT_TRUE(Shown().events.CloseRequested());
  EXPECT_TRUE(platform.ended);
}

TEST(BuilderApp, FilesNamedOnTheCommandLineArriveAsOneDropWithFullPaths) {
  platform::HeadlessPlatform platform;
  platform.loopTicks = 1;
  TMyApp app(platform, "/opt/spiel/wendrel", {"welt/a.sda", "/tmp/../tmp/b.SDA", "c.txt", "d.sda"});
  EXPECT_EQ(app.Run(), 0);
  ASSERT_EQ(platform.frames.size(), 1u);
  EXPECT_TRUE(platform.frames[0]->IsShown());
  const std::string here = std::filesystem::current_path().string();
  const std::vector<std::string>& rows = platform.frames[0]->controls.rows.at(LEVEL_LIST);
  EXPECT_EQ(rows[0], "00  :  " + here + "/welt/a.sda");
  EXPECT_EQ(rows[1], "01  :  /tmp/b.SDA");
  EXPECT_EQ(rows[2], "02  :  " + here + "/d.sda");
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace wendrel::testing
