// The turret-defence rules without a window: turning, firing, flight, spawning, movement,
// both collision tests and the Lost state.

#include <cmath>
#include <ostream>
#include <vector>

#include "arcade_random.h"
#include "headless.h"
#include "turret_rules.h"

namespace {

const double PI = 3.141592653589793;

// A fresh game with the keys up and the generator at the start of its sequence.
class TurretRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_allegro();
        inicializa_jogo();
        arcade_srand(1);
    }
    void TearDown() override { release_all_keys(); }

    // Seeds the generator, reads its first n numbers, then seeds it again so that play draws
    // the very same numbers.
    static std::vector<int> sequence(unsigned seed, int n)
    {
        arcade_srand(seed);
        std::vector<int> v;
        for (int i = 0; i < n; i++)
            v.push_back(arcade_rand());
        arcade_srand(seed);
        return v;
    }

    // Counts the shot records in flight.
    static int shots_in_flight()
    {
        int n = 0;
        for (const Tiro &t : tiro)
            n += t.ativo;
        return n;
    }

    // Counts the enemy records in play.
    static int enemies_in_play()
    {
        int n = 0;
        for (const Inimigo &e : inimigo)
            n += e.ativo;
        return n;
    }

    // Runs one tick with the fire key held or released.
    static void tick_with_space(bool down)
    {
        key[KEY_SPACE] = down;
        do_logic();
    }
};

// ---- Turning ----

struct TurnCase {
    int start;
    bool left, pad4, right, pad6;
    int expected;
};

TEST_F(TurretRules, TurningFollowsTheKeysAndWrapsAlsoWhenLost)
{
    const TurnCase cases[] = {
        {0, true, false, false, false, 119},  // left from 0 wraps
        {119, false, false, true, false, 0},  // right from 119 wraps
        {5, true, false, true, false, 5},     // both sides cancel
        {5, false, true, false, true, 5},     // both keypad keys cancel
        {5, true, false, false, true, 5},     // arrow against keypad cancels
        {5, false, true, false, false, 4},    // keypad 4 turns left
        {5, false, false, false, true, 6},    // keypad 6 turns right
        {5, true, true, false, false, 4},     // two keys of one side still one step
        {60, false, false, false, false, 60}, // no key, no turn
        {0, false, true, false, false, 119},
        {119, false, false, false, true, 0},
    };
    for (int lives : {VIDAS_INICIAIS, 0}) {
        for (const TurnCase &c : cases) {
            inicializa_jogo();
            vidas = lives;
            angulo = c.start;
            key[KEY_LEFT] = c.left;
            key[KEY_4_PAD] = c.pad4;
            key[KEY_RIGHT] = c.right;
            key[KEY_6_PAD] = c.pad6;
            do_logic();
            EXPECT_EQ(angulo, c.expected) << "start " << c.start << ", lives " << lives;
            release_all_keys();
        }
    }
}

TEST_F(TurretRules, HoldingRightMakesAFullTurnIn120Ticks)
{
    key[KEY_RIGHT] = 1;
    for (int i = 1; i <= ANGULO_PASSOS; i++) {
        do_logic();
        EXPECT_EQ(angulo, i % ANGULO_PASSOS);
    }
}

// ---- Firing and the latch ----

TEST_F(TurretRules, OnePressFiresOneShotHoweverLongItIsHeld)
{
    for (int i = 0; i < 5; i++)
        tick_with_space(true);
    EXPECT_EQ(shots_in_flight(), 1);
    EXPECT_EQ(atirou, 1);
    tick_with_space(false);
    EXPECT_EQ(atirou, 0);
    EXPECT_EQ(shots_in_flight(), 1);
    tick_with_space(true);
    EXPECT_EQ(shots_in_flight(), 2);
    EXPECT_TRUE(tiro[0].ativo && tiro[1].ativo);
}

