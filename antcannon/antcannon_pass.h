#pragma once
// One pass of the scene's main loop, short of showing it: the pending ticks' logic and the frame.

struct BITMAP;
struct scene_state;

// Works off the pending ticks, then draws the frame into bmp: background, barrel, ant, the pass
// counted for the legs, and the mouse cross over everything.
void scene_pass(BITMAP *bmp, scene_state &s);
