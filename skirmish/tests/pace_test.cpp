// The fixed pace: seven passes owed per logic tick, a backlog of over a second dropped.

#include <gtest/gtest.h>

#include <climits>

#include "skirmish_pace.h"

namespace {

struct PaceCase {
    const char *name;
    int ticks;
    long long run_before;
    long long owed;
    long long run_after;
};

TEST(Pace, SevenPassesPerTickAndNoLongBacklog)
{
    const PaceCase cases[] = {
        {"no tick yet", 0, 0, 0, 0},
        {"first tick", 1, 0, 7, 0},
        {"tick done", 1, 7, 0, 7},
        {"part of a tick done", 3, 16, 5, 16},
        {"a second behind is kept", 40, 28, 252, 28},
        {"more than a second behind is dropped", 40, 27, 7, 273},
        {"long stall", 1000, 70, 7, 6993},
        {"counter wrapped", INT_MIN, 15032385529LL, 7, INT_MIN * 7LL - 7},
        {"far on", INT_MAX, INT_MAX * 7LL - 1, 1, INT_MAX * 7LL - 1},
    };
    for (const PaceCase &c : cases) {
        long long run = c.run_before;
        EXPECT_EQ(passes_owed(c.ticks, run), c.owed) << c.name;
        EXPECT_EQ(run, c.run_after) << c.name;
    }
}

TEST(Pace, RunningEveryOwedPassKeepsSevenPerTick)
{
    long long run = 0;
    for (int tick = 1; tick <= 1000; tick++) {
        int passes = 0;
        while (passes_owed(tick, run) > 0) {
            run++;
            passes++;
        }
        EXPECT_EQ(passes, 7) << tick;
    }
}

} // namespace
