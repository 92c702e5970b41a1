// The open arena of `skirmish`: the seven ways it differs from the walled one, and what follows.

#include "arena_fixture.h"

#include "skirmish_draw.h"

namespace {

class OpenArenaTest : public ArenaTest {
protected:
    void SetUp() override
    {
        ArenaTest::SetUp();
        set_open_arena(true);
    }
};

TEST_F(OpenArenaTest, KeysMoveThePlayerWithoutLimit)
{
    struct Case {
        int x0, y0;
        std::vector<int> keys;
        int x1, y1;
    };
    const Case cases[] = {
        {640, 240, {KEY_D}, 645, 240},  {0, 240, {KEY_A}, -5, 240},       {320, 0, {KEY_W}, 320, -5},
        {320, 480, {KEY_S}, 320, 485},  {320, 0, {KEY_W, KEY_S}, 320, 0}, {0, 240, {KEY_A, KEY_D}, 0, 240},
    };
    for (const Case &c : cases) {
        player_x = c.x0;
        player_y = c.y0;
        hold(c.keys);
        for (int i = 0; i < 5; i++)
            move_player();
        EXPECT_EQ(player_x, c.x1);
        EXPECT_EQ(player_y, c.y1);
    }
}

TEST_F(OpenArenaTest, NoLineNoTextAndEveryShotRed)
{
    TestBitmap frame(640, 480);
    mouse_x = 600;
    mouse_y = 400;
    Projectile *mine = new Projectile(true, 100.0f, 100.0f, 0);
    draw_frame(frame);
    EXPECT_EQ(count_rgb(frame, Rgb{255, 255, 255}), 0);
    EXPECT_EQ(pixel_rgb(frame, 100, 100), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixel_rgb(frame, 320, 240), (Rgb{0, 255, 0}));
    EXPECT_TRUE(mine->friendly);
}

TEST_F(OpenArenaTest, EnemiesKeepTheirHeadingBeyondTheWalls)
{
    Enemy *e = enemy_at(640.0f, 100.0f, 0);
    for (int i = 0; i < 100; i++)
        e->act();
    EXPECT_EQ(e->heading, 0);
    EXPECT_GT(e->x, 654.0f);
}

TEST_F(OpenArenaTest, ShotsFlyOnOffScreen)
{
    new Projectile(false, 640.0f, 100.0f, 0);
    new Projectile(true, 100.0f, 0.0f, -64);
    for (int i = 0; i < 50; i++)
        Projectile::Pact();
    ASSERT_EQ(Projectile::projectiles.size(), 2u);
    EXPECT_EQ(Projectile::projectiles[0]->x, 690.0f);
    EXPECT_EQ(Projectile::projectiles[1]->y, -50.0f);
}

TEST_F(OpenArenaTest, EnemyShotsPassThroughThePlayer)
{
    new Projectile(false, 320.0f, 200.0f, 64);
    for (int i = 0; i < 100; i++)
        Projectile::Pact();
    EXPECT_EQ(player_hp, 100);
    ASSERT_EQ(Projectile::projectiles.size(), 1u);
    EXPECT_EQ(Projectile::projectiles[0]->y, 300.0f);
}

TEST_F(OpenArenaTest, OffScreenShotKillsOffScreenEnemyAndTheReplacementIsInside)
{
    enemy_at(-500.0f, -300.0f, 0);
    new Projectile(true, -500.0f, -301.0f, 64);
    Projectile::Pact();
    EXPECT_EQ(score, 100);
    ASSERT_EQ(Enemy::enemies.size(), 1u);
    const Enemy *e = Enemy::enemies[0];
    EXPECT_GE(e->x, 0.0f);
    EXPECT_LT(e->x, 640.0f);
    EXPECT_GE(e->y, 0.0f);
    EXPECT_LT(e->y, 480.0f);
    EXPECT_TRUE(Projectile::projectiles.empty());
}

TEST_F(OpenArenaTest, OffScreenEnemiesStillAimAtThePlayer)
{
    Enemy *e = enemy_at(-1000.0f, 240.0f, 128);
    e->cooldown = 0;
    e->act();
    ASSERT_EQ(Projectile::projectiles.size(), 1u);
    int heading = Projectile::projectiles[0]->heading;
    EXPECT_GE(heading, -3) << "aimed right, within the aim error";
    EXPECT_LE(heading, 3);
}

} // namespace
