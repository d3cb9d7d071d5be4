// leveltool render FILE LEVEL OUT.png
//
// Writes the game window's picture (710 x 550) of level LEVEL (1-based) of
// FILE, a user level (.sda, level 1 only), an extra world (.sde) or a worlds
// file, as the game shows it once the title has been dismissed: the marble
// background of a first start, the tiles, and the figure on its start
// square facing right.

#include "levels/level_start.h"
#include "render/backgrounds.h"
#include "render/board_picture.h"
#include "render/png_file.h"
#include "tools/leveltool/command.h"
#include "tools/leveltool/level_argument.h"

namespace lorvix::leveltool {
namespace {

constexpr int DEFAULT_BACKGROUND = 0;

}  // namespace

int RunRender(Args args, std::ostream& /*out*/, std::ostream& err) {
  if (args.size() != 3) {
    err << "Aufruf: leveltool render DATEI LEVEL BILD.png\n";
    return EXIT_BAD_INPUT;
  }
  const std::string& path = args[0];
  const std::string& picturePath = args[2];
  LevelRecord level;
  int number = 0;
  int32_t count = 0;
  if (!ReadLevelArgument("render", path, args[1], level, number, count, err)) return EXIT_BAD_INPUT;

  GameState state;
  StartLevel(state, level);
  state.TitleShowing = false;
  std::unique_ptr<GameGraphics> graphics = CreateGameGraphics();
  PaintBackgroundPattern(graphics->BackgroundImage, graphics->TileSheet, DEFAULT_BACKGROUND);
  ComposeBoardPicture(state, *graphics);

  if (!WritePng(picturePath, graphics->BackBuffer)) {
    err << "leveltool render: Fehler beim Schreiben der Datei " << picturePath << " .\n";
    return EXIT_BAD_INPUT;
  }
  return EXIT_OK;
}

}  // namespace lorvix::leveltool
