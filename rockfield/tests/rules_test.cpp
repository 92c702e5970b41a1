// The rock-field rules without a window: set-up, steering, firing, motion, contact, splits, hits
// and the colour phase.

#include <cmath>
#include <vector>

#include "field_fixture.h"

namespace {

// --- set-up ---

TEST_F(Field, InitPutsTheCraftInTheMiddleAndTwentyRocksOfFiveDrawsEach)
{
    hue = 123.0f;
    tts = 7;
    arcade_srand(4242);
    init();
    ASSERT_EQ(rocks.size(), 21u);
    EXPECT_EQ(player, &rocks.front());
    const rock &c = *player;
    EXPECT_EQ(c.radius, 5);
    EXPECT_EQ(c.x, 320.0);
    EXPECT_EQ(c.y, 240.0);
    EXPECT_EQ(c.angle, 0.0);
    EXPECT_EQ(c.speed, 0.0);
    EXPECT_EQ(c.ttl, -1);
    EXPECT_EQ(c.type, CRAFT);
    EXPECT_EQ(c.hue_offset, 0.0);
    EXPECT_EQ(tts, 0);
    EXPECT_EQ(hue, 123.0f) << "a new field keeps the colour phase";

    arcade_srand(4242);
    for (int i = 1; i <= 20; i++) {
        const rock &r = at(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(r.x, arcade_rand() % 640);
        EXPECT_EQ(r.y, arcade_rand() % 480);
        EXPECT_EQ(r.speed, arcade_rand() / 32767.0 + 1);
        EXPECT_EQ(r.angle, arcade_rand() / 32767.0 * 2 * 3.141592653589793);
        EXPECT_EQ(r.hue_offset, arcade_rand() / 32767.0 * 360);
        EXPECT_EQ(r.radius, 32);
        EXPECT_EQ(r.ttl, -1);
        EXPECT_EQ(r.type, ROCK);
    }
}

TEST_F(Field, EveryStepDrawsOneNumberEvenWhenNothingElseDoes)
{
    arcade_srand(77);
    steps(1);
    int next = arcade_rand();
    arcade_srand(77);
    arcade_rand();
    EXPECT_EQ(next, arcade_rand());
}

// --- steering ---

TEST_F(Field, UpTwentyTimesFromRestEndsJustAboveTwoAndRisesNoFurther)
{
    key[KEY_UP] = 1;
    double expected = 0.0;
    for (int i = 0; i < 20; i++)
        expected += 0.1;
    steps(20);
    EXPECT_EQ(player->speed, expected);
    EXPECT_GT(player->speed, 2.0);
    EXPECT_LT(player->speed, 2.0 + 1e-12);
    steps(5);
    EXPECT_EQ(player->speed, expected);
}

TEST_F(Field, ThreeUpThenFourDownLeavesAboutMinusATenthAndMoreDownDoesNothing)
{
    key[KEY_UP] = 1;
    steps(3);
    key[KEY_UP] = 0;
    key[KEY_DOWN] = 1;
    steps(3);
    EXPECT_GT(player->speed, 0.0) << "a remainder above 0 is left after the third Down";
    EXPECT_LT(player->speed, 1e-15);
    steps(1);
    EXPECT_NEAR(player->speed, -0.1, 1e-12);
    double backwards = player->speed;
    double x = player->x;
    steps(3);
    EXPECT_EQ(player->speed, backwards);
    EXPECT_NEAR(player->x, x - 0.3, 1e-9) << "the craft drifts backwards";
    key[KEY_DOWN] = 0;
    key[KEY_UP] = 1;
    steps(1);
    EXPECT_NEAR(player->speed, 0.0, 1e-12);
}

struct key_case {
    const char *name;
    bool up, down, left, right;
    double speed, angle; // after one step from rest, pointing right
};

const key_case KEY_CASES[] = {
    {"up", true, false, false, false, 0.1, 0.0},
    {"down at rest", false, true, false, false, 0.0, 0.0},
    {"up and down together", true, true, false, false, 0.0, 0.0},
    {"left", false, false, true, false, 0.0, -0.1},
    {"right", false, false, false, true, 0.0, 0.1},
    {"left and right together", false, false, true, true, 0.0, 0.0},
    {"up and right", true, false, false, true, 0.1, 0.1},
};

TEST_F(Field, EveryHeldKeyActsInTheSameStep)
{
    for (const key_case &k : KEY_CASES) {
        SCOPED_TRACE(k.name);
        place({craft_at(320, 240)});
        key[KEY_UP] = k.up;
        key[KEY_DOWN] = k.down;
        key[KEY_LEFT] = k.left;
        key[KEY_RIGHT] = k.right;
        steps(1);
        EXPECT_EQ(player->speed, k.speed);
        EXPECT_EQ(player->angle, k.angle);
        EXPECT_EQ(player->x, 320 + std::cos(k.angle) * k.speed) << "the craft moves with this step's speed";
    }
}

TEST_F(Field, TheAngleIsNeverBroughtBackIntoARange)
{
    key[KEY_LEFT] = 1;
    steps(100);
    EXPECT_NEAR(player->angle, -10.0, 1e-9);
}

// --- firing ---

TEST_F(Field, HeldSpaceFiresAtOnceThenEveryTenStepsAndAtMostThreeShotsLive)
{
    key[KEY_SPACE] = 1;
    std::vector<int> fired;
    size_t most = 0;
    for (int step = 1; step <= 65; step++) {
        steps(1);
        if (tts == SHOT_COOLDOWN)
            fired.push_back(step);
        most = std::max(most, rocks.size() - 1);
    }
    EXPECT_EQ(fired, (std::vector<int>{1, 11, 21, 31, 41, 51, 61}));
    EXPECT_EQ(most, 3u);
}

TEST_F(Field, SpaceFiresInTheFirstStepItIsHeldOnceTheCooldownHasRunOut)
{
    steps(25);
    key[KEY_SPACE] = 1;
    steps(1);
    EXPECT_EQ(rocks.size(), 2u);
    EXPECT_EQ(tts, SHOT_COOLDOWN);
}

TEST_F(Field, AShotMovesInTwentyNineStepsAndIsRemovedInTheThirtieth)
{
    key[KEY_SPACE] = 1;
    steps(1);
    key[KEY_SPACE] = 0;
    for (int step = 1; step <= 29; step++) {
        if (step > 1)
            steps(1);
        ASSERT_EQ(rocks.size(), 2u) << "step " << step;
        EXPECT_EQ(at(1).x, 320 + 5.0 * step);
        EXPECT_EQ(at(1).ttl, 30 - step);
    }
    EXPECT_EQ(at(1).x - 320, 145.0);
    steps(1);
    EXPECT_EQ(rocks.size(), 1u);
}

TEST_F(Field, AShotLeavesFromTheCraftsPlaceWithThisStepsHeadingAndSpeed)
{
    key[KEY_SPACE] = 1;
    key[KEY_RIGHT] = 1;
    key[KEY_UP] = 1;
    steps(1);
    ASSERT_EQ(rocks.size(), 2u);
    const rock &shot = at(1);
    EXPECT_EQ(shot.angle, 0.1);
    EXPECT_EQ(shot.speed, 0.1 + 5.0);
    EXPECT_EQ(shot.x, 320 + std::cos(0.1) * (0.1 + 5.0)) << "fired from the craft's place before its motion";
    EXPECT_EQ(shot.y, 240 + std::sin(0.1) * (0.1 + 5.0));
    EXPECT_EQ(shot.radius, 2);
    EXPECT_EQ(shot.type, SHOT);
    EXPECT_EQ(shot.hue_offset, 0.0);
}

// --- motion and wrap ---

struct wrap_case {
    double x, y, speed, want_x, want_y;
};

const wrap_case WRAP_CASES[] = {
    {-1, 10, 0, 639, 10},
    {640, 10, 0, 0, 10},
    {10, -0.5, 0, 10, 479.5},
    {10, 480, 0, 10, 0},
    {639.5, 10, 1, 0.5, 10},
    {-1e-14, 10, 0, 0, 10},   // x + 640 rounds to 640, which the next test brings to 0
    {10, -1e-14, 0, 10, 0},
    {-700, 10, 0, -60, 10},   // each test once: more than a width away stays off the screen
    {1300, 10, 0, 660, 10},
    {10, 1000, 0, 10, 520},
};

TEST(Wrap, TheFourEdgeTestsRunOnceEachInOrder)
{
    set_field_size(640, 480);
    for (const wrap_case &w : WRAP_CASES) {
        rock r = rock_at(w.x, w.y, 32, w.speed);
        move_and_wrap(r);
        EXPECT_EQ(r.x, w.want_x) << "from (" << w.x << ", " << w.y << ")";
        EXPECT_EQ(r.y, w.want_y) << "from (" << w.x << ", " << w.y << ")";
    }
}

// --- contact and the hit ---

struct contact_case {
    const char *name;
    double craft_x, rock_x;
    bool hit;
};

const contact_case CONTACT_CASES[] = {
    {"apart", 320, 400, false},
    {"exactly 37 pixels", 320, 357, false},
    {"just under 37 pixels", 320, 356.999, true},
    {"overlapping", 320, 330, true},
    {"across the edge, but 638 apart in plain coordinates", 639, 1, false},
};

TEST_F(Field, ContactIsInPlainCoordinatesAndStrictlyBelowTheSumOfRadii)
{
    for (const contact_case &c : CONTACT_CASES) {
        SCOPED_TRACE(c.name);
        hits = 0;
        place({craft_at(c.craft_x, 240), rock_at(c.rock_x, 240)});
        EXPECT_EQ(logic(), !c.hit);
        EXPECT_EQ(hits, c.hit ? 1 : 0);
    }
}

TEST_F(Field, AHitReturnsFalseAtOnceWithNoOtherRecordMoved)
{
    place({craft_at(320, 240), rock_at(100, 100, 32, 1.0), rock_at(340, 240), rock_at(500, 100, 32, 1.0)});
    EXPECT_FALSE(logic());
    EXPECT_EQ(hits, 1);
    EXPECT_EQ(at(1).x, 100.0);
    EXPECT_EQ(at(3).x, 500.0);
    EXPECT_EQ(hue, 2.0f) << "the phase advanced before the pass";
}

TEST_F(Field, TheCraftIsTestedBeforeAnyRockMoves)
{
    // Moving left by one, this rock would reach 36.5 pixels in this step, but it is tested first.
    place({craft_at(320, 240), rock_at(357.5, 240, 32, 1.0, 3.141592653589793)});
    EXPECT_TRUE(logic());
    EXPECT_FALSE(logic());
}

TEST_F(Field, ShotsNeverTouchTheCraftAndRocksAndShotsNeverTouchTheirOwnKind)
{
    place({craft_at(320, 240), shot_at(321, 240), rock_at(100, 100), rock_at(110, 100), shot_at(500, 400),
           shot_at(501, 400)});
    steps(3);
    EXPECT_EQ(rocks.size(), 6u);
}

TEST_F(Field, ACraftAndShotContactLetsTheScanGoOnToARock)
{
    place({craft_at(320, 240), shot_at(321, 240), rock_at(340, 240)});
    EXPECT_FALSE(logic());
}

// --- splits ---

struct split_case {
    const char *name;
    std::vector<rock> field;       // the craft first
    int parent;                    // place of the rock that splits
    bool parent_moved;             // whether the rock moved before the split
    std::vector<int> survivors;    // places of the records left, in order, before the fragments
    std::vector<double> after_x;   // their x after the step
};

const double PI_ = 3.141592653589793;

const split_case SPLIT_CASES[] = {
    {"rock first, the shot right after it",
     {craft_at(20, 20), rock_at(400, 300, 32, 1.0, 0, 77.5), shot_at(420, 300), rock_at(100, 400, 32, 1.0)},
     1, true, {0, 3}, {20, 101}},
    {"rock first, the shot further on",
     {craft_at(20, 20), rock_at(400, 300, 32, 1.0, 0, 77.5), rock_at(100, 400, 32, 1.0), shot_at(420, 300)},
     1, true, {0, 2}, {20, 101}},
    {"shot first, the rock right after it",
     {craft_at(20, 20), shot_at(400, 300), rock_at(420, 300, 32, 1.0, 0, 77.5), rock_at(100, 400, 32, 1.0)},
     2, false, {0, 3}, {20, 101}},
    {"shot first, the rock further on: the walk goes on at the record in between",
     {craft_at(20, 20), shot_at(400, 300), rock_at(100, 400, 32, 1.0), rock_at(420, 300, 32, 1.0, 0, 77.5)},
     3, false, {0, 2}, {20, 101}},
};

TEST_F(Field, ASplitMakesTwoFragmentsRemovesBothAndTheWalkGoesOn)
{
    for (const split_case &c : SPLIT_CASES) {
        SCOPED_TRACE(c.name);
        rocks.assign(c.field.begin(), c.field.end());
        player = &rocks.front();
        rock parent = c.field[c.parent];
        if (c.parent_moved)
            parent.x += parent.speed;

        arcade_srand(99);
        ASSERT_TRUE(logic());
        arcade_srand(99);
        arcade_rand();
        double angle1 = arcade_rand() / 32767.0 * 2 * PI_;
        double angle2 = arcade_rand() / 32767.0 * 2 * PI_;

        ASSERT_EQ(rocks.size(), c.survivors.size() + 2);
        for (size_t i = 0; i < c.survivors.size(); i++) {
            EXPECT_EQ(at(i).type, c.field[c.survivors[i]].type);
            EXPECT_EQ(at(i).x, c.after_x[i]) << "record " << i;
        }
        double angles[] = {angle1, angle2};
        for (int f = 0; f < 2; f++) {
            const rock &frag = at(c.survivors.size() + f);
            EXPECT_EQ(frag.radius, 16);
            EXPECT_EQ(frag.speed, 1.5);
            EXPECT_EQ(frag.hue_offset, 77.5);
            EXPECT_EQ(frag.type, ROCK);
            EXPECT_EQ(frag.ttl, -1);
            EXPECT_EQ(frag.angle, angles[f]);
            rock moved = frag;
            moved.x = parent.x;
            moved.y = parent.y;
            move_and_wrap(moved);
            EXPECT_EQ(frag.x, moved.x) << "fragment " << f << " moves in the step that made it";
            EXPECT_EQ(frag.y, moved.y);
        }
    }
}

struct radius_case {
    int radius;
    double shot_distance;
    bool splits;
    int fragment_radius;
};

const radius_case RADIUS_CASES[] = {
    {32, 30, true, 16}, {5, 6, true, 2}, {1, 2, true, 0}, {0, 1.5, true, 0}, {0, 2, false, 0},
};

TEST_F(Field, RadiusHalvesByIntegerDivisionAndARadiusZeroRockStillSplits)
{
    for (const radius_case &c : RADIUS_CASES) {
        SCOPED_TRACE(c.radius);
        place({craft_at(20, 20), rock_at(300, 300, c.radius), shot_at(300 + c.shot_distance, 300)});
        steps(1);
        if (!c.splits) {
            EXPECT_EQ(rocks.size(), 3u);
            continue;
        }
        ASSERT_EQ(rocks.size(), 3u);
        EXPECT_EQ(at(1).radius, c.fragment_radius);
        EXPECT_EQ(at(2).radius, c.fragment_radius);
        EXPECT_EQ(at(1).type, ROCK);
    }
}

TEST_F(Field, ASplitEndsTheRocksScanAndTheSecondShotMeetsTheFragments)
{
    place({craft_at(20, 20), rock_at(300, 300, 32, 1.0), shot_at(310, 300), shot_at(305, 300)});
    steps(1);
    // The first shot splits the rock; the second, reached next, splits the first fragment.
    ASSERT_EQ(rocks.size(), 4u);
    EXPECT_EQ(at(1).radius, 16);
    EXPECT_EQ(at(1).speed, 1.5);
    EXPECT_EQ(at(2).radius, 8);
    EXPECT_EQ(at(3).radius, 8);
    EXPECT_EQ(at(3).speed, 2.25);
}

TEST_F(Field, SixGenerationsOfFragmentsAreAboutElevenTimesAsFast)
{
    rock r = rock_at(300, 300, 32, 1.0);
    for (int g = 0; g < 6; g++) {
        rock a, b;
        split_fragments(r, &a, &b);
        r = a;
    }
    EXPECT_NEAR(r.speed, 11.39, 0.01);
    EXPECT_EQ(r.radius, 0);
}

TEST_F(Field, TheFirstContactInListOrderDecidesWhateverTheTypes)
{
    // A second craft record further down: the rock meets it or the shot, whichever comes first.
    rock second_craft = craft_at(300, 330);
    place({craft_at(20, 20), rock_at(300, 300), shot_at(310, 300), second_craft});
    EXPECT_TRUE(logic()) << "the shot comes first: a split, whose fragments stay out of the craft's reach";
    EXPECT_EQ(rocks.size(), 4u);
    place({craft_at(20, 20), rock_at(300, 300), second_craft, shot_at(310, 300)});
    EXPECT_FALSE(logic()) << "the craft comes first: a hit";
}

// --- colour phase ---

TEST_F(Field, TheHueCyclesInOneHundredEightyStepsAndRunsOnAcrossFields)
{
    for (int step = 1; step <= 180; step++) {
        steps(1);
        ASSERT_EQ(hue, static_cast<float>((2 * step) % 360)) << "step " << step;
    }
    EXPECT_EQ(hue, 0.0f);
    steps(7);
    init();
    EXPECT_EQ(hue, 14.0f);
}

} // namespace
