#include "turret_rules.h"

#include <allegro.h>

#include <cmath>

#include "arcade_random.h"

const double PI = 3.141592653589793;
const double PASSOS_POR_MEIA_VOLTA = 60.0;
const double VELOCIDADE_TIRO = 2.0;   // pixels a shot flies per tick
const double RAIO_CRIACAO = 400.0;    // enemies start this far from the centre
const int DIRECOES_CRIACAO = 720;     // the spawn direction is drawn from this many values
const int CHANCE_CRIACAO = 10;        // one tick in this many spawns an enemy, on average
const double ALCANCE_JOGADOR_2 = 900.0; // an enemy this close (squared) has reached the turret
const double ACERTO_2 = 82.0;         // truncated offsets with a smaller sum of squares hit
// A shot farther out than this can never hit an enemy (none is ever over 400 px out) and is out
// of view (the window's corners are 400 px out), so its record is freed for the next shot.
const double ALCANCE_TIRO = 420.0;

int vidas = VIDAS_INICIAIS;
int pontos = 0;
int angulo = 0;
int atirou = 0;
Tiro tiro[TIRO_MAX];
Inimigo inimigo[INIMIGO_MAX];

// Converts whole angle steps to radians.
double passos_para_radianos(int passos)
{
    return passos * PI / PASSOS_POR_MEIA_VOLTA;
}

// Resets lives, points, angle and latch, then both pools, enemies first.
void inicializa_jogo()
{
    vidas = VIDAS_INICIAIS;
    pontos = 0;
    angulo = 0;
    atirou = 0;
    inicializa_inimigos();
    inicializa_tiro();
}

// Clears every shot record.
void inicializa_tiro()
{
    for (Tiro &t : tiro)
        t = Tiro{0.0f, 0.0f, 0, 0};
}

// Starts a shot at the centre along the turret; the discarded draw moves the spawner's sequence on.
void cria_tiro(int index)
{
    arcade_rand();
    tiro[index] = Tiro{0.0f, 0.0f, angulo, 1};
}

// Takes the lowest free shot record.
void novo_tiro()
{
    for (int i = 0; i < TIRO_MAX; i++)
        if (!tiro[i].ativo) {
            cria_tiro(i);
            return;
        }
}

// Flies one tick; a shot out beyond every enemy gives its record back.
void move_tiro(int index)
{
    Tiro &t = tiro[index];
    if (!t.ativo)
        return;
    double r = passos_para_radianos(t.direcao);
    t.x = static_cast<float>(t.x + VELOCIDADE_TIRO * std::cos(r));
    t.y = static_cast<float>(t.y + VELOCIDADE_TIRO * std::sin(r));
    double x = t.x, y = t.y;
    if (x * x + y * y > ALCANCE_TIRO * ALCANCE_TIRO)
        t.ativo = 0;
}

// Moves the shots in index order.
void move_tiros()
{
    for (int i = 0; i < TIRO_MAX; i++)
        move_tiro(i);
}

// Clears every enemy record.
void inicializa_inimigos()
{
    for (Inimigo &e : inimigo)
        e = Inimigo{0.0f, 0.0f, 0};
}

// Places an enemy on the spawn circle in direction k angle steps.
void coloca_inimigo(int index, int k)
{
    double r = passos_para_radianos(k);
    inimigo[index].y = static_cast<float>(std::sin(r) * RAIO_CRIACAO);
    inimigo[index].x = static_cast<float>(std::cos(r) * RAIO_CRIACAO);
    inimigo[index].ativo = 1;
}

// Spawns into record index in one of the 720 drawn directions (six turns of 120 steps).
void cria_inimigo(int index)
{
    coloca_inimigo(index, arcade_rand() % DIRECOES_CRIACAO);
}

// Takes the lowest free enemy record.
void novo_inimigo()
{
    for (int i = 0; i < INIMIGO_MAX; i++)
        if (!inimigo[i].ativo) {
            cria_inimigo(i);
            return;
        }
}

// Draws once and spawns on a multiple of 10.
void criador_inimigos()
{
    if (arcade_rand() % CHANCE_CRIACAO == 0)
        novo_inimigo();
}

// Steps one pixel toward the centre, worked from the position before the step. The distance is
// summed in double and kept as a float; the step itself is float arithmetic throughout.
void move_inimigo(int index)
{
    Inimigo &e = inimigo[index];
    if (!e.ativo)
        return;
    const float x = e.x, y = e.y;
    const double x2 = static_cast<double>(x) * x, y2 = static_cast<double>(y) * y;
    const float d = static_cast<float>(std::sqrt(x2 + y2));
    if (d == 0.0f)
        return;
    e.x = x - x / d;
    e.y = y - y / d;
}

// Moves the enemies in index order.
void move_inimigos()
{
    for (int i = 0; i < INIMIGO_MAX; i++)
        move_inimigo(i);
}

// Left (or keypad 4) turns anticlockwise, right (or keypad 6) clockwise; both cancel.
void vira_jogador()
{
    if (key[KEY_LEFT] || key[KEY_4_PAD])
        angulo--;
    if (key[KEY_RIGHT] || key[KEY_6_PAD])
        angulo++;
    if (angulo < 0)
        angulo += ANGULO_PASSOS;
    angulo %= ANGULO_PASSOS;
}

// A press fires once and closes the latch, even with no free record; a release opens it.
void dispara()
{
    if (vidas == 0)
        return;
    if (key[KEY_SPACE] && !atirou) {
        novo_tiro();
        atirou = 1;
    } else if (!key[KEY_SPACE] && atirou) {
        atirou = 0;
    }
}

// Every enemy within reach of the turret is removed; each takes a life while any are left.
void colide_inimigos()
{
    if (vidas == 0)
        return;
    for (Inimigo &e : inimigo) {
        if (!e.ativo)
            continue;
        double x = e.x, y = e.y;
        if (x * x + y * y <= ALCANCE_JOGADOR_2) {
            if (vidas != 0)
                vidas--;
            e.ativo = 0;
        }
    }
}

// Each shot takes the lowest-indexed enemy its truncated offsets reach; one point per hit.
// Each offset is a float difference truncated toward zero; it is squared and summed in double
// precision, so nothing can overflow.
void colide_tiros()
{
    if (vidas == 0)
        return;
    for (Tiro &t : tiro) {
        if (!t.ativo)
            continue;
        for (Inimigo &e : inimigo) {
            if (!e.ativo)
                continue;
            const double dx = std::trunc(t.x - e.x);
            const double dy = std::trunc(t.y - e.y);
            if (dx * dx + dy * dy < ACERTO_2) {
                t.ativo = 0;
                e.ativo = 0;
                pontos++;
                break;
            }
        }
    }
}

// The steps of one tick, in their fixed order.
void do_logic()
{
    poll_keyboard();
    vira_jogador();
    criador_inimigos();
    move_inimigos();
    dispara();
    move_tiros();
    colide_inimigos();
    colide_tiros();
}
