// The time of one pass of `skirmish` (one logic step and one frame into a memory back buffer) with
// the shot list of about an hour of play. The pass budget at 250.6 passes a second is 4 ms.

#include <benchmark/benchmark.h>

#include "headless.h"

#include "arcade_random.h"
#include "skirmish_draw.h"
#include "skirmish_enemy.h"
#include "skirmish_projectile.h"
#include "skirmish_rules.h"

namespace {

const int PASSES_PER_HOUR = 902160; // 3600 s at 250.6 passes a second
const int SHOTS_AFTER_AN_HOUR = 9000;
const int FRIENDLY_EVERY = 3; // one shot in three is the player's

// A random place inside the arena.
void random_place(double *x, double *y)
{
    *x = arcade_rand() % SCREEN_WIDTH;
    *y = arcade_rand() % SCREEN_HEIGHT;
}

// Builds the open arena after an hour: the enemies drifted far away, the shots fired at even
// intervals over the hour, each as far along its line as its age takes it. When `near`, every shot
// is an enemy's and still inside the window, so that none ends and the list keeps its length.
void build_hour_of_play(bool near)
{
    headless_allegro(32);
    set_open_arena(true);
    arcade_srand(1);
    start_arena();
    for (Enemy *e : Enemy::enemies) {
        double c, s;
        unit_vector(e->heading, &c, &s);
        double distance = near ? 0.0 : ENEMY_SPEED * PASSES_PER_HOUR;
        e->x = static_cast<float>(e->x + distance * c);
        e->y = static_cast<float>(e->y + distance * s);
    }
    for (int k = 0; k < SHOTS_AFTER_AN_HOUR; k++) {
        double x, y, c, s;
        random_place(&x, &y);
        int heading = arcade_rand() % 256 - 128;
        unit_vector(heading, &c, &s);
        double age = near ? 0.0 : static_cast<double>(PASSES_PER_HOUR) * (k + 1) / SHOTS_AFTER_AN_HOUR;
        bool friendly = !near && k % FRIENDLY_EVERY == 0;
        new Projectile(friendly, static_cast<float>(x + age * c), static_cast<float>(y + age * s),
                       heading);
    }
    mouse_x = 600;
    mouse_y = 100;
    mouse_b = 1; // the player keeps firing
}

// Runs whole passes on the prepared arena and reports the list's length.
void run_passes(benchmark::State &state)
{
    TestBitmap buffer(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (auto _ : state) {
        logic_step();
        draw_frame(buffer);
        benchmark::ClobberMemory();
    }
    state.counters["shots"] = static_cast<double>(Projectile::projectiles.size());
    reset_arena();
    mouse_b = 0;
}

// Shots spread along their lines as an hour of flight takes them: most are far off screen.
void BM_OpenArenaPassAfterAnHour(benchmark::State &state)
{
    build_hour_of_play(false);
    run_passes(state);
}
BENCHMARK(BM_OpenArenaPassAfterAnHour)->Unit(benchmark::kMicrosecond);

// The same number of shots, all inside the window: the most the drawing can cost.
void BM_OpenArenaPassAllShotsOnScreen(benchmark::State &state)
{
    build_hour_of_play(true);
    run_passes(state);
}
BENCHMARK(BM_OpenArenaPassAllShotsOnScreen)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
