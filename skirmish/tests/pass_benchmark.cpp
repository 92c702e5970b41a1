// The time of one pass of `skirmish` (one logic step and one frame into a memory back buffer) with
// the shot list of about an hour of play. The pass budget at 250.6 passes a second is 4 ms.
// In an hour the ten enemies fire about 9,000 shots (one each per 1001 passes) and the player, holding
// the button, about 4,500 (one per 201 passes); in the open arena misses stay in the list.

#include <benchmark/benchmark.h>

#include "headless.h"

#include "arcade_random.h"
#include "skirmish_draw.h"
#include "skirmish_enemy.h"
#include "skirmish_projectile.h"
#include "skirmish_rules.h"

namespace {

const int PASSES_PER_HOUR = 902160; // 3600 s at 250.6 passes a second
const int ENEMY_SHOTS_AN_HOUR = 9000;
const int PLAYER_SHOTS_AN_HOUR = 4500;

// A random place inside the arena.
void random_place(double *x, double *y)
{
    *x = arcade_rand() % SCREEN_WIDTH;
    *y = arcade_rand() % SCREEN_HEIGHT;
}

// Adds `count` shots of one side fired at even intervals over the hour, each as far along its line as
// its age takes it; when `near`, each is still where it was fired.
void add_shots(int count, bool friendly, bool near)
{
    for (int k = 0; k < count; k++) {
        double x, y, c, s;
        random_place(&x, &y);
        int heading = arcade_rand() % 256 - 128;
        unit_vector(heading, &c, &s);
        double age = near ? 0.0 : static_cast<double>(PASSES_PER_HOUR) * (k + 1) / count;
        new Projectile(friendly, static_cast<float>(x + age * c), static_cast<float>(y + age * s), heading);
    }
}

// Builds the open arena after an hour: the enemies drifted far away and the shots of both sides
// spread along their lines. When `near`, the enemies and every shot are still inside the window and
// all shots are the enemies', so that none ends and the list keeps its length.
void build_hour_of_play(int enemy_shots, int player_shots, bool near)
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
    bool players_side = !near; // near, the player's share is fired by enemies too
    add_shots(enemy_shots, false, near);
    add_shots(player_shots, players_side, near);
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

// Shots spread along their lines as an hour of flight takes them: most are far off screen. The
// arguments are the enemies' shots and the player's.
void BM_OpenArenaPassAfterAnHour(benchmark::State &state)
{
    build_hour_of_play(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), false);
    run_passes(state);
}
BENCHMARK(BM_OpenArenaPassAfterAnHour)
    ->Args({ENEMY_SHOTS_AN_HOUR, 0})
    ->Args({ENEMY_SHOTS_AN_HOUR, PLAYER_SHOTS_AN_HOUR})
    ->Unit(benchmark::kMicrosecond);

// The same numbers of shots, all inside the window: the most the drawing can cost.
void BM_OpenArenaPassAllShotsOnScreen(benchmark::State &state)
{
    build_hour_of_play(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true);
    run_passes(state);
}
BENCHMARK(BM_OpenArenaPassAllShotsOnScreen)
    ->Args({ENEMY_SHOTS_AN_HOUR, 0})
    ->Args({ENEMY_SHOTS_AN_HOUR, PLAYER_SHOTS_AN_HOUR})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
