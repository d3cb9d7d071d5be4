#pragma once
// Drawing objects of the game window. Everything is drawn in our own pixel
// buffers; the platform only shows finished pixels.
//
// `Window` mirrors what the game window currently shows. The board reaches
// it as copies of `BackBuffer`, while the title, about and celebration
// pictures are drawn into it directly, as they lie on top of the board
// without being part of it. Every change of `Window` is presented at once.
//
// A window whose graphics were never set up (tests and tools that only
// play) draws nothing and runs no title or about animation.
//
// There is no palette: our buffers hold true colour, so realising a palette
// would change nothing on screen, and the palette steps of painting are left
// out.

#include <array>
#include <memory>

#include "render/bitmap.h"

namespace lorvix {

inline constexpr int WINDOW_WIDTH = 710;
inline constexpr int WINDOW_HEIGHT = 550;

// Picture numbers of the game window.
enum PictureId : int {
  PICTURE_FIGURE_LEFT = 1,
  PICTURE_FIGURE_RIGHT = 2,
  PICTURE_FIGURE_MASK_LEFT = 3,
  PICTURE_FIGURE_MASK_RIGHT = 4,
  PICTURE_TITLE = 5,
  PICTURE_TITLE_WALKER_LEFT = 6,
  PICTURE_TITLE_WALKER_RIGHT = 7,
  PICTURE_LOGO_FRONT = 8,
  PICTURE_LOGO_BACK = 9,
  PICTURE_ABOUT_FRAME = 11,
  PICTURE_ABOUT_TEXT = 12,
  PICTURE_TILE_SHEET = 13,
  PICTURE_CONGRATS_BLUE = 14,
  PICTURE_CONGRATS_RED = 15,
  PICTURE_MENU_FIRST = 31,
};

// State of the title and about animations. It starts once per run and is
// never reset, so a title shown again continues where the last one stopped.
struct TitleAboutAnimation {
  int WalkerX = 450;
  int WalkerDir = 1;   // 1 walking left, 2 walking right
  int LogoPhase = 1;   // 1..4, see render/title_about.cpp
  int LogoSquash = 0;  // 0..50 rows taken off the logo's height
  int WalkerSkip = 0;
  int AboutSkip = 0;
};

struct GameGraphics {
  Bitmap TileSheet;
  Bitmap FigureImageLeft, FigureImageRight, FigureMaskLeft, FigureMaskRight;
  Bitmap TitlePicture, TitleWalkerLeft, TitleWalkerRight, LogoFront, LogoBack;
  Bitmap AboutFrame, AboutText;
  Bitmap CongratsBlue, CongratsRed;
  // Pictures of the menu items 113, 112, 110, 51685 and 51694, in this
  // order; the window shell shows them in place of the item texts.
  std::array<Bitmap, 5> MenuPictures;

  Bitmap BackBuffer{WINDOW_WIDTH, WINDOW_HEIGHT};
  Bitmap BackgroundImage{WINDOW_WIDTH, WINDOW_HEIGHT};
  Bitmap Window{WINDOW_WIDTH, WINDOW_HEIGHT};

  TitleAboutAnimation Animation;
};

// Loads every picture of the game window and creates the black buffers.
std::unique_ptr<GameGraphics> CreateGameGraphics();

}  // namespace lorvix
