// Measures the game on the real desktop platform: time from program start
// to the first picture on screen, the pace of the game tick, the time of
// one smooth glide, and the processor time the running game takes at rest.
// Run it on a display (or under xvfb-run) from the build's bin folder:
//   lorvix-shell-bench [SECONDS_AT_REST] [--no-animation]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/game_frame.h"
#include "gamewindow/game_window.h"
#include "levels/app_paths.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/keys.h"
#include "tools/bench/measure.h"

using bench::Clock, bench::Ms, bench::CpuSeconds;

int main(int argc, char** argv) {
  const Clock::time_point start = Clock::now();
  const double restSeconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const bool animation = !(argc > 2 && std::string(argv[2]) == "--no-animation");
  std::unique_ptr<platform::Platform> desktop = platform::CreateDesktopPlatform(argc, argv);
  platform::Platform& platform = *desktop;

  // A scratch settings file: first start, smooth movement, animation on.
  lorvix::AppPaths paths = lorvix::AppPathsOfThisProcess();
  const auto scratch = std::filesystem::temp_directory_path() / "lorvix-shell-bench";
  std::filesystem::create_directories(scratch);
  paths.settingsFile = (scratch / "settings.ini").string();
  std::filesystem::remove(paths.settingsFile);
  if (!animation) std::ofstream(paths.settingsFile) << "[SETUP]\nANIM2=0\n";

  auto window = std::make_unique<lorvix::TMyWindow>(platform, paths);
  auto frame = std::make_unique<lorvix::TMyFrameWindow>(*window);
  frame->Frame().Show(true);
  window->SetupGameWindow();

  // The first paint is queued when the frame shows, ahead of the first
  // tick; the first tick thus comes just after the first picture.
  std::vector<Clock::time_point> ticks;
  Clock::time_point glideStart{}, glideEnd{};
  double cpuAtRestStart = 0;
  enum class Phase { Settle, Glide, Rest } phase = Phase::Settle;
  platform.RunEventLoop([&] {
    const Clock::time_point now = Clock::now();
    ticks.push_back(now);
    window->GameTick();
    if (phase == Phase::Settle && Ms(now - start) > 1500) {
      window->TryMove(platform::VK_SPACE);  // the title goes
      window->TryMove(platform::VK_RIGHT);
      glideStart = now;
      phase = Phase::Glide;
    } else if (phase == Phase::Glide && window->GlideX == 0 && window->GlideY == 0) {
      glideEnd = now;
      cpuAtRestStart = CpuSeconds();
      phase = Phase::Rest;
    } else if (phase == Phase::Rest && Ms(now - glideEnd) > restSeconds * 1000) {
      platform.EndProgram();
    }
  });
  const double cpuAtRest = CpuSeconds() - cpuAtRestStart;

  const bench::Gaps gaps = bench::GapsBetween(ticks);
  std::printf("first tick, just after the first picture: %.0f ms after start\n",
              Ms(ticks.front() - start));
  std::printf("tick gap: mean %.2f ms, min %.2f, p99 %.2f (%zu ticks)\n", gaps.mean, gaps.min,
              gaps.p99, gaps.count);
  std::printf("one smooth glide (16 steps): %.1f ms\n", Ms(glideEnd - glideStart));
  std::printf("one slide step (6 ticks): %.1f ms (from the mean gap)\n", 6 * gaps.mean);
  std::printf("processor at rest: %.2f %% of one core over %.0f s\n",
              100.0 * cpuAtRest / restSeconds, restSeconds);
  frame.reset();
  window.reset();
  return 0;
}
