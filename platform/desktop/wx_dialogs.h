#pragma once
// The modal dialogs of the desktop platform. Each is owned by the frame
// that shows now (the game or the editor), so that it appears above it.

#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform {

Answer ShowMessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons);
FileDialogResult ShowFileDialog(const FileDialogRequest& request, bool save);
std::optional<std::string> ShowTextInput(const std::string& title, const std::string& prompt,
                                         int maxChars);
void RunModalDialog(const DialogSpec& spec, WindowEvents& events);

}  // namespace platform
