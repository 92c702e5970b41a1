#include "skirmish_projectile.h"

#include <cstddef>
#include <cstdlib>

#include "skirmish_enemy.h"
#include "skirmish_rules.h"

std::vector<Projectile *> Projectile::projectiles;

namespace {
// Deletes the objects still listed when the program ends (by returning from main or through exit),
// just before the list itself is destroyed, so that nothing is left behind unreachable.
struct ReleaseAtExit {
    ~ReleaseAtExit()
    {
        for (Projectile *o : Projectile::projectiles)
            delete o;
        Projectile::projectiles.clear();
    }
} release_at_exit;
} // namespace

// The object is listed before any of its fields is set.
Projectile::Projectile(bool f, float x0, float y0, int h)
{
    projectiles.push_back(this);
    friendly = f;
    x = x0;
    y = y0;
    heading = h;
}

// Moves one step; in the walled arena a shot beyond a wall ends. A player's shot kills the first
// listed enemy whose open 10 by 50 box holds it; an enemy's shot in the player's box costs a hit
// point, and the last one ends the program at once. Every end deletes the shot and returns false.
bool Projectile::act()
{
    double c, s;
    unit_vector(heading, &c, &s);
    x = static_cast<float>(x + c);
    y = static_cast<float>(y + s);

    if (!open_arena && (x < 0 || x > SCREEN_WIDTH || y < 0 || y > SCREEN_HEIGHT)) {
        delete this;
        return false;
    }

    if (friendly) {
        for (size_t i = 0; i < Enemy::enemies.size(); i++) {
            Enemy *e = Enemy::enemies[i];
            if (x > e->x - HIT_HALF_WIDTH && x < e->x + HIT_HALF_WIDTH && y > e->y - HIT_HALF_HEIGHT &&
                y < e->y + HIT_HALF_HEIGHT) {
                e->kill();
                delete this;
                return false;
            }
        }
    } else if (!open_arena) {
        if (x > player_x - PLAYER_HIT_HALF_WIDTH && x < player_x + PLAYER_HIT_HALF_WIDTH &&
            y > player_y - PLAYER_HIT_HALF_HEIGHT && y < player_y + PLAYER_HIT_HALF_HEIGHT) {
            player_hp--;
            if (player_hp == 0)
                std::exit(DEATH_STATUS);
            delete this;
            return false;
        }
    }
    return true;
}

// An entry whose shot ended is removed in place, so the index stays on the entry that moved down.
void Projectile::Pact()
{
    size_t i = 0;
    while (i < projectiles.size()) {
        if (projectiles[i]->act())
            i++;
        else
            projectiles.erase(projectiles.begin() + static_cast<std::ptrdiff_t>(i));
    }
}
