#include "platform/desktop/wx_dialogs.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>

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

// A message box of our own: GTK's shows no icon, and buttons with the
// toolkit's standard ids take their texts from GTK, in the desktop's
// language. Here the buttons are German always, in the desktop's order
// (the answer that goes ahead at the right), the first answer the default.
class MessageDialog : public wxDialog {
 public:
  MessageDialog(const std::string& text, const std::string& caption, Icon icon, Buttons buttons)
      : wxDialog(ActiveFrame(), wxID_ANY, Wx(caption)) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (icon != Icon::None)
      row->Add(new wxStaticBitmap(this, wxID_ANY,
                                  wxArtProvider::GetBitmap(ArtOf(icon), wxART_MESSAGE_BOX)),
               0, wxALL, 12);
    auto* message = new wxStaticText(this, wxID_ANY, wxString());
    message->SetLabelText(Wx(text));
    row->Add(message, 1, wxALL | wxALIGN_CENTER_VERTICAL, 12);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    wxButton* first = nullptr;
    if (buttons == Buttons::YesNo) {
      AddButton(buttonRow, Answer::No, "&Nein");
      first = AddButton(buttonRow, Answer::Yes, "&Ja");
    } else {
      if (buttons == Buttons::OkCancel) AddButton(buttonRow, Answer::Cancel, "Abbrechen");
      first = AddButton(buttonRow, Answer::Ok, "OK");
    }
    first->SetDefault();
    first->SetFocus();
    cancelAnswer_ = buttons == Buttons::YesNo ? Answer::No
                    : buttons == Buttons::OkCancel ? Answer::Cancel
                                                   : Answer::Ok;
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Finish(cancelAnswer_); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
      if (e.GetKeyCode() == WXK_ESCAPE) Finish(cancelAnswer_);
      else e.Skip();
    });

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 1, wxEXPAND);
    column->Add(buttonRow, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(column);
    CentreOnParent();
  }

  Answer Ask() {
    ShowModal();
    return answer_;
  }

 private:
  wxButton* AddButton(wxSizer* sizer, Answer answer, const char* label) {
    auto* button = new wxButton(this, wxID_ANY, wxString::FromUTF8(label));
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

}  // namespace

Answer ShowMessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons) {
  return MessageDialog(text, caption, icon, buttons).Ask();
}

FileDialogResult ShowFileDialog(const FileDialogRequest& request, bool save) {
  long style = save ? wxFD_SAVE : wxFD_OPEN;
  if (save && request.overwritePrompt) style |= wxFD_OVERWRITE_PROMPT;
  if (!save && request.mustExist) style |= wxFD_FILE_MUST_EXIST;
  wxFileDialog dialog(ActiveFrame(), save ? "Speichern unter" : "Öffnen", Wx(request.initialDir),
                      wxString(), Wx(request.filter), style);
  if (dialog.ShowModal() != wxID_OK) return {};
  wxFileName name(dialog.GetPath());
  if (save && !name.HasExt() && !request.defaultExt.empty()) name.SetExt(Wx(request.defaultExt));
  return {true, 0, name.GetFullPath().utf8_string()};
}

std::optional<std::string> ShowTextInput(const std::string& title, const std::string& prompt,
                                         int maxChars) {
  wxTextEntryDialog dialog(ActiveFrame(), Wx(prompt), Wx(title), wxString(),
                           wxOK | wxCANCEL | wxCENTRE);
  if (maxChars > 0) dialog.SetMaxLength(static_cast<unsigned long>(maxChars));
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.GetValue().utf8_string();
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
