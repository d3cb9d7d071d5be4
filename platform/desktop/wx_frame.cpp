#include "platform/desktop/wx_frame.h"

#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statusbr.h>

#include "platform/desktop/wx_controls.h"
#include "platform/desktop/wx_keys.h"
#include "platform/desktop/wx_menus.h"
#include "platform/desktop/wx_pixels.h"

namespace platform {

namespace {

// The status field shows its text centred in a recessed field.
class CentredStatusBar : public wxStatusBar {
 public:
  explicit CentredStatusBar(wxWindow* parent) : wxStatusBar(parent, wxID_ANY, 0) {
    const int style = wxSB_SUNKEN;
    SetStatusStyles(1, &style);
  }

 protected:
  void DrawFieldText(wxDC& dc, const wxRect& rect, int field, int textHeight) override {
    const wxString text = GetStatusText(field);
    const int x = rect.x + (rect.width - dc.GetTextExtent(text).GetWidth()) / 2;
    const int y = rect.y + (rect.height - textHeight) / 2;
    wxDCClipper clip(dc, rect);
    dc.DrawText(text, std::max(rect.x, x), y);
  }
};

class FileDrop : public wxFileDropTarget {
 public:
  explicit FileDrop(FrameWindow& frame) : frame_(frame) {}
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override;

 private:
  FrameWindow& frame_;
};

int g_menusOpen = 0;

}  // namespace

bool AnyMenuOpen() { return g_menusOpen > 0; }

// The client window. It keeps a copy of every pixel it was given, so that
// the toolkit can redraw it whenever it likes without asking the owner. The
// copy lives on the display's side (a surface like the window's): a change
// uploads only its own rectangle, and a paint is a copy within the display.
// Our pixels (0x00RRGGBB in 32 bits) are cairo's RGB24 layout, so they go
// up without conversion.
class PixelClient : public wxPanel {
 public:
  // A client with controls lets Tab move between them; one without takes
  // every key itself.
  PixelClient(FrameWindow* frame, wxSize size, bool hasControls);
  ~PixelClient() override;
  void Present(const PixelView& source, const Rect& area);

 private:
  cairo_surface_t* Shown();
  void OnPaint(wxPaintEvent&);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent&);

  FrameWindow* frame_;
  wxSize size_;
  cairo_surface_t* shown_ = nullptr;
};

class FrameWindow : public wxFrame {
 public:
  FrameWindow(const FrameSpec& spec, WindowEvents& events);

  // The owner is going away: no more events reach it.
  void Detach() { events_ = nullptr; }
  WindowEvents* Events() const { return events_; }
  WxControls& ControlsOf() { return controls_; }
  PixelClient* Client() const { return client_; }

  // Asks the owner to paint, once, when the current event is done: a paint
  // may open a message box, which must not happen inside the toolkit's own
  // drawing.
  void RequestOwnerPaint();
  void ShowPicture(int id, const PixelView& picture) {
    auto it = menu_.toolkitIdOf.find(id);
    if (it != menu_.toolkitIdOf.end()) ShowMenuPicture(GetMenuBar(), it->second, picture);
  }
  void ShowFrame(bool shown);

 private:
  void OnClose(wxCloseEvent& event);
  void OnUpdateUi(wxUpdateUIEvent& event);

  WindowEvents* events_;
  PixelClient* client_ = nullptr;
  WxControls controls_;
  BuiltMenuBar menu_;
  wxSize clientSize_;
  bool paintRequested_ = false;
  bool centred_ = false;
};

bool FileDrop::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::vector<std::string> paths;
  for (const wxString& name : names) paths.push_back(name.utf8_string());
  if (WindowEvents* events = frame_.Events()) events->FilesDropped(paths);
  return true;
}

PixelClient::PixelClient(FrameWindow* frame, wxSize size, bool hasControls)
    : wxPanel(frame, wxID_ANY, wxDefaultPosition, size,
              (hasControls ? wxTAB_TRAVERSAL : wxWANTS_CHARS) | wxFULL_REPAINT_ON_RESIZE),
      frame_(frame),
      size_(size) {
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
  RefreshRect(shown, false);
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
  if (WindowEvents* events = frame_->Events()) events->KeyDown(key);
}

void PixelClient::OnChar(wxKeyEvent& event) {
  if (event.AltDown() || event.GetKeyCode() == WXK_F10) {
    event.Skip();
    return;
  }
  if (WindowEvents* events = frame_->Events()) events->KeyDown(VirtualKeyOfCharacter(event));
}

// The left button is held for walking: the window keeps the mouse until it
// is released, so that a release outside the window still ends the walk.
void PixelClient::OnMouse(wxMouseEvent& event) {
  WindowEvents* events = frame_->Events();
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
  if (WindowEvents* events = frame_->Events()) events->MouseUp(MouseButton::Left, -1, -1);
}

namespace {

long FrameStyle(const FrameSpec& spec) {
  if (!spec.closeBox) return wxCAPTION | wxCLIP_CHILDREN;
  return (wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX)) | wxCLIP_CHILDREN;
}

}  // namespace

