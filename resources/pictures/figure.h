#pragma once
// The player's figure: a little fellow in a green bobble cap and an orange jumper.

#include "render/bitmap.h"

namespace lorvix::resources {

enum class Stride { Standing, StepA, StepB };

// The figure on a plain background, 32 x 32. The figure itself never uses
// pure black, so on a black background the mask can be read off the image.
Bitmap DrawFigure(bool facingRight, Stride stride, Pixel background);
// White where `image` is pure black, black elsewhere: the AND mask that
// goes with an image drawn on black.
Bitmap MaskOf(const Bitmap& image);

}  // namespace lorvix::resources
