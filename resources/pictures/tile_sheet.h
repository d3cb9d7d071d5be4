#pragma once
#include "render/bitmap.h"

namespace lorvix::resources {

// The 640 x 160 sheet every tile and background pattern is copied from.
Bitmap MakeTileSheet();

}  // namespace lorvix::resources
