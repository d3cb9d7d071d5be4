#include "resources/pictures/tile_sheet.h"

#include "resources/pictures/canvas.h"
#include "resources/pictures/sheet_parts.h"

namespace lorvix::resources {

namespace {

void PutCell(Bitmap& sheet, int column, int row, const Bitmap& cell) {
  Blit(sheet, cell, column * kCell, row * kCell);
}

}  // namespace

// The layout is fixed: the renderer copies from these exact places.
Bitmap MakeTileSheet() {
  Bitmap sheet(640, 160, 0);

  for (int frame = 0; frame < kGearFrames; ++frame) PutCell(sheet, frame, 0, GearFrame(frame));
  const PadColour pads[] = {PadColour::Blue, PadColour::Green, PadColour::Red, PadColour::Yellow};
  for (int i = 0; i < 4; ++i) PutCell(sheet, 16 + i, 0, TeleporterPad(pads[i]));

  // The two texture blocks reach into columns 14..19, which hold no cells.
  Blit(sheet, MarbleBlock(), 0, 32);
  Blit(sheet, BlueTextureBlock(), 448, 60);
  Blit(sheet, CreamTextureBlock(), 548, 80);

  PutCell(sheet, 4, 1, StoneWall());
  PutCell(sheet, 4, 2, TargetItem());
  PutCell(sheet, 4, 3, CrateItem(false));
  PutCell(sheet, 4, 4, CrateItem(true));
  PutCell(sheet, 5, 1, SliderItem(false));
  PutCell(sheet, 5, 2, SliderItem(true));
  PutCell(sheet, 5, 3, ExitStar(ExitLook::BigStar));
  PutCell(sheet, 5, 4, PlugItem());
  PutCell(sheet, 6, 1, FilledItem());
  PutCell(sheet, 6, 2, WaterItem());
  PutCell(sheet, 6, 3, BrownWall());
  PutCell(sheet, 6, 4, BlueWhiteWall());

  const WallSymbol symbols[] = {WallSymbol::Zodiac, WallSymbol::Waves, WallSymbol::Smiley,
                                WallSymbol::Curl};
  const LampColour lamps[] = {LampColour::Green, LampColour::Yellow, LampColour::Red,
                              LampColour::Blue};
  for (int k = 0; k < 4; ++k) {
    PutCell(sheet, 7, 1 + k, SymbolWall(symbols[k]));
    PutCell(sheet, 8, 1 + k, Lamp(lamps[k], true));
    PutCell(sheet, 9, 1 + k, Lamp(lamps[k], false));
  }

  PutCell(sheet, 10, 1, ExitStar(ExitLook::StarOnGreen));
  PutCell(sheet, 10, 2, ExitStar(ExitLook::SmallStar));
  PutCell(sheet, 10, 3, GreenPatternWall());
  PutCell(sheet, 10, 4, RedPatternWall());

  // Pillar frames run down column 11, then 12, then 13; (13, 4) stays black
  // because it is the black background pattern.
  for (int frame = 0; frame < kPillarFrames; ++frame)
    PutCell(sheet, 11 + frame / 4, 1 + frame % 4, PillarFrame(frame));
  return sheet;
}

}  // namespace lorvix::resources
