// The headless platform's hand-over from other threads: functions posted
// with CallAfter run on the thread that runs them, in order, and only then.

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

TEST(HeadlessCallAfter, PostedFunctionsRunInOrderOnTheThreadThatRunsThem) {
  HeadlessPlatform platform;
  std::vector<int> ran;
  std::vector<std::thread::id> threads;
  std::thread poster([&] {
    for (int i = 0; i < 3; ++i)
      platform.CallAfter([&, i] {
        ran.push_back(i);
        threads.push_back(std::this_thread::get_id());
      });
  });
  poster.join();
  EXPECT_TRUE(ran.empty()) << "nothing runs before it is asked to";

  platform.CallAfter([&] { platform.CallAfter([&] { ran.push_back(9); }); });
  EXPECT_EQ(platform.RunPosted(), 4);
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(threads, std::vector<std::thread::id>(3, std::this_thread::get_id()));
  EXPECT_EQ(platform.RunPosted(), 1) << "what a posted function posts waits for the next call";
  EXPECT_EQ(ran.back(), 9);
  EXPECT_EQ(platform.RunPosted(), 0);
}

TEST(HeadlessCallAfter, WaitingWakesForAPostAndTheEventLoopRunsThem) {
  HeadlessPlatform platform;
  int ran = 0;
  std::thread late([&] {
    std::this_thread::sleep_for(50ms);
    platform.CallAfter([&] { ++ran; });
  });
  EXPECT_EQ(platform.WaitForPosted(60s), 1);
  late.join();
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(platform.WaitForPosted(10ms), 0) << "nothing posted: it gives up";

  platform.CallAfter([&] { ++ran; });
  platform.loopTicks = 1;
  platform.RunEventLoop({});
  EXPECT_EQ(ran, 2);
}

}  // namespace
}  // namespace platform
