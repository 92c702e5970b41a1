#pragma once
// A small field for the rule tests: only the records a test places, the hit counted, no pause.

#include <iterator>

#include "arcade_random.h"
#include "headless.h"
#include "rockfield_rules.h"

// Builds a craft record at (x, y), at rest and pointing right.
inline rock craft_at(double x, double y)
{
    return rock{CRAFT_RADIUS, x, y, 0.0, 0.0, NEVER_EXPIRES, CRAFT, 0.0};
}

// Builds a rock record.
inline rock rock_at(double x, double y, int radius = ROCK_RADIUS, double speed = 0.0, double angle = 0.0,
                    double hue_offset = 0.0)
{
    return rock{radius, x, y, angle, speed, NEVER_EXPIRES, ROCK, hue_offset};
}

// Builds a shot record.
inline rock shot_at(double x, double y, double speed = 0.0, int ttl = SHOT_TTL)
{
    return rock{SHOT_RADIUS, x, y, 0.0, speed, ttl, SHOT, 0.0};
}

// A field holding only a craft in the middle of a 640x480 screen, hue 0, no keys held.
class Field : public ::testing::Test {
protected:
    static inline int hits = 0;

    void SetUp() override
    {
        headless_allegro(16);
        set_field_size(640, 480);
        hits = 0;
        show_hit = [] { hits++; };
        arcade_srand(1);
        hue = 0.0f;
        tts = 0;
        place({craft_at(320, 240)});
    }

    void TearDown() override
    {
        release_all_keys();
        show_hit = nullptr;
    }

    // Replaces the field by the given records, the first being the craft.
    void place(std::initializer_list<rock> records)
    {
        rocks.assign(records);
        player = &rocks.front();
    }

    // The record at the given place in the list.
    rock &at(int index) { return *std::next(rocks.begin(), index); }

    // Runs n steps, each expected to go on without a hit.
    void steps(int n)
    {
        for (int i = 0; i < n; i++)
            ASSERT_TRUE(logic()) << "step " << i + 1;
    }
};
