#pragma once
// Where the game finds its own files and keeps the player's settings.

#include <string>

#include "gamewindow/game_window.h"

namespace lorvix {

inline constexpr const char* SETTINGS_FILE_NAME = "QX LORVIX 11.INI";

// The values of the environment variables that decide where files go; any
// of them may be null.
struct Environment {
  const char* xdgConfigHome = nullptr;
  const char* xdgDataHome = nullptr;
  const char* home = nullptr;
};

// The paths for an executable at `executablePath`. The program directory is
// the executable's directory with a final '/'. The settings file lies in
// $XDG_CONFIG_HOME/lorvix/, else in $HOME/.config/lorvix/, else (no usable
// variable) beside the program. The data directory is
// $XDG_DATA_HOME/lorvix/, else $HOME/.local/share/lorvix/, else none.
AppPaths AppPathsFor(const std::string& executablePath, const Environment& environment);

// The paths of the running program, from /proc/self/exe and the
// environment; creates the settings directory when it is missing.
AppPaths AppPathsOfThisProcess();

}  // namespace lorvix
