// The moon-guard rules: turning, spawning, the interval, motion, blocking, rings and the earth hit.

#include <gtest/gtest.h>

#include <vector>

#include "arcade_random.h"
#include "headless.h"
#include "moonguard_rules.h"

namespace {

class MoonguardRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_allegro();
        set_spawn_angles(0, 360);
        reset_game();
    }
    void TearDown() override { release_all_keys(); }

    // Puts an active meteor in a slot so that after this frame's move it stands at `dist`.
    static void place(int slot, int dist_after_move, int angle)
    {
        block[slot].dist = dist_after_move + 2;
        block[slot].angle = angle;
        active[slot] = true;
    }
};

struct TurnCase {
    int start;
    std::vector<int> held;
    int expected;
};

TEST_F(MoonguardRules, TurningByTheArrowKeys)
{
    const TurnCase cases[] = {
        {270, {}, 270},
        {270, {KEY_LEFT}, 260},
        {270, {KEY_DOWN}, 260},
        {270, {KEY_RIGHT}, 280},
        {270, {KEY_UP}, 280},
        {270, {KEY_LEFT, KEY_DOWN}, 260},
        {270, {KEY_RIGHT, KEY_UP}, 280},
        {270, {KEY_LEFT, KEY_RIGHT}, 270},
        {270, {KEY_UP, KEY_DOWN}, 270},
        {270, {KEY_LEFT, KEY_DOWN, KEY_RIGHT, KEY_UP}, 270},
        {0, {KEY_LEFT}, 350},
        {350, {KEY_RIGHT}, 0},
        {355, {KEY_UP}, 5},
    };
    for (const TurnCase &c : cases) {
        release_all_keys();
        for (int k : c.held)
            key[k] = 1;
        p_angle = c.start;
        turn_moon();
        EXPECT_EQ(p_angle, c.expected) << "from " << c.start << " with " << c.held.size() << " keys";
    }
}

TEST_F(MoonguardRules, SpawnFillsTheLowestFreeSlotDistanceFirst)
{
    active[0] = true;
    active[2] = true;
    block[1].ring = 6;
    arcade_srand(99);
    int first = arcade_rand(), second = arcade_rand();
    arcade_srand(99);
    spawn_meteor();
    EXPECT_TRUE(active[1]);
    EXPECT_FALSE(active[3]);
    EXPECT_EQ(block[1].dist, 200 + first % 100);
    EXPECT_EQ(block[1].angle, second % 360);
    EXPECT_EQ(block[1].ring, 6) << "a new meteor leaves the slot's ring alone";

    spawn_meteor();
    EXPECT_TRUE(active[3]);
}

TEST_F(MoonguardRules, SpawnWithEverySlotActiveChangesNothing)
{
    for (int i = 0; i < METEOR_SLOTS; i++)
        place(i, 100 + i, 10 * i);
    arcade_srand(5);
    spawn_meteor();
    for (int i = 0; i < METEOR_SLOTS; i++) {
        EXPECT_EQ(block[i].dist, 102 + i);
        EXPECT_EQ(block[i].angle, 10 * i);
    }
    arcade_srand(5);
    int next = arcade_rand();
    arcade_srand(5);
    spawn_meteor();
    EXPECT_EQ(arcade_rand(), next) << "a spawn with no free slot draws no number";
}

struct RangeCase {
    int first, count, lo, hi;
};

TEST_F(MoonguardRules, SpawnRangesOfBothPrograms)
{
    for (const RangeCase &c : {RangeCase{0, 360, 0, 359}, RangeCase{30, 300, 30, 329}}) {
        set_spawn_angles(c.first, c.count);
        arcade_srand(1234);
        int min_angle = 1000, max_angle = -1, min_dist = 1000, max_dist = -1;
        for (int n = 0; n < 20000; n++) {
            active[0] = false;
            spawn_meteor();
            min_angle = std::min(min_angle, block[0].angle);
            max_angle = std::max(max_angle, block[0].angle);
            min_dist = std::min(min_dist, block[0].dist);
            max_dist = std::max(max_dist, block[0].dist);
        }
        EXPECT_EQ(min_angle, c.lo);
        EXPECT_EQ(max_angle, c.hi);
        EXPECT_EQ(min_dist, 200);
        EXPECT_EQ(max_dist, 299);
    }
}

