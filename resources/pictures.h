#pragma once
// The pictures of both programs, by resource number. They are made by our
// own drawing code (resources/pictures/), so no picture files are needed at
// run time.
//
//   1..4   figure facing left / right, and their masks (32 x 32)
//   5      title picture (300 x 200)          6, 7   title walker poses (32 x 32)
//   8, 9   logo front / back (50 x 50)         11     about frame (300 x 200)
//   12     about text (250 x 500)              13     tile sheet (640 x 160)
//   14, 15 congratulation banners (150 x 50)
//   16, 17 editor cursor and its mask (32 x 32)
//   18..29 editor labels Sp, Tür, T1, A1, T2, A2, ... T5, A5 (16 x 16)
//   31..35 menu pictures (200 x 32)
//   40     the game's icon (32 x 32)
//   41     the pack builder's icon (32 x 32)

#include "render/bitmap.h"

namespace lorvix::resources {

// The picture with that resource number; an empty bitmap for unknown numbers.
const Bitmap& Picture(int id);

}  // namespace lorvix::resources
