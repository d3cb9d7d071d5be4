#include "resources/pictures.h"

#include <map>

#include "resources/pictures/figure.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"
#include "resources/pictures/tile_sheet.h"

namespace lorvix::resources {

namespace {

const char* const kLabels[] = {"Sp", "Tür", "T1", "A1", "T2", "A2",
                               "T3", "A3",  "T4", "A4", "T5", "A5"};

Bitmap Make(int id) {
  switch (id) {
    case 1:
      return DrawFigure(false, Stride::Standing, 0);
    case 2:
      return DrawFigure(true, Stride::Standing, 0);
    case 3:
      return MaskOf(Make(1));
    case 4:
      return MaskOf(Make(2));
    case 5:
      return MakeTitlePicture();
    // The walker is copied without a mask onto the title panel's grey.
    case 6:
      return DrawFigure(false, Stride::StepA, panel::kGrey);
    case 7:
      return DrawFigure(true, Stride::StepB, panel::kGrey);
    case 8:
      return MakeLogo(true);
    case 9:
      return MakeLogo(false);
    case 11:
      return MakeAboutFrame();
    case 12:
      return MakeAboutText();
    case 13:
      return MakeTileSheet();
    case 14:
      return MakeCongratulation(true);
    case 15:
      return MakeCongratulation(false);
    case 16:
      return MakeEditorCursor();
    case 17:
      return MaskOf(MakeEditorCursor());
    case 31:
      return MakeMenuPicture(MenuItem::Animation);
    case 32:
      return MakeMenuPicture(MenuItem::Music);
    case 33:
      return MakeMenuPicture(MenuItem::Sound);
    case 34:
      return MakeMenuPicture(MenuItem::SmoothMovement);
    case 35:
      return MakeMenuPicture(MenuItem::SongChoice);
    case 40:
      return MakeGameIcon();
    case 41:
      return MakeBuilderIcon();
    default:
      if (id >= 18 && id <= 29) return MakeEditorLabel(kLabels[id - 18]);
      return Bitmap();
  }
}

}  // namespace

// Each picture is drawn when it is first asked for and kept for the rest of
// the run; the game draws from one thread only.
const Bitmap& Picture(int id) {
  static std::map<int, Bitmap> cache;
  auto found = cache.find(id);
  if (found == cache.end()) found = cache.emplace(id, Make(id)).first;
  return found->second;
}

}  // namespace lorvix::resources
