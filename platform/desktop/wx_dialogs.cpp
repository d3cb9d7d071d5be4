#include "platform/desktop/wx_dialogs.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/desktop/wx_controls.h"

namespace platform {
namespace {

wxString Wx(const std::string& s) { return wxString::FromUTF8(s); }

// The frame on screen, or none before the first one shows.
wxWindow* ActiveFrame() {
  if (wxWindow* active = wxGetActiveWindow()) return wxGetTopLevelParent(active);
  for (wxWindow* w : wxTopLevelWindows)
    if (w->IsShown() && !dynamic_cast<wxDialog*>(w)) return w;
  return nullptr;
}

wxArtID ArtOf(Icon icon) {
  switch (icon) {
    case Icon::Stop: return wxART_ERROR;
    case Icon::Question: return wxART_QUESTION;
    case Icon::Information: return wxART_INFORMATION;
    case Icon::None: break;
  }
  return {};
}

// Our own small dialogs: GTK's message box shows no icon, and buttons with
// the toolkit's standard ids take their texts from GTK, in the desktop's
// language. Ours are German always, in the desktop's order (the answer that
// goes ahead at the right, and the default), and Escape or the close box
// gives the answer that changes nothing.
class GermanDialog : public wxDialog {
 public:
  explicit GermanDialog(const std::string& caption) : wxDialog(ActiveFrame(), wxID_ANY, Wx(caption)) {
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Finish(cancelAnswer_); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
      if (e.GetKeyCode() == WXK_ESCAPE) Finish(cancelAnswer_);
      else e.Skip();
    });
  }

  Answer Ask() {
    ShowModal();
    return answer_;
  }

 protected:
  // The buttons for `buttons`, ready to be added below the content.
  wxSizer* MakeButtons(Buttons buttons) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    wxButton* ahead = nullptr;
    if (buttons == Buttons::YesNo) {
      AddButton(row, Answer::No, "&Nein");
      ahead = AddButton(row, Answer::Yes, "&Ja");
      cancelAnswer_ = Answer::No;
    } else if (buttons == Buttons::OkCancel) {
      AddButton(row, Answer::Cancel, "Abbrechen");
      ahead = AddButton(row, Answer::Ok, "OK");
      cancelAnswer_ = Answer::Cancel;
    } else {
      ahead = AddButton(row, Answer::Ok, "OK");
    }
    ahead->SetDefault();
    ahead->SetFocus();
    return row;
  }

  // Wide enough for the caption of a short message to show whole.
  void Layout(wxSizer* content, wxSizer* buttons) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->SetMinSize(wxSize(320, -1));
    column->Add(content, 1, wxEXPAND);
    column->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(column);
    CentreOnParent();
  }

 private:
  wxButton* AddButton(wxSizer* sizer, Answer answer, const char* label) {
    auto* button = new wxButton(this, wxID_ANY, Wx(label));
    button->Bind(wxEVT_BUTTON, [this, answer](wxCommandEvent&) { Finish(answer); });
    sizer->Add(button, 0, wxLEFT, 8);
    return button;
  }

  void Finish(Answer answer) {
    answer_ = answer;
    EndModal(wxID_OK);
  }

  Answer answer_ = Answer::Ok;
  Answer cancelAnswer_ = Answer::Ok;
};

class MessageDialog : public GermanDialog {
 public:
  MessageDialog(const std::string& text, const std::string& caption, Icon icon, Buttons buttons)
      : GermanDialog(caption) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (icon != Icon::None)
      row->Add(new wxStaticBitmap(this, wxID_ANY,
                                  wxArtProvider::GetBitmap(ArtOf(icon), wxART_MESSAGE_BOX)),
               0, wxALL, 12);
    auto* message = new wxStaticText(this, wxID_ANY, wxString());
    message->SetLabelText(Wx(text));
    row->Add(message, 1, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    Layout(row, MakeButtons(buttons));
  }
};

class TextInputDialog : public GermanDialog {
 public:
  TextInputDialog(const std::string& title, const std::string& prompt, int maxChars)
      : GermanDialog(title) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    if (!prompt.empty()) column->Add(new wxStaticText(this, wxID_ANY, Wx(prompt)), 0, wxALL, 8);
    field_ = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(260, -1));
    if (maxChars > 0) field_->SetMaxLength(static_cast<unsigned long>(maxChars));
    column->Add(field_, 0, wxALL | wxEXPAND, 12);
    wxSizer* buttons = MakeButtons(Buttons::OkCancel);
    field_->SetFocus();  // Return still presses the default button, OK
    Layout(column, buttons);
  }

  std::string Value() const { return field_->GetValue().utf8_string(); }

 private:
  wxTextCtrl* field_;
};

}  // namespace

Answer ShowMessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons) {
  return MessageDialog(text, caption, icon, buttons).Ask();
}

FileDialogResult ShowFileDialog(const FileDialogRequest& request, bool save) {
  long style = save ? wxFD_SAVE : wxFD_OPEN;
  if (save && request.overwritePrompt) style |= wxFD_OVERWRITE_PROMPT;
  if (!save && request.mustExist) style |= wxFD_FILE_MUST_EXIST;
  wxFileDialog dialog(ActiveFrame(), Wx(save ? "Speichern unter" : "Öffnen"), Wx(request.initialDir),
                      wxString(), Wx(request.filter), style);
  if (dialog.ShowModal() != wxID_OK) return {};
  wxFileName name(dialog.GetPath());
  if (save && !name.HasExt() && !request.defaultExt.empty()) name.SetExt(Wx(request.defaultExt));
  return {true, 0, name.GetFullPath().utf8_string()};
}

std::optional<std::string> ShowTextInput(const std::string& title, const std::string& prompt,
                                         int maxChars) {
  TextInputDialog dialog(title, prompt, maxChars);
  if (dialog.Ask() != Answer::Ok) return std::nullopt;
  return dialog.Value();
}

// Dialog units follow the desktop's dialog font, so the layout keeps its
// proportions at any font size.
void RunModalDialog(const DialogSpec& spec, WindowEvents& events) {
  wxDialog dialog(ActiveFrame(), wxID_ANY, Wx(spec.caption));
  dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(spec.width, spec.height)));
  WxControls controls;
  controls.Create(
      &dialog, spec.controls,
      [&dialog](const Rect& r) {
        return wxRect(dialog.ConvertDialogToPixels(wxPoint(r.x, r.y)),
                      dialog.ConvertDialogToPixels(wxSize(r.width, r.height)));
      },
      [&](int id, int row) {
        if (id == DIALOG_OK && row < 0) dialog.EndModal(wxID_OK);
        else events.ControlActivated(controls, id, row);
      });
  events.DialogSetup(controls);
  dialog.CentreOnParent();
  dialog.ShowModal();
}

}  // namespace platform
