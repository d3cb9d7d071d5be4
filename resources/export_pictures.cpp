// lorvix-pictures OUTDIR: writes every picture as OUTDIR/resource_<id>.png,
// and the tile sheet once more enlarged four times (tile_sheet_x4.png), so
// the art can be looked at without starting the game.
//
// lorvix-pictures --help OUTDIR: writes the pictures the help pages show:
// every tile code that has a picture as tile_<code>.png, one board square on
// the marble floor as the game draws it (floor itself as tile_1.png), and
// the title picture, the editor's labels and the two icons as
// resource_<id>.png.

#include <cstdio>
#include <string>
#include <string_view>

#include "render/blit.h"
#include "render/png_file.h"
#include "render/tile_sheet.h"
#include "resources/pictures.h"

namespace {

// The marble floor, background pattern 0 of the sheet.
constexpr int kFloorX = 0, kFloorY = 32;
constexpr int kHelpPictures[] = {5, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 40, 41};

lorvix::Bitmap Enlarged(const lorvix::Bitmap& bitmap, int factor) {
  lorvix::Bitmap big(bitmap.Width() * factor, bitmap.Height() * factor);
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x) big.At(x, y) = bitmap.At(x / factor, y / factor);
  return big;
}

lorvix::Bitmap TileOnFloor(int code) {
  const lorvix::Bitmap& sheet = lorvix::resources::Picture(13);
  lorvix::Bitmap cell(lorvix::CELL_SIZE, lorvix::CELL_SIZE);
  lorvix::Blit(cell, 0, 0, lorvix::CELL_SIZE, lorvix::CELL_SIZE, sheet, kFloorX, kFloorY);
  lorvix::TileGrid board{};
  board[lorvix::CellIndex(0, 0)] = code;
  lorvix::DrawTiles(0, 0, 0, 0, board, cell, sheet, true);
  return cell;
}

class Writer {
 public:
  explicit Writer(std::string dir) : dir_(std::move(dir)) {}
  void Write(const std::string& name, const lorvix::Bitmap& picture) {
    if (picture.Width() == 0) return;
    const std::string path = dir_ + "/" + name;
    if (!lorvix::WritePng(path, picture)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures_;
    }
  }
  int ExitCode() const { return failures_ == 0 ? 0 : 1; }

 private:
  std::string dir_;
  int failures_ = 0;
};

std::string ResourceName(int id) { return "resource_" + std::to_string(id) + ".png"; }

int WriteEverything(Writer& out) {
  for (int id = 1; id <= 41; ++id) out.Write(ResourceName(id), lorvix::resources::Picture(id));
  out.Write("tile_sheet_x4.png", Enlarged(lorvix::resources::Picture(13), 4));
  return out.ExitCode();
}

int WriteHelpPictures(Writer& out) {
  for (int code = 0; code <= lorvix::TILE_GEAR_LAST; ++code)
    if (code == lorvix::TILE_FLOOR || lorvix::TileArtFor(code))
      out.Write("tile_" + std::to_string(code) + ".png", TileOnFloor(code));
  for (int id : kHelpPictures) out.Write(ResourceName(id), lorvix::resources::Picture(id));
  return out.ExitCode();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2) {
    Writer out(argv[1]);
    return WriteEverything(out);
  }
  if (argc == 3 && std::string_view(argv[1]) == "--help") {
    Writer out(argv[2]);
    return WriteHelpPictures(out);
  }
  std::fprintf(stderr, "usage: lorvix-pictures [--help] OUTDIR\n");
  return 2;
}
