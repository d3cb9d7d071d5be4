// The congratulation banners shown when a level is solved.

#include "resources/pictures/canvas.h"
#include "resources/pictures/ink_mask.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"
#include "resources/pictures/pixel_font.h"

namespace lorvix::resources {

using namespace panel;

namespace {

// Handwriting-like: doubled with rounded steps and leaning to the right.
InkMask Script(const char* text) { return Slanted(SmoothDoubled(SetText(text)), 3); }

}  // namespace

Bitmap MakeCongratulation(bool onBlue) {
  const Pixel ground = onBlue ? kBlue : kRed;
  const Pixel letters = onBlue ? kRed : kBlue;
  Bitmap banner(150, 50, ground);
  BevelFrame(banner, 0, 0, 150, 50, 1, onBlue ? kCyan : kOrange, onBlue ? kDarkBlue : kDarkRed);
  const InkMask first = Script("Herzlichen"), second = Script("Glückwunsch");
  // The lines are staggered like a signature; the masks start two rows
  // above the capitals' dots.
  PaintOutlined(banner, first, 8, -1, letters, kWhite, kBlack);
  PaintOutlined(banner, second, 150 - 8 - second.Width(), 20, letters, kWhite, kBlack);
  return banner;
}

}  // namespace lorvix::resources
