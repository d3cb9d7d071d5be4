#pragma once
// The client area of our frames: it shows the owner's pixels and reports
// keys and the mouse. It keeps a copy of every pixel it was given, so that
// the toolkit can redraw it whenever it likes without asking the owner.

#include <cairo.h>
#include <wx/panel.h>

#include <functional>

#include "platform/frame.h"

namespace platform {

// The events of the window's owner, or null once the owner has gone.
using EventsSource = std::function<WindowEvents*()>;

// The copy lives on the display's side (a surface like the window's): a
// change uploads only its own rectangle, and a paint is a copy within the
// display. Our pixels (0x00RRGGBB in 32 bits) are cairo's RGB24 layout, so
// they go up without conversion.
class PixelClient : public wxPanel {
 public:
  // A client with controls lets Tab move between them; one without takes
  // every key itself.
  PixelClient(wxWindow* parent, EventsSource events, wxSize size, bool hasControls);
  ~PixelClient() override;
  void Present(const PixelView& source, const Rect& area);

 private:
  cairo_surface_t* Shown();
  void ShowSoon(const wxRect& area);
  void ShowDirty();
  void OnPaint(wxPaintEvent&);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent&);

  EventsSource events_;
  wxSize size_;
  cairo_surface_t* shown_ = nullptr;
  cairo_region_t* dirty_ = nullptr;  // presented but not yet shown
  bool hasControls_;
};

}  // namespace platform
