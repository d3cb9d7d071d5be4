// Pictures shown instead of the text of five menu items: an icon at the
// left, the caption beside it, on the light grey of a menu.

#include <cmath>

#include "resources/pictures/canvas.h"
#include "resources/pictures/figure.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"

namespace lorvix::resources {

using namespace panel;

namespace {

constexpr Pixel kMenu = kLight;

// An eighth note with its stem's top at (x, y).
void Note(Bitmap& icon, int x, int y, Pixel colour) {
  FillRect(icon, x, y, 1, 12, colour);
  FillCircle(icon, x - 2, y + 12, 2.6, colour);
  DrawLine(icon, x + 1, y + 1, x + 4, y + 5, colour);
}

void FilmStrip(Bitmap& icon) {
  FillRect(icon, 4, 5, 24, 22, kDark);
  for (int i = 0; i < 6; ++i) {
    FillRect(icon, 5 + i * 4, 6, 2, 2, kMenu);
    FillRect(icon, 5 + i * 4, 24, 2, 2, kMenu);
  }
  FillRect(icon, 6, 10, 9, 12, kCyan);
  FillRect(icon, 17, 10, 9, 12, kCyan);
  FillCircle(icon, 9.5, 16, 2.5, kYellow);   // a ball that moves on
  FillCircle(icon, 22.5, 15, 2.5, kYellow);  // from one frame to the next
}

void Notes(Bitmap& icon) {
  FillRect(icon, 11, 6, 10, 2, kDarkBlue);  // beam joining two notes
  FillRect(icon, 11, 6, 2, 15, kDarkBlue);
  FillRect(icon, 19, 6, 2, 13, kDarkBlue);
  FillCircle(icon, 9.5, 22, 3.2, kDarkBlue);
  FillCircle(icon, 17.5, 20, 3.2, kDarkBlue);
}

void Speaker(Bitmap& icon) {
  FillRect(icon, 5, 12, 5, 8, kDark);
  for (int i = 0; i < 7; ++i) FillRect(icon, 10 + i, 12 - i, 1, 8 + 2 * i, kDark);
  for (int wave = 0; wave < 3; ++wave) {
    const double radius = 4 + wave * 3.5;
    for (int a = -40; a <= 40; a += 4) {
      const double angle = a * 3.14159 / 180;
      PutPixel(icon, 16 + static_cast<int>(std::lround(radius * std::cos(angle))),
               16 + static_cast<int>(std::lround(radius * std::sin(angle))), kBlue);
    }
  }
}

// The figure itself with speed lines behind it.
void GlidingFigure(Bitmap& icon) {
  for (int i = 0; i < 3; ++i) FillRect(icon, 0, 13 + i * 5, 8 - i * 2, 1, kShadow);
  const Bitmap figure = DrawFigure(true, Stride::StepA, kBlack);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (figure.At(x, y) != kBlack) PutPixel(icon, x, y, figure.At(x, y));
}

void SongList(Bitmap& icon) {
  FillRect(icon, 3, 5, 17, 22, kWhite);
  FrameRect(icon, 3, 5, 17, 22, kShadow);
  for (int i = 0; i < 5; ++i) FillRect(icon, 6, 9 + i * 4, 11, 1, i == 2 ? kRed : kShadow);
  Note(icon, 25, 12, kDarkBlue);
}

}  // namespace

Bitmap MakeMenuPicture(MenuItem item) {
  Bitmap picture(200, 32, kMenu);
  Bitmap icon(32, 32, kMenu);
  const char* caption = "";
  switch (item) {
    case MenuItem::Animation:
      FilmStrip(icon);
      caption = "Animation (an / aus)";
      break;
    case MenuItem::Music:
      Notes(icon);
      caption = "Musik (an / aus)";
      break;
    case MenuItem::Sound:
      Speaker(icon);
      caption = "Sound (an / aus)";
      break;
    case MenuItem::SmoothMovement:
      GlidingFigure(icon);
      caption = "Weiche Spielfigurbewegung (an / aus)";
      break;
    case MenuItem::SongChoice:
      SongList(icon);
      caption = "Musikauswahl";
      break;
  }
  Blit(picture, icon, 0, 0);
  WriteText(picture, caption, 36, 12, kBlack);
  return picture;
}

}  // namespace lorvix::resources
