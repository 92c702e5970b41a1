// The rock-field game's field: set-up, steering and firing, and the record pass with its
// contact scan.

#include "rockfield_rules.h"

#include <allegro.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "arcade_random.h"

std::list<rock> rocks;
rock *player = nullptr;
int tts = 0;
float hue = 0.0f;
int field_w = 640;
int field_h = 480;
void (*show_hit)() = nullptr;

// Sets the size of the screen the field lives on.
void set_field_size(int w, int h)
{
    field_w = w;
    field_h = h;
}

// A random fraction 0.0 to 1.0, both ends included.
double random_fraction()
{
    return arcade_rand() / RAND_SCALE;
}

// Empties the field, puts the craft in the middle and scatters twenty rocks with five draws each.
void init()
{
    rocks.clear();
    rocks.push_back(rock{});
    player = &rocks.front();
    player->radius = CRAFT_RADIUS;
    player->x = field_w / 2;
    player->y = field_h / 2;
    player->angle = 0;
    player->speed = 0;
    player->ttl = NEVER_EXPIRES;
    player->type = CRAFT;
    player->hue_offset = 0;
    tts = 0;
    for (int i = 0; i < ROCKS_PER_FIELD; i++) {
        rock r{};
        r.x = arcade_rand() % field_w;
        r.y = arcade_rand() % field_h;
        r.speed = random_fraction() + 1;
        r.angle = random_fraction() * 2 * PI;
        r.hue_offset = random_fraction() * 360;
        r.radius = ROCK_RADIUS;
        r.ttl = NEVER_EXPIRES;
        r.type = ROCK;
        rocks.push_back(r);
    }
}

// Appends a shot leaving the craft's place along its heading, and starts the cooldown.
static void fire()
{
    rock shot{};
    shot.radius = SHOT_RADIUS;
    shot.x = player->x;
    shot.y = player->y;
    shot.angle = player->angle;
    shot.speed = player->speed + SHOT_EXTRA_SPEED;
    shot.ttl = SHOT_TTL;
    shot.type = SHOT;
    shot.hue_offset = 0;
    rocks.push_back(shot);
    tts = SHOT_COOLDOWN;
}

// Cooldown, the draw every step makes, the keys (each held key acts), and the colour phase.
void steer_fire_and_phase()
{
    tts -= 1;
    arcade_rand();
    if (key[KEY_UP] && player->speed < TOP_SPEED)
        player->speed += SPEED_STEP;
    if (key[KEY_DOWN] && player->speed > 0)
        player->speed -= SPEED_STEP;
    if (key[KEY_LEFT])
        player->angle -= TURN_STEP;
    if (key[KEY_RIGHT])
        player->angle += TURN_STEP;
    if (key[KEY_SPACE] && tts <= 0)
        fire();
    hue = hue + HUE_STEP;
    if (hue >= HUE_TURN)
        hue -= HUE_TURN;
}

// Moves a record one step and applies each of the four edge tests once, in order.
void move_and_wrap(rock &r)
{
    r.x += std::cos(r.angle) * r.speed;
    r.y += std::sin(r.angle) * r.speed;
    if (r.x < 0)
        r.x += field_w;
    if (r.x >= field_w)
        r.x -= field_w;
    if (r.y < 0)
        r.y += field_h;
    if (r.y >= field_h)
        r.y -= field_h;
}

// Contact in plain screen coordinates, strictly below the sum of the radii.
bool touching(const rock &a, const rock &b)
{
    double dx = a.x - b.x;
    double dy = a.y - b.y;
    double d = std::sqrt(dx * dx + dy * dy);
    return a.radius + b.radius > d;
}

// Two fragments of half the radius, 1.5 times the speed and the same hue offset, each with a
// random angle, the first fragment's drawn first.
void split_fragments(const rock &parent, rock *first, rock *second)
{
    rock f{};
    f.radius = parent.radius / 2;
    f.x = parent.x;
    f.y = parent.y;
    f.speed = parent.speed * FRAGMENT_SPEEDUP;
    f.hue_offset = parent.hue_offset;
    f.type = ROCK;
    f.ttl = NEVER_EXPIRES;
    *first = f;
    first->angle = random_fraction() * 2 * PI;
    *second = f;
    second->angle = random_fraction() * 2 * PI;
}

// Shows the hit through show_hit, if set, and returns false.
bool craft_hit()
{
    if (show_hit)
        show_hit();
    return false;
}

