// leveltool render: the picture file it writes and the input it refuses.

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "levels/level_files.h"
#include "levels/tests/sample_level.h"
#include "levels/tests/scratch_dir.h"
#include "tools/leveltool/command.h"

namespace lorvix {
namespace {

using testing::ReadBytes;
using testing::SampleLevel;
using testing::ScratchDir;

int Leveltool(std::vector<std::string> args, std::string* err = nullptr) {
  std::ostringstream out, errors;
  const int code = leveltool::RunLeveltool(args, out, errors);
  if (err) *err = errors.str();
  return code;
}

// Width and height from the header of a PNG file.
std::pair<int, int> PngSize(const std::string& bytes) {
  auto be32 = [&](size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) |
           (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) |
           static_cast<unsigned char>(bytes[at + 3]);
  };
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  return {be32(16), be32(20)};
}

TEST(LeveltoolRender, WritesTheWholeWindowPicture) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "start.sda", SampleLevel()));
  EXPECT_EQ(Leveltool({"render", dir / "start.sda", "1", dir / "start.png"}), 0);
  EXPECT_EQ(PngSize(ReadBytes(dir / "start.png")), std::make_pair(710, 550));
}

TEST(LeveltoolRender, RefusesBadInput) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "start.sda", SampleLevel()));
  std::string err;
  EXPECT_EQ(Leveltool({"render", dir / "start.sda", "2", dir / "x.png"}, &err), 2);
  EXPECT_NE(err.find("Level 2"), std::string::npos) << err;
  EXPECT_EQ(Leveltool({"render", dir / "start.sda", "0", dir / "x.png"}), 2);
  EXPECT_EQ(Leveltool({"render", dir / "missing.sda", "1", dir / "x.png"}), 2);
  EXPECT_EQ(Leveltool({"render", dir / "start.sda", "1", dir / "no/such/dir/x.png"}), 2);
  EXPECT_EQ(Leveltool({"render", dir / "start.sda", "1"}), 2);
}

}  // namespace
}  // namespace lorvix
