#include "render/window_mirror.h"

namespace lorvix {

void PresentWindowArea(GameGraphics& g, platform::Platform& platform, const Rect& area) {
  const Rect shown =
      ClipToPicture(area.x, area.y, area.width, area.height, WINDOW_WIDTH, WINDOW_HEIGHT);
  if (shown.width == 0 || shown.height == 0) return;
  platform.PresentGameWindow({g.Window.Data(), g.Window.Width(), g.Window.Height()}, shown);
}

void ShowBackBufferArea(GameGraphics& g, platform::Platform& platform, const Rect& area) {
  Blit(g.Window, area.x, area.y, area.width, area.height, g.BackBuffer, area.x, area.y);
  PresentWindowArea(g, platform, area);
}

}  // namespace lorvix
