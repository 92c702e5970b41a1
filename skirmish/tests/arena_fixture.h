#pragma once
// A clean arena for each test: Allegro without a window, no keys, no buttons, the walled arena, an
// empty enemy and shot list, the player's start values and the generator at its unseeded start.

#include "headless.h"

#include <vector>

#include "arcade_random.h"
#include "skirmish_enemy.h"
#include "skirmish_projectile.h"
#include "skirmish_rules.h"

class ArenaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_allegro(32);
        set_open_arena(false);
        reset_arena();
        arcade_srand(1);
        mouse_x = 0;
        mouse_y = 0;
        mouse_b = 0;
    }

    void TearDown() override
    {
        reset_arena();
        set_open_arena(false);
        release_all_keys();
        mouse_b = 0;
    }

    // Holds exactly the given keys down.
    static void hold(const std::vector<int> &keys)
    {
        release_all_keys();
        for (int k : keys)
            key[k] = 1;
    }

    // A new enemy at (x, y) with the given heading, its cooldown left at the start value.
    static Enemy *enemy_at(float x, float y, int heading)
    {
        Enemy *e = new Enemy(0, 0);
        e->x = x;
        e->y = y;
        e->heading = heading;
        return e;
    }
};
