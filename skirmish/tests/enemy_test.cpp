// The enemies: drift, turning about beyond the walls, firing with an aim error, and kill().

#include "arena_fixture.h"

#include <vector>

namespace {

TEST_F(ArenaTest, ANewEnemyIsListedLastWithARandomHeadingAndCooldown200)
{
    enemy_at(1, 1, 0);
    arcade_srand(7);
    int heading = arcade_rand() % 256;
    arcade_srand(7);
    Enemy *e = new Enemy(12, 34);
    ASSERT_EQ(Enemy::enemies.size(), 2u);
    EXPECT_EQ(Enemy::enemies.back(), e);
    EXPECT_EQ(e->x, 12.0f);
    EXPECT_EQ(e->y, 34.0f);
    EXPECT_EQ(e->heading, heading);
    EXPECT_EQ(e->cooldown, 200);
}

struct DriftCase {
    int heading;
    float x, y;
    bool single_differs; // a step computed in single precision would end elsewhere
};

TEST_F(ArenaTest, EnemiesDrift015PixelAlongTheHeadingInDoublePrecision)
{
    const DriftCase cases[] = {
        {0, 100, 200, false},  {64, 100, 200, false}, {128, 100, 200, false}, {192, 100, 200, false},
        {32, 100, 200, false}, {100, 100, 200, false}, {31, 100, 200, true},  {33, 200, 100, true},
    };
    for (const DriftCase &d : cases) {
        Enemy *e = enemy_at(d.x, d.y, d.heading);
        e->act();
        double c, s;
        unit_vector(d.heading, &c, &s);
        EXPECT_EQ(e->x, static_cast<float>(d.x + 0.15 * c)) << d.heading;
        EXPECT_EQ(e->y, static_cast<float>(d.y + 0.15 * s)) << d.heading;
        EXPECT_EQ(e->heading, d.heading) << "well inside, no turn";
        float single_x = d.x + 0.15f * static_cast<float>(c);
        float single_y = d.y + 0.15f * static_cast<float>(s);
        if (d.single_differs) {
            EXPECT_TRUE(single_x != e->x || single_y != e->y) << d.heading;
        }
    }
    Enemy *right = Enemy::enemies[0];
    EXPECT_EQ(right->x, static_cast<float>(100.0 + 0.15));
}

struct EdgeCase {
    const char *name;
    float x, y;
    int heading;
    int heading_after;
};

TEST_F(ArenaTest, TurnsAboutOnlyBeyondAWall)
{
    const EdgeCase cases[] = {
        {"on the right wall going down", 640, 100, 64, 64},
        {"on the top wall going right", 100, 0, 0, 0},
        {"just beyond the right wall", 640, 100, 0, 128},
        {"column 0 heading left", 0, 100, 128, 0},
        {"column 0 heading left and down", 0, 100, 96, 224},
        {"beyond the bottom wall", 100, 480, 64, 192},
        {"beyond the top wall", 100, 0, 192, 64},
        {"turning wraps within 0..255", 640, 100, 255, 127},
        {"inside near the left wall", 0.2f, 100, 128, 128},
    };
    for (const EdgeCase &c : cases) {
        Enemy *e = enemy_at(c.x, c.y, c.heading);
        e->act();
        EXPECT_EQ(e->heading, c.heading_after) << c.name;
    }
}

// The place that one step along `heading` takes to `wall` on the given axis, exactly.
float landing_on(double wall, int heading, bool along_x)
{
    double c, s;
    unit_vector(heading, &c, &s);
    return static_cast<float>(wall - ENEMY_SPEED * (along_x ? c : s));
}

struct WallLandingCase {
    const char *name;
    int heading;
    bool along_x;
    double wall;
};

TEST_F(ArenaTest, LandingExactlyOnAWallDoesNotTurnTheNextStepBeyondDoes)
{
    // Headings 72 and 136 have steps towards 0 that a float start cancels exactly.
    const WallLandingCase cases[] = {
        {"right wall", 0, true, 640}, {"left wall", 72, true, 0},
        {"bottom wall", 64, false, 480}, {"top wall", 136, false, 0},
    };
    for (const WallLandingCase &c : cases) {
        float start = landing_on(c.wall, c.heading, c.along_x);
        Enemy *e = enemy_at(c.along_x ? start : 300.0f, c.along_x ? 200.0f : start, c.heading);
        e->act();
        ASSERT_EQ(c.along_x ? e->x : e->y, static_cast<float>(c.wall)) << c.name << ": lands on the wall";
        EXPECT_EQ(e->heading, c.heading) << c.name << ": on the wall is not beyond it";
        e->act();
        EXPECT_EQ(e->heading, (c.heading + 128) % 256) << c.name << ": beyond the wall turns";
    }
}

TEST_F(ArenaTest, TurnedEnemyComesBackInsideInsteadOfStickingToTheWall)
{
    // Heading left from column 0: one step out, turn, and the step back rounds to a hair below 0.
    Enemy *e = enemy_at(0.0f, 100.0f, 128);
    e->act();
    EXPECT_LT(e->x, 0.0f);
    EXPECT_EQ(e->heading, 0);
    for (int i = 0; i < 100; i++)
        e->act();
    EXPECT_EQ(e->heading, 0);
    EXPECT_GT(e->x, 14.0f);
    EXPECT_EQ(e->y, 100.0f);
}

TEST_F(ArenaTest, HeadingDownShuttlesBetweenTopAndBottomForEver)
{
    Enemy *e = enemy_at(300.0f, 470.0f, 64);
    e->cooldown = 1 << 30; // no firing in this test
    int turns = 0;
    for (int i = 0; i < 20000; i++) {
        int before = e->heading;
        e->act();
        if (e->heading != before) {
            turns++;
            EXPECT_EQ(e->heading, before == 64 ? 192 : 64);
            EXPECT_TRUE(e->y > 480.0f || e->y < 0.0f) << "turns only beyond a wall";
        }
        ASSERT_GE(e->y, -0.16f);
        ASSERT_LE(e->y, 480.16f);
        ASSERT_EQ(e->x, 300.0f);
    }
    EXPECT_EQ(turns, 7) << "70 pixels down, then 480 pixels each way at 0.15 a pass";
}

// The passes (counted from 1) on which the enemy fired.
std::vector<int> enemy_firing_passes(Enemy *e, int passes)
{
    std::vector<int> fired;
    for (int pass = 1; pass <= passes; pass++) {
        size_t before = Projectile::projectiles.size();
        e->act();
        if (Projectile::projectiles.size() > before)
            fired.push_back(pass);
    }
    return fired;
}

TEST_F(ArenaTest, FirstShotOnPass201ThenEvery1001)
{
    Enemy *e = enemy_at(300.0f, 300.0f, 0);
    EXPECT_EQ(enemy_firing_passes(e, 2300), (std::vector<int>{201, 1202, 2203}));
    const Projectile *p = Projectile::projectiles[0];
    EXPECT_FALSE(p->friendly);
}

TEST_F(ArenaTest, ShotStartsAtTheCentreCutTowardsZero)
{
    // Heading down, the enemy first steps 0.15 down: to (100.9, 50.85) and to (-3.7, -2.05).
    const float starts[][2] = {{100.9f, 50.7f}, {-3.7f, -2.2f}};
    const float shot_at[][2] = {{100.0f, 50.0f}, {-3.0f, -2.0f}};
    for (int i = 0; i < 2; i++) {
        reset_arena();
        Enemy *e = enemy_at(starts[i][0], starts[i][1], 64);
        e->cooldown = 0;
        e->act();
        ASSERT_EQ(Projectile::projectiles.size(), 1u);
        EXPECT_EQ(Projectile::projectiles[0]->x, shot_at[i][0]);
        EXPECT_EQ(Projectile::projectiles[0]->y, shot_at[i][1]);
        EXPECT_EQ(e->cooldown, 1000);
    }
}

TEST_F(ArenaTest, AimErrorDrawsXThenYAndCancellingErrorsAimRight)
{
    const unsigned seed = 12345;
    arcade_srand(seed);
    int ox = 40 - arcade_rand() % 80;
    int oy = 40 - arcade_rand() % 80;
    ASSERT_NE(ox, oy) << "choose a seed whose two errors differ";
    ASSERT_GE(ox, -39);
    ASSERT_LE(ox, 40);

    // Heading down from 199.85 lands exactly on (200, 200) before aiming.
    Enemy *e = enemy_at(200.0f, static_cast<float>(200.0 - 0.15), 64);
    e->cooldown = 0;
    player_x = 200 - ox;
    player_y = 200 - oy;
    arcade_srand(seed);
    e->act();
    ASSERT_EQ(e->y, 200.0f);
    ASSERT_EQ(Projectile::projectiles.size(), 1u);
    EXPECT_EQ(Projectile::projectiles[0]->heading, 0);

    // With the draws taken the other way round the errors would not cancel.
    EXPECT_NE(aim_angle(oy - ox, ox - oy), 0);
}

TEST_F(ArenaTest, AimErrorsStayWithin40PixelsPerAxis)
{
    // The player far to the right: every angle stays within the cone of a 40 pixel error on each axis.
    Enemy *e = enemy_at(100.0f, 240.0f, 64);
    player_x = 600;
    player_y = 240;
    for (int i = 0; i < 200; i++) {
        e->y = 240.0f - 0.15f;
        e->x = 100.0f;
        e->cooldown = 0;
        e->act();
    }
    int lowest = 1000, highest = -1000;
    for (const Projectile *p : Projectile::projectiles) {
        lowest = std::min(lowest, p->heading);
        highest = std::max(highest, p->heading);
    }
    EXPECT_GE(lowest, aim_angle(500 - 39, -39));
    EXPECT_LE(highest, aim_angle(500 - 39, 40));
    EXPECT_LT(lowest, 0);
    EXPECT_GT(highest, 0);
}

TEST_F(ArenaTest, KillScores100AndPutsTheReplacementLast)
{
    start_arena();
    std::vector<Enemy *> before = Enemy::enemies;
    arcade_srand(99);
    int x = arcade_rand() % 640;
    int y = arcade_rand() % 480;
    int heading = arcade_rand() % 256;
    arcade_srand(99);
    before[3]->kill();
    EXPECT_EQ(score, 100);
    ASSERT_EQ(Enemy::enemies.size(), 10u);
    std::vector<Enemy *> kept(Enemy::enemies.begin(), Enemy::enemies.end() - 1);
    std::vector<Enemy *> expected = before;
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(kept, expected) << "the others keep their order";
    const Enemy *newest = Enemy::enemies.back();
    EXPECT_EQ(newest->x, static_cast<float>(x));
    EXPECT_EQ(newest->y, static_cast<float>(y));
    EXPECT_EQ(newest->heading, heading);
    EXPECT_EQ(newest->cooldown, 200);
}

} // namespace
