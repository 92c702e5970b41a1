// The frame's pacing: the catch-up of pending ticks (one step per tick, a bound per pass, Escape and
// the hit) and the loop of fields around it.

#include <atomic>

#include "headless.h"
#include "rockfield_pace.h"

namespace {

struct catch_up_case {
    const char *name;
    int pending;
    int hit_at;    // the step that reports the hit; 0 none
    int escape_at; // Escape is held from before this step; 0 never, 1 before the first
    int steps_run;
    catch_up_end end;
    int pending_after;
};

const catch_up_case CASES[] = {
    {"nothing pending", 0, 0, 0, 0, catch_up_end::caught_up, 0},
    {"the backlog after a hit", 107, 0, 0, 107, catch_up_end::caught_up, 0},
    {"exactly the bound", 256, 0, 0, 256, catch_up_end::caught_up, 0},
    {"beyond the bound: the rest is dropped", 1000, 0, 0, 256, catch_up_end::caught_up, 0},
    {"a hit in the fifth step", 10, 5, 0, 5, catch_up_end::hit, 5},
    {"Escape held from the start", 10, 0, 1, 0, catch_up_end::escape, 10},
    {"Escape pressed during the catch-up", 10, 0, 4, 3, catch_up_end::escape, 7},
};

TEST(CatchUp, RunsOneStepPerPendingTickWithinItsBound)
{
    headless_allegro(16);
    for (const catch_up_case &c : CASES) {
        SCOPED_TRACE(c.name);
        release_all_keys();
        std::atomic<int> pending{c.pending};
        int run = 0;
        if (c.escape_at == 1)
            key[KEY_ESC] = 1;
        catch_up_end end = catch_up(pending, [&] {
            run++;
            if (c.escape_at > 1 && run == c.escape_at - 1)
                key[KEY_ESC] = 1;
            return run != c.hit_at;
        });
        EXPECT_EQ(run, c.steps_run);
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(pending.load(), c.pending_after);
    }
    release_all_keys();
}

// A scripted frame around play_fields: it counts what the loop calls, and each test says what the
// timer and the keys do at each call. The hit's pause adds the ticks a 3-second pause counts.
class FieldLoop : public ::testing::Test {
protected:
    static constexpr int PAUSE_TICKS = 107;
    const Rgb BLACK{0, 0, 0};

    std::atomic<int> ticks{0};
    int starts = 0, steps = 0, stops = 0, shows = 0;
    int hit_at_step = 0; // the step that hits the craft; 0 none
    bool escape_after_hit = false;
    std::function<void()> on_start = [] {};
    std::function<void()> on_show = [] {};

    void SetUp() override
    {
        headless_allegro(16);
        release_all_keys();
    }
    void TearDown() override { release_all_keys(); }

    // Runs play_fields with the scripted calls on the given back buffer.
    void play(BITMAP *back)
    {
        play_fields(ticks, back,
                    {[&] {
                         starts++;
                         on_start();
                     },
                     [&] {
                         steps++;
                         if (steps != hit_at_step)
                             return true;
                         ticks.fetch_add(PAUSE_TICKS);
                         if (escape_after_hit)
                             key[KEY_ESC] = 1;
                         return false;
                     },
                     [&] { stops++; },
                     [&](BITMAP *bmp) {
                         shows++;
                         clear_to_color(bmp, makecol(255, 255, 255));
                         on_show();
                     }});
    }
};

TEST_F(FieldLoop, ANewFieldStartsOnAClearedBufferAndRunsTheWholeBacklogBeforeItsFirstFrame)
{
    TestBitmap back(640, 480, 16);
    int black_at_second_start = -1, ticks_at_second_start = -1, steps_before_second_frame = -1;
    on_start = [&] {
        if (starts == 1) {
            ticks.store(2);
            return;
        }
        black_at_second_start = count_rgb(back, BLACK);
        ticks_at_second_start = ticks.load();
    };
    hit_at_step = 3;
    on_show = [&] {
        if (shows == 1)
            ticks.fetch_add(1); // the third step, which hits the craft
        else {
            steps_before_second_frame = steps - 3;
            key[KEY_ESC] = 1;
        }
    };
    play(back);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(black_at_second_start, 640 * 480) << "the first field's frame is cleared away";
    EXPECT_EQ(ticks_at_second_start, PAUSE_TICKS) << "the ticks of the pause are not reset";
    EXPECT_EQ(steps_before_second_frame, PAUSE_TICKS) << "the backlog runs at once";
    EXPECT_EQ(ticks.load(), 0);
}

TEST_F(FieldLoop, EscapeHeldWhenTheHitPauseEndsStillStartsTheNextFieldThenEndsWithoutAStep)
{
    TestBitmap back(640, 480, 16);
    on_start = [&] {
        if (starts == 1)
            ticks.store(1);
    };
    hit_at_step = 1;
    escape_after_hit = true;
    play(back);
    EXPECT_EQ(starts, 2) << "the next field is set up and its timer started";
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(steps, 1) << "no step of the new field runs";
    EXPECT_EQ(shows, 0);
    EXPECT_EQ(ticks.load(), PAUSE_TICKS);
}

} // namespace
