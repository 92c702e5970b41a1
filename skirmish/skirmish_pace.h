#pragma once
// The fixed pace of the arena-shooter game: seven passes for every tick of the logic timer, spread
// over the tick rather than run back to back.

#include <functional>

const int LOGIC_TIMER_PERIOD = 33333; // timer units: a tick every 27.94 ms, about 35.8 a second
const int PASSES_PER_TICK = 7;        // about 250.6 passes a second, 3.99 ms a pass
const int BACKLOG_LIMIT_TICKS = 36;   // about one second of ticks
const int PASS_SPACING_MS = 3;        // rest between passes while on schedule, about a seventh of a tick
const int TICK_WAIT_MS = 1;           // rest while no pass is owed, until the next tick

// The passes owed at this tick count, given the passes run so far. A backlog of more than a second
// is dropped (and a counter that went backwards is taken up afresh) by moving passes_run on, so that
// one tick's passes are owed.
long long passes_owed(int ticks, long long &passes_run);

// The rest in milliseconds before the next step of the loop, with `owed` passes owed: wait for the
// next tick when none is owed, space the passes while fewer than a tick's worth are owed, and none
// while the loop is behind.
int rest_before_pass(long long owed);

// Runs passes at the fixed pace until `pass` returns false. `ticks` reads the logic timer's count and
// `rest` sleeps for the given number of milliseconds.
void run_paced(const std::function<int()> &ticks, const std::function<void(int)> &rest,
               const std::function<bool()> &pass);