TEST_F(TurretRules, AFullPoolStillClosesTheLatch)
{
    for (Tiro &t : tiro)
        t = Tiro{100.0f, 100.0f, 7, 1};
    std::vector<int> seq = sequence(5, 1);
    key[KEY_SPACE] = 1;
    dispara();
    EXPECT_EQ(atirou, 1) << "a press on a full pool still closes the latch";
    EXPECT_EQ(arcade_rand(), seq[0]) << "a press on a full pool draws no number";
    tiro[7].ativo = 0;
    tiro[7].x = 100.0f;
    tick_with_space(true);
    EXPECT_EQ(tiro[7].ativo, 0) << "holding the key fires nothing into the freed record";
    tick_with_space(false);
    angulo = 11;
    tick_with_space(true);
    EXPECT_EQ(tiro[7].ativo, 1) << "a new press takes the freed record";
    EXPECT_EQ(tiro[7].direcao, 11);
}

TEST_F(TurretRules, NothingFiresAndTheLatchStaysWhileNoLivesAreLeft)
{
    vidas = 0;
    tick_with_space(true);
    EXPECT_EQ(shots_in_flight(), 0);
    EXPECT_EQ(atirou, 0);
    atirou = 1;
    tick_with_space(false);
    EXPECT_EQ(atirou, 1) << "the latch does not change while lost";
}

TEST_F(TurretRules, AShotStartsAtTheCentreAndHasFlown2PxByTheEndOfItsTick)
{
    struct Case {
        int angle;
        float x, y;
    } cases[] = {{0, 2.0f, 0.0f}, {30, 0.0f, 2.0f}, {60, -2.0f, 0.0f}, {90, 0.0f, -2.0f}};
    for (const Case &c : cases) {
        inicializa_jogo();
        angulo = c.angle;
        tick_with_space(true);
        ASSERT_EQ(tiro[0].ativo, 1);
        EXPECT_EQ(tiro[0].direcao, c.angle);
        EXPECT_NEAR(tiro[0].x, c.x, 1e-6) << "angle " << c.angle;
        EXPECT_NEAR(tiro[0].y, c.y, 1e-6) << "angle " << c.angle;
        release_all_keys();
    }
}

TEST_F(TurretRules, AShotFiredWhileTurningTakesTheNewAngle)
{
    struct Case {
        int key_code, start, expected;
    } cases[] = {{KEY_RIGHT, 0, 1}, {KEY_LEFT, 0, 119}, {KEY_6_PAD, 119, 0}};
    for (const Case &c : cases) {
        inicializa_jogo();
        angulo = c.start;
        key[c.key_code] = 1;
        tick_with_space(true);
        EXPECT_EQ(tiro[0].direcao, c.expected) << "from " << c.start;
        release_all_keys();
    }
}

TEST_F(TurretRules, TurningAfterFiringDoesNotBendTheShot)
{
    angulo = 15;
    tick_with_space(true);
    key[KEY_SPACE] = 0;
    key[KEY_RIGHT] = 1;
    for (int i = 0; i < 20; i++)
        do_logic();
    EXPECT_EQ(tiro[0].direcao, 15);
    EXPECT_NEAR(tiro[0].x, 42.0 * std::cos(PI / 4), 1e-3);
    EXPECT_NEAR(tiro[0].y, 42.0 * std::sin(PI / 4), 1e-3);
}

TEST_F(TurretRules, EveryShotFiredDrawsOneNumberThatNothingUses)
{
    std::vector<int> seq = sequence(77, 2);
    novo_tiro();
    EXPECT_EQ(arcade_rand(), seq[1]);
    EXPECT_EQ(tiro[0].x, 0.0f);
    EXPECT_EQ(tiro[0].y, 0.0f);
}

TEST_F(TurretRules, TheLowestFreeRecordIsTaken)
{
    for (int i : {0, 1, 3})
        tiro[i].ativo = 1;
    novo_tiro();
    EXPECT_EQ(tiro[2].ativo, 1);
    EXPECT_EQ(tiro[4].ativo, 0);

    for (int i : {0, 1, 3})
        inimigo[i].ativo = 1;
    novo_inimigo();
    EXPECT_EQ(inimigo[2].ativo, 1);
    EXPECT_EQ(inimigo[4].ativo, 0);
}

// ---- The spawner and the enemies ----

