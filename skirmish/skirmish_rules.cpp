#include "skirmish_rules.h"

#include <allegro.h>
#include <climits>

#include "arcade_random.h"
#include "skirmish_enemy.h"
#include "skirmish_projectile.h"

const int ANGLE_MASK = 0xFF;
const int LEFT_BUTTON = 1;

int player_x = SCREEN_WIDTH / 2;
int player_y = SCREEN_HEIGHT / 2;
int player_cooldown = 0;
int player_hp = PLAYER_START_HP;
int score = 0;
bool open_arena = false;

// Chooses the walled or the open arena.
void set_open_arena(bool open)
{
    open_arena = open;
}

// The table holds a whole turn, so the angle is taken modulo 256 first: the same entries are read,
// and the library's integer-to-fixed shift never sees a negative number.
void unit_vector(int angle, double *c, double *s)
{
    fixed a = itofix(angle & ANGLE_MASK);
    *c = fixtof(fixcos(a));
    *s = fixtof(fixsin(a));
}

// fixatan2 gives 0 for (0, 0); displacements beyond the fixed-point range are clamped by ftofix.
int aim_angle(double dx, double dy)
{
    return fixtoi(fixatan2(ftofix(dy), ftofix(dx)));
}

// Deletes every listed object and restores the player's start values.
void reset_arena()
{
    for (Enemy *e : Enemy::enemies)
        delete e;
    Enemy::enemies.clear();
    for (Projectile *p : Projectile::projectiles)
        delete p;
    Projectile::projectiles.clear();
    player_x = SCREEN_WIDTH / 2;
    player_y = SCREEN_HEIGHT / 2;
    player_cooldown = 0;
    player_hp = PLAYER_START_HP;
    score = 0;
}

// Empties the arena, centres the player, then draws x and y for each of ten enemies in turn
// (each constructor draws the heading after them).
void start_arena()
{
    reset_arena();
    for (int i = 0; i < ENEMY_COUNT; i++) {
        int x = arcade_rand() % SCREEN_WIDTH;
        int y = arcade_rand() % SCREEN_HEIGHT;
        new Enemy(x, y);
    }
}

// Each key's test sees the value left by the one before; the walled arena keeps the centre
// within 0..640 and 0..480 inclusive.
void move_player()
{
    if (key[KEY_W] && (open_arena || player_y > 0))
        player_y--;
    if (key[KEY_S] && (open_arena || player_y < SCREEN_HEIGHT))
        player_y++;
    if (key[KEY_A] && (open_arena || player_x > 0))
        player_x--;
    if (key[KEY_D] && (open_arena || player_x < SCREEN_WIDTH))
        player_x++;
}

// Any negative cooldown means ready; the count stops at the lowest integer instead of wrapping.
void fire_player()
{
    if ((mouse_b & LEFT_BUTTON) && player_cooldown < 0) {
        int angle = aim_angle(mouse_x - player_x, mouse_y - player_y);
        new Projectile(true, static_cast<float>(player_x), static_cast<float>(player_y), angle);
        player_cooldown = PLAYER_FIRE_COOLDOWN;
    }
    if (player_cooldown > INT_MIN)
        player_cooldown--;
}

// The player first, then the enemies (whose shots join the list after the player's), then the shots.
void logic_step()
{
    move_player();
    fire_player();
    Enemy::Eact();
    Projectile::Pact();
}
