// The worst logic tick the rules allow: 300 shots in flight and 700 enemies in play, lives left,
// the fire key held on a full pool and a turning key down, so every step and both collision tests
// run over the full pools (300 x 700 shot-enemy pairs, none of them a hit). Also one whole frame
// drawn into a memory bitmap with the same pools. A tick has 27.94 ms (33333 timer units).

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "arcade_random.h"
#include "turret_draw.h"
#include "turret_rules.h"

namespace {

// Full pools: enemies 300 to 399 px out, shots 100 to 250 px out, so no shot is near an enemy,
// no enemy is near the turret and no shot is near the far limit.
void fill_pools()
{
    inicializa_jogo();
    for (int i = 0; i < INIMIGO_MAX; i++) {
        coloca_inimigo(i, i % ANGULO_PASSOS);
        float scale = (300.0f + (i * 37) % 100) / 400.0f;
        inimigo[i].x *= scale;
        inimigo[i].y *= scale;
    }
    for (int i = 0; i < TIRO_MAX; i++) {
        angulo = (i * 7) % ANGULO_PASSOS;
        novo_tiro();
        for (int step = 0; step < 50 + i % 76; step++)
            move_tiro(i);
    }
    angulo = 0;
    atirou = 0;
}

// One do_logic with full pools; the pools are refilled outside the timing.
void BM_WorstTick(benchmark::State &state)
{
    key[KEY_SPACE] = 1;
    key[KEY_RIGHT] = 1;
    for (auto _ : state) {
        state.PauseTiming();
        fill_pools();
        state.ResumeTiming();
        do_logic();
    }
    // The tick must have tested everything and hit nothing.
    if (pontos != 0 || vidas != VIDAS_INICIAIS)
        state.SkipWithError("the tick's pools collided");
    key[KEY_SPACE] = 0;
    key[KEY_RIGHT] = 0;
}
BENCHMARK(BM_WorstTick)->Unit(benchmark::kMillisecond);

// One whole frame of full pools into a 640x480 memory bitmap at 32 bits.
void BM_FullFrame(benchmark::State &state)
{
    BITMAP *bmp = create_bitmap_ex(32, 640, 480);
    fill_pools();
    for (auto _ : state) {
        desenha_quadro(bmp);
        clear_to_color(bmp, makecol(0, 0, 0));
    }
    destroy_bitmap(bmp);
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMillisecond);

} // namespace

// Starts Allegro without a window for the drawing, then runs the benchmarks.
int main(int argc, char **argv)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(32);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
