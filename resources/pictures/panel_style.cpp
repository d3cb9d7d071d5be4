#include "resources/pictures/panel_style.h"

#include <string>
#include <vector>

#include "resources/pictures/canvas.h"
#include "resources/pictures/ink_mask.h"
#include "resources/pictures/pixel_font.h"

namespace lorvix::resources::panel {

namespace {

// Letters enlarged more than twice are set bold first, so thin diagonals do
// not break into speckles; even scales get their steps rounded off.
bool SetBold(int scale) { return scale > 3; }

// Bold letters already carry part of their spacing in their extra column.
int LetterGap(int scale) { return SetBold(scale) ? scale / 2 : scale; }

InkMask Scaled(const InkMask& mask, int scale) {
  const InkMask bold = SetBold(scale) ? Bold(mask) : mask;
  return scale % 2 == 0 ? SmoothDoubled(Enlarged(bold, scale / 2)) : Enlarged(bold, scale);
}

// The UTF-8 bytes of each character, so letters can be coloured one by one.
std::vector<std::string> Characters(std::string_view utf8) {
  std::vector<std::string> characters;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    characters.emplace_back(utf8.substr(i, length));
    i += length;
  }
  return characters;
}

}  // namespace

Bitmap RaisedPanel(int width, int height) {
  Bitmap bitmap(width, height, kGrey);
  BevelFrame(bitmap, 0, 0, width, height, 1, kLight, kDark);
  BevelFrame(bitmap, 1, 1, width - 2, height - 2, 1, kWhite, kShadow);
  return bitmap;
}

void WriteText(Bitmap& target, std::string_view utf8, int x, int capTop, Pixel colour) {
  Paint(target, SetText(utf8), x, capTop - (kFontBaseline - 6), colour);
}

void WriteCentred(Bitmap& target, std::string_view utf8, int left, int width, int capTop,
                  Pixel colour) {
  WriteText(target, utf8, left + (width - TextWidth(utf8)) / 2, capTop, colour);
}

int BigTextWidth(std::string_view utf8, int scale) {
  int width = 0;
  for (const std::string& character : Characters(utf8))
    width += Scaled(SetText(character), scale).Width() + LetterGap(scale);
  return width - LetterGap(scale);
}

int WriteBigColourful(Bitmap& target, std::string_view utf8, int x, int capTop, int scale,
                      const Pixel* colours, int colourCount, Pixel border, Pixel shadow) {
  int pen = x, letter = 0;
  for (const std::string& character : Characters(utf8)) {
    const InkMask ink = Scaled(SetText(character), scale);
    if (character != " ") {
      PaintOutlined(target, ink, pen, capTop - (kFontBaseline - 6) * scale,
                    colours[letter % colourCount], border, shadow);
      ++letter;
    }
    pen += ink.Width() + LetterGap(scale);
  }
  return pen - LetterGap(scale) - x;
}

}  // namespace lorvix::resources::panel