TEST_F(MoonguardRules, EachProgramChoosesItsAngleRangeByName)
{
    set_spawn_angles_for("moonguard_r");
    EXPECT_EQ(spawn_angle_first, 30);
    EXPECT_EQ(spawn_angle_count, 300);
    set_spawn_angles_for("moonguard");
    EXPECT_EQ(spawn_angle_first, 0);
    EXPECT_EQ(spawn_angle_count, 360);
}

TEST_F(MoonguardRules, SecondProgramTakesItsAngleFromThirtyPlusTheSecondDraw)
{
    set_spawn_angles_for("moonguard_r");
    arcade_srand(77);
    int first = arcade_rand(), second = arcade_rand();
    arcade_srand(77);
    spawn_meteor();
    EXPECT_EQ(block[0].dist, 200 + first % 100);
    EXPECT_EQ(block[0].angle, 30 + second % 300);
}

TEST_F(MoonguardRules, SpawnIntervalFallsWithScoreAndStopsAtOne)
{
    const int table[][2] = {{0, 45},   {19, 45},  {20, 44},  {39, 44},  {40, 43}, {879, 2},
                            {880, 1},  {899, 1},  {900, 1},  {919, 1},  {920, 1}, {5000, 1}};
    for (const auto &row : table)
        EXPECT_EQ(spawn_interval(row[0]), row[1]) << "score " << row[0];
}

TEST_F(MoonguardRules, FirstFrameSpawnsAndMovesTheMeteor)
{
    arcade_srand(3);
    int dist = 200 + arcade_rand() % 100;
    arcade_srand(3);
    play_step();
    EXPECT_TRUE(active[0]);
    EXPECT_EQ(block[0].dist, dist - 2) << "the new meteor moves in the frame that spawns it";
    for (int i = 1; i < METEOR_SLOTS; i++)
        EXPECT_FALSE(active[i]);
}

// Runs play steps for frames first..last (the moon turned away, nothing reaching the earth) and
// returns the frame numbers on which a meteor was spawned.
std::vector<int> spawn_frames(int first, int last)
{
    std::vector<int> frames;
    for (loop_num = first; loop_num <= last; loop_num++) {
        for (int i = 0; i < METEOR_SLOTS; i++)
            active[i] = false;
        play_step();
        if (active[0])
            frames.push_back(loop_num);
    }
    return frames;
}

TEST_F(MoonguardRules, SpawnsFallOnMultiplesOfTheCurrentInterval)
{
    EXPECT_EQ(spawn_frames(0, 100), (std::vector<int>{0, 45, 90}));
    score = 20;
    EXPECT_EQ(spawn_frames(80, 140), (std::vector<int>{88, 132}));
    score = 899;
    EXPECT_EQ(spawn_frames(7, 9), (std::vector<int>{7, 8, 9}));
    score = 900;
    EXPECT_EQ(spawn_frames(7, 9), (std::vector<int>{7, 8, 9}));
    score = 2000;
    EXPECT_EQ(spawn_frames(0, 2), (std::vector<int>{0, 1, 2}));
}

TEST_F(MoonguardRules, OnlyActiveMeteorsMoveTwoPixels)
{
    place(0, 150, 90);
    block[1] = meteor{150, 90, 0};
    update_meteors();
    EXPECT_EQ(block[0].dist, 150);
    EXPECT_EQ(block[1].dist, 150);
    update_meteors();
    EXPECT_EQ(block[0].dist, 148);
}

struct BlockCase {
    int moon, dist, angle;
    bool blocked;
};

