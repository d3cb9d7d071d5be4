#pragma once
// The common look of wall squares: a block with a raised two-pixel edge, lit
// from the upper left, so rows of walls read as stacked blocks.

#include <functional>

#include "render/bitmap.h"
#include "resources/pictures/shading.h"

namespace lorvix::resources {

// `face(x, y)` in 0..1 shades the inside from the middle of the ramp; the
// ramp's ends colour the edges.
Bitmap RaisedBlock(const Ramp& ramp, const std::function<double(int, int)>& face);

}  // namespace lorvix::resources
