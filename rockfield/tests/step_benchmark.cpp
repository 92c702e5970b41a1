// One field step at 1,000, 10,000 and 100,000 records: the linear contact scan against the
// straightforward walk.

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "arcade_random.h"
#include "rockfield_rules.h"
#include "straight_walk.h"

namespace {

// Starts Allegro without a window once, so the key array can be read.
void start_allegro()
{
    static bool started = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
    if (!started)
        std::abort();
}

// A field that stays the same from step to step: the craft in the middle, resting rocks at least
// 40 pixels from it (so none touches it), and three resting shots on the craft that never expire
// and touch no rock. Every pair of different types is tested, none makes anything happen.
void steady_field(int records)
{
    set_field_size(640, 480);
    rocks.clear();
    rocks.push_back(rock{CRAFT_RADIUS, 320, 240, 0, 0, NEVER_EXPIRES, CRAFT, 0});
    player = &rocks.front();
    arcade_srand(1);
    while (static_cast<int>(rocks.size()) < records - 3) {
        double x = arcade_rand() % 640, y = arcade_rand() % 480;
        if (std::hypot(x - 320, y - 240) < 40)
            continue;
        rocks.push_back(rock{ROCK_RADIUS, x, y, 0, 0, NEVER_EXPIRES, ROCK, arcade_rand() / 32767.0 * 360});
    }
    for (int i = 0; i < 3; i++)
        rocks.push_back(rock{SHOT_RADIUS, 320.0 + i, 240, 0, 0, NEVER_EXPIRES, SHOT, 0});
    tts = 0;
}

// Times one step of the given kind on a steady field of state.range(0) records.
void time_step(benchmark::State &state, bool (*step)())
{
    start_allegro();
    steady_field(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bool goes_on = step();
        benchmark::DoNotOptimize(goes_on);
        if (!goes_on)
            state.SkipWithError("the craft was hit");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_step_scan(benchmark::State &state)
{
    time_step(state, logic);
}

void BM_step_walk(benchmark::State &state)
{
    time_step(state, logic_walk);
}

BENCHMARK(BM_step_scan)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_step_walk)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
