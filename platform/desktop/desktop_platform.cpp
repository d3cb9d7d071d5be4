// Placeholder until the wxWidgets side is built.

#include "platform/desktop/desktop_platform.h"

#include <stdexcept>

namespace platform {

std::unique_ptr<Platform> CreateDesktopPlatform(int /*argc*/, char** /*argv*/) {
  throw std::runtime_error("Die Fensteroberfläche ist noch nicht gebaut.");
}

}  // namespace platform
