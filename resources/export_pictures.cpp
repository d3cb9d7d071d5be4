// lorvix-pictures OUTDIR: writes every picture as OUTDIR/resource_<id>.png,
// and the tile sheet once more enlarged four times (tile_sheet_x4.png), so
// the art can be looked at without starting the game.

#include <cstdio>
#include <string>

#include "render/png_file.h"
#include "resources/pictures.h"

namespace {

lorvix::Bitmap Enlarged(const lorvix::Bitmap& bitmap, int factor) {
  lorvix::Bitmap big(bitmap.Width() * factor, bitmap.Height() * factor);
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x) big.At(x, y) = bitmap.At(x / factor, y / factor);
  return big;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lorvix-pictures OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  int failures = 0;
  for (int id = 1; id <= 40; ++id) {
    const lorvix::Bitmap& picture = lorvix::resources::Picture(id);
    if (picture.Width() == 0) continue;
    const std::string path = dir + "/resource_" + std::to_string(id) + ".png";
    if (!lorvix::WritePng(path, picture)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  if (!lorvix::WritePng(dir + "/tile_sheet_x4.png", Enlarged(lorvix::resources::Picture(13), 4)))
    ++failures;
  return failures == 0 ? 0 : 1;
}
