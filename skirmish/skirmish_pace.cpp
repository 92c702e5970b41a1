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
