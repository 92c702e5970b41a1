// The ant-and-cannon program: start-up, the tick-paced scene loop, shut-down.

#include <allegro.h>

#include <ctime>

#include "antcannon_pass.h"
#include "antcannon_rules.h"
#include "arcade_random.h"
#include "startup_failure.h"

const char PROGRAM[] = "antcannon";
const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const int COLOUR_DEPTH = 32;

BITMAP *buffer = nullptr;

// Copies the back buffer to the screen in one blit.
void swapBuffers()
{
    blit(buffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

// Runs the scene until Escape: the pending ticks' logic, one frame, then a sleep until the next tick.
void main_loop()
{
    scene_state s;
    while (s.running) {
        scene_pass(buffer, s);
        swapBuffers();
        while (ticks.load() <= 0)
            rest(1);
    }
}

// Starts Allegro, its services, the window, the back buffer and the tick, or reports why not and
// exits with status 1. Sound is set up but never used; a machine without sound carries on.
static void start_up()
{
    arcade_srand(static_cast<unsigned int>(std::time(nullptr)));
    if (allegro_init() != 0)
        startup_failure(PROGRAM, "cannot start Allegro");
    if (install_timer() != 0)
        startup_failure(PROGRAM, "cannot install the timer");
    if (install_mouse() < 0)
        startup_failure(PROGRAM, "cannot install the mouse");
    if (install_keyboard() != 0)
        startup_failure(PROGRAM, "cannot install the keyboard");
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    set_color_depth(COLOUR_DEPTH);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0)
        startup_failure(PROGRAM, "cannot open a 640x480 window");
    clear_bitmap(screen);
    buffer = create_bitmap(SCREEN_W, SCREEN_H);
    if (!buffer)
        startup_failure(PROGRAM, "cannot create the back buffer");
    if (install_int_ex(timer, TICK_PERIOD) != 0)
        startup_failure(PROGRAM, "cannot install the tick timer");
}

// Starts up, runs the scene, and shuts down in order: the tick, the back buffer, Allegro.
int main(int, char **)
{
    start_up();
    main_loop();
    remove_int(timer);
    destroy_bitmap(buffer);
    allegro_exit();
    return 0;
}
END_OF_MAIN()
