// Painting the game window and choosing its background.

#include "gamewindow/game_window.h"
#include "levels/settings.h"
#include "render/backgrounds.h"
#include "render/title_about.h"
#include "render/window_mirror.h"

namespace lorvix {

namespace {

constexpr int MIN_SCREEN_WIDTH = 800;
constexpr int MIN_SCREEN_HEIGHT = 600;
constexpr const char* kScreenTooSmall =
    "Für QX Lorvix benötigen Sie eine Mindestauflösung von 800x600 Punkten.\n"
    "QX Lorvix wird nun beendet ! Bitte stellen Sie Ihre Grafikauflösung \n"
    "auf mindestens 800x600 Punkte bei 256 Farben.";

}  // namespace

// Every paint rebuilds the whole board picture but shows only `area`. The
// title or about panel lies on top of the board and is drawn again from the
// start; the running animations paint over it on their next steps. The
// status line is left alone while a panel shows.
void TMyWindow::PaintGameWindow(const platform::Rect& area) {
  if (Platform.ScreenWidth() < MIN_SCREEN_WIDTH || Platform.ScreenHeight() < MIN_SCREEN_HEIGHT) {
    Platform.MessageBox(kScreenTooSmall, "Fehler", platform::Icon::Stop, platform::Buttons::Ok);
    CloseRequest();
    return;
  }
  RebuildBackBuffer();
  if (Graphics) {
    GameGraphics& g = *Graphics;
    Blit(g.Window, area.x, area.y, area.width, area.height, g.BackBuffer, area.x, area.y);
    if (TitleShowing) {
      DrawTitlePanel(g, area);
    } else if (AboutShowing) {
      DrawAboutPanel(g, area);
      DrawAboutText(g, AboutScroll, area);
    }
    PresentWindowArea(g, Platform, area);
  }
  if (!TitleShowing && !AboutShowing) UpdateStatusLine();
}

void TMyWindow::PaintBackground() {
  if (!Graphics) return;
  PaintBackgroundPattern(Graphics->BackgroundImage, Graphics->TileSheet, BackgroundChoice);
}

// Choosing the pattern that is already shown draws and stores it again.
void TMyWindow::SelectBackground(int pattern) {
  BackgroundChoice = pattern;
  PaintBackground();
  WriteSetupValue(SettingsPath, KEY_BACKGROUND, pattern);
  InvalidateAll();
}

}  // namespace lorvix
