#include "platform/desktop/wx_controls.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace platform {
namespace {

wxString Wx(const std::string& s) { return wxString::FromUTF8(s); }

}  // namespace

void WxControls::Create(wxWindow* parent, const std::vector<Control>& controls,
                        const std::function<wxRect(const Rect&)>& toPixels,
                        const std::function<void(int id, int row)>& onActivate) {
  for (const Control& c : controls) {
    const wxRect r = toPixels(c.rect);
    const wxPoint pos = r.GetPosition();
    const wxSize size = r.GetSize();
    wxWindow* window = nullptr;
    switch (c.kind) {
      case Control::Kind::Label: {
        // Text that would be taken for a mnemonic ('&') is shown as it is.
        auto* label = new wxStaticText(parent, wxID_ANY, wxString(), pos);
        label->SetLabelText(Wx(c.text));
        window = label;
        break;
      }
      case Control::Kind::ListBox: {
        auto* list = new wxListBox(parent, wxID_ANY, pos, size, 0, nullptr,
                                   wxLB_SINGLE | wxLB_ALWAYS_SB);
        const int id = c.id;
        list->Bind(wxEVT_LISTBOX_DCLICK,
                   [onActivate, id](wxCommandEvent& e) { onActivate(id, e.GetSelection()); });
        window = list;
        break;
      }
      case Control::Kind::TextField: {
        const long style = (c.readOnly ? wxTE_READONLY : 0) | (c.multiLine ? wxTE_MULTILINE : 0);
        auto* field = new wxTextCtrl(parent, wxID_ANY, Wx(c.text), pos, size, style);
        if (c.maxChars > 0) field->SetMaxLength(static_cast<unsigned long>(c.maxChars));
        window = field;
        break;
      }
      case Control::Kind::Button: {
        auto* button = new wxButton(parent, wxID_ANY, Wx(c.text), pos, size);
        const int id = c.id;
        button->Bind(wxEVT_BUTTON, [onActivate, id](wxCommandEvent&) { onActivate(id, -1); });
        window = button;
        break;
      }
    }
    byId_[c.id] = window;
  }
}

wxWindow* WxControls::Find(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

void WxControls::SetText(int id, const std::string& text) {
  wxWindow* w = Find(id);
  if (auto* label = dynamic_cast<wxStaticText*>(w)) label->SetLabelText(Wx(text));
  else if (auto* field = dynamic_cast<wxTextCtrl*>(w)) field->ChangeValue(Wx(text));
  else if (w) w->SetLabel(Wx(text));
}

std::string WxControls::Text(int id) {
  wxWindow* w = Find(id);
  if (auto* field = dynamic_cast<wxTextCtrl*>(w)) return field->GetValue().utf8_string();
  if (auto* label = dynamic_cast<wxStaticText*>(w)) return label->GetLabelText().utf8_string();
  return w ? w->GetLabel().utf8_string() : std::string();
}

void WxControls::SetRows(int id, const std::vector<std::string>& rows) {
  auto* list = dynamic_cast<wxListBox*>(Find(id));
  if (!list) return;
  wxArrayString items;
  for (const std::string& row : rows) items.Add(Wx(row));
  list->Set(items);
}

int WxControls::Selection(int id) {
  auto* list = dynamic_cast<wxListBox*>(Find(id));
  if (!list) return -1;
  const int selected = list->GetSelection();
  return selected == wxNOT_FOUND ? -1 : selected;
}

std::vector<wxWindow*> WxControls::Windows() const {
  std::vector<wxWindow*> windows;
  for (const auto& [id, w] : byId_)
    if (!dynamic_cast<wxStaticText*>(w)) windows.push_back(w);
  return windows;
}

}  // namespace platform
