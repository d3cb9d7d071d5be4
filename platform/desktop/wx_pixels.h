#pragma once
// Our pixels (0x00RRGGBB, row 0 at the top) in the toolkit's bitmaps.

#include <wx/bitmap.h>

#include "platform/frame.h"

namespace platform {

wxBitmap ToBitmap(const PixelView& pixels);

// Copies `area` of `source` into the same place of `target` (a 24-bit
// bitmap), cut to both.
void CopyPixels(const PixelView& source, const Rect& area, wxBitmap& target);

}  // namespace platform
