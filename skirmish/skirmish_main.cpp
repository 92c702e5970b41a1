// The arena-shooter program: start-up, the loop paced at seven passes a logic tick, shut-down.
// SKIRMISH_PROGRAM names the program; SKIRMISH_OPEN_ARENA is 1 for the open arena, 0 for the walled one.

#include <allegro.h>

#include <atomic>

#include "skirmish_draw.h"
#include "skirmish_pace.h"
#include "skirmish_rules.h"
#include "startup_failure.h"

BITMAP *buffer = nullptr;
std::atomic<int> logic_time{0};

// Counts one logic tick; runs on Allegro's timer thread.
static void logic_timer()
{
    logic_time.fetch_add(1);
}
END_OF_STATIC_FUNCTION(logic_timer)

// Starts Allegro, input, the timer, the window and the back buffer, or reports why not and exits 1.
static void start_up()
{
    if (allegro_init() != 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot start Allegro");
    if (install_keyboard() != 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot install the keyboard");
    if (install_mouse() < 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot install the mouse");
    if (install_timer() != 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot install the timer");
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot open a 640x480 window");
    LOCK_VARIABLE(logic_time);
    LOCK_FUNCTION(logic_timer);
    if (install_int_ex(logic_timer, LOGIC_TIMER_PERIOD) != 0)
        startup_failure(SKIRMISH_PROGRAM, "cannot install the logic timer");
    buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!buffer)
        startup_failure(SKIRMISH_PROGRAM, "cannot create the back buffer");
}

// Runs passes until Escape: each pass is one logic step and one frame, at the fixed pace.
static void play()
{
    run_paced([] { return logic_time.load(); }, [](int ms) { rest(ms); },
              [] {
                  if (key[KEY_ESC])
                      return false;
                  logic_step();
                  draw_frame(buffer);
                  blit(buffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
                  return true;
              });
}

// Starts up, builds the opening arena from the unseeded generator, plays, and frees the back buffer.
int main()
{
    start_up();
    set_open_arena(SKIRMISH_OPEN_ARENA != 0);
    start_arena();
    play();
    destroy_bitmap(buffer);
    return 0;
}
END_OF_MAIN()
