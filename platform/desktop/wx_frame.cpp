#include "platform/desktop/wx_frame.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/display.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <gtk/gtk.h>

#include "platform/desktop/wx_controls.h"
#include "platform/desktop/wx_menus.h"
#include "platform/desktop/wx_pixel_client.h"
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

// Where a window of `size` shows beside the frame at `owner`: on its right
// or else on its left, top edges level, so that it covers nothing of the
// frame; centred on the frame where `screen` has no room beside it.
wxPoint PlaceBeside(const wxRect& owner, const wxSize& size, const wxRect& screen) {
  constexpr int GAP = 8;
  const int y = std::clamp(owner.y, screen.y, std::max(screen.y, screen.GetBottom() + 1 - size.y));
  if (owner.GetRight() + GAP + size.x <= screen.GetRight() + 1) return {owner.GetRight() + 1 + GAP, y};
  if (owner.x - GAP - size.x >= screen.x) return {owner.x - GAP - size.x, y};
  return owner.GetPosition() + (owner.GetSize() - size) / 2;
}

}  // namespace

bool AnyMenuOpen() { return g_menusOpen > 0; }

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
  wxWeakRef<wxWindow> owner_;
  bool paintRequested_ = false;
  bool centred_ = false;
};

bool FileDrop::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::vector<std::string> paths;
  for (const wxString& name : names) paths.push_back(name.utf8_string());
  if (WindowEvents* events = frame_.Events()) events->FilesDropped(paths);
  return true;
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
  // The owner stays the toolkit's top-level window, not this one's parent,
  // so that each frame is destroyed by its own DesktopFrame alone; the
  // desktop keeps this window above it.
  if (spec.owner) {
    owner_ = static_cast<DesktopFrame*>(spec.owner)->Window();
    gtk_window_set_transient_for(GTK_WINDOW(GetHandle()), GTK_WINDOW(owner_->GetHandle()));
  }
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

  client_ = new PixelClient(this, [this] { return events_; }, clientSize_, !spec.controls.empty());
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

// A frame shows beside its owner, or else centred on the screen, the first
// time it shows; later it shows where the user left it.
void FrameWindow::ShowFrame(bool shown) {
  if (shown && !centred_) {
    if (owner_ && owner_->IsShown()) {
      SetPosition(PlaceBeside(owner_->GetScreenRect(), GetSize(), wxDisplay(owner_.get()).GetClientArea()));
    } else {
      Centre(wxBOTH);
    }
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
