#include "platform/desktop/wx_dialogs.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
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

long IconStyle(Icon icon) {
  switch (icon) {
    case Icon::Stop: return wxICON_ERROR;
    case Icon::Question: return wxICON_QUESTION;
    case Icon::Information: return wxICON_INFORMATION;
    case Icon::None: break;
  }
  return wxICON_NONE;
}

}  // namespace

// The button texts are German whatever the desktop's language.
Answer ShowMessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons) {
  long style = IconStyle(icon) | wxCENTRE;
  if (buttons == Buttons::YesNo) style |= wxYES_NO;
  else if (buttons == Buttons::OkCancel) style |= wxOK | wxCANCEL;
  else style |= wxOK;
  wxMessageDialog dialog(ActiveFrame(), Wx(text), Wx(caption), style);
  dialog.SetYesNoLabels("&Ja", "&Nein");
  dialog.SetOKCancelLabels("OK", "Abbrechen");
  switch (dialog.ShowModal()) {
    case wxID_YES: return Answer::Yes;
    case wxID_NO: return Answer::No;
    case wxID_CANCEL: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    default: return Answer::Ok;
  }
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
