#pragma once
// Saving our pixel buffers as PNG files, for looking at pictures and levels
// without a display.

#include <string>

#include "render/bitmap.h"

namespace lorvix {

// Writes the bitmap as an 8-bit RGB PNG; returns false on any failure.
bool WritePng(const std::string& path, const Bitmap& bitmap);

}  // namespace lorvix
