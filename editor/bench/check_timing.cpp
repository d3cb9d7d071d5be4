// Measures "Prüfen" on the real desktop platform: the time from F5 to the
// result window and the processor time of the whole program meanwhile,
// the peak memory of the process, and how the window
// thread keeps its pace meanwhile (the gaps between its 5 ms ticks, at
// rest and while the check runs). Run it on a display (or under
// xvfb-run) from the build's bin folder:
//   lorvix-check-bench FILE LEVEL [EDIT_AFTER_SECONDS]
// With EDIT_AFTER_SECONDS the level is emptied that long after F5, and
// the time that edit takes to stop the check is measured instead.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/editor_check.h"
#include "editor/editor_frame.h"
#include "levels/any_level_file.h"
#include "levels/app_paths.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/keys.h"
#include "tools/bench/measure.h"

namespace {

using bench::Clock, bench::Ms, bench::CpuSeconds, bench::StatusMiB;

void PrintGaps(const char* when, const std::vector<Clock::time_point>& ticks) {
  const bench::Gaps gaps = bench::GapsBetween(ticks);
  if (gaps.count == 0) return;
  std::printf("tick gap %s: mean %.2f ms, p99 %.2f, max %.2f (%zu ticks)\n", when, gaps.mean, gaps.p99,
              gaps.max, gaps.count);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "Aufruf: lorvix-check-bench DATEI LEVEL [SEKUNDEN]\n");
    return 2;
  }
  lorvix::LevelRecord level;
  int32_t count = 0;
  if (lorvix::ReadAnyLevelFile(argv[1], std::atoi(argv[2]), level, count) != lorvix::LevelReadResult::Ok) {
    std::fprintf(stderr, "lorvix-check-bench: %s, level %s cannot be read\n", argv[1], argv[2]);
    return 2;
  }
  const double editAfter = argc == 4 ? std::atof(argv[3]) : 0;
  std::unique_ptr<platform::Platform> desktop = platform::CreateDesktopPlatform(1, argv);
  platform::Platform& platform = *desktop;
  lorvix::AppPaths paths = lorvix::AppPathsOfThisProcess();
  const auto scratch = std::filesystem::temp_directory_path() / "lorvix-check-bench";
  std::filesystem::create_directories(scratch);
  paths.settingsFile = (scratch / "settings.ini").string();

  auto game = std::make_unique<lorvix::TMyWindow>(platform, paths);
  auto editor = std::make_unique<lorvix::TMyEditFrameWindow>(*game);
  editor->Show();
  editor->Client.ApplyLevel(level);
  const lorvix::CheckResultWindow& result = editor->Client.Check->Result();

  // A second at rest, then F5 and ticks until the result shows.
  const Clock::time_point start = Clock::now();
  std::vector<Clock::time_point> atRest, checking;
  Clock::time_point pressed{}, shown{};
  double editMs = -1;
  double residentBefore = 0, cpuBefore = 0, cpuChecking = 0;
  platform.RunEventLoop([&] {
    const Clock::time_point now = Clock::now();
    if (pressed == Clock::time_point{}) {
      atRest.push_back(now);
      if (Ms(now - start) < 1000) return;
      residentBefore = StatusMiB("VmRSS");
      cpuBefore = CpuSeconds();
      pressed = Clock::now();
      editor->KeyDown(platform::VK_F5);
    } else if (editAfter > 0 && Ms(now - pressed) > editAfter * 1000) {
      editor->Client.ResetLevel();
      editMs = Ms(Clock::now() - now);
      platform.EndProgram();
    } else if (!result.IsOpen()) {
      checking.push_back(now);
    } else {
      shown = now;
      cpuChecking = CpuSeconds() - cpuBefore;
      platform.EndProgram();
    }
  });
  if (editMs >= 0) {
    std::printf("an edit %.1f s after F5 stopped the check in %.1f ms\n", editAfter, editMs);
  } else {
    std::printf("%s\n%s\n", result.Text(lorvix::CHECK_RESULT_HEADLINE).c_str(),
                result.Text(lorvix::CHECK_RESULT_NOTES).c_str());
    std::printf("F5 to result: %.2f s, processor %.2f s\n", Ms(shown - pressed) / 1000, cpuChecking);
  }
  std::printf("memory: %.0f MiB resident before the check, peak %.0f MiB\n", residentBefore,
              StatusMiB("VmHWM"));
  PrintGaps("at rest", atRest);
  PrintGaps("while checking", checking);
  editor.reset();
  game.reset();
  return 0;
}
