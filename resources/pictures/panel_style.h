#pragma once
// The sixteen colours of the panels, banners, labels and menu pictures,
// and the text helpers they share.

#include <string_view>

#include "render/bitmap.h"

namespace lorvix::resources::panel {

inline constexpr Pixel kBlack = Rgb(0x00, 0x00, 0x00);
inline constexpr Pixel kWhite = Rgb(0xFF, 0xFF, 0xFF);
inline constexpr Pixel kLight = Rgb(0xE4, 0xE4, 0xE4);
inline constexpr Pixel kGrey = Rgb(0xC0, 0xC0, 0xC0);  // the panel face
inline constexpr Pixel kShadow = Rgb(0x80, 0x80, 0x80);
inline constexpr Pixel kDark = Rgb(0x38, 0x38, 0x40);
inline constexpr Pixel kRed = Rgb(0xE0, 0x18, 0x18);
inline constexpr Pixel kDarkRed = Rgb(0x78, 0x08, 0x08);
inline constexpr Pixel kGreen = Rgb(0x18, 0xB0, 0x28);
inline constexpr Pixel kDarkGreen = Rgb(0x08, 0x58, 0x10);
inline constexpr Pixel kBlue = Rgb(0x20, 0x48, 0xE0);
inline constexpr Pixel kDarkBlue = Rgb(0x10, 0x18, 0x70);
inline constexpr Pixel kYellow = Rgb(0xFF, 0xE0, 0x20);
inline constexpr Pixel kOrange = Rgb(0xF0, 0x80, 0x10);
inline constexpr Pixel kCyan = Rgb(0x30, 0xC0, 0xF0);
inline constexpr Pixel kMagenta = Rgb(0xC8, 0x30, 0xC8);

// A grey panel with a raised two-pixel edge.
Bitmap RaisedPanel(int width, int height);

// One line of text, its left edge at x and its cap line at capTop.
void WriteText(Bitmap& target, std::string_view utf8, int x, int capTop, Pixel colour);
// The same, centred between left and left + width.
void WriteCentred(Bitmap& target, std::string_view utf8, int left, int width, int capTop,
                  Pixel colour);

// Big letters: the text enlarged (by 2 and 4 with rounded steps, bold at
// 4), every letter in the next colour of `colours`, with a dark border and a
// shadow. Returns the width used.
int WriteBigColourful(Bitmap& target, std::string_view utf8, int x, int capTop, int scale,
                      const Pixel* colours, int colourCount, Pixel border, Pixel shadow);
// Width WriteBigColourful will use.
int BigTextWidth(std::string_view utf8, int scale);

}  // namespace lorvix::resources::panel
