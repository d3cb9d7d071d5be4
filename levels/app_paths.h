#pragma once
// Where the game finds its own files and keeps the player's settings.

#include <string>

#include "gamewindow/game_window.h"

namespace lorvix {

inline constexpr const char* SETTINGS_FILE_NAME = "QX LORVIX 11.INI";

// The paths for an executable at `executablePath` with the given values of
// XDG_CONFIG_HOME and HOME (either may be null). The program directory is
// the executable's directory with a final '/'. The settings file lies in
// $XDG_CONFIG_HOME/lorvix/, else in $HOME/.config/lorvix/, else (no usable
// variable) beside the program.
AppPaths AppPathsFor(const std::string& executablePath, const char* xdgConfigHome,
                     const char* home);

// The paths of the running program, from /proc/self/exe and the
// environment; creates the settings directory when it is missing.
AppPaths AppPathsOfThisProcess();

}  // namespace lorvix
