#include "editor/check_verdict.h"

#include <array>

#include "game/tiles.h"

namespace lorvix {
namespace {

using solver::FaultKind;
using solver::LevelFault;
using solver::LevelReport;
using solver::SolveResult;

constexpr const char* kSolutionCaption = "Lösung (R rechts, L links, U hoch, D runter):";
constexpr const char* kShortcutCaption = "Weg zum Ausgang bei geschlossener Tür:";

// The pads the editor offers, by colour; the codes between them are pads
// that a level file may hold but nobody sees.
std::string TeleporterName(int32_t code) {
  constexpr std::array<const char*, 4> kColours = {"blaue", "grüne", "rote", "gelbe"};
  const int32_t offset = code - TILE_TELEPORT_BLUE;
  if (offset >= 0 && offset % 2 == 0 && offset / 2 < static_cast<int32_t>(kColours.size()))
    return std::string("Der ") + kColours[static_cast<size_t>(offset / 2)] + " Teleporter";
  return "Der unsichtbare Teleporter " + std::to_string(code);
}

std::string Squares(int count) { return std::to_string(count) + (count == 1 ? " Feld" : " Feldern"); }

// Why a level fails, in a sentence; empty for "not solvable", which the
// headline says already.
std::string Reason(const LevelFault& fault) {
  const std::string pair = std::to_string(fault.pair + 1);
  switch (fault.kind) {
    case FaultKind::StartNotPlaced: return "Die Startposition liegt außerhalb des Spielfelds.";
    case FaultKind::ExitNotPlaced: return "Der Ausgang liegt außerhalb des Spielfelds.";
    case FaultKind::ExitDoorNotPlaced: return "Die Tür zum Ausgang liegt außerhalb des Spielfelds.";
    case FaultKind::ExitDoorNotWall: return "Die Tür zum Ausgang steht auf keiner Wand.";
    case FaultKind::TeleporterNotPaired:
      return TeleporterName(fault.code) + " steht auf " + Squares(fault.count) + " statt auf 2.";
    case FaultKind::KeyOutside: return "Schlüssel " + pair + " liegt außerhalb des Spielfelds.";
    case FaultKind::DoorOutside: return "Tür " + pair + " liegt außerhalb des Spielfelds.";
    case FaultKind::ExitReachableWithDoorClosed: return "Der Ausgang ist auch bei geschlossener Tür erreichbar.";
    case FaultKind::CannotSearch: return "Die Spielebene enthält Felder, die die Suche nicht kennt.";
    case FaultKind::ExitDoorUndecided:
    case FaultKind::NotSolvable:
    case FaultKind::GaveUp:
    case FaultKind::Cancelled: break;
  }
  return {};
}

std::string Explored(const SolveResult& search) {
  return GroupedNumber(search.explored) + " Stellungen untersucht.";
}

const LevelFault* StoppingFault(const LevelReport& report) {
  for (const LevelFault& fault : report.faults)
    if (fault.kind == FaultKind::GaveUp || fault.kind == FaultKind::Cancelled) return &fault;
  return nullptr;
}

// Either search can be cancelled; only the solving one has a state limit.
CheckVerdict Stopped(const LevelReport& report, const LevelFault& fault) {
  const bool closedDoorSearch = report.closedDoor.status == solver::SolveStatus::Cancelled;
  const SolveResult& search = closedDoorSearch ? report.closedDoor : report.solution;
  CheckVerdict verdict;
  verdict.headline = "Nach " + GroupedNumber(search.explored) + " Stellungen abgebrochen.";
  if (fault.kind == FaultKind::GaveUp) verdict.notes.push_back("Die Suche hat die Grenze ihres Speichers erreicht.");
  return verdict;
}

CheckVerdict Unsolvable(const LevelReport& report) {
  CheckVerdict verdict;
  verdict.headline = "Die Spielebene ist nicht lösbar.";
  for (const LevelFault& fault : report.faults) {
    if (const std::string reason = Reason(fault); !reason.empty()) verdict.notes.push_back(reason);
    if (fault.kind == FaultKind::ExitReachableWithDoorClosed) {
      verdict.keysCaption = kShortcutCaption;
      verdict.keys = report.closedDoor.keys;
    }
    // A level whose blocks can never all be placed fails before the search
    // takes a step; "0 positions" would only puzzle the designer.
    if (fault.kind == FaultKind::NotSolvable && report.solution.explored > 0)
      verdict.notes.push_back(Explored(report.solution));
  }
  return verdict;
}

CheckVerdict Solvable(const LevelReport& report) {
  const int moves = report.solution.moves;
  CheckVerdict verdict;
  verdict.headline = "Die Spielebene ist lösbar: mindestens " + std::to_string(moves) +
                     (moves == 1 ? " Zug." : " Züge.");
  verdict.keysCaption = kSolutionCaption;
  verdict.keys = report.solution.keys;
  verdict.notes.push_back(Explored(report.solution));
  for (const LevelFault& warning : report.warnings)
    if (warning.kind == FaultKind::ExitDoorUndecided)
      verdict.notes.push_back("Ob der Ausgang bei geschlossener Tür erreichbar ist, blieb nach " +
                              GroupedNumber(report.closedDoor.explored) + " Stellungen offen.");
  return verdict;
}

}  // namespace

std::string GroupedNumber(size_t number) {
  std::string digits = std::to_string(number);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ".");
  return digits;
}

CheckVerdict VerdictOf(const LevelReport& report) {
  if (const LevelFault* stop = StoppingFault(report)) return Stopped(report, *stop);
  if (!report.Passed()) return Unsolvable(report);
  return Solvable(report);
}

}  // namespace lorvix
