#include "skirmish_pace.h"

// Compares the passes due by the tick count with those run, dropping a backlog beyond the limit.
long long passes_owed(int ticks, long long &passes_run)
{
    long long due = static_cast<long long>(ticks) * PASSES_PER_TICK;
    long long owed = due - passes_run;
    if (owed > static_cast<long long>(BACKLOG_LIMIT_TICKS) * PASSES_PER_TICK || owed < 0) {
        passes_run = due - PASSES_PER_TICK;
        owed = PASSES_PER_TICK;
    }
    return owed;
}

// A whole tick owed means the loop is behind (or a tick just began): no rest then.
int rest_before_pass(long long owed)
{
    if (owed == 0)
        return TICK_WAIT_MS;
    if (owed < PASSES_PER_TICK)
        return PASS_SPACING_MS;
    return 0;
}

// The first pass of a tick runs at once, the others after a short rest each, so the seven passes
// fill the tick; a loop that falls behind runs its passes back to back until it has caught up.
void run_paced(const std::function<int()> &ticks, const std::function<void(int)> &rest,
               const std::function<bool()> &pass)
{
    long long passes_run = 0;
    for (;;) {
        long long owed = passes_owed(ticks(), passes_run);
        int pause = rest_before_pass(owed);
        if (pause > 0)
            rest(pause);
        if (owed == 0)
            continue;
        if (!pass())
            return;
        passes_run++;
    }
}
