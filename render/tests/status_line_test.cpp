// The status line texts and the menu hints, byte for byte.

#include <gtest/gtest.h>

#include "render/status_text.h"

namespace lorvix {
namespace {

GameState WorldLevel(int level, int moves, int best) {
  GameState s;
  s.LevelNumber = level;
  s.MoveCount = moves;
  s.BestMoves = best;
  return s;
}

TEST(StatusLine, WorldsFileShowsWorldAndStage) {
  EXPECT_EQ(FormatStatusLine(WorldLevel(10, 0, 0)),
            "Spielwelt : 1      Spielstufe : 10      Z\xC3\xBCge : 0");
  EXPECT_EQ(FormatStatusLine(WorldLevel(11, 0, 0)),
            "Spielwelt : 2      Spielstufe : 1      Züge : 0");
  EXPECT_EQ(FormatStatusLine(WorldLevel(37, 3, 0)),
            "Spielwelt : 4      Spielstufe : 7      Züge : 3");
  EXPECT_EQ(FormatStatusLine(WorldLevel(100, 12, 40)),
            "Spielwelt : 10      Spielstufe : 10      Züge : 12      Bestleistung : 40 Züge");
}

TEST(StatusLine, OwnLevelShowsOnlyTheMovesEvenWithARecord) {
  GameState s = WorldLevel(1, 5, 17);
  s.EditorLevel = true;
  EXPECT_EQ(FormatStatusLine(s), "Editor Level     Züge : 5");
}

TEST(StatusLine, ExtraWorldShowsLevelOfCountAndIgnoresTheOwnLevelFlag) {
  GameState s = WorldLevel(3, 7, 45);
  s.LevelCount = 12;
  s.ExtraWorld = true;
  s.EditorLevel = true;
  EXPECT_EQ(FormatStatusLine(s),
            "Extra - Spielwelt    Level : 3/12     Züge : 7     Bestleistung : 45");
  s.BestMoves = 0;
  EXPECT_EQ(FormatStatusLine(s), "Extra - Spielwelt    Level : 3/12     Züge : 7");
}

TEST(StatusLine, ExtremeNumbersFit) {
  GameState s = WorldLevel(-2147483647 - 1, -2147483647 - 1, -2147483647 - 1);
  EXPECT_EQ(FormatStatusLine(s),
            "Spielwelt : -214748363      Spielstufe : -8      Züge : -2147483648      "
            "Bestleistung : -2147483648 Züge");
  s.ExtraWorld = true;
  s.LevelCount = 2147483647;
  EXPECT_EQ(FormatStatusLine(s),
            "Extra - Spielwelt    Level : -2147483648/2147483647     Züge : -2147483648     "
            "Bestleistung : -2147483648");
}

}  // namespace
}  // namespace lorvix
