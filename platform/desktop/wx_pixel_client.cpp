#include "platform/desktop/wx_pixel_client.h"

#include <gtk/gtk.h>
#include <wx/dcclient.h>

#include "platform/desktop/wx_keys.h"

namespace platform {

PixelClient::PixelClient(wxWindow* parent, EventsSource events, wxSize size, bool hasControls)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, size,
              (hasControls ? wxTAB_TRAVERSAL : wxWANTS_CHARS) | wxFULL_REPAINT_ON_RESIZE),
      events_(std::move(events)),
      size_(size),
      hasControls_(hasControls) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &PixelClient::OnPaint, this);
  Bind(wxEVT_KEY_DOWN, &PixelClient::OnKeyDown, this);
  Bind(wxEVT_CHAR, &PixelClient::OnChar, this);
  for (auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_RIGHT_DOWN, wxEVT_MOTION,
                    wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DCLICK})
    Bind(type, &PixelClient::OnMouse, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &PixelClient::OnCaptureLost, this);
}

PixelClient::~PixelClient() {
  if (shown_) cairo_surface_destroy(shown_);
  if (dirty_) cairo_region_destroy(dirty_);
}

// Made when first needed, once the window exists on the display; black
// until the owner presents.
cairo_surface_t* PixelClient::Shown() {
  if (shown_) return shown_;
  GdkWindow* window = gtk_widget_get_window(GetHandle());
  shown_ = window ? gdk_window_create_similar_surface(window, CAIRO_CONTENT_COLOR, size_.GetWidth(),
                                                      size_.GetHeight())
                  : cairo_image_surface_create(CAIRO_FORMAT_RGB24, size_.GetWidth(),
                                               size_.GetHeight());
  cairo_t* cr = cairo_create(shown_);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  return shown_;
}

void PixelClient::Present(const PixelView& source, const Rect& area) {
  const wxRect shown = wxRect(area.x, area.y, area.width, area.height)
                           .Intersect(wxRect(0, 0, source.width, source.height))
                           .Intersect(wxRect(size_));
  if (shown.IsEmpty()) return;
  cairo_surface_t* pixels = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(source.pixels)), CAIRO_FORMAT_RGB24,
      source.width, source.height, source.width * 4);
  cairo_t* cr = cairo_create(Shown());
  cairo_set_source_surface(cr, pixels, 0, 0);
  cairo_rectangle(cr, shown.x, shown.y, shown.width, shown.height);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(pixels);
  ShowSoon(shown);
}

// Changes are gathered and shown together once the current event is done:
// straight onto the window, without a round through the toolkit's drawing
// of the whole frame, which would cost more than the game itself when the
// tiles animate. Exposed parts of the window still come through OnPaint.
// Labels and buttons have no window of their own: the toolkit draws them
// onto this one, so a client with controls is shown through its drawing,
// which puts them back over the pixels.
void PixelClient::ShowSoon(const wxRect& area) {
  const cairo_rectangle_int_t r{area.x, area.y, area.width, area.height};
  if (!dirty_) {
    dirty_ = cairo_region_create();
    CallAfter(&PixelClient::ShowDirty);
  }
  cairo_region_union_rectangle(dirty_, &r);
}

void PixelClient::ShowDirty() {
  cairo_region_t* region = dirty_;
  dirty_ = nullptr;
  GdkWindow* window = GTKGetDrawingWindow();
  if (!window || !IsShownOnScreen() || hasControls_) {
    RefreshRect(wxRect(size_), false);
  } else {
    GdkDrawingContext* context = gdk_window_begin_draw_frame(window, region);
    cairo_t* cr = gdk_drawing_context_get_cairo_context(context);
    cairo_set_source_surface(cr, Shown(), 0, 0);
    cairo_paint(cr);
    gdk_window_end_draw_frame(window, context);
  }
  cairo_region_destroy(region);
}

void PixelClient::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  auto* cr = static_cast<cairo_t*>(dc.GetImpl()->GetCairoContext());
  if (!cr) return;
  cairo_set_source_surface(cr, Shown(), 0, 0);
  cairo_paint(cr);
}

// Keys with Alt belong to the menu bar (its mnemonics), as does F10.
void PixelClient::OnKeyDown(wxKeyEvent& event) {
  if (event.AltDown() || event.GetKeyCode() == WXK_ALT || event.GetKeyCode() == WXK_F10) {
    event.Skip();
    return;
  }
  const int key = VirtualKeyOfKeyDown(event);
  if (key == 0) {
    event.Skip();  // told by its character
    return;
  }
  if (WindowEvents* events = events_()) events->KeyDown(key);
}

void PixelClient::OnChar(wxKeyEvent& event) {
  if (event.AltDown() || event.GetKeyCode() == WXK_F10) {
    event.Skip();
    return;
  }
  if (WindowEvents* events = events_()) events->KeyDown(VirtualKeyOfCharacter(event));
}

// The left button is held for walking: the window keeps the mouse until it
// is released, so that a release outside the window still ends the walk.
void PixelClient::OnMouse(wxMouseEvent& event) {
  WindowEvents* events = events_();
  const wxEventType type = event.GetEventType();
  const int x = event.GetX(), y = event.GetY();
  if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK) {
    SetFocus();
    if (!HasCapture()) CaptureMouse();
    if (events) events->MouseDown(MouseButton::Left, x, y);
  } else if (type == wxEVT_LEFT_UP) {
    if (HasCapture()) ReleaseMouse();
    if (events) events->MouseUp(MouseButton::Left, x, y);
  } else if (type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_DCLICK) {
    if (events) events->MouseDown(MouseButton::Right, x, y);
  } else if (type == wxEVT_MOTION) {
    if (events) events->MouseMove(x, y);
  }
}

// A dialog took the mouse while the button was held: the walk ends as if
// the button had been released.
void PixelClient::OnCaptureLost(wxMouseCaptureLostEvent&) {
  if (WindowEvents* events = events_()) events->MouseUp(MouseButton::Left, -1, -1);
}

}  // namespace platform
