#include "turret_draw.h"

#include <allegro.h>

#include <cmath>

#include "turret_rules.h"

const int CENTRO_X = 640 / 2;
const int CENTRO_Y = 480 / 2;
const int RAIO_JOGADOR = 30;
const double COMPRIMENTO_CANO = 50.0;
const int RAIO_INIMIGO = 10;
const int RAIO_TIRO = 5;
const int TEXTO_X = 10;
const int PONTOS_Y = 10;
const int VIDAS_Y = 20;

// The screen point of a float offset from the centre, each sum truncated toward zero.
static void ponto_na_tela(float x, float y, int *sx, int *sy)
{
    *sx = static_cast<int>(CENTRO_X + x);
    *sy = static_cast<int>(CENTRO_Y + y);
}

// Draws the disc, then the barrel from the centre along angulo.
void desenha_jogador(BITMAP *bmp)
{
    if (vidas == 0)
        return;
    double r = passos_para_radianos(angulo);
    int s = static_cast<int>(std::sin(r) * COMPRIMENTO_CANO);
    int c = static_cast<int>(std::cos(r) * COMPRIMENTO_CANO);
    circlefill(bmp, CENTRO_X, CENTRO_Y, RAIO_JOGADOR, makecol(255, 0, 0));
    line(bmp, CENTRO_X, CENTRO_Y, CENTRO_X + c, CENTRO_Y + s, makecol(255, 255, 0));
}

// Draws one enemy in play.
void desenha_inimigo(BITMAP *bmp, int index)
{
    const Inimigo &e = inimigo[index];
    if (!e.ativo)
        return;
    int x, y;
    ponto_na_tela(e.x, e.y, &x, &y);
    circlefill(bmp, x, y, RAIO_INIMIGO, makecol(0, 255, 255));
}

// Draws the enemies in index order.
void desenha_inimigos(BITMAP *bmp)
{
    for (int i = 0; i < INIMIGO_MAX; i++)
        desenha_inimigo(bmp, i);
}

// Draws one shot in flight.
void desenha_tiro(BITMAP *bmp, int index)
{
    const Tiro &t = tiro[index];
    if (!t.ativo)
        return;
    int x, y;
    ponto_na_tela(t.x, t.y, &x, &y);
    circlefill(bmp, x, y, RAIO_TIRO, makecol(255, 255, 255));
}

// Draws the shots in index order.
void desenha_tiros(BITMAP *bmp)
{
    for (int i = 0; i < TIRO_MAX; i++)
        desenha_tiro(bmp, i);
}

// Writes "score: N" and "lifes: N" with no background.
void desenha_textos(BITMAP *bmp)
{
    int branco = makecol(255, 255, 255);
    textprintf_ex(bmp, font, TEXTO_X, PONTOS_Y, branco, -1, "score: %d", pontos);
    textprintf_ex(bmp, font, TEXTO_X, VIDAS_Y, branco, -1, "lifes: %d", vidas);
}

// Draws the frame's layers in order.
void desenha_quadro(BITMAP *bmp)
{
    desenha_jogador(bmp);
    desenha_inimigos(bmp);
    desenha_tiros(bmp);
    desenha_textos(bmp);
}
