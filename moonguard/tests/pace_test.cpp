// The play frame's pacing: 20 ms of elapsed time on a monotonic clock.

#include <gtest/gtest.h>

#include <chrono>

#include "headless.h"
#include "moonguard_pace.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

TEST(MoonguardPace, AFrameLastsAtLeast20MillisecondsFromItsStart)
{
    headless_allegro();
    for (int already : {0, 5, 19}) {
        steady_clock::time_point start = steady_clock::now() - milliseconds(already);
        wait_frame_end(start);
        EXPECT_GE(steady_clock::now() - start, milliseconds(20)) << already << " ms already spent";
    }
}

} // namespace
