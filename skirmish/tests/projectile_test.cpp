// The shots: flight, leaving the arena, the 10 by 50 hit boxes, Pact's removals and the death.

#include "arena_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace {

TEST_F(ArenaTest, ANewShotIsListedLastWithItsFields)
{
    new Projectile(false, 1, 2, 3);
    Projectile *p = new Projectile(true, 10.5f, 20.25f, -17);
    ASSERT_EQ(Projectile::projectiles.size(), 2u);
    EXPECT_EQ(Projectile::projectiles.back(), p);
    EXPECT_TRUE(p->friendly);
    EXPECT_EQ(p->x, 10.5f);
    EXPECT_EQ(p->y, 20.25f);
    EXPECT_EQ(p->heading, -17);
}

TEST_F(ArenaTest, ShotsFlyOnePixelAlongTheHeading)
{
    const int headings[] = {0, 64, -64, 128, 32, -100};
    for (int h : headings) {
        Projectile *p = new Projectile(false, 300.0f, 200.0f, h);
        ASSERT_TRUE(p->act());
        double c, s;
        unit_vector(h, &c, &s);
        EXPECT_EQ(p->x, static_cast<float>(300.0 + c)) << h;
        EXPECT_EQ(p->y, static_cast<float>(200.0 + s)) << h;
    }
}

struct LeaveCase {
    float x, y;
    int heading;
    bool lives;
};

TEST_F(ArenaTest, ShotsLiveOnTheEdgeAndEndBeyondIt)
{
    const LeaveCase cases[] = {
        {639, 100, 0, true},  {640, 100, 0, false}, {1, 100, 128, true},  {0, 100, 128, false},
        {100, 479, 64, true}, {100, 480, 64, false}, {100, 1, -64, true}, {100, 0, -64, false},
    };
    for (const LeaveCase &c : cases) {
        new Projectile(false, c.x, c.y, c.heading);
        Projectile::Pact();
        EXPECT_EQ(Projectile::projectiles.size(), c.lives ? 1u : 0u)
            << "from " << c.x << ", " << c.y << " heading " << c.heading;
        reset_arena();
    }
}

TEST_F(ArenaTest, AShotBeyondTheWallLeavesBeforeItCanHit)
{
    // Both targets stand on the right wall, their boxes reaching beyond it; each shot steps from
    // 640 to 641, inside the box but beyond the wall.
    for (bool friendly : {false, true}) {
        reset_arena();
        player_x = 640;
        Enemy *e = enemy_at(640.0f, 240.0f, 0);
        new Projectile(friendly, 640.0f, 240.0f, 0);
        Projectile::Pact();
        EXPECT_TRUE(Projectile::projectiles.empty()) << friendly;
        EXPECT_EQ(player_hp, 100) << friendly;
        EXPECT_EQ(score, 0) << friendly;
        ASSERT_EQ(Enemy::enemies.size(), 1u);
        EXPECT_EQ(Enemy::enemies[0], e) << friendly;
    }
}

struct BoxCase {
    float dx, dy; // the shot's place after its step, from the target's centre
    bool hit;
};

const BoxCase BOX_CASES[] = {
    {5, -40, true},    {10, 0, false}, {-10, 0, false},   {9.5f, 0, true},   {-9.5f, -49.5f, true},
    {0, 49.5f, true},  {0, 50, false}, {0, -50, false},   {0, 0, true},      {20, 20, false},
};

TEST_F(ArenaTest, PlayerShotKillsTheEnemyWhoseOpenBoxHoldsIt)
{
    for (const BoxCase &c : BOX_CASES) {
        reset_arena();
        enemy_at(300.0f, 200.0f, 0);
        // Heading 64 moves straight down by exactly one pixel.
        new Projectile(true, 300.0f + c.dx, 200.0f + c.dy - 1.0f, 64);
        Projectile::Pact();
        EXPECT_EQ(score, c.hit ? 100 : 0) << c.dx << ", " << c.dy;
        EXPECT_EQ(Projectile::projectiles.size(), c.hit ? 0u : 1u) << c.dx << ", " << c.dy;
        ASSERT_EQ(Enemy::enemies.size(), 1u);
    }
}

