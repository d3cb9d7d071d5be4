#pragma once
// The real platform: windows, menus and dialogs through wxWidgets (GTK 3),
// sound and music through SDL2_mixer. Programs make one at start and keep
// it until they end.

#include <memory>

#include "platform/platform.h"

namespace platform {

// Starts the toolkit with the program's command line. Never null; throws
// std::runtime_error when no display can be opened.
std::unique_ptr<Platform> CreateDesktopPlatform(int argc, char** argv);

}  // namespace platform