namespace {

using record_iter = std::list<rock>::iterator;
const int TYPES = 3;

// The pass's view of the list: every record by its place in list order (its slot), whether it is
// still in the list, and for each type the slots of its records in ascending order. Records are
// only appended at the end, so slot order is list order and stays so while fragments join.
struct pass_index {
    std::vector<record_iter> slot;
    std::vector<char> alive;
    std::vector<std::size_t> of_type[TYPES];
    std::size_t after[TYPES]; // per type: first entry whose slot lies after the current record

    // Fills the index from the list as it stands; keeps the vectors' storage between steps.
    void build()
    {
        slot.clear();
        alive.clear();
        for (auto &t : of_type)
            t.clear();
        for (auto it = rocks.begin(); it != rocks.end(); ++it)
            add(it);
        for (auto &a : after)
            a = 0;
    }

    // Records a record that has just been put at the end of the list.
    void add(record_iter it)
    {
        if (it->type >= 0 && it->type < TYPES)
            of_type[it->type].push_back(slot.size());
        slot.push_back(it);
        alive.push_back(1);
    }

    // Takes the record in slot s out of the list.
    void remove(std::size_t s)
    {
        rocks.erase(slot[s]);
        alive[s] = 0;
    }

    // Moves every type's cursor past slot s, so each names the first of its records after s.
    void pass_slot(std::size_t s)
    {
        for (int t = 0; t < TYPES; t++)
            while (after[t] < of_type[t].size() && of_type[t][after[t]] <= s)
                after[t]++;
    }

    // The next living slot of type t at or after position *pos in of_type[t], or SIZE_MAX.
    std::size_t next_of(int t, std::size_t *pos) const
    {
        while (*pos < of_type[t].size() && !alive[of_type[t][*pos]])
            (*pos)++;
        return *pos < of_type[t].size() ? of_type[t][*pos] : SIZE_MAX;
    }
};

pass_index pass;

// Splits rock a (in slot sa) hit by shot b: appends the two fragments, then removes both.
void split(std::size_t sa, std::size_t sb)
{
    rock first, second;
    split_fragments(*pass.slot[sa], &first, &second);
    rocks.push_back(first);
    pass.add(std::prev(rocks.end()));
    rocks.push_back(second);
    pass.add(std::prev(rocks.end()));
    pass.remove(sa);
    pass.remove(sb);
}

enum class scan_result { go_on, split, hit };

// Tests the current record (slot s) against the later records of the two other types, merged in
// list order; the first contact that matters decides.
scan_result contact_scan(std::size_t s)
{
    rock &cur = *pass.slot[s];
    int t = cur.type;
    if (t < 0 || t >= TYPES)
        return scan_result::go_on;
    int u = (t + 1) % TYPES;
    int v = (t + 2) % TYPES;
    std::size_t pu = pass.after[u];
    std::size_t pv = pass.after[v];
    for (;;) {
        std::size_t su = pass.next_of(u, &pu);
        std::size_t sv = pass.next_of(v, &pv);
        std::size_t other;
        if (su == SIZE_MAX && sv == SIZE_MAX)
            return scan_result::go_on;
        if (su < sv) {
            other = su;
            pu++;
        } else {
            other = sv;
            pv++;
        }
        rock &o = *pass.slot[other];
        if (!touching(cur, o))
            continue;
        bool cur_lower = t < o.type;
        int lower = cur_lower ? t : o.type;
        int upper = cur_lower ? o.type : t;
        if (lower == CRAFT && upper == ROCK)
            return scan_result::hit;
        if (lower == ROCK && upper == SHOT) {
            if (cur_lower)
                split(s, other);
            else
                split(other, s);
            return scan_result::split;
        }
    }
}

} // namespace

// Walks every record once, fragments made on the way included: expiry, motion and wrap, then the
// contact scan against later records of the other types only, so a step costs time in
// proportion to the number of records.
bool record_pass()
{
    pass.build();
    for (std::size_t s = 0; s < pass.slot.size(); s++) {
        if (!pass.alive[s])
            continue;
        rock &cur = *pass.slot[s];
        if (cur.ttl != NEVER_EXPIRES) {
            cur.ttl -= 1;
            if (cur.ttl <= 0) {
                pass.remove(s);
                continue;
            }
        }
        move_and_wrap(cur);
        pass.pass_slot(s);
        if (contact_scan(s) == scan_result::hit)
            return craft_hit();
    }
    return true;
}

// One field step: controls and colour phase, then the record pass.
bool logic()
{
    steer_fire_and_phase();
    return record_pass();
}
