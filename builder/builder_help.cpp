// The help menu: the builder's own help page, which lies beside the program
// and opens in the desktop's browser, and the about box.

#include <filesystem>
#include <system_error>

#include "builder/builder_window.h"

namespace wendrel {
namespace {

constexpr const char* HELP_PAGE = "wendrel.htm";

}  // namespace

// The browser would report a missing page in a way of its own, or not at
// all, so the page is looked for first.
void TMyWindow::OpenHelp() {
  const std::string page = ProgramDir + HELP_PAGE;
  std::error_code error;
  if (!std::filesystem::is_regular_file(page, error)) {
    Platform.MessageBox("Die Hilfeseite " + page +
                            " wurde nicht gefunden.\nBitte installieren Sie Wendrel neu.",
                        "Fehler", platform::Icon::Stop, platform::Buttons::Ok);
    return;
  }
  Platform.OpenHelpPage(page);
}

void TMyWindow::ShowAbout() {
  Platform.MessageBox(
      "QX WENDREL ist ein Zusatzprogramm für QX Lorvix (Version >= 1.2) mit dem Sie eigene "
      "Spielwelten erstellen können.\n\n"
      "Ziehen Sie bis zu 100 Spielebenen (.sda) aus dem Dateimanager in die Liste,\n"
      "geben Sie drei Textzeilen ein und speichern Sie alles als Extra-Spielwelt (.sde).\n\n"
      "Programm, Bilder und Texte: das Lorvix-Team.",
      "Über QX WENDREL V1.0 für Windows 95/98/NT", platform::Icon::Information,
      platform::Buttons::Ok);
}

}  // namespace wendrel
