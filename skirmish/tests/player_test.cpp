// The player's movement and firing, the angle helpers, the opening arena and the order of a pass.

#include "arena_fixture.h"

#include <climits>
#include <vector>

namespace {

struct MoveCase {
    const char *name;
    int x0, y0;
    std::vector<int> keys;
    int passes;
    int x1, y1;
};

const MoveCase WALLED_MOVES[] = {
    {"W moves up", 320, 240, {KEY_W}, 3, 320, 237},
    {"S moves down", 320, 240, {KEY_S}, 3, 320, 243},
    {"A moves left", 320, 240, {KEY_A}, 3, 317, 240},
    {"D moves right", 320, 240, {KEY_D}, 3, 323, 240},
    {"W stays at row 0", 320, 0, {KEY_W}, 5, 320, 0},
    {"S stops at row 480", 320, 477, {KEY_S}, 5, 320, 480},
    {"A stops at column 0", 2, 240, {KEY_A}, 5, 0, 240},
    {"D stops at column 640", 637, 240, {KEY_D}, 5, 640, 240},
    {"W and S cancel", 320, 240, {KEY_W, KEY_S}, 5, 320, 240},
    {"A and D cancel", 320, 240, {KEY_A, KEY_D}, 5, 320, 240},
    {"W and S at row 0 move to 1 first", 320, 0, {KEY_W, KEY_S}, 1, 320, 1},
    {"W and S at row 0 then cancel", 320, 0, {KEY_W, KEY_S}, 6, 320, 1},
    {"A and D at column 0 move to 1 first", 0, 240, {KEY_A, KEY_D}, 1, 1, 240},
    {"A and D at column 0 then cancel", 0, 240, {KEY_A, KEY_D}, 6, 1, 240},
    {"W and S at row 480 cancel", 320, 480, {KEY_W, KEY_S}, 4, 320, 480},
    {"A and D at column 640 cancel", 640, 240, {KEY_A, KEY_D}, 4, 640, 240},
    {"W and D into the top right corner", 638, 1, {KEY_W, KEY_D}, 5, 640, 0},
};

TEST_F(ArenaTest, MovementFollowsTheKeysInOrderWithinTheWalls)
{
    for (const MoveCase &c : WALLED_MOVES) {
        player_x = c.x0;
        player_y = c.y0;
        hold(c.keys);
        for (int i = 0; i < c.passes; i++)
            move_player();
        EXPECT_EQ(player_x, c.x1) << c.name;
        EXPECT_EQ(player_y, c.y1) << c.name;
    }
}

// The passes (counted from 1) on which fire_player made a shot.
std::vector<int> firing_passes(int first, int last)
{
    std::vector<int> fired;
    for (int pass = first; pass <= last; pass++) {
        size_t before = Projectile::projectiles.size();
        fire_player();
        if (Projectile::projectiles.size() > before)
            fired.push_back(pass);
    }
    return fired;
}

TEST_F(ArenaTest, HeldButtonFiresOnPassesTwoThenEvery201)
{
    mouse_x = 600;
    mouse_y = 240;
    mouse_b = 1;
    EXPECT_EQ(firing_passes(1, 500), (std::vector<int>{2, 203, 404}));
    EXPECT_EQ(player_cooldown, 200 - (500 - 404) - 1);
}

TEST_F(ArenaTest, OnlyTheLeftButtonFires)
{
    mouse_b = 2;
    EXPECT_TRUE(firing_passes(1, 300).empty());
    EXPECT_EQ(player_cooldown, -300);
}

TEST_F(ArenaTest, PressAfterALongReleaseFiresAtOnce)
{
    mouse_b = 1;
    EXPECT_EQ(firing_passes(1, 2), (std::vector<int>{2}));
    mouse_b = 0;
    EXPECT_TRUE(firing_passes(3, 1500).empty());
    EXPECT_LT(player_cooldown, -1000) << "the count runs on below zero";
    mouse_b = 1;
    EXPECT_EQ(firing_passes(1501, 1502), (std::vector<int>{1501}));
}

TEST_F(ArenaTest, CooldownStopsAtTheLowestIntegerAndStaysReady)
{
    player_cooldown = INT_MIN + 1;
    firing_passes(1, 3);
    EXPECT_EQ(player_cooldown, INT_MIN);
    mouse_b = 1;
    EXPECT_EQ(firing_passes(4, 4), (std::vector<int>{4}));
    EXPECT_EQ(player_cooldown, PLAYER_FIRE_COOLDOWN - 1);
}

struct AimCase {
    int dx, dy;
    int angle;
};

TEST_F(ArenaTest, ShotLeavesTheCentreAtTheAimAngleOfThePointer)
{
    const AimCase cases[] = {
        {0, 0, 0},     {100, 0, 0},    {0, 100, 64},   {-100, 0, 128}, {0, -100, -64},
        {100, 100, 32}, {-100, 100, 96}, {-100, -100, -96}, {100, -100, -32}, {1, 0, 0},
        {41, -1, 0},    {-41, 1, 128},   {-1, -41, -64},
    };
    for (const AimCase &c : cases) {
        reset_arena();
        player_x = 200;
        player_y = 150;
        player_cooldown = -1;
        mouse_x = 200 + c.dx;
        mouse_y = 150 + c.dy;
        mouse_b = 1;
        fire_player();
        ASSERT_EQ(Projectile::projectiles.size(), 1u);
        const Projectile *p = Projectile::projectiles[0];
        EXPECT_EQ(p->heading, c.angle) << "pointer offset " << c.dx << ", " << c.dy;
        EXPECT_TRUE(p->friendly);
        EXPECT_EQ(p->x, 200.0f);
        EXPECT_EQ(p->y, 150.0f);
    }
}

struct AimAngleCase {
    double dx, dy;
    double library; // the library's fixed-point arctangent, in angle units
    int angle;
};

TEST_F(ArenaTest, AimAngleRoundsTheLibraryArctangentHalvesUp)
{
    const AimAngleCase cases[] = {
        {1000, 1000, 32, 32},
        {0, 0, 0, 0},
        {-5, 0, 128, 128},
        {10, 3, 12, 12},
        {3, -1, -13, -13},
        {41, -1, -0.5, 0},      // rounded down it would be -1
        {-41, 1, 127.5, 128},   // cut towards zero it would be 127
        {1, 41, 63.5, 64},
        {-1, -41, -64.5, -64},  // the exact arctangent, -64.54, would round to -65
        {150.5, -0.25, -0.5, 0}, // an enemy's aim is a float displacement
        {100000, 0, 0, 0},      // far beyond the fixed-point range: clamped, not wrapped
        {0, -100000, -64, -64},
    };
    for (const AimAngleCase &c : cases) {
        fixed library = fixatan2(ftofix(c.dy), ftofix(c.dx));
        ASSERT_EQ(fixtof(library), c.library) << c.dx << ", " << c.dy;
        EXPECT_EQ(aim_angle(c.dx, c.dy), c.angle) << c.dx << ", " << c.dy;
        EXPECT_EQ(aim_angle(c.dx, c.dy), fixtoi(library)) << c.dx << ", " << c.dy;
    }
}

TEST_F(ArenaTest, UnitVectorsComeFromTheLibraryTablesForEveryAngle)
{
    double c, s;
    unit_vector(0, &c, &s);
    EXPECT_EQ(c, 1.0);
    EXPECT_EQ(s, 0.0);
    unit_vector(64, &c, &s);
    EXPECT_EQ(c, 0.0);
    EXPECT_EQ(s, 1.0);
    unit_vector(128, &c, &s);
    EXPECT_EQ(c, -1.0);
    unit_vector(-64, &c, &s);
    EXPECT_EQ(s, -1.0);
    for (int a = -128; a <= 255; a++) {
        unit_vector(a, &c, &s);
        EXPECT_EQ(c, fixtof(fixcos(a * 65536))) << a;
        EXPECT_EQ(s, fixtof(fixsin(a * 65536))) << a;
    }
}

TEST_F(ArenaTest, OpeningArenaIsDrawnXYHeadingFromTheUnseededSequence)
{
    player_x = 5;
    player_hp = 3;
    score = 700;
    player_cooldown = 50;
    new Projectile(false, 1, 1, 0);
    start_arena();
    EXPECT_EQ(player_x, 320);
    EXPECT_EQ(player_y, 240);
    EXPECT_EQ(player_hp, 100);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(player_cooldown, 0);
    EXPECT_TRUE(Projectile::projectiles.empty());
    ASSERT_EQ(Enemy::enemies.size(), 10u);
    // The first three numbers of the unseeded sequence are 16838, 5758 and 10113.
    EXPECT_EQ(Enemy::enemies[0]->x, 16838 % 640);
    EXPECT_EQ(Enemy::enemies[0]->y, 5758 % 480);
    EXPECT_EQ(Enemy::enemies[0]->heading, 10113 % 256);

    arcade_srand(1);
    for (const Enemy *e : Enemy::enemies) {
        int x = arcade_rand() % 640;
        int y = arcade_rand() % 480;
        int heading = arcade_rand() % 256;
        EXPECT_EQ(e->x, static_cast<float>(x));
        EXPECT_EQ(e->y, static_cast<float>(y));
        EXPECT_EQ(e->heading, heading);
        EXPECT_EQ(e->cooldown, 200);
    }
}

TEST_F(ArenaTest, APassMovesFiresThenEnemiesThenShots)
{
    Enemy *e = enemy_at(100.0f, 100.0f, 64);
    e->cooldown = 0; // fires on this pass
    hold({KEY_D});
    mouse_x = 600;
    mouse_y = 241; // aimed from (321, 240) after the move: angle 0
    mouse_b = 1;
    player_cooldown = -1;
    logic_step();
    EXPECT_EQ(player_x, 321);
    ASSERT_EQ(Projectile::projectiles.size(), 2u);
    const Projectile *mine = Projectile::projectiles[0];
    const Projectile *theirs = Projectile::projectiles[1];
    EXPECT_TRUE(mine->friendly);
    EXPECT_FALSE(theirs->friendly);
    EXPECT_EQ(mine->x, 322.0f) << "the new shot takes its first step in the same pass";
    EXPECT_EQ(mine->y, 240.0f);
    EXPECT_EQ(e->y, static_cast<float>(100.0 + 0.15));
    EXPECT_EQ(player_cooldown, 199);
}

} // namespace
