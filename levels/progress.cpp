// Placeholder: records, solutions, replay and passwords.

#include "app/game_window.h"

namespace lorvix {

void TMyWindow::LevelSolved() {}
void TMyWindow::ReplaySolution() {}
void TMyWindow::DeleteRecords() {}
void TMyWindow::PasswordGate() {}

}  // namespace lorvix
