#pragma once
// The one-line hints the status bar shows while a menu command is
// highlighted (UTF-8).

namespace lorvix {

// The hint of a menu command, or nullptr when it has none.
const char* MenuHint(int commandId);

}  // namespace lorvix