FrameWindow::FrameWindow(const FrameSpec& spec, WindowEvents& events)
    : wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(spec.caption), wxDefaultPosition,
              wxDefaultSize, FrameStyle(spec)),
      events_(&events),
      clientSize_(spec.clientWidth, spec.clientHeight) {
  if (spec.icon.pixels) {
    wxIcon icon;
    icon.CopyFromBitmap(ToBitmap(spec.icon));
    SetIcon(icon);
  }
  if (!spec.menus.empty()) {
    menu_ = BuildMenuBar(spec.menus);
    SetMenuBar(menu_.bar);
    MoveLastMenuToTheRight(menu_.bar);
    Bind(wxEVT_MENU, [this](wxCommandEvent& e) {
      auto it = menu_.commandOf.find(e.GetId());
      if (events_ && it != menu_.commandOf.end()) events_->Command(it->second);
    });
    Bind(wxEVT_UPDATE_UI, &FrameWindow::OnUpdateUi, this);
    Bind(wxEVT_MENU_OPEN, [](wxMenuEvent& e) {
      ++g_menusOpen;
      e.Skip();
    });
    Bind(wxEVT_MENU_CLOSE, [](wxMenuEvent& e) {
      if (g_menusOpen > 0) --g_menusOpen;
      e.Skip();
    });
  }
  if (spec.statusBar) SetStatusBar(new CentredStatusBar(this));

  client_ = new PixelClient(this, clientSize_, !spec.controls.empty());
  controls_.Create(
      client_, spec.controls,
      [](const Rect& r) { return wxRect(r.x, r.y, r.width, r.height); },
      [this](int id, int row) {
        if (events_) events_->ControlActivated(controls_, id, row);
      });
  if (spec.acceptsFiles) {
    SetDropTarget(new FileDrop(*this));
    client_->SetDropTarget(new FileDrop(*this));
    for (wxWindow* control : controls_.Windows()) control->SetDropTarget(new FileDrop(*this));
  }

  // The size follows from the client, whatever the desktop's decorations,
  // and stays fixed.
  SetClientSize(clientSize_);
  SetMinClientSize(clientSize_);
  SetMaxClientSize(clientSize_);
  Bind(wxEVT_CLOSE_WINDOW, &FrameWindow::OnClose, this);
  Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& e) {
    if (e.GetActive() && client_ && controls_.Windows().empty()) client_->SetFocus();
    e.Skip();
  });
}

void FrameWindow::RequestOwnerPaint() {
  if (paintRequested_) return;
  paintRequested_ = true;
  CallAfter([this] {
    paintRequested_ = false;
    if (events_) events_->Paint({0, 0, clientSize_.GetWidth(), clientSize_.GetHeight()});
  });
}

// A frame is centred on the screen the first time it shows; later it
// shows where the user left it.
void FrameWindow::ShowFrame(bool shown) {
  if (shown && !centred_) {
    Centre(wxBOTH);
    centred_ = true;
  }
  Show(shown);
  if (shown) {
    Raise();
    if (controls_.Windows().empty()) client_->SetFocus();
  }
}

void FrameWindow::OnClose(wxCloseEvent& event) {
  if (events_ && !events_->CloseRequested() && event.CanVeto()) {
    event.Veto();
    return;
  }
  Hide();  // the owner destroys the frame when it is done with it
}

void FrameWindow::OnUpdateUi(wxUpdateUIEvent& event) {
  auto it = menu_.commandOf.find(event.GetId());
  if (!events_ || it == menu_.commandOf.end()) {
    event.Skip();
    return;
  }
  const ItemState state = events_->MenuItemState(it->second);
  event.Enable(state.enabled);
  if (menu_.checkIds.count(event.GetId())) event.Check(state.checked);
}

DesktopFrame::DesktopFrame(const FrameSpec& spec, WindowEvents& events,
                           std::function<void(DesktopFrame*)> onGone)
    : window_(new FrameWindow(spec, events)), onGone_(std::move(onGone)) {}

DesktopFrame::~DesktopFrame() {
  if (onGone_) onGone_(this);
  window_->Detach();
  window_->Destroy();
}

void DesktopFrame::SetText(int id, const std::string& text) { window_->ControlsOf().SetText(id, text); }
std::string DesktopFrame::Text(int id) { return window_->ControlsOf().Text(id); }
void DesktopFrame::SetRows(int id, const std::vector<std::string>& rows) {
  window_->ControlsOf().SetRows(id, rows);
}
int DesktopFrame::Selection(int id) { return window_->ControlsOf().Selection(id); }

void DesktopFrame::Show(bool shown) { window_->ShowFrame(shown); }

bool DesktopFrame::IsShown() { return window_->IsShown(); }
void DesktopFrame::SetCaption(const std::string& text) { window_->SetTitle(wxString::FromUTF8(text)); }

// The game sets its status text after every partial redraw; only a change
// is worth a repaint of the bar.
void DesktopFrame::SetStatusText(const std::string& text) {
  wxStatusBar* bar = window_->GetStatusBar();
  const wxString value = wxString::FromUTF8(text);
  if (bar && bar->GetStatusText() != value) bar->SetStatusText(value);
}

void DesktopFrame::Invalidate() { window_->RequestOwnerPaint(); }
void DesktopFrame::Present(const PixelView& source, const Rect& area) {
  window_->Client()->Present(source, area);
}
void DesktopFrame::SetMenuPicture(int id, const PixelView& picture) { window_->ShowPicture(id, picture); }

}  // namespace platform
