// The text that scrolls through the about screen, as one tall picture.

#include "resources/pictures/canvas.h"
#include "resources/pictures/panel_style.h"
#include "resources/pictures/picture_makers.h"

namespace lorvix::resources {

using namespace panel;

namespace {

constexpr int kWidth = 250;

// A short row of coloured dots that separates the paragraphs.
void Divider(Bitmap& text, int y) {
  const Pixel dots[] = {kRed, kYellow, kGreen, kCyan, kBlue};
  for (int i = 0; i < 5; ++i) FillCircle(text, kWidth / 2 - 24 + i * 12 + 0.5, y, 2.2, dots[i]);
}

void Lines(Bitmap& text, int capTop, std::initializer_list<const char*> lines, Pixel colour) {
  for (const char* line : lines) {
    WriteCentred(text, line, 0, kWidth, capTop, colour);
    capTop += 12;
  }
}

}  // namespace

Bitmap MakeAboutText() {
  Bitmap text(kWidth, 500, kGrey);
  const Pixel colours[] = {kRed, kBlue, kGreen, kOrange, kCyan, kMagenta, kDarkBlue, kRed};
  const char* name = "QX LORVIX";
  WriteBigColourful(text, name, (kWidth - BigTextWidth(name, 2)) / 2, 14, 2, colours, 8, kDark,
                    kShadow);
  Lines(text, 36, {"Version 1.2"}, kDark);
  Divider(text, 60);
  Lines(text, 80, {"Ein Knobelspiel mit Kisten,", "Schiebern, Stöpseln und Türen."}, kDarkBlue);
  Lines(text, 116,
        {"Schiebe jeden Block an seinen", "Platz, öffne die Türen und",
         "erreiche den Stern am Ausgang."},
        kBlack);
  Divider(text, 168);
  Lines(text, 188, {"Steuerung"}, kDarkRed);
  Lines(text, 206,
        {"Pfeiltasten: gehen und schieben", "F11: letzten Zug zurücknehmen",
         "F12: Ebene neu beginnen"},
        kBlack);
  Lines(text, 254, {"Mit eingebautem Editor", "für eigene Spielebenen."}, kDarkBlue);
  Divider(text, 292);
  Lines(text, 312, {"© 2026 Das Lorvix-Team"}, kDarkRed);
  Lines(text, 330, {"Bilder, Schrift und Klänge:", "alles selbst gemacht."}, kBlack);
  Divider(text, 372);
  Lines(text, 392, {"Hilfe: Menü Hilfe / Inhalt"}, kDarkBlue);
  const Pixel wish[] = {kRed, kOrange, kGreen, kBlue, kMagenta};
  const char* closing = "Viel Spaß beim Knobeln!";
  WriteBigColourful(text, closing, (kWidth - BigTextWidth(closing, 2)) / 2, 430, 2, wish, 5, kDark,
                    kShadow);
  return text;
}

}  // namespace lorvix::resources
