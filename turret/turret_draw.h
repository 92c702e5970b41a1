#pragma once
// The turret-defence game's pictures, drawn into a 640x480 bitmap the caller gives.

struct BITMAP;

// The turret: red disc and yellow barrel at the centre, only while lives are left.
void desenha_jogador(BITMAP *bmp);
// Enemy index as a cyan disc, if it is in play.
void desenha_inimigo(BITMAP *bmp, int index);
// Every enemy in play, in index order.
void desenha_inimigos(BITMAP *bmp);
// Shot index as a white disc, if it is in flight.
void desenha_tiro(BITMAP *bmp, int index);
// Every shot in flight, in index order.
void desenha_tiros(BITMAP *bmp);
// The two white lines of score and lives at the top left.
void desenha_textos(BITMAP *bmp);

// One whole frame: turret, enemies, shots, then the texts, each covering the one before.
void desenha_quadro(BITMAP *bmp);
