#pragma once
// Our own proportional pixel font. Capitals are 7 pixels high, small
// letters 5 with ascenders and descenders; a line is 11 pixels: 2 rows for
// the dots of capital umlauts, 7 rows down to the baseline, 2 rows of
// descenders. Text comes as UTF-8; characters the font lacks are drawn as
// a small box.

#include <string_view>

#include "resources/pictures/ink_mask.h"

namespace lorvix::resources {

inline constexpr int kFontLineHeight = 11;
// Row of the baseline inside a line (the last row of a capital).
inline constexpr int kFontBaseline = 8;

// Width in pixels of the text set in one line, one pixel between glyphs.
int TextWidth(std::string_view utf8);
// The text as ink, TextWidth x kFontLineHeight.
InkMask SetText(std::string_view utf8);

}  // namespace lorvix::resources
