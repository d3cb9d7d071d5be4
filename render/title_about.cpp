// The title screen with its walking figure and turning logo, and the about
// screen with its scrolling text. Both animations draw straight into the
// window, on top of the board, one small piece per game tick.

#include "render/title_about.h"

#include <array>

#include "gamewindow/game_window.h"
#include "game/tick.h"
#include "render/window_mirror.h"

namespace lorvix {

namespace {

constexpr int TITLE_X = 200, TITLE_Y = 125;
constexpr int ABOUT_X = 203, ABOUT_Y = 140;

constexpr int WALKER_Y = 250;
constexpr int WALKER_LEFT_TURN = 210;
constexpr int WALKER_RIGHT_TURN = 450;
constexpr int WALKER_SIZE = 32;
constexpr int WALKER_SKIP_LIMIT = 1;  // the walker moves on every second step

constexpr int LOGO_X = 205, LOGO_Y = 140;
constexpr int LOGO_SIZE = 50;

constexpr int ABOUT_SKIP_LIMIT = 5;  // the text moves on every sixth step
constexpr int ABOUT_TEXT_X = 225;
constexpr int ABOUT_TEXT_BOTTOM = 334;
constexpr int ABOUT_TEXT_TOP = 146;
constexpr int ABOUT_TEXT_WIDTH = 250;
constexpr int ABOUT_TEXT_ROWS = 189;  // rows visible once the text has risen
constexpr int ABOUT_RISE_END = 378;
constexpr int ABOUT_SCROLL_STEP = 2;
constexpr int ABOUT_SCROLL_END = 1200;

// The logo turns about its middle line: it is squashed to nothing, turned
// over to its darker back, opened again, and the same once more back to
// the front.
struct LogoPhase {
  bool front;  // which picture the phase shows
  int step;    // added to LogoSquash after drawing
  int turnAt;  // LogoSquash value that ends the phase
  int nextPhase;
};

// clang-format off
constexpr std::array<LogoPhase, 4> kLogoPhases{{
    // picture  step  next when  next phase
    {true,      +1,   50,        2},
    {false,     -1,    0,        3},
    {false,     +1,   50,        4},
    {true,      -1,    0,        1},
}};
// clang-format on

// Draws the walker at its place and moves it one pixel on, turning at the
// ends of its path. Returns where it was drawn.
Rect StepWalker(GameGraphics& g) {
  TitleAboutAnimation& t = g.Animation;
  const Rect drawn{t.WalkerX, WALKER_Y, WALKER_SIZE, WALKER_SIZE};
  if (t.WalkerDir == 1) {
    BlitWhole(g.Window, t.WalkerX, WALKER_Y, g.TitleWalkerLeft);
    if (--t.WalkerX <= WALKER_LEFT_TURN) t.WalkerDir = 2;
  } else if (t.WalkerDir == 2) {
    BlitWhole(g.Window, t.WalkerX, WALKER_Y, g.TitleWalkerRight);
    if (++t.WalkerX >= WALKER_RIGHT_TURN) t.WalkerDir = 1;
  }
  return drawn;
}

// Draws the logo squashed by LogoSquash rows, centred on its middle line,
// and moves on to the next squash. Rows a flatter logo no longer covers
// keep what the earlier, taller ones left there.
Rect StepLogo(GameGraphics& g) {
  TitleAboutAnimation& t = g.Animation;
  const LogoPhase& phase = kLogoPhases[static_cast<size_t>((t.LogoPhase - 1) & 3)];
  const Rect drawn{LOGO_X, LOGO_Y + t.LogoSquash / 2, LOGO_SIZE, LOGO_SIZE - t.LogoSquash};
  StretchBlit(g.Window, drawn, phase.front ? g.LogoFront : g.LogoBack,
              {0, 0, LOGO_SIZE, LOGO_SIZE});
  t.LogoSquash += phase.step;
  if (t.LogoSquash == phase.turnAt) t.LogoPhase = phase.nextPhase;
  return drawn;
}

}  // namespace

Rect DrawTitlePanel(GameGraphics& g, const std::optional<Rect>& clip) {
  BlitWhole(g.Window, TITLE_X, TITLE_Y, g.TitlePicture, clip);
  return {TITLE_X, TITLE_Y, g.TitlePicture.Width(), g.TitlePicture.Height()};
}

Rect DrawAboutPanel(GameGraphics& g, const std::optional<Rect>& clip) {
  BlitWhole(g.Window, ABOUT_X, ABOUT_Y, g.AboutFrame, clip);
  return {ABOUT_X, ABOUT_Y, g.AboutFrame.Width(), g.AboutFrame.Height()};
}

Rect DrawAboutText(GameGraphics& g, int scroll, const std::optional<Rect>& clip) {
  Rect drawn;
  int firstRow = 0;
  if (scroll <= ABOUT_RISE_END) {
    const int risen = scroll / 2;
    drawn = {ABOUT_TEXT_X, ABOUT_TEXT_BOTTOM - risen, ABOUT_TEXT_WIDTH, risen};
  } else {
    firstRow = (scroll - ABOUT_RISE_END) / 2;
    drawn = {ABOUT_TEXT_X, ABOUT_TEXT_TOP, ABOUT_TEXT_WIDTH, ABOUT_TEXT_ROWS};
  }
  // Rows past the end of the text picture are not drawn; the window keeps
  // what it showed there.
  Blit(g.Window, drawn.x, drawn.y, drawn.width, drawn.height, g.AboutText, 0, firstRow,
       RasterOp::Copy, clip);
  return drawn;
}

void TMyWindow::TitleStep() {
  if (!Graphics) return;
  GameGraphics& g = *Graphics;
  if (CounterFires(g.Animation.WalkerSkip, WALKER_SKIP_LIMIT))
    PresentWindowArea(g, Platform, StepWalker(g));
  PresentWindowArea(g, Platform, StepLogo(g));
}

// The first step draws the empty panel; the last one ends the screen and
// has the board painted again.
void TMyWindow::AboutStep() {
  if (!Graphics) return;
  GameGraphics& g = *Graphics;
  if (!CounterFires(g.Animation.AboutSkip, ABOUT_SKIP_LIMIT)) return;
  if (AboutScroll == 0) PresentWindowArea(g, Platform, DrawAboutPanel(g));
  PresentWindowArea(g, Platform, DrawAboutText(g, AboutScroll));
  AboutScroll += ABOUT_SCROLL_STEP;
  if (AboutScroll >= ABOUT_SCROLL_END) {
    AboutScroll = 0;
    AboutShowing = false;
    InvalidateAll();
  }
}

}  // namespace lorvix
