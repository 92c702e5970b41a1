#include "antcannon_rules.h"

#include <allegro.h>

#include <cmath>

const double BARREL_LENGTH = 30.0;
const double QUARTER_TURN = 1.5707963267948966;

std::atomic<int> ticks{0};

// Adds 1 to the tick counter in one indivisible step.
void timer()
{
    ticks.fetch_add(1);
}

// Notes Escape, then moves the ant left one pixel, back to the start once it passes 0.
void logic_step(scene_state &s)
{
    if (key[KEY_ESC])
        s.running = false;
    s.ant_x -= 1;
    if (s.ant_x < 0)
        s.ant_x = ANT_START_X;
}

// Works off the pending ticks one by one; ticks that arrive meanwhile are worked off too.
void work_off_ticks(scene_state &s)
{
    while (ticks.load() > 0) {
        logic_step(s);
        ticks.fetch_sub(1);
    }
}

// Counts the pass; after 11 passes with one picture, switches to the other.
void count_pass(scene_state &s)
{
    s.phase_frames += 1;
    if (s.phase_frames > PHASE_FRAMES_MAX) {
        s.leg_phase = s.leg_phase == 0 ? 1 : 0;
        s.phase_frames = 0;
    }
}

// Aims the barrel between flat and upright: atan of the height over mouse_x, in double precision.
// The height over 0 gives plus or minus infinity; 0 / 0 (the mouse on the pivot itself) has no
// direction and lays the barrel flat, as does any aim below the pivot row.
void barrel_reach(int mouse_x, int mouse_y, int *s, int *c)
{
    double dy = bl - mouse_y;
    double theta = std::atan(dy / mouse_x);
    if (std::isnan(theta) || theta < 0)
        theta = 0;
    double phi = theta + QUARTER_TURN;
    *c = static_cast<int>(std::cos(phi) * BARREL_LENGTH);
    *s = static_cast<int>(std::sin(phi) * BARREL_LENGTH);
}
