// The builder's client picture: a plain face behind the native controls and
// the progress bar of the last save. The texts are native labels, kept up to
// date by RefreshList.

#include <algorithm>

#include "builder/builder_window.h"

namespace wendrel {
namespace {

// The face of windows in the usual desktop theme, so that the labels, which
// the desktop draws on its own face, do not stand out as patches.
constexpr lorvix::Pixel kFace = lorvix::Rgb(0xF6, 0xF5, 0xF4);
constexpr lorvix::Pixel kBar = lorvix::Rgb(0, 0, 0);

void DrawProgressBar(lorvix::Bitmap& picture, int progress) {
  const int last = std::clamp(progress, 0, ENTRY_SLOTS - 1);
  const int right = PROGRESS_LEFT + PROGRESS_STEP * (last + 1);
  for (int y = PROGRESS_TOP; y <= PROGRESS_BOTTOM; ++y)
    for (int x = PROGRESS_LEFT; x < right; ++x) picture.At(x, y) = kBar;
}

}  // namespace

void TMyWindow::Paint(const platform::Rect& area) {
  picture_ = lorvix::Bitmap(CLIENT_WIDTH, CLIENT_HEIGHT, kFace);
  DrawProgressBar(picture_, SaveProgress);
  Frame.Present({picture_.Data(), picture_.Width(), picture_.Height()}, area);
}

}  // namespace wendrel
