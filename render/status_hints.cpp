#include "render/status_hints.h"

#include <array>

namespace lorvix {

namespace {

struct MenuHintEntry {
  int commandId;
  const char* hint;
};

// clang-format off
constexpr std::array<MenuHintEntry, 22> kMenuHints{{
    {101,   "Beenden von QX Lorvix."},
    {102,   "Neustart des Spiels in Level 1."},
    {103,   "Auswahl einer Level"},
    {104,   "Über LORVIX."},
    {105,   "Spielebene neu beginnen."},
    {106,   "Gehe eine Spielebene weiter."},
    {107,   "Gehe eine Spielebene zurück."},
    {108,   "Löschen aller Rekorde."},
    {109,   "Rücknahme des letzten Zuges."},
    {110,   "Soundeffekte ein/ausschalten."},
    {111,   "Scrolling ein/ausschalten."},
    {112,   "Midi-Musik ein/ausschalten."},
    {113,   "Animation ein/ausschalten."},
    {114,   "Wiederholung einer bereits gelösten Spiedlebene."},
    {24332, "Öffnen einer Spielwelt"},
    {24333, "Startet den Leveleditor"},
    {24335, "Laden einer selbsterstellten Spielebene."},
    {51682, "Editor verlassen"},
    {51683, "Speichern einer selbsterstellten Spielebene."},
    {51684, "Laden einer selbsterstellten Spielebene."},
    {51685, "Die Spielfigur wird weich oder blockweise bewegt."},
    {51694, "Auswahl der Hintergrundmusik"},
}};
// clang-format on

}  // namespace

const char* MenuHint(int commandId) {
  for (const MenuHintEntry& entry : kMenuHints)
    if (entry.commandId == commandId) return entry.hint;
  return nullptr;
}

}  // namespace lorvix
