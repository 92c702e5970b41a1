// The record pass as the plain walk over the list: each record tests every record after it.

#include "straight_walk.h"

#include <iterator>

#include "rockfield_rules.h"

// Walks the list from the craft to the last record, fragments made on the way included.
bool record_pass_walk()
{
    for (auto it = rocks.begin(); it != rocks.end();) {
        rock &cur = *it;
        if (cur.ttl != NEVER_EXPIRES) {
            cur.ttl -= 1;
            if (cur.ttl <= 0) {
                it = rocks.erase(it);
                continue;
            }
        }
        move_and_wrap(cur);
        bool split = false;
        for (auto jt = std::next(it); jt != rocks.end(); ++jt) {
            if (jt->type == cur.type || !touching(cur, *jt))
                continue;
            bool cur_lower = cur.type < jt->type;
            rock &a = cur_lower ? cur : *jt;
            rock &b = cur_lower ? *jt : cur;
            if (a.type == CRAFT && b.type == ROCK)
                return craft_hit();
            if (a.type == ROCK && b.type == SHOT) {
                rock first, second;
                split_fragments(a, &first, &second);
                rocks.push_back(first);
                rocks.push_back(second);
                auto next = std::next(it);
                if (next == jt)
                    ++next;
                rocks.erase(jt);
                rocks.erase(it);
                it = next;
                split = true;
                break;
            }
        }
        if (!split)
            ++it;
    }
    return true;
}

// Controls and colour phase, then the plain walk.
bool logic_walk()
{
    steer_fire_and_phase();
    return record_pass_walk();
}