TEST_F(TurretRules, TheSpawnerDrawsOnceATickAndTheDirectionOnceASpawn)
{
    // Replay the spawner's draws on a copy of the sequence and compare every tick.
    std::vector<int> seq = sequence(12345, 2000);
    size_t next = 0;
    for (int tick = 0; tick < 1000; tick++) {
        int spawned_before = enemies_in_play();
        criador_inimigos();
        if (seq[next++] % 10 == 0) {
            ASSERT_EQ(enemies_in_play(), spawned_before + 1) << "tick " << tick;
            int k = seq[next++] % 720;
            const Inimigo &e = inimigo[spawned_before];
            double r = k * PI / 60.0;
            EXPECT_EQ(e.x, static_cast<float>(std::cos(r) * 400.0));
            EXPECT_EQ(e.y, static_cast<float>(std::sin(r) * 400.0));
        } else {
            ASSERT_EQ(enemies_in_play(), spawned_before) << "tick " << tick;
        }
    }
    EXPECT_GT(enemies_in_play(), 50);
}

TEST_F(TurretRules, EachTickDrawsTheSpawnDecisionThenTheDirectionThenTheShot)
{
    // Replays the sequence tick by tick while turning and firing on every fourth tick. The new
    // enemy of a tick is the only one 399 px out: spawned, then moved in the same tick.
    const int ticks = 360; // before the first enemy could reach the turret
    std::vector<int> seq = sequence(2024, 3 * ticks);
    size_t next = 0;
    int spawns = 0;
    key[KEY_RIGHT] = 1;
    for (int tick = 0; tick < ticks; tick++) {
        key[KEY_SPACE] = tick % 4 < 2;
        const bool fires = tick % 4 == 0;
        do_logic();
        const bool spawned = seq[next++] % 10 == 0;
        int k = spawned ? seq[next++] % 720 : -1;
        if (fires)
            next++;
        int new_ones = 0;
        for (const Inimigo &e : inimigo) {
            if (!e.ativo || std::abs(std::hypot(e.x, e.y) - 399.0) > 1e-3)
                continue;
            new_ones++;
            double r = k * PI / 60.0;
            EXPECT_NEAR(e.x, 399.0 * std::cos(r), 1e-2) << "tick " << tick;
            EXPECT_NEAR(e.y, 399.0 * std::sin(r), 1e-2) << "tick " << tick;
        }
        ASSERT_EQ(new_ones, spawned ? 1 : 0) << "tick " << tick;
        spawns += spawned;
    }
    EXPECT_EQ(arcade_rand(), seq[next]) << "every draw of the run accounted for";
    EXPECT_GT(spawns, 20);
}

TEST_F(TurretRules, ASpawnIntoAFullPoolChangesNothing)
{
    for (Inimigo &e : inimigo)
        e = Inimigo{1.0f, 2.0f, 1};
    std::vector<int> seq = sequence(13, 3);
    ASSERT_EQ(seq[0] % 10, 0) << "seed 13 must spawn on its first draw";
    criador_inimigos();
    EXPECT_EQ(arcade_rand(), seq[1]) << "no direction is drawn";
    for (const Inimigo &e : inimigo)
        ASSERT_TRUE(e.x == 1.0f && e.y == 2.0f && e.ativo == 1);
}

TEST_F(TurretRules, EveryDirectionStartsOnTheCircleOf400)
{
    for (int k = 0; k < 720; k++) {
        coloca_inimigo(0, k);
        double x = inimigo[0].x, y = inimigo[0].y;
        EXPECT_NEAR(std::sqrt(x * x + y * y), 400.0, 1e-3) << "k " << k;
    }
    coloca_inimigo(0, 30);
    EXPECT_NEAR(inimigo[0].x, 0.0, 1e-4);
    EXPECT_FLOAT_EQ(inimigo[0].y, 400.0f) << "30 steps point down";
}

TEST_F(TurretRules, AnEnemyStepsOnePixelStraightToTheCentre)
{
    for (int k : {0, 7, 12, 30, 48, 59, 72, 90, 108, 119}) {
        coloca_inimigo(0, k);
        double x0 = inimigo[0].x, y0 = inimigo[0].y;
        move_inimigo(0);
        double x1 = inimigo[0].x, y1 = inimigo[0].y;
        EXPECT_NEAR(std::hypot(x1, y1), 399.0, 1e-3) << "k " << k;
        EXPECT_NEAR(x1 * y0 - y1 * x0, 0.0, 1e-2) << "k " << k << " left its line";
    }
}

