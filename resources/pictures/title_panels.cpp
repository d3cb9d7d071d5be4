// The title picture, the turning logo and the frame of the about screen.

#include "resources/pictures/canvas.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"

namespace lorvix::resources {

using namespace panel;

// The title animation draws the logo over x 5..54, y 15..64 and lets the
// walker pace the strip y 125..156, so both stay plain grey here.
Bitmap MakeTitlePicture() {
  Bitmap title = RaisedPanel(300, 200);
  const Pixel colours[] = {kRed, kBlue, kGreen, kOrange, kCyan, kMagenta, kYellow, kRed};
  const char* name = "QX LORVIX";
  const int left = 60, width = 232;
  WriteBigColourful(title, name, left + (width - BigTextWidth(name, 4)) / 2, 22, 4, colours, 8,
                    kDark, kBlack);
  WriteCentred(title, "Das Knobelspiel mit Kisten und Türen", left, width, 66, kDarkBlue);
  WriteCentred(title, "Version 1.2", 0, 300, 88, kDark);
  WriteCentred(title, "© 2026 Das Lorvix-Team", 0, 300, 103, kDarkRed);
  // A sunken bar holds the request at the bottom.
  FillRect(title, 12, 166, 276, 22, kLight);
  BevelFrame(title, 12, 166, 276, 22, 1, kShadow, kWhite);
  WriteCentred(title, "Bitte klicken oder eine Taste drücken", 12, 276, 173, kBlack);
  return title;
}

Bitmap MakeLogo(bool front) {
  Bitmap logo(50, 50, kGrey);
  const Pixel bright[] = {kRed, kBlue};
  const Pixel dull[] = {kDarkRed, kDarkBlue};
  // A badge behind the letters, so the turning reads as a flipping plate.
  FillRect(logo, 1, 4, 48, 42, front ? kLight : kShadow);
  BevelFrame(logo, 1, 4, 48, 42, 2, front ? kYellow : kOrange, front ? kOrange : kDarkRed);
  WriteBigColourful(logo, "QX", 25 - BigTextWidth("QX", 3) / 2 + 1, 15, 3, front ? bright : dull, 2,
                    front ? kDark : kBlack, front ? kShadow : kDark);
  return logo;
}

Bitmap MakeAboutFrame() {
  Bitmap frame = RaisedPanel(300, 200);
  // A light band just inside the edge; the text scrolls inside it.
  BevelFrame(frame, 3, 3, 294, 194, 1, kShadow, kWhite);
  FrameRect(frame, 4, 4, 292, 192, kWhite);
  FrameRect(frame, 5, 5, 290, 190, kLight);
  // Small coloured studs in the side margins, outside the text's way.
  const Pixel studs[] = {kRed, kYellow, kGreen, kCyan, kBlue, kMagenta};
  for (int i = 0; i < 6; ++i) {
    const int y = 22 + i * 30;
    FillCircle(frame, 13.5, y, 3, studs[i]);
    FillCircle(frame, 285.5, y, 3, studs[5 - i]);
    PutPixel(frame, 12, y - 2, kWhite);
    PutPixel(frame, 284, y - 2, kWhite);
  }
  return frame;
}

}  // namespace lorvix::resources
