// The frame's catch-up of pending ticks: one step per tick, a bound per pass, Escape and the hit.

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

} // namespace