TEST_F(TurretRules, TheStepIsWorkedInFloat)
{
    // Worked in double and rounded once, (1, 1) would step to 0x1.2bec32p-2 and (50, 60) to
    // x 0x1.8ae0e6p+5; the float quotient rounds first, as the game's float fields do.
    struct Case {
        float x, y, x1, y1;
    } cases[] = {
        {1.0f, 1.0f, 0x1.2bec34p-2f, 0x1.2bec34p-2f},
        {-1.0f, -1.0f, -0x1.2bec34p-2f, -0x1.2bec34p-2f},
        {50.0f, 60.0f, 0x1.8ae0e8p+5f, 0x1.d9daaep+5f},
        {3.0f, 4.0f, 2.4000001f, 3.20000005f},
    };
    for (const Case &c : cases) {
        inimigo[0] = Inimigo{c.x, c.y, 1};
        move_inimigo(0);
        EXPECT_EQ(inimigo[0].x, c.x1) << c.x << ", " << c.y;
        EXPECT_EQ(inimigo[0].y, c.y1) << c.x << ", " << c.y;
    }
}

TEST_F(TurretRules, A369StepWalkEndsOnTheFloatPlace)
{
    // The small roundings add up: worked in double, direction 12 would end at
    // (0x1.914322p+4, 0x1.23893p+4) and direction 10 at y 0x1.effd76p+3.
    struct Case {
        int k;
        float x, y;
    } cases[] = {{12, 0x1.91432ep+4f, 0x1.238938p+4f}, {10, 0x1.ad898cp+4f, 0x1.effd78p+3f}};
    for (const Case &c : cases) {
        coloca_inimigo(0, c.k);
        for (int i = 0; i < 369; i++)
            move_inimigo(0);
        EXPECT_EQ(inimigo[0].x, c.x) << "k " << c.k;
        EXPECT_EQ(inimigo[0].y, c.y) << "k " << c.k;
    }
}

TEST_F(TurretRules, AnEnemyReachesTheTurretIn370Or371TicksFromItsSpawn)
{
    for (int k = 0; k < 720; k++) {
        inicializa_jogo();
        coloca_inimigo(0, k);
        int tick = 0;
        while (inimigo[0].ativo && tick < 500) {
            tick++;
            move_inimigo(0);
            colide_inimigos();
        }
        EXPECT_TRUE(tick == 370 || tick == 371) << "k " << k << " arrived in tick " << tick;
        EXPECT_EQ(vidas, VIDAS_INICIAIS - 1);
    }
}

TEST_F(TurretRules, AnEnemyOnTheCentreStaysAndOneCloserThanAPixelStepsPast)
{
    inimigo[0] = Inimigo{0.0f, 0.0f, 1};
    move_inimigo(0);
    EXPECT_EQ(inimigo[0].x, 0.0f);
    EXPECT_EQ(inimigo[0].y, 0.0f);
    EXPECT_EQ(inimigo[0].ativo, 1);

    inimigo[1] = Inimigo{0.25f, 0.0f, 1};
    move_inimigo(1);
    EXPECT_FLOAT_EQ(inimigo[1].x, -0.75f);
    EXPECT_EQ(inimigo[1].y, 0.0f);
}

TEST_F(TurretRules, AFreeEnemyDoesNotMove)
{
    inimigo[0] = Inimigo{100.0f, 0.0f, 0};
    move_inimigos();
    EXPECT_EQ(inimigo[0].x, 100.0f);
}

// ---- Enemies against the turret ----

