// The rock-field frame's catch-up of pending ticks.

#include "rockfield_pace.h"

#include <allegro.h>

// Runs the pending steps of one pass, at most MAX_STEPS_PER_PASS of them.
catch_up_end catch_up(std::atomic<int> &pending, const std::function<bool()> &step)
{
    for (int done = 0; pending.load() > 0; done++) {
        if (key[KEY_ESC])
            return catch_up_end::escape;
        if (done == MAX_STEPS_PER_PASS) {
            pending.exchange(0); // one read-modify-write, like every other change to the count
            break;
        }
        pending.fetch_sub(1);
        if (!step())
            return catch_up_end::hit;
    }
    return catch_up_end::caught_up;
}
