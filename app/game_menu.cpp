#include "app/game_menu.h"

#include <array>

#include "gamewindow/game_window.h"

namespace lorvix {

namespace {

using Kind = GameMenuRow::Kind;
using platform::ItemState;

// "&Editor starten": the game frame makes way for the editor's.
void StartEditor(TMyWindow& w) {
  if (!w.EditorFrame) return;
  if (w.GameFrame) w.GameFrame->Show(false);
  w.EditorFrame->Show();
}

template <int World>
void SelectWorld(TMyWindow& w) {
  w.SelectWorld(World);
}

template <int Pattern>
void SelectBackground(TMyWindow& w) {
  w.SelectBackground(Pattern);
}

template <int Pattern>
ItemState BackgroundState(const TMyWindow& w) {
  return {true, w.BackgroundChoice == Pattern};
}

constexpr GameMenuRow Menu(const char* title) { return {Kind::Menu, 0, title}; }
constexpr GameMenuRow Submenu(const char* title) { return {Kind::Submenu, 0, title}; }
constexpr GameMenuRow EndSubmenu() { return {Kind::EndSubmenu}; }
constexpr GameMenuRow Separator() { return {Kind::Separator}; }

// clang-format off
constexpr std::array kRows = {
  Menu("&Spiel"),
    GameMenuRow{Kind::Command, 24333, "&Editor starten", "Startet den Leveleditor", StartEditor},
    GameMenuRow{Kind::Command, 24335, "&Lade Spielebene", "Laden einer selbsterstellten Spielebene.",
                [](TMyWindow& w) { w.OpenUserLevel(); }},
    Separator(),
    GameMenuRow{Kind::Command, 102, "&Neustart in Spielebene 1", "Neustart des Spiels in Level 1.",
                [](TMyWindow& w) { w.RestartGame(); }},
    GameMenuRow{Kind::Command, 108, "&Rekorde löschen", "Löschen aller Rekorde.",
                [](TMyWindow& w) { w.DeleteRecords(); }},
    Separator(),
    GameMenuRow{Kind::Command, 101, "&Beenden", "Beenden von QX Lorvix.",
                [](TMyWindow& w) { w.CloseRequest(); }},
  Menu("Spiel&welt"),
    GameMenuRow{Kind::Command, 51698, "&Extra Spielwelt laden", "",
                [](TMyWindow& w) { w.OpenExtraWorld(); }},
    Separator(),
    GameMenuRow{Kind::Command, 51700, "&letzte Spielwelt    \t/", "",
                [](TMyWindow& w) { w.PreviousWorld(); }},
    GameMenuRow{Kind::Command, 51699, "&nächste Spielwelt \t *", "",
                [](TMyWindow& w) { w.NextWorld(); }},
    Submenu("&Spielwelt wechseln"),
      GameMenuRow{Kind::Command, 51688, "&1", "", SelectWorld<1>},
      GameMenuRow{Kind::Command, 51687, "&2", "", SelectWorld<2>},
      GameMenuRow{Kind::Command, 51689, "&3", "", SelectWorld<3>},
      GameMenuRow{Kind::Command, 51690, "&4", "", SelectWorld<4>},
      GameMenuRow{Kind::Command, 51691, "&5", "", SelectWorld<5>},
      GameMenuRow{Kind::Command, 51692, "&6", "", SelectWorld<6>},
      GameMenuRow{Kind::Command, 51693, "&7", "", SelectWorld<7>},
      GameMenuRow{Kind::Command, 51696, "&8", "", SelectWorld<8>},
      GameMenuRow{Kind::Command, 51695, "&9", "", SelectWorld<9>},
      GameMenuRow{Kind::Command, 51697, "1&0", "", SelectWorld<10>},
    EndSubmenu(),
  Menu("Spiel&ebene"),
    GameMenuRow{Kind::Command, 106, "&nächste Spielebene \t+", "Gehe eine Spielebene weiter.",
                [](TMyWindow& w) { w.NextLevel(); },
                [](const TMyWindow& w) { return ItemState{w.NextLevelEnabled(), false}; }},
    GameMenuRow{Kind::Command, 107, "&letzte Spielebene     \t -", "Gehe eine Spielebene zurück.",
                [](TMyWindow& w) { w.PreviousLevel(); },
                [](const TMyWindow& w) { return ItemState{w.PreviousLevelEnabled(), false}; }},
    GameMenuRow{Kind::Command, 105, "nochmal &Versuchen \t F12", "Spielebene neu beginnen.",
                [](TMyWindow& w) { w.Retry(); }},
    GameMenuRow{Kind::Command, 109, "&Rückgängig             \t F11", "Rücknahme des letzten Zuges.",
                [](TMyWindow& w) { w.Undo(); },
                [](const TMyWindow& w) { return ItemState{w.UndoEnabled(), false}; }},
    GameMenuRow{Kind::Command, 114, "&Wiederholung", "Wiederholung einer bereits gelösten Spiedlebene.",
                [](TMyWindow& w) { w.ReplaySolution(); }},
  Menu("&Optionen"),
    Submenu("&Hintergrund"),
      GameMenuRow{Kind::Check, 51701, "&Fliesen", "", SelectBackground<0>, BackgroundState<0>},
      GameMenuRow{Kind::Check, 51702, "&blaue Struktur", "", SelectBackground<1>, BackgroundState<1>},
      GameMenuRow{Kind::Check, 51703, "&gelbe Struktur", "", SelectBackground<2>, BackgroundState<2>},
      GameMenuRow{Kind::Check, 51706, "&schwarz", "", SelectBackground<3>, BackgroundState<3>},
    EndSubmenu(),
    GameMenuRow{Kind::Command, 51694, "M&usikauswahl", "Auswahl der Hintergrundmusik",
                [](TMyWindow& w) { w.ShowSongList(); }},
    GameMenuRow{Kind::Check, 112, "&Musik (an / aus)", "Midi-Musik ein/ausschalten.",
                [](TMyWindow& w) { w.ToggleMusic(); },
                [](const TMyWindow& w) { return ItemState{true, w.MusicOn}; }},
    // Any SOUND value but 0 plays, so any such value shows the check mark.
    GameMenuRow{Kind::Check, 110, "&Sound (an / aus)", "Soundeffekte ein/ausschalten.",
                [](TMyWindow& w) { w.ToggleSound(); },
                [](const TMyWindow& w) { return ItemState{true, w.SoundOn != 0}; }},
    GameMenuRow{Kind::Check, 51685, "&Weiche Spielfigurbewegung (an / aus)",
                "Die Spielfigur wird weich oder blockweise bewegt.",
                [](TMyWindow& w) { w.ToggleSmoothMovement(); },
                [](const TMyWindow& w) { return ItemState{true, w.SmoothMovement}; }},
    GameMenuRow{Kind::Check, 113, "&Animation (an / aus)", "Animation ein/ausschalten.",
                [](TMyWindow& w) { w.ToggleAnimation(); },
                [](const TMyWindow& w) { return ItemState{true, w.AnimationOn == 1}; }},
  Menu("&Hilfe"),
    GameMenuRow{Kind::Command, 116, "&Inhalt", "", [](TMyWindow& w) { w.Help(); }},
    Separator(),
    GameMenuRow{Kind::Command, 104, "&Über QX Lorvix", "Über LORVIX.", [](TMyWindow& w) { w.About(); }},
};
// clang-format on

platform::MenuItem ItemOf(const GameMenuRow& row) {
  platform::MenuItem item;
  item.kind = row.kind == Kind::Check ? platform::MenuItem::Kind::Check
                                      : platform::MenuItem::Kind::Command;
  item.id = row.id;
  item.label = row.label;
  item.hint = row.hint;
  return item;
}

}  // namespace

std::span<const GameMenuRow> GameMenuRows() { return kRows; }

// The rows read like a menu script: a menu collects the items up to the
// next menu, a submenu those up to its end.
std::vector<platform::Menu> GameMenuBar() {
  std::vector<platform::Menu> bar;
  std::vector<platform::MenuItem>* items = nullptr;
  platform::MenuItem* submenu = nullptr;
  for (const GameMenuRow& row : kRows) {
    auto target = [&]() -> std::vector<platform::MenuItem>& {
      return submenu ? submenu->items : *items;
    };
    switch (row.kind) {
      case Kind::Menu:
        bar.push_back({row.label, {}});
        items = &bar.back().items;
        break;
      case Kind::Submenu:
        items->push_back({platform::MenuItem::Kind::Submenu, 0, row.label, row.hint, {}});
        submenu = &items->back();
        break;
      case Kind::EndSubmenu:
        submenu = nullptr;
        break;
      case Kind::Separator:
        target().push_back(platform::SeparatorItem());
        break;
      case Kind::Command:
      case Kind::Check:
        target().push_back(ItemOf(row));
        break;
    }
  }
  return bar;
}

const GameMenuRow* FindGameCommand(int id) {
  for (const GameMenuRow& row : kRows)
    if ((row.kind == Kind::Command || row.kind == Kind::Check) && row.id == id) return &row;
  return nullptr;
}

}  // namespace lorvix
