// The shared generator and the start-up failure report.

#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdio>
#include <set>
#include <vector>

#include "arcade_random.h"
#include "startup_failure.h"

namespace {

// The C standard's example generator, written out step by step as the reference.
std::vector<int> reference_sequence(unsigned long seed, int n)
{
    std::vector<int> out;
    unsigned long next = seed;
    for (int i = 0; i < n; i++) {
        next = (next * 1103515245UL + 12345UL) % 4294967296UL;
        out.push_back(static_cast<int>(next / 65536UL % 32768UL));
    }
    return out;
}

std::vector<int> draw(int n)
{
    std::vector<int> out;
    for (int i = 0; i < n; i++)
        out.push_back(arcade_rand());
    return out;
}

TEST(ArcadeRandom, SeedingRestartsTheReferenceSequence)
{
    for (unsigned int seed : {1u, 0u, 42u, 4294967295u}) {
        arcade_srand(seed);
        EXPECT_EQ(draw(1000), reference_sequence(seed, 1000)) << "seed " << seed;
    }
}

TEST(ArcadeRandom, KnownFirstValuesOfSeedOne)
{
    arcade_srand(1);
    EXPECT_EQ(draw(3), (std::vector<int>{16838, 5758, 10113}));
}

TEST(ArcadeRandom, CoversExactlyZeroTo32767)
{
    arcade_srand(7);
    int lo = ARCADE_RAND_MAX, hi = 0;
    std::set<int> seen;
    for (int i = 0; i < 1000000; i++) {
        int v = arcade_rand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        seen.insert(v);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 32767);
    EXPECT_EQ(seen.size(), 32768u);
}

TEST(ArcadeRandomDeathTest, UnseededStartsFromTheSameStateInEveryRun)
{
    // A freshly started process has never seeded the generator: its first draws are those of
    // seed 1. The threadsafe style runs the check in a new run of this test program, not in a copy
    // of this process with its draws so far.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::vector<int> first = draw(5);
            std::exit(first == reference_sequence(1, 5) ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(StartupFailureDeathTest, PrintsOneLineNamingTheProgramAndExitsWithOne)
{
    EXPECT_EXIT(startup_failure("moonguard", "cannot open a 640x480 window"), ::testing::ExitedWithCode(1),
                "^moonguard: cannot open a 640x480 window\n$");
}

TEST(StartupFailureDeathTest, AddsAllegrosOwnReasonWhenItHasOne)
{
    EXPECT_EXIT(
        {
            std::snprintf(allegro_error, ALLEGRO_ERROR_SIZE, "%s", "Unable to find a suitable graphics driver");
            startup_failure("turret", "cannot open a 640x480 window");
        },
        ::testing::ExitedWithCode(1),
        "^turret: cannot open a 640x480 window \\(Unable to find a suitable graphics driver\\)\n$");
}

} // namespace
