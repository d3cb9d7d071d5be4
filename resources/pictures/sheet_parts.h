#pragma once
// The pieces of the tile sheet, each drawn on its own. Cells are 32 x 32;
// item pictures are whole cells too (black with the 22 x 22 square at
// (5, 5)), so the sheet can place every piece the same way.

#include "render/bitmap.h"

namespace lorvix::resources {

inline constexpr int kCell = 32;
inline constexpr int kGearFrames = 16;
inline constexpr int kPillarFrames = 11;

// Background blocks; each tiles without seams.
Bitmap MarbleBlock();        // 128 x 128
Bitmap BlueTextureBlock();   // 100 x 100
Bitmap CreamTextureBlock();  // 80 x 80

// Walls.
Bitmap StoneWall();
Bitmap BrownWall();
Bitmap BlueWhiteWall();
Bitmap GreenPatternWall();
Bitmap RedPatternWall();
enum class WallSymbol { Zodiac, Waves, Smiley, Curl };
Bitmap SymbolWall(WallSymbol symbol);
enum class LampColour { Green, Yellow, Red, Blue };
Bitmap Lamp(LampColour colour, bool lit);
Bitmap GearFrame(int frame);
Bitmap PillarFrame(int frame);

// Things on the floor.
Bitmap TargetItem();
Bitmap CrateItem(bool onTarget);
Bitmap SliderItem(bool onTarget);
Bitmap PlugItem();
Bitmap FilledItem();
Bitmap WaterItem();
enum class ExitLook { BigStar, StarOnGreen, SmallStar };
Bitmap ExitStar(ExitLook look);
enum class PadColour { Blue, Green, Red, Yellow };
Bitmap TeleporterPad(PadColour colour);

}  // namespace lorvix::resources
