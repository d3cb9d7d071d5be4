#include <gtest/gtest.h>

#include <sstream>

#include "levels/level_source.h"

namespace lorvix {
namespace {

const char* const kLevel =
    "# a comment\n"
    "\n"
    "level Kleiner Test\n"
    "map\n"
    "####################\n"
    "#@.c.o.............#\n"
    "#..................#\n"
    "#..k...K...........#\n"
    "#..................#\n"
    "#.......u....u.....#\n"
    "#..................#\n"
    "#..................#\n"
    "#..................#\n"
    "#..................#\n"
    "#..................#\n"
    "#..................#\n"
    "#..................#\n"
    "#.................XZ\n"
    "####################\n"
    "tile k ~\n"
    "solution RRR\n"
    "end\n";

std::vector<SourceLevel> Parse(const std::string& text, std::string& error) {
  std::istringstream in(text);
  std::vector<SourceLevel> levels;
  ParseLevelSource(in, "w.txt", levels, error);
  return levels;
}

TEST(LevelSource, MapMarkersAndTileLinesBecomeTheRecord) {
  std::string error;
  std::vector<SourceLevel> levels = Parse(kLevel, error);
  ASSERT_EQ(levels.size(), 1u) << error;
  const LevelRecord& r = levels[0].record;
  EXPECT_EQ(levels[0].name, "Kleiner Test");
  EXPECT_EQ(levels[0].solution, "RRR");
  EXPECT_EQ(r.Start, (Square{1, 1}));
  EXPECT_EQ(r.Exit, (Square{18, 13}));
  EXPECT_EQ(r.ExitDoor, (Square{19, 13}));
  EXPECT_EQ(r.Board[CellIndex(1, 1)], TILE_FLOOR);
  EXPECT_EQ(r.Board[CellIndex(3, 1)], TILE_CRATE);
  EXPECT_EQ(r.Board[CellIndex(19, 13)], TILE_WALL_GREEN);
  EXPECT_EQ(r.KeySquares[0], (Square{3, 3}));
  EXPECT_EQ(r.Board[CellIndex(3, 3)], TILE_WATER);  // from the tile line
  EXPECT_EQ(r.DoorSquares[0], (Square{7, 3}));
  EXPECT_EQ(r.Board[CellIndex(7, 3)], TILE_WALL_RED);
  EXPECT_EQ(r.KeySquares[1], (Square{}));  // unused pairs stay 0 0
}

TEST(LevelSource, FormattingGivesBackTheSameLevel) {
  std::string error;
  std::vector<SourceLevel> levels = Parse(kLevel, error);
  ASSERT_EQ(levels.size(), 1u) << error;
  std::vector<SourceLevel> again = Parse(FormatLevelSource(levels[0]), error);
  ASSERT_EQ(again.size(), 1u) << error;
  EXPECT_EQ(again[0].record.Board, levels[0].record.Board);
  EXPECT_EQ(again[0].record.KeySquares, levels[0].record.KeySquares);
  EXPECT_EQ(again[0].record.DoorSquares, levels[0].record.DoorSquares);
  EXPECT_EQ(again[0].record.Start, levels[0].record.Start);
  EXPECT_EQ(again[0].solution, "RRR");
}

TEST(LevelSource, MistakesNameTheLine) {
  std::string text = kLevel;
  std::string error;
  auto broken = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    error.clear();
    Parse(t, error);
    return error;
  };
  EXPECT_EQ(broken("#@.c", "#@@c"), "w.txt:6: marker @ appears twice");
  EXPECT_EQ(broken("#..k...K", "#..k....").substr(0, 6), "w.txt:");
  EXPECT_NE(broken("#..k...K", "#..k....").find("pairs"), std::string::npos);
  EXPECT_NE(broken("RRR", "RRX").find("R, L, U and D"), std::string::npos);
  EXPECT_NE(broken("#@.c", "#@.$").find("unknown square"), std::string::npos);
  EXPECT_NE(broken("XZ\n", "ZZ\n").find("twice"), std::string::npos);
  EXPECT_NE(broken("end\n", "").find("missing"), std::string::npos);
}

}  // namespace
}  // namespace lorvix
