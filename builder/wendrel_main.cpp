// Program entry of the pack builder: `wendrel [FILE.sda ...]`.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "builder/builder_app.h"
#include "platform/desktop/desktop_platform.h"

int main(int argc, char** argv) {
  // Taken before the toolkit starts, which may remove its own options.
  const std::vector<std::string> files(argv + 1, argv + argc);
  std::error_code error;
  std::string programPath = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) programPath = argv[0];

  std::unique_ptr<platform::Platform> platform;
  try {
    platform = platform::CreateDesktopPlatform(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wendrel: %s\n", e.what());
    return 1;
  }
  wendrel::TMyApp app(*platform, programPath, files);
  return app.Run();
}
