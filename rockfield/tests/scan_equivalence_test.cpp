// The linear contact scan against the straightforward walk: two copies of a field run side by side
// with the same keys and the same random numbers, and must agree after every step, down to how
// many numbers each drew.

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <utility>

#include "field_fixture.h"
#include "straight_walk.h"

namespace {

// Everything a step changes.
struct game_state {
    std::list<rock> records;
    rock *craft = nullptr;
    int cooldown = 0;
    float phase = 0.0f;
};

// Exchanges the game's globals with the state; a second call puts them back.
void swap_in(game_state &s)
{
    std::swap(rocks, s.records);
    std::swap(player, s.craft);
    std::swap(tts, s.cooldown);
    std::swap(hue, s.phase);
}

// A copy of the game's globals, its craft pointer into its own list.
game_state copy_of_game()
{
    game_state s;
    s.records = rocks;
    s.craft = s.records.empty() ? nullptr : &s.records.front();
    s.cooldown = tts;
    s.phase = hue;
    return s;
}

bool same_record(const rock &a, const rock &b)
{
    return a.radius == b.radius && a.x == b.x && a.y == b.y && a.angle == b.angle && a.speed == b.speed &&
           a.ttl == b.ttl && a.type == b.type && a.hue_offset == b.hue_offset;
}

// Describes the first difference between two states, or returns an empty text.
std::string difference(const game_state &a, const game_state &b)
{
    std::ostringstream out;
    if (a.cooldown != b.cooldown)
        out << "tts " << a.cooldown << " vs " << b.cooldown << "; ";
    if (a.phase != b.phase)
        out << "hue " << a.phase << " vs " << b.phase << "; ";
    if (a.craft != &a.records.front() || b.craft != &b.records.front())
        out << "player is not the first record; ";
    if (a.records.size() != b.records.size()) {
        out << "sizes " << a.records.size() << " vs " << b.records.size();
        return out.str();
    }
    int i = 0;
    for (auto ia = a.records.begin(), ib = b.records.begin(); ia != a.records.end(); ++ia, ++ib, ++i)
        if (!same_record(*ia, *ib)) {
            out << "record " << i << " (types " << ia->type << ", " << ib->type << ", x " << ia->x << ", "
                << ib->x << ")";
            break;
        }
    return out.str();
}

// Appends a rock with a craft record at its edge and a shot on it after it, in either order: the
// rock meets both in its own scan, and whichever comes first in list order decides between a hit
// and a split that leaves the craft record untouched.
void rock_between_craft_and_shot(std::mt19937 &rng)
{
    std::uniform_real_distribution<double> x(0, 640), y(0, 480), turn(0, 6.3), unit(0, 1);
    double cx = x(rng), cy = y(rng);
    int radius = 6 + static_cast<int>(rng() % 11);
    rocks.push_back(rock_at(cx, cy, radius, unit(rng), turn(rng), unit(rng) * 360));
    // Within the rock's reach after it moves (at most 1 px), beyond its fragments' reach.
    double craft_way = turn(rng), shot_way = turn(rng), reach = CRAFT_RADIUS + 0.75 * radius;
    rock craft = craft_at(cx + reach * std::cos(craft_way), cy + reach * std::sin(craft_way));
    rock shot = shot_at(cx + radius / 2.0 * std::cos(shot_way), cy + radius / 2.0 * std::sin(shot_way),
                        5 + unit(rng) * 3, 1 + static_cast<int>(rng() % 30));
    shot.angle = turn(rng);
    bool craft_first = rng() % 2;
    rocks.push_back(craft_first ? craft : shot);
    rocks.push_back(craft_first ? shot : craft);
}

// Builds a crowded field: the craft, then rocks of every size and shots of every age in random
// order; now and then a second craft further down the list, or a rock followed by a craft record
// and a shot that both touch it.
void crowded_field(std::mt19937 &rng)
{
    std::uniform_real_distribution<double> x(0, 640), y(0, 480), turn(0, 6.3), unit(0, 1);
    rocks.clear();
    rocks.push_back(craft_at(x(rng), y(rng)));
    player = &rocks.front();
    int n = 10 + static_cast<int>(rng() % 150);
    for (int i = 0; i < n; i++) {
        double kind = unit(rng);
        if (kind < 0.7)
            rocks.push_back(rock_at(x(rng), y(rng), static_cast<int>(rng() % 17), unit(rng) * 4, turn(rng),
                                    unit(rng) * 360));
        else if (kind < 0.95) {
            rock s = shot_at(x(rng), y(rng), 5 + unit(rng) * 3, 1 + static_cast<int>(rng() % 30));
            s.angle = turn(rng);
            rocks.push_back(s);
        } else if (kind < 0.98)
            rocks.push_back(craft_at(x(rng), y(rng)));
        else
            rock_between_craft_and_shot(rng);
    }
    tts = static_cast<int>(rng() % 12) - 2;
}

// The number of rocks on the field: only a split changes it, by one.
int rock_count()
{
    int n = 0;
    for (const rock &r : rocks)
        n += r.type == ROCK;
    return n;
}

// How often the scripted player holds each key.
struct key_script {
    double space, up, down, left, right;
};

// Runs both walks side by side for the given number of steps; a hit starts a new field made
// by make_field in both. Returns the numbers of hits and splits seen.
std::pair<int, int> run_side_by_side(std::mt19937 &rng, int steps, const key_script &keys,
                                     void (*make_field)(std::mt19937 &))
{
    std::uniform_real_distribution<double> unit(0, 1);
    make_field(rng);
    game_state scan = copy_of_game(), walk = copy_of_game();
    int hits = 0, splits = 0;
    for (int step = 1; step <= steps; step++) {
        key[KEY_SPACE] = unit(rng) < keys.space;
        key[KEY_UP] = unit(rng) < keys.up;
        key[KEY_DOWN] = unit(rng) < keys.down;
        key[KEY_LEFT] = unit(rng) < keys.left;
        key[KEY_RIGHT] = unit(rng) < keys.right;
        unsigned step_seed = rng();
        unsigned field_seed = rng();

        swap_in(scan);
        arcade_srand(step_seed);
        int rocks_before = rock_count();
        bool scan_goes_on = logic();
        int scan_next = arcade_rand();
        int rocks_after = rock_count();
        swap_in(scan);

        swap_in(walk);
        arcade_srand(step_seed);
        bool walk_goes_on = logic_walk();
        int walk_next = arcade_rand();
        swap_in(walk);

        if (scan_goes_on != walk_goes_on) {
            ADD_FAILURE() << "step " << step << ": scan " << scan_goes_on << ", walk " << walk_goes_on;
            return {hits, splits};
        }
        if (scan_next != walk_next) {
            ADD_FAILURE() << "step " << step << ": the two walks drew different counts of random numbers";
            return {hits, splits};
        }
        if (!scan_goes_on) {
            hits++;
            std::mt19937 field_rng(field_seed);
            make_field(field_rng);
            scan = copy_of_game();
            walk = copy_of_game();
            continue;
        }
        std::string diff = difference(scan, walk);
        if (!diff.empty()) {
            ADD_FAILURE() << "step " << step << ": " << diff;
            return {hits, splits};
        }
        splits += rocks_after - rocks_before;
    }
    return {hits, splits};
}

// A new field as the game makes it, from the game's own generator.
void game_field(std::mt19937 &rng)
{
    arcade_srand(rng());
    init();
}

class ScanEquivalence : public Field {
protected:
    void SetUp() override
    {
        Field::SetUp();
        show_hit = nullptr;
    }
};

TEST_F(ScanEquivalence, GameFieldsWithAShootingPlayer)
{
    std::mt19937 rng(20061028);
    auto [hit_count, split_count] = run_side_by_side(rng, 20000, {0.8, 0.3, 0.2, 0.3, 0.3}, game_field);
    EXPECT_GT(hit_count, 20);
    EXPECT_GT(split_count, 200);
    std::printf("%d hits, %d splits\n", hit_count, split_count);
}

TEST_F(ScanEquivalence, CrowdedFieldsWithShotsAndRocksInAnyOrder)
{
    std::mt19937 rng(31337);
    auto [hit_count, split_count] = run_side_by_side(rng, 20000, {0.5, 0.3, 0.3, 0.3, 0.3}, crowded_field);
    EXPECT_GT(hit_count, 300);
    EXPECT_GT(split_count, 500);
    std::printf("%d hits, %d splits\n", hit_count, split_count);
}

} // namespace
