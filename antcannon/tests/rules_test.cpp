// The scene's logic without a window: the tick counter, the ant's walk, the legs, the barrel's aim.

#include <atomic>
#include <thread>

#include "antcannon_rules.h"
#include "headless.h"

namespace {

class SceneRules : public ::testing::Test {
protected:
    scene_state s;
    void SetUp() override
    {
        headless_allegro();
        ticks = 0;
    }
    void TearDown() override
    {
        release_all_keys();
        ticks = 0;
    }
};

TEST_F(SceneRules, StartState)
{
    EXPECT_TRUE(s.running);
    EXPECT_EQ(s.ant_x, 650);
    EXPECT_EQ(s.leg_phase, 0);
    EXPECT_EQ(s.phase_frames, 0);
}

TEST_F(SceneRules, TimerAddsOneTick)
{
    timer();
    timer();
    EXPECT_EQ(ticks.load(), 2);
}

// The ant after a number of ticks from a start position, the counter always worked off to 0.
struct WalkCase {
    int start_x, pending, expected_x;
};

TEST_F(SceneRules, AntWalksOnePixelPerTickAndWrapsFromZeroTo650)
{
    const WalkCase cases[] = {
        {650, 0, 650}, // nothing pending: nothing moves
        {650, 1, 649},
        {650, 3, 647},   // several ticks in one pass move the ant by as many pixels
        {1, 1, 0},       // drawn at 0, head half cut off
        {0, 1, 650},     // from 0 the next tick puts it back off screen to the right
        {1, 2, 650},
        {2, 5, 648},
        {650, 650, 0},   // 651 positions: 650 ticks reach 0 ...
        {650, 651, 650}, // ... and one more is the start again
    };
    for (const WalkCase &c : cases) {
        scene_state st;
        st.ant_x = c.start_x;
        ticks = c.pending;
        work_off_ticks(st);
        EXPECT_EQ(st.ant_x, c.expected_x) << "from " << c.start_x << " with " << c.pending << " ticks";
        EXPECT_EQ(ticks.load(), 0);
        EXPECT_TRUE(st.running);
    }
}

TEST_F(SceneRules, NegativeCounterRunsNoStep)
{
    ticks = -2;
    work_off_ticks(s);
    EXPECT_EQ(s.ant_x, 650);
    EXPECT_EQ(ticks.load(), -2);
}

TEST_F(SceneRules, EscapeIsSeenOnlyInALogicStepAndPendingTicksAreStillWorkedOff)
{
    key[KEY_ESC] = 1;
    work_off_ticks(s);
    EXPECT_TRUE(s.running) << "with no tick pending Escape is not looked at";

    ticks = 4;
    work_off_ticks(s);
    EXPECT_FALSE(s.running);
    EXPECT_EQ(s.ant_x, 646);
    EXPECT_EQ(ticks.load(), 0);

    release_all_keys();
    ticks = 1;
    work_off_ticks(s);
    EXPECT_FALSE(s.running) << "once seen, Escape stays seen";
}

TEST_F(SceneRules, TicksCountedWhileWorkingOffAreNeverLost)
{
    const int total = 200000;
    std::atomic<bool> done{false};
    std::thread callback([&] {
        for (int i = 0; i < total; i++)
            timer();
        done = true;
    });
    while (!done)
        work_off_ticks(s);
    callback.join();
    work_off_ticks(s);
    EXPECT_EQ(ticks.load(), 0);
    EXPECT_EQ(s.ant_x, 650 - total % 651) << "every tick counted moved the ant exactly once";
}

TEST_F(SceneRules, LegPictureSwitchesAfterPasses11_22_33)
{
    const struct {
        int passes, phase, phase_frames;
    } cases[] = {{1, 0, 1},  {10, 0, 10}, {11, 1, 0}, {12, 1, 1},
                 {21, 1, 10}, {22, 0, 0},  {33, 1, 0}, {34, 1, 1}};
    int passes = 0;
    for (const auto &c : cases) {
        for (; passes < c.passes; passes++)
            count_pass(s);
        EXPECT_EQ(s.leg_phase, c.phase) << "after " << c.passes << " passes";
        EXPECT_EQ(s.phase_frames, c.phase_frames) << "after " << c.passes << " passes";
    }
}

// The barrel's reach for a mouse position: end points (s, 396 + c) and (3 + s, 399 + c).
struct AimCase {
    int mouse_x, mouse_y, s, c;
    const char *what;
};

class BarrelAim : public ::testing::TestWithParam<AimCase> {};

TEST_P(BarrelAim, ReachesCutTowardsZero)
{
    const AimCase &a = GetParam();
    int s = -99, c = -99;
    barrel_reach(a.mouse_x, a.mouse_y, &s, &c);
    EXPECT_EQ(s, a.s) << a.what;
    EXPECT_EQ(c, a.c) << a.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BarrelAim,
    ::testing::Values(AimCase{100, 399, 30, 0, "on the pivot row: flat"},
                      AimCase{100, 450, 30, 0, "below the pivot row: flat"},
                      AimCase{639, 479, 30, 0, "bottom-right corner: flat"},
                      AimCase{5, 400, 30, 0, "one row below, close to the left: flat"},
                      AimCase{100, 300, 21, -21, "oblique: 21 and -21, a pixel short"},
                      AimCase{300, 99, 21, -21, "45 degrees: 21 and -21, not 21.2"},
                      AimCase{1, 0, 0, -29, "almost upright: -29.9998 cut to -29"},
                      AimCase{0, 100, 0, -30, "x 0 above the row: +infinity, upright"},
                      AimCase{0, 0, 0, -30, "top-left corner: upright"},
                      AimCase{0, 450, 30, 0, "x 0 below the row: -infinity, flat"},
                      AimCase{0, 399, 30, 0, "0 / 0 on the pivot itself: laid flat"},
                      AimCase{639, 398, 29, 0, "one row above, far right: nearly flat"}));

} // namespace
