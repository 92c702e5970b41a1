// The rock-field frame's pacing: the catch-up of pending ticks and the loop of fields.

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

// Runs passes of one field until Escape (returns false) or a hit (returns true).
static bool play_field(std::atomic<int> &ticks, BITMAP *back, const field_calls &calls)
{
    for (;;) {
        if (key[KEY_ESC])
            return false;
        switch (catch_up(ticks, calls.step)) {
        case catch_up_end::escape:
            return false;
        case catch_up_end::hit:
            return true;
        case catch_up_end::caught_up:
            break;
        }
        calls.show(back);
    }
}

// Starts a field, plays it, and after a hit stops the timer and clears the back buffer for the
// next; returns on Escape.
void play_fields(std::atomic<int> &ticks, BITMAP *back, const field_calls &calls)
{
    for (;;) {
        calls.start_field();
        if (!play_field(ticks, back, calls))
            return;
        calls.stop_timer();
        clear_bitmap(back);
    }
}
