// The rock-field program: start-up, the tick timer, and what the busy loop of fields
// (play_fields) calls: a new field with its timer, the field step, and a frame on the screen.

#include <allegro.h>

#include <atomic>

#include "rockfield_draw.h"
#include "rockfield_pace.h"
#include "rockfield_rules.h"
#include "startup_failure.h"

const char *const PROGRAM = "rockfield";
const int COLOUR_DEPTH = 16;
const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const long TICK_PERIOD = 33333; // timer units: a tick every 27.94 ms
const unsigned int HIT_PAUSE_MS = 3000;

// Field steps counted by the timer and not yet run.
std::atomic<int> ticks{0};

// The timer callback: one more step to run.
void upd_timer()
{
    ticks.fetch_add(1);
}
END_OF_FUNCTION(upd_timer)

// Starts Allegro, the 16-bit window, keyboard and timer, and the back buffer, or reports why not
// and exits with status 1.
static BITMAP *start_up()
{
    if (allegro_init() != 0)
        startup_failure(PROGRAM, "cannot start Allegro");
    set_color_depth(COLOUR_DEPTH);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0)
        startup_failure(PROGRAM, "cannot open a 640x480 window in 16-bit colour");
    if (install_keyboard() != 0)
        startup_failure(PROGRAM, "cannot install the keyboard");
    if (install_timer() != 0)
        startup_failure(PROGRAM, "cannot install the timer");
    BITMAP *back = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!back)
        startup_failure(PROGRAM, "cannot create the back buffer");
    clear_bitmap(back); // the library leaves a new bitmap's content unset
    set_field_size(SCREEN_W, SCREEN_H);
    return back;
}

// The hit as the player sees it: the message straight on the screen, then a pause.
static void show_hit_on_screen()
{
    draw_hit_message(screen);
    rest(HIT_PAUSE_MS);
}

// Builds a new field and starts the tick timer for it.
static void start_field()
{
    init();
    if (install_int_ex(upd_timer, TICK_PERIOD) != 0)
        startup_failure(PROGRAM, "cannot install the tick timer");
}

// Stops the tick timer after a hit.
static void stop_timer()
{
    remove_int(upd_timer);
}

// Draws the field into the back buffer and copies it to the screen.
static void show_frame(BITMAP *back)
{
    draw(back);
    blit(back, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

// Plays field after field until Escape; returns 0.
int main()
{
    BITMAP *back = start_up();
    LOCK_FUNCTION(upd_timer);
    show_hit = show_hit_on_screen;
    play_fields(ticks, back, {start_field, logic, stop_timer, show_frame});
    destroy_bitmap(back);
    return 0;
}
END_OF_MAIN()
