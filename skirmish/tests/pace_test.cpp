// The fixed pace: seven passes owed per logic tick, spread over the tick, a backlog of over a second
// dropped. The loop runs against a simulated clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

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

TEST(Pace, RestsToSpreadThePassesUnlessBehind)
{
    const long long owed[] = {0, 1, 6, 7, 8, 252};
    const int rest_ms[] = {1, 3, 3, 0, 0, 0};
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(rest_before_pass(owed[i]), rest_ms[i]) << owed[i] << " owed";
}

const double TICK_MS = LOGIC_TIMER_PERIOD * 1000.0 / 1193181.0;

// A machine on a simulated clock: every pass takes pass_ms (stall_ms once, at pass stall_at), every
// rest sleeps what it was asked plus rest_late_ms. Runs the paced loop for run_ms of simulated time
// and records when each pass began.
struct Machine {
    Machine(double pass, double rest_late, int stall_pass = -1, double stall = 0)
        : pass_ms(pass), rest_late_ms(rest_late), stall_at(stall_pass), stall_ms(stall)
    {
    }

    double pass_ms;
    double rest_late_ms;
    int stall_at;
    double stall_ms;

    double now = 0;
    std::vector<double> starts;

    void run(double run_ms)
    {
        run_paced([this] { return static_cast<int>(std::floor(now / TICK_MS)); },
                  [this](int ms) { now += ms + rest_late_ms; },
                  [this, run_ms] {
                      if (now >= run_ms)
                          return false;
                      starts.push_back(now);
                      now += static_cast<int>(starts.size()) == stall_at ? stall_ms : pass_ms;
                      return true;
                  });
    }

    // The passes begun in [from, to).
    int passes_between(double from, double to) const
    {
        return static_cast<int>(std::count_if(starts.begin(), starts.end(),
                                              [=](double t) { return t >= from && t < to; }));
    }

    // The longest time between the starts of two passes after `from`.
    double longest_gap_after(double from) const
    {
        double longest = 0;
        for (size_t i = 1; i < starts.size(); i++)
            if (starts[i - 1] >= from)
                longest = std::max(longest, starts[i] - starts[i - 1]);
        return longest;
    }
};

struct MachineCase {
    const char *name;
    double pass_ms;
    double rest_late_ms;
    double longest_gap_ms; // the passes stay spread over the tick
};

TEST(Pace, PassesAreSpreadOverTheTickAt250ASecond)
{
    const MachineCase cases[] = {
        {"fast machine, punctual rests", 0.2, 0.05, 10.0},
        {"fast machine, late rests", 0.2, 1.5, 10.0},
        {"slow passes", 2.5, 0.1, 10.0},
        {"passes near the budget", 3.9, 0.1, 8.0},
    };
    const double seconds = 10;
    for (const MachineCase &c : cases) {
        Machine m{c.pass_ms, c.rest_late_ms};
        m.run(seconds * 1000);
        double due = 7 * std::floor(seconds * 1000 / TICK_MS);
        EXPECT_LE(m.starts.size(), due) << c.name << ": never ahead of the timer";
        EXPECT_GE(m.starts.size(), due - 14) << c.name << ": keeps up, about 250.6 passes a second";
        EXPECT_LE(m.longest_gap_after(TICK_MS), c.longest_gap_ms) << c.name;
        EXPECT_EQ(m.passes_between(10 * TICK_MS, 11 * TICK_MS), 7) << c.name << ": seven passes in a tick";
    }
}

TEST(Pace, AStallOfTwoSecondsDropsTheBacklog)
{
    Machine m{0.2, 0.05, 100, 2000};
    m.run(3000);
    double stall_end = m.starts[99] + 2000;
    EXPECT_LE(m.passes_between(stall_end, stall_end + 2 * TICK_MS), 21)
        << "no burst of the seconds missed";
    EXPECT_GE(m.passes_between(stall_end + 2 * TICK_MS, stall_end + 12 * TICK_MS), 69) << "the pace goes on";
}

} // namespace
