// The turret-defence program: start-up, the timer-driven logic loop, shut-down.
// TURRET_PROGRAM names the program in its start-up failure report.

#include <allegro.h>

#include <atomic>

#include "startup_failure.h"
#include "turret_draw.h"
#include "turret_rules.h"

const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const int FALLBACK_DEPTH = 32;
const long LOGIC_PERIOD = 33333; // timer units: one tick every 27.94 ms
const char WINDOW_TITLE[] = "Quillbox 2006-10-28: Tavernel";

// Touched by Allegro's timer and window threads; the main loop reads them afresh at every test.
std::atomic<int> logic_time{0};
std::atomic<int> close_game{0};

BITMAP *buffer = nullptr;

// Timer callback: counts one logic tick.
static void logic_timer()
{
    logic_time++;
}

// Close-button callback: asks the loop to end.
static void close_callback()
{
    close_game = 1;
}

// Starts Allegro, the window, the timer and the back buffer, or reports why not and exits with 1.
static void start_up()
{
    if (allegro_init() != 0)
        startup_failure(TURRET_PROGRAM, "cannot start Allegro");
    if (install_keyboard() != 0)
        startup_failure(TURRET_PROGRAM, "cannot install the keyboard");
    install_mouse(); // installed as the game always has, but never read
    if (install_timer() != 0)
        startup_failure(TURRET_PROGRAM, "cannot install the timer");
    int depth = desktop_color_depth();
    set_color_depth(depth != 0 ? depth : FALLBACK_DEPTH);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0)
        startup_failure(TURRET_PROGRAM, "cannot open a 640x480 window");
    set_window_title(WINDOW_TITLE);
    set_close_button_callback(close_callback);
    if (install_int_ex(logic_timer, LOGIC_PERIOD) != 0)
        startup_failure(TURRET_PROGRAM, "cannot install the logic timer");
    buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!buffer)
        startup_failure(TURRET_PROGRAM, "cannot create the back buffer");
    clear_to_color(buffer, makecol(0, 0, 0));
    inicializa_jogo();
}

// Draws one frame into the back buffer, shows it, and clears the buffer for the next.
static void draw_screen()
{
    desenha_quadro(buffer);
    blit(buffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    clear_to_color(buffer, makecol(0, 0, 0));
}

// Runs every pending tick, then draws, until Escape or the close button; never sleeps.
int main()
{
    start_up();
    int ticks_run = 0;
    while (!key[KEY_ESC] && close_game == 0) {
        while (ticks_run < logic_time) {
            do_logic();
            ticks_run++;
        }
        draw_screen();
    }
    destroy_bitmap(buffer);
    return 0;
}
END_OF_MAIN()