TEST_F(ArenaTest, EnemyShotCostsAHitPointInsideThePlayersBox)
{
    for (const BoxCase &c : BOX_CASES) {
        reset_arena();
        new Projectile(false, 320.0f + c.dx, 240.0f + c.dy - 1.0f, 64);
        Projectile::Pact();
        EXPECT_EQ(player_hp, c.hit ? 99 : 100) << c.dx << ", " << c.dy;
        EXPECT_EQ(Projectile::projectiles.size(), c.hit ? 0u : 1u) << c.dx << ", " << c.dy;
    }
}

TEST_F(ArenaTest, OnlyTheEarlierOfTwoEnemiesDies)
{
    Enemy *first = enemy_at(300.0f, 200.0f, 0);
    Enemy *second = enemy_at(305.0f, 210.0f, 0);
    new Projectile(true, 302.0f, 204.0f, 64);
    Projectile::Pact();
    EXPECT_EQ(score, 100);
    ASSERT_EQ(Enemy::enemies.size(), 2u);
    EXPECT_EQ(Enemy::enemies[0], second);
    EXPECT_NE(Enemy::enemies[1], first);
    EXPECT_TRUE(Projectile::projectiles.empty());
}

TEST_F(ArenaTest, ShotsPassThroughTheirOwnSide)
{
    enemy_at(100.0f, 100.0f, 0);
    Projectile *theirs = new Projectile(false, 100.0f, 99.0f, 64);
    Projectile *mine = new Projectile(true, 320.0f, 239.0f, 64);
    Projectile::Pact();
    EXPECT_EQ(Projectile::projectiles.size(), 2u);
    EXPECT_EQ(theirs->y, 100.0f);
    EXPECT_EQ(mine->y, 240.0f);
    EXPECT_EQ(player_hp, 100);
    EXPECT_EQ(score, 0);
}

TEST_F(ArenaTest, PactDropsNeighboursAndTheNextShotStillActs)
{
    enemy_at(300.0f, 200.0f, 0);
    Projectile *first = new Projectile(false, 100.0f, 100.0f, 0);
    new Projectile(false, 640.0f, 100.0f, 0);   // leaves
    new Projectile(true, 300.0f, 199.0f, 64);   // hits the enemy
    new Projectile(false, 320.0f, 239.0f, 64);  // hits the player
    Projectile *last = new Projectile(false, 50.0f, 50.0f, 0);
    Projectile::Pact();
    ASSERT_EQ(Projectile::projectiles.size(), 2u);
    EXPECT_EQ(Projectile::projectiles[0], first);
    EXPECT_EQ(Projectile::projectiles[1], last);
    EXPECT_EQ(first->x, 101.0f);
    EXPECT_EQ(last->x, 51.0f) << "the shot after the removed ones acted once";
    EXPECT_EQ(score, 100);
    EXPECT_EQ(player_hp, 99);
}

TEST_F(ArenaTest, SeveralHitsInOnePassEachCount)
{
    for (int i = 0; i < 99; i++)
        new Projectile(false, 320.0f, 239.0f, 64);
    Projectile *later = new Projectile(false, 50.0f, 50.0f, 0);
    Projectile::Pact();
    EXPECT_EQ(player_hp, 1);
    ASSERT_EQ(Projectile::projectiles.size(), 1u);
    EXPECT_EQ(later->x, 51.0f);
}

// Reports, as the program ends, the hit points and where the shot after the fatal one stands.
void report_at_exit()
{
    std::fprintf(stderr, "hp %d, %zu shots listed, last at %.1f\n", player_hp, Projectile::projectiles.size(),
                 static_cast<double>(Projectile::projectiles.back()->x));
}

// Death tests run first, while the test program has no other threads.
class ArenaDeathTest : public ArenaTest {};

TEST_F(ArenaDeathTest, TheHundredthHitEndsWithStatusMinusOneInTheMiddleOfPact)
{
    for (int i = 0; i < 100; i++)
        new Projectile(false, 320.0f, 239.0f, 64);
    new Projectile(false, 50.0f, 50.0f, 0);
    EXPECT_EXIT(
        {
            std::atexit(report_at_exit);
            Projectile::Pact();
        },
        ::testing::ExitedWithCode(255), "hp 0, 2 shots listed, last at 50.0");
}

} // namespace
