#pragma once
// Our pixels (0x00RRGGBB, row 0 at the top) in the toolkit's bitmaps.

#include <wx/bitmap.h>

#include "platform/frame.h"

namespace platform {

wxBitmap ToBitmap(const PixelView& pixels);

}  // namespace platform
