// The editor's cursor frame and the labels it puts on special squares.

#include "resources/pictures/canvas.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"
#include "resources/pictures/pixel_font.h"

namespace lorvix::resources {

using namespace panel;

// Drawn on black so that the mask (figure.h, MaskOf) lets the square's
// content show through the middle.
Bitmap MakeEditorCursor() {
  Bitmap cursor(32, 32, kBlack);
  FrameRect(cursor, 0, 0, 32, 32, kDarkRed);
  FrameRect(cursor, 1, 1, 30, 30, kRed);
  FrameRect(cursor, 2, 2, 28, 28, kOrange);
  return cursor;
}

Bitmap MakeEditorLabel(std::string_view text) {
  Bitmap label(16, 16, kLight);
  BevelFrame(label, 0, 0, 16, 16, 1, kWhite, kShadow);
  WriteText(label, text, (16 - TextWidth(text)) / 2, 4, kDarkBlue);
  return label;
}

}  // namespace lorvix::resources