TEST_F(TurretRules, TheTurretsReachIs30PxInclusive)
{
    struct Case {
        float x, y;
        bool reached;
    } cases[] = {{30.0f, 0.0f, true},   {0.0f, -30.0f, true}, {18.0f, 24.0f, true},
                 {-18.0f, -24.0f, true}, {30.01f, 0.0f, false}, {21.3f, 21.3f, false},
                 {0.0f, 0.0f, true}};
    for (const auto &c : cases) {
        inicializa_jogo();
        inimigo[5] = Inimigo{c.x, c.y, 1};
        colide_inimigos();
        EXPECT_EQ(inimigo[5].ativo, c.reached ? 0 : 1) << c.x << ", " << c.y;
        EXPECT_EQ(vidas, c.reached ? VIDAS_INICIAIS - 1 : VIDAS_INICIAIS);
    }
}

TEST_F(TurretRules, WithOneLifeLeftTwoEnemiesInReachAreBothRemoved)
{
    vidas = 1;
    inimigo[2] = Inimigo{10.0f, 0.0f, 1};
    inimigo[9] = Inimigo{0.0f, -29.0f, 1};
    inimigo[10] = Inimigo{200.0f, 0.0f, 1};
    tiro[0] = Tiro{200.0f, 0.0f, 0, 1}; // on enemy 10 after its move, yet lost in this very tick
    do_logic();
    EXPECT_EQ(vidas, 0);
    EXPECT_EQ(inimigo[2].ativo, 0);
    EXPECT_EQ(inimigo[9].ativo, 0);
    EXPECT_EQ(inimigo[10].ativo, 1) << "no shot test in the tick the last life went";
    EXPECT_EQ(tiro[0].ativo, 1);
    EXPECT_EQ(pontos, 0);
}

// ---- Shots against enemies ----

struct HitCase {
    float dx, dy;
    bool hit;
};

// Names a case by its offsets in test output.
void PrintTo(const HitCase &c, std::ostream *os)
{
    *os << "offsets " << c.dx << ", " << c.dy << (c.hit ? " hit" : " miss");
}

