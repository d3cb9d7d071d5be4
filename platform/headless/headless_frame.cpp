#include "platform/headless/headless_frame.h"

#include <algorithm>

namespace platform {

HeadlessControls::HeadlessControls(const std::vector<Control>& controls) {
  for (const Control& c : controls) texts[c.id] = c.text;
}

void HeadlessControls::SetRows(int id, const std::vector<std::string>& newRows) {
  rows[id] = newRows;
  selection[id] = -1;
}

int HeadlessControls::Selection(int id) {
  auto it = selection.find(id);
  return it == selection.end() ? -1 : it->second;
}

HeadlessFrame::HeadlessFrame(const FrameSpec& frameSpec, WindowEvents& frameEvents)
    : spec(frameSpec),
      events(frameEvents),
      controls(frameSpec.controls),
      caption(frameSpec.caption),
      screen(static_cast<size_t>(frameSpec.clientWidth) * frameSpec.clientHeight, 0) {}

void HeadlessFrame::Present(const PixelView& source, const Rect& area) {
  ++presents;
  const int x0 = std::max(0, area.x), y0 = std::max(0, area.y);
  const int x1 = std::min({area.x + area.width, source.width, spec.clientWidth});
  const int y1 = std::min({area.y + area.height, source.height, spec.clientHeight});
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      screen[static_cast<size_t>(y) * spec.clientWidth + x] =
          source.pixels[static_cast<size_t>(y) * source.width + x];
}

void HeadlessFrame::SetMenuPicture(int id, const PixelView& picture) {
  menuPictures[id].assign(picture.pixels,
                          picture.pixels + static_cast<size_t>(picture.width) * picture.height);
}

}  // namespace platform
