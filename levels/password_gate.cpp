// The gate in front of every level of the worlds file but the first of each
// world: the level before it must be solved, or its password typed in.

#include "gamewindow/game_window.h"
#include "levels/passwords.h"
#include "levels/settings.h"
#include "levels/world_layout.h"

namespace lorvix {
namespace {

constexpr int PASSWORD_MAX_CHARS = 9;

}  // namespace

// A level counts as unlocked when the stored password of the level before
// it is exactly that level's password (solving a level stores it). The
// player may type it instead; every other way out of the gate leads to the
// level before.
void TMyWindow::PasswordGate() {
  const int32_t wanted = LevelNumber;
  if (IsFirstOfWorld(wanted)) return;
  const int32_t before = wanted - 1;
  const std::string password = std::to_string(PasswordOf(PasswordTable, before));
  if (ReadStoredPassword(SettingsPath, before) == password) return;

  LevelNumber = before;
  if (Platform.MessageBox("Sie haben diese Spielebene noch nicht gelöst !\n"
                          "Wollen Sie das Paßwort zum Überspringen dieser Level eingeben ?",
                          "Sorry", platform::Icon::Question,
                          platform::Buttons::YesNo) != platform::Answer::Yes)
    return;

  const std::optional<std::string> typed = Platform.TextInputDialog(
      "Paßwort für Level " + std::to_string(before) + " ?", "", PASSWORD_MAX_CHARS);
  if (!typed) return;
  if (*typed != password) {
    Platform.MessageBox("Falsche Eingabe", "Sorry", platform::Icon::None, platform::Buttons::Ok);
    return;
  }
  WriteStoredPassword(SettingsPath, before, *typed);
  LevelNumber = wanted;
}

}  // namespace lorvix