TEST_F(MoonguardRules, BlockingBandAndAngleWindowAreExclusive)
{
    const BlockCase cases[] = {
        {90, 41, 90, true},   {90, 89, 90, true},   {90, 40, 90, false},  {90, 90, 90, false},
        {90, 60, 66, true},   {90, 60, 114, true},  {90, 60, 65, false},  {90, 60, 115, false},
        {0, 60, 0, true},     {0, 60, 24, true},    {0, 60, 336, false},  {0, 60, 359, false},
        {5, 60, 355, false},  {355, 60, 355, true}, {355, 60, 331, true}, {355, 60, 330, false},
        {355, 60, 5, false},
    };
    for (const BlockCase &c : cases) {
        reset_game();
        p_angle = c.moon;
        place(0, c.dist, c.angle);
        update_meteors();
        EXPECT_EQ(!active[0], c.blocked) << "moon " << c.moon << " meteor at " << c.dist << ", " << c.angle;
        EXPECT_EQ(score, c.blocked ? 1 : 0);
        EXPECT_EQ(block[0].ring, c.blocked ? 1 : 0);
        EXPECT_FALSE(gameover);
    }
}

TEST_F(MoonguardRules, SecondProgramEdgesOfItsRange)
{
    // Meteors at 30 and 329 degrees are blocked by moons at 6..54 and 305..353.
    for (int moon = 0; moon < 360; moon++) {
        for (int angle : {30, 329}) {
            reset_game();
            p_angle = moon;
            place(0, 60, angle);
            update_meteors();
            bool expected = angle == 30 ? (moon >= 6 && moon <= 54) : (moon >= 305 && moon <= 353);
            EXPECT_EQ(!active[0], expected) << "moon " << moon << " meteor " << angle;
        }
    }
}

TEST_F(MoonguardRules, SeveralBlocksInOneFrameEachScore)
{
    p_angle = 270;
    place(0, 60, 270);
    place(2, 80, 260);
    place(4, 50, 280);
    score = 5;
    update_meteors();
    EXPECT_EQ(score, 8);
    EXPECT_FALSE(active[0] || active[2] || active[4]);
}

TEST_F(MoonguardRules, EarthHitBelowForty)
{
    p_angle = 90; // turned away from the meteors below
    place(0, 40, 270);
    update_meteors();
    EXPECT_FALSE(gameover) << "exactly 40 neither ends the game nor is blocked";
    EXPECT_TRUE(active[0]);
    update_meteors();
    EXPECT_EQ(block[0].dist, 38);
    EXPECT_TRUE(gameover);

    reset_game();
    p_angle = 90;
    place(1, 41, 270);
    update_meteors();
    EXPECT_FALSE(gameover);
    update_meteors();
    EXPECT_TRUE(gameover) << "an odd distance goes from 41 to 39";

    reset_game();
    block[2] = meteor{30, 270, 0};
    update_meteors();
    EXPECT_FALSE(gameover) << "a slot with no meteor never ends the game";
}

TEST_F(MoonguardRules, RingStagesRunFromOneToNineThenStayAtZero)
{
    p_angle = 0;
    place(3, 60, 0);
    update_meteors();
    ASSERT_EQ(block[3].ring, 1);
    std::vector<int> stages;
    for (int n = 0; n < 11; n++) {
        update_meteors();
        stages.push_back(block[3].ring);
    }
    EXPECT_EQ(stages, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}));
    EXPECT_EQ(block[3].dist, 60) << "a blocked meteor's slot keeps its place for the ring";
}

TEST_F(MoonguardRules, TheMoonTurnsBeforeTheMeteorsAreTested)
{
    // At 270 the window is 246..294; Right held turns the moon to 280 (window 256..304) first.
    loop_num = 1; // no spawn
    p_angle = 270;
    place(0, 60, 300);
    key[KEY_RIGHT] = 1;
    play_step();
    EXPECT_EQ(p_angle, 280);
    EXPECT_FALSE(active[0]) << "blocked by the moon as turned in this frame";
    EXPECT_EQ(score, 1);
}

TEST_F(MoonguardRules, RingKeepsCountingUnderANewMeteor)
{
    block[0] = meteor{60, 0, 4};
    active[0] = false;
    loop_num = 0;
    p_angle = 180;
    arcade_srand(11);
    play_step(); // frame 0 spawns into slot 0
    EXPECT_TRUE(active[0]);
    EXPECT_EQ(block[0].ring, 5);
}

} // namespace
