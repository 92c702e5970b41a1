#include "moonguard_pace.h"

#include <allegro.h>

// Busy-waits until the frame has lasted FRAME_TIME; a frame that already took longer returns at once.
void wait_frame_end(std::chrono::steady_clock::time_point start)
{
    while (std::chrono::steady_clock::now() - start < FRAME_TIME)
        poll_keyboard();
}
