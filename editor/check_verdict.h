#pragma once
// What "Prüfen" tells the designer, in German, from the report of the level
// check: that the level can be solved and in how few moves, with the
// moves; that it cannot, and why where the check knows; or how far the
// search came before it was stopped.

#include <string>
#include <vector>

#include "tools/solver/level_check.h"

namespace lorvix {

struct CheckVerdict {
  std::string headline;            // e.g. "Die Spielebene ist lösbar: mindestens 12 Züge."
  std::vector<std::string> notes;  // reasons and figures, one line each
  std::string keysCaption;         // what the keys are; empty when there are none
  std::string keys;                // R, L, U, D for the arrow keys
};

CheckVerdict VerdictOf(const solver::LevelReport& report);

// A count with points between groups of three digits: "1.234.567".
std::string GroupedNumber(size_t number);

}  // namespace lorvix
