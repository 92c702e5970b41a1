// The moon-guard program: start-up, title screen, paced play loop, game-over screen.
// MOONGUARD_PROGRAM names the program, which also chooses the angles its meteors come from.

#include <allegro.h>

#include <chrono>
#include <ctime>

#include "arcade_random.h"
#include "moonguard_draw.h"
#include "moonguard_pace.h"
#include "moonguard_rules.h"
#include "startup_failure.h"

const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;

BITMAP *buffer = nullptr;
std::chrono::steady_clock::time_point start_time;

// Starts Allegro, the window and the back buffer, or reports why not and exits with status 1.
static void start_up()
{
    if (allegro_init() != 0)
        startup_failure(MOONGUARD_PROGRAM, "cannot start Allegro");
    if (install_keyboard() != 0)
        startup_failure(MOONGUARD_PROGRAM, "cannot install the keyboard");
    install_mouse();
    if (install_timer() != 0)
        startup_failure(MOONGUARD_PROGRAM, "cannot install the timer");
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0)
        startup_failure(MOONGUARD_PROGRAM, "cannot open a 640x480 window");
    arcade_srand(static_cast<unsigned int>(std::time(nullptr)));
    buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!buffer)
        startup_failure(MOONGUARD_PROGRAM, "cannot create the back buffer");
    clear_to_color(buffer, makecol(0, 0, 0)); // a new bitmap's content is unset
}

// Shows the title and waits, without pause, for Enter or Escape.
static void title_screen()
{
    draw_title(screen);
    while (!key[KEY_ENTER] && !key[KEY_ESC])
        poll_keyboard();
}

// Runs play frames until Escape (returns false) or the game is over (returns true).
static bool play()
{
    for (;;) {
        if (key[KEY_ESC])
            return false;
        start_time = std::chrono::steady_clock::now();
        play_step();
        draw_play(buffer);
        blit(buffer, screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(buffer, makecol(0, 0, 0));
        if (gameover)
            return true;
        wait_frame_end(start_time);
        loop_num++;
    }
}

// Writes the game-over lines over the last frame and waits for Escape.
static void game_over_screen()
{
    draw_game_over(screen);
    while (!key[KEY_ESC])
        poll_keyboard();
}

// Runs the title, play and game-over screens in turn.
int main()
{
    start_up();
    set_spawn_angles_for(MOONGUARD_PROGRAM);
    title_screen();
    if (play())
        game_over_screen();
    destroy_bitmap(buffer);
    return 0;
}
END_OF_MAIN()