class HitTable : public TurretRules, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitTable, TruncatedOffsetsDecide)
{
    const HitCase &c = GetParam();
    inimigo[4] = Inimigo{100.0f, 50.0f, 1};
    tiro[3] = Tiro{100.0f + c.dx, 50.0f + c.dy, 0, 1};
    colide_tiros();
    EXPECT_EQ(pontos, c.hit ? 1 : 0);
    EXPECT_EQ(inimigo[4].ativo, c.hit ? 0 : 1);
    EXPECT_EQ(tiro[3].ativo, c.hit ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Offsets, HitTable,
                         ::testing::Values(HitCase{9.9f, 0.0f, true}, HitCase{10.0f, 0.0f, false},
                                           HitCase{6.9f, 6.9f, true}, HitCase{7.0f, 6.0f, false},
                                           HitCase{0.0f, 9.9f, true}, HitCase{0.0f, 10.0f, false},
                                           HitCase{-9.9f, 0.0f, true}, HitCase{-10.0f, 0.0f, false},
                                           HitCase{-6.9f, -6.9f, true}, HitCase{-7.0f, -6.0f, false},
                                           HitCase{6.0f, -7.0f, false}, HitCase{-6.9f, 6.9f, true},
                                           HitCase{0.0f, 0.0f, true},
                                           // 9 and 1 square to exactly 82: no hit; 9 and 0 to 81
                                           HitCase{9.5f, 1.5f, false}, HitCase{-1.5f, -9.5f, false},
                                           HitCase{9.5f, 0.5f, true}));

TEST_F(TurretRules, TheOffsetIsAFloatDifferenceTruncatedTowardZero)
{
    // 9.5 - (-0.49999997) is 9.99999997 exactly, which truncates to 9 and would hit; as a float
    // difference it rounds to 10.0 and misses.
    const float just_above_minus_half = std::nextafter(-0.5f, 0.0f);
    struct Case {
        Tiro shot;
        Inimigo enemy;
    } cases[] = {
        {{9.5f, 0.0f, 0, 1}, {just_above_minus_half, 0.0f, 1}},
        {{0.0f, 9.5f, 0, 1}, {0.0f, just_above_minus_half, 1}},
    };
    for (const Case &c : cases) {
        inicializa_jogo();
        tiro[0] = c.shot;
        inimigo[0] = c.enemy;
        colide_tiros();
        EXPECT_EQ(pontos, 0) << c.shot.x << ", " << c.shot.y;
        EXPECT_EQ(inimigo[0].ativo, 1) << c.shot.x << ", " << c.shot.y;
    }
}

TEST_F(TurretRules, TheTurretTestRunsBeforeTheShotTest)
{
    inimigo[0] = Inimigo{30.5f, 0.0f, 1}; // 29.5 out after its step: in reach
    tiro[0] = Tiro{27.5f, 0.0f, 0, 1};    // 29.5 out after its step: on the enemy
    do_logic();
    EXPECT_EQ(vidas, VIDAS_INICIAIS - 1);
    EXPECT_EQ(pontos, 0);
    EXPECT_EQ(inimigo[0].ativo, 0);
    EXPECT_EQ(tiro[0].ativo, 1);
}

TEST_F(TurretRules, AShotTakesTheLowerIndexedOfTwoEnemies)
{
    inimigo[3] = Inimigo{100.0f, 0.0f, 1};
    inimigo[5] = Inimigo{102.0f, 0.0f, 1};
    tiro[0] = Tiro{101.0f, 0.0f, 0, 1};
    colide_tiros();
    EXPECT_EQ(inimigo[3].ativo, 0);
    EXPECT_EQ(inimigo[5].ativo, 1);
    EXPECT_EQ(pontos, 1);
}

TEST_F(TurretRules, TheLowerIndexedShotTakesTheEnemyAndTheOtherTestsTheRest)
{
    inimigo[2] = Inimigo{100.0f, 0.0f, 1};
    inimigo[4] = Inimigo{108.0f, 0.0f, 1};
    tiro[0] = Tiro{102.0f, 0.0f, 0, 1}; // reaches enemy 2 only
    tiro[1] = Tiro{104.0f, 0.0f, 0, 1}; // reaches both enemies
    colide_tiros();
    EXPECT_EQ(inimigo[2].ativo, 0);
    EXPECT_EQ(inimigo[4].ativo, 0);
    EXPECT_EQ(tiro[0].ativo, 0);
    EXPECT_EQ(tiro[1].ativo, 0);
    EXPECT_EQ(pontos, 2);
}

TEST_F(TurretRules, FreeRecordsTakePartInNoTest)
{
    inimigo[0] = Inimigo{100.0f, 0.0f, 0};
    tiro[0] = Tiro{100.0f, 0.0f, 0, 1};
    inimigo[1] = Inimigo{0.0f, 0.0f, 0};
    tiro[1] = Tiro{-50.0f, 0.0f, 0, 0};
    inimigo[2] = Inimigo{-50.0f, 0.0f, 1};
    colide_inimigos();
    colide_tiros();
    EXPECT_EQ(vidas, VIDAS_INICIAIS);
    EXPECT_EQ(pontos, 0);
    EXPECT_EQ(tiro[0].ativo, 1);
    EXPECT_EQ(inimigo[2].ativo, 1);
}

// ---- The Lost state ----

TEST_F(TurretRules, WhenLostEverythingMovesButNothingCollidesOrFires)
{
    vidas = 0;
    inimigo[0] = Inimigo{10.0f, 0.0f, 1};  // in the turret's reach
    inimigo[1] = Inimigo{101.0f, 0.0f, 1}; // on shot 0 after both steps
    tiro[0] = Tiro{98.0f, 0.0f, 0, 1};
    key[KEY_SPACE] = 1;
    key[KEY_LEFT] = 1;
    std::vector<int> seq = sequence(13, 1);
    ASSERT_EQ(seq[0] % 10, 0) << "seed 13 must spawn on its first draw";
    do_logic();
    EXPECT_EQ(vidas, 0);
    EXPECT_EQ(pontos, 0);
    EXPECT_EQ(inimigo[0].ativo, 1);
    EXPECT_FLOAT_EQ(inimigo[0].x, 9.0f);
    EXPECT_EQ(inimigo[1].ativo, 1);
    EXPECT_EQ(tiro[0].ativo, 1);
    EXPECT_FLOAT_EQ(tiro[0].x, 100.0f);
    EXPECT_EQ(inimigo[2].ativo, 1) << "spawning goes on";
    EXPECT_EQ(shots_in_flight(), 1) << "nothing is fired";
    EXPECT_EQ(angulo, 119) << "turning goes on";
}

TEST_F(TurretRules, WhenLostEnemiesGatherAndThePoolFillsUp)
{
    vidas = 0;
    for (int i = 0; i < 20000; i++)
        do_logic();
    EXPECT_EQ(enemies_in_play(), INIMIGO_MAX);
    for (const Inimigo &e : inimigo) {
        double x = e.x, y = e.y;
        ASSERT_LE(std::sqrt(x * x + y * y), 1.0) << "every enemy ends at the centre";
    }
    do_logic(); // a spawn draw on a full pool changes nothing
    EXPECT_EQ(enemies_in_play(), INIMIGO_MAX);
}

TEST_F(TurretRules, TheGameIsLostAfterTenEnemiesReachTheTurret)
{
    int ticks = 0;
    while (vidas > 0 && ticks < 100000) {
        do_logic();
        ticks++;
    }
    EXPECT_EQ(vidas, 0);
    EXPECT_EQ(pontos, 0);
    EXPECT_GT(ticks, 370);
}

// ---- Far shots give their records back ----

TEST_F(TurretRules, AShotIsFreedOnceFartherThan420PxAndNotBefore)
{
    for (int direction = 0; direction < ANGULO_PASSOS; direction++) {
        tiro[0] = Tiro{0.0f, 0.0f, direction, 1};
        for (int i = 0; i < 209; i++)
            move_tiro(0);
        ASSERT_EQ(tiro[0].ativo, 1) << "direction " << direction << " at 418 px";
        move_tiro(0);
        move_tiro(0);
        ASSERT_EQ(tiro[0].ativo, 0) << "direction " << direction << " at 422 px";
    }
}

TEST_F(TurretRules, AShotExactly420PxOutIsStillInFlight)
{
    // 210 steps of exactly 2 px along an axis end exactly 420 px out; one more is beyond.
    for (int direction : {0, 30, 60, 90}) {
        tiro[0] = Tiro{0.0f, 0.0f, direction, 1};
        for (int i = 0; i < 210; i++)
            move_tiro(0);
        double x = tiro[0].x, y = tiro[0].y;
        ASSERT_EQ(x * x + y * y, 420.0 * 420.0) << "direction " << direction;
        EXPECT_EQ(tiro[0].ativo, 1) << "direction " << direction << " at 420 px";
        move_tiro(0);
        EXPECT_EQ(tiro[0].ativo, 0) << "direction " << direction << " at 422 px";
    }
    // The float just above 418 steps to the float just above 420.
    tiro[0] = Tiro{std::nextafter(418.0f, 500.0f), 0.0f, 0, 1};
    move_tiro(0);
    ASSERT_EQ(tiro[0].x, std::nextafter(420.0f, 500.0f));
    EXPECT_EQ(tiro[0].ativo, 0) << "just beyond 420 px";
}

TEST_F(TurretRules, AfterThreeHundredMissesTheTurretStillFires)
{
    for (Tiro &t : tiro)
        t = Tiro{0.0f, 0.0f, 0, 1}; // 300 shots just fired, all of them misses
    key[KEY_SPACE] = 1;
    dispara();
    EXPECT_EQ(shots_in_flight(), TIRO_MAX);
    key[KEY_SPACE] = 0;
    dispara();
    for (int i = 0; i < 211; i++)
        move_tiros();
    EXPECT_EQ(shots_in_flight(), 0) << "every miss gave its record back";
    key[KEY_SPACE] = 1;
    dispara();
    EXPECT_EQ(tiro[0].ativo, 1) << "the turret fires again";
    EXPECT_EQ(tiro[0].x, 0.0f);
}

TEST_F(TurretRules, AShotFlyingStraightRightReachesTheEdgeAt160Ticks)
{
    tiro[0] = Tiro{0.0f, 0.0f, 0, 1};
    for (int i = 0; i < 160; i++)
        move_tiro(0);
    EXPECT_FLOAT_EQ(tiro[0].x, 320.0f);
    EXPECT_EQ(tiro[0].ativo, 1);
}

} // namespace
