#include "skirmish_enemy.h"

#include <algorithm>

#include "arcade_random.h"
#include "skirmish_projectile.h"
#include "skirmish_rules.h"

const int HALF_TURN = 128;
const int FULL_TURN = 256;

std::vector<Enemy *> Enemy::enemies;

namespace {
// Deletes the objects still listed when the program ends (by returning from main or through exit),
// just before the list itself is destroyed, so that nothing is left behind unreachable.
struct ReleaseAtExit {
    ~ReleaseAtExit()
    {
        for (Enemy *o : Enemy::enemies)
            delete o;
        Enemy::enemies.clear();
    }
} release_at_exit;
} // namespace

// The object is listed before any of its fields is set; the heading is the third random draw
// of a new enemy, after its x and y.
Enemy::Enemy(int x0, int y0)
{
    enemies.push_back(this);
    x = static_cast<float>(x0);
    y = static_cast<float>(y0);
    heading = arcade_rand() % FULL_TURN;
    cooldown = ENEMY_FIRST_COOLDOWN;
}

// The wall test is strict and leaves the position as it is. An enemy turns about only while it is
// beyond a wall and still heading out through it: the step back can round to a hair beyond the
// wall, and turning again there would pin the enemy to the wall for good.
void Enemy::act()
{
    double c, s;
    unit_vector(heading, &c, &s);
    x = static_cast<float>(x + ENEMY_SPEED * c);
    y = static_cast<float>(y + ENEMY_SPEED * s);

    if (!open_arena) {
        bool out_left = x < 0 && c < 0;
        bool out_right = x > SCREEN_WIDTH && c > 0;
        bool out_top = y < 0 && s < 0;
        bool out_bottom = y > SCREEN_HEIGHT && s > 0;
        if (out_left || out_right || out_top || out_bottom)
            heading = (heading + HALF_TURN) % FULL_TURN;
    }

    cooldown--;
    if (cooldown < 0) {
        float dx = player_x - x;
        int ox = ENEMY_AIM_OFFSET - arcade_rand() % ENEMY_AIM_SPREAD;
        float dy = player_y - y;
        int oy = ENEMY_AIM_OFFSET - arcade_rand() % ENEMY_AIM_SPREAD;
        int angle = aim_angle(ox + dx, oy + dy);
        new Projectile(false, static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)),
                       angle);
        cooldown = ENEMY_FIRE_COOLDOWN;
    }
}

// Scores, leaves the list (the others keep their order), appends a replacement drawn as x, y,
// heading, and only then deletes itself; the caller must not touch it afterwards.
void Enemy::kill()
{
    score += KILL_POINTS;
    enemies.erase(std::find(enemies.begin(), enemies.end(), this));
    int nx = arcade_rand() % SCREEN_WIDTH;
    int ny = arcade_rand() % SCREEN_HEIGHT;
    new Enemy(nx, ny);
    delete this;
}

// An index runs up to the list's size as it stands at each test.
void Enemy::Eact()
{
    for (size_t i = 0; i < enemies.size(); i++)
        enemies[i]->act();
}
