#pragma once
// The ant-and-cannon scene's state and its steps; no window involved.

#include <atomic>

// The row the scene stands on: the sky's last row, the cannon's pivot and the ant's feet.
const int bl = 399;
// Where the ant starts, and where it starts again after passing x = 0.
const int ANT_START_X = 650;
// Passes drawn with one leg picture before the other is shown is this number plus one.
const int PHASE_FRAMES_MAX = 10;
// The tick period in Allegro's hardware timer units (about 71.6 ticks a second).
const int TICK_PERIOD = 16666;

// The tick counter: the timer callback adds 1, the main loop takes 1 for each logic step.
extern std::atomic<int> ticks;

// The main loop's own state, reset each time the loop is entered.
struct scene_state {
    bool running = true;     // cleared when Escape is seen
    int ant_x = ANT_START_X; // x of the ant's head centre, 650 down to 0, then 650 again
    int leg_phase = 0;       // which of the two leg pictures is drawn, 0 or 1
    int phase_frames = 0;    // passes drawn since leg_phase last changed
};

// The timer callback: adds 1 to ticks and does nothing else.
void timer();

// One logic step: notes Escape and moves the ant one pixel to the left, wrapping below 0 to 650.
void logic_step(scene_state &s);

// Runs one logic step for every pending tick, taking each tick off the counter.
void work_off_ticks(scene_state &s);

// Counts one drawn pass and switches the leg picture after every 11th.
void count_pass(scene_state &s);

// The barrel's reach for a mouse position: *s to the right and *c downwards (0 or negative),
// both cut towards zero from a 30-pixel barrel aimed from the pivot on row 399 at the mouse.
void barrel_reach(int mouse_x, int mouse_y, int *s, int *c);
