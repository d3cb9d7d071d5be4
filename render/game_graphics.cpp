#include "render/game_graphics.h"

#include "resources/pictures.h"

namespace lorvix {

std::unique_ptr<GameGraphics> CreateGameGraphics() {
  using resources::Picture;
  auto g = std::make_unique<GameGraphics>();
  g->TileSheet = Picture(PICTURE_TILE_SHEET);
  g->FigureImageLeft = Picture(PICTURE_FIGURE_LEFT);
  g->FigureImageRight = Picture(PICTURE_FIGURE_RIGHT);
  g->FigureMaskLeft = Picture(PICTURE_FIGURE_MASK_LEFT);
  g->FigureMaskRight = Picture(PICTURE_FIGURE_MASK_RIGHT);
  g->TitlePicture = Picture(PICTURE_TITLE);
  g->TitleWalkerLeft = Picture(PICTURE_TITLE_WALKER_LEFT);
  g->TitleWalkerRight = Picture(PICTURE_TITLE_WALKER_RIGHT);
  g->LogoFront = Picture(PICTURE_LOGO_FRONT);
  g->LogoBack = Picture(PICTURE_LOGO_BACK);
  g->AboutFrame = Picture(PICTURE_ABOUT_FRAME);
  g->AboutText = Picture(PICTURE_ABOUT_TEXT);
  g->CongratsBlue = Picture(PICTURE_CONGRATS_BLUE);
  g->CongratsRed = Picture(PICTURE_CONGRATS_RED);
  for (size_t i = 0; i < g->MenuPictures.size(); ++i)
    g->MenuPictures[i] = Picture(PICTURE_MENU_FIRST + static_cast<int>(i));
  return g;
}

}  // namespace lorvix
