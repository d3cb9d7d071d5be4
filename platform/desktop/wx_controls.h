#pragma once
// Native controls of frames and dialogs, found by their ids.

#include <functional>
#include <map>
#include <vector>

#include "platform/frame.h"

class wxRect;
class wxWindow;

namespace platform {

class WxControls : public Controls {
 public:
  // `onActivate(id, row)` runs for a pressed button (row -1) and a double
  // clicked list row. `toPixels` turns a control's rect into pixels.
  void Create(wxWindow* parent, const std::vector<Control>& controls,
              const std::function<wxRect(const Rect&)>& toPixels,
              const std::function<void(int id, int row)>& onActivate);

  void SetText(int id, const std::string& text) override;
  std::string Text(int id) override;
  void SetRows(int id, const std::vector<std::string>& rows) override;
  int Selection(int id) override;

  // Every control that is a window of its own, e.g. for drop targets.
  std::vector<wxWindow*> Windows() const;

 private:
  wxWindow* Find(int id) const;
  std::map<int, wxWindow*> byId_;
};

}  // namespace platform
