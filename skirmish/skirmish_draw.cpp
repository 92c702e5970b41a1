#include "skirmish_draw.h"

#include <allegro.h>

#include "skirmish_enemy.h"
#include "skirmish_projectile.h"
#include "skirmish_rules.h"

const int PLAYER_RADIUS = 10;
const int HP_TEXT_Y = 0;
const int SCORE_TEXT_Y = 10;
const int NO_BACKGROUND = -1;

// A filled dark red square of 21 by 21 pixels around the enemy's centre cut to whole pixels.
void Enemy::draw(BITMAP *bmp)
{
    int xi = static_cast<int>(x);
    int yi = static_cast<int>(y);
    rectfill(bmp, xi - ENEMY_HALF_SIDE, yi - ENEMY_HALF_SIDE, xi + ENEMY_HALF_SIDE, yi + ENEMY_HALF_SIDE,
             makecol(127, 0, 0));
}

// Draws every enemy; an index runs up to the list's size as it stands at each test.
void Enemy::Edraw(BITMAP *bmp)
{
    for (size_t i = 0; i < enemies.size(); i++)
        enemies[i]->draw(bmp);
}

// A disc of radius 5: green for the player's shots in the walled arena, red otherwise.
void Projectile::draw(BITMAP *bmp)
{
    int colour = (friendly && !open_arena) ? makecol(0, 255, 0) : makecol(255, 0, 0);
    circlefill(bmp, static_cast<int>(x), static_cast<int>(y), SHOT_RADIUS, colour);
}

// Draws every shot; an index runs up to the list's size as it stands at each test.
void Projectile::Pdraw(BITMAP *bmp)
{
    for (size_t i = 0; i < projectiles.size(); i++)
        projectiles[i]->draw(bmp);
}

// Later items cover earlier ones: black, enemies, shots, aiming line, player, texts.
void draw_frame(BITMAP *bmp)
{
    clear_bitmap(bmp);
    Enemy::Edraw(bmp);
    Projectile::Pdraw(bmp);
    int white = makecol(255, 255, 255);
    if (!open_arena)
        line(bmp, player_x, player_y, mouse_x, mouse_y, white);
    circlefill(bmp, player_x, player_y, PLAYER_RADIUS, makecol(0, 255, 0));
    if (!open_arena) {
        textprintf_ex(bmp, font, 0, HP_TEXT_Y, white, NO_BACKGROUND, "hp: %i", player_hp);
        textprintf_ex(bmp, font, 0, SCORE_TEXT_Y, white, NO_BACKGROUND, "score: %i", score);
    }
}
