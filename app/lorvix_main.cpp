// Program entry of the game.

#include <cstdio>
#include <exception>

#include "app/lorvix_app.h"
#include "editor/editor_frame.h"
#include "levels/app_paths.h"
#include "platform/desktop/desktop_platform.h"

int main(int argc, char** argv) {
  std::unique_ptr<platform::Platform> platform;
  try {
    platform = platform::CreateDesktopPlatform(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lorvix: %s\n", e.what());
    return 1;
  }
  lorvix::CreateEditorFrame = lorvix::MakeEditorFrame;
  lorvix::TMyApp app(*platform, lorvix::AppPathsOfThisProcess());
  return app.Run();
}
