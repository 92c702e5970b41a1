#pragma once
// The fixed pace of the arena-shooter game: seven passes for every tick of the logic timer.

const int LOGIC_TIMER_PERIOD = 33333; // timer units: a tick every 27.94 ms, about 35.8 a second
const int PASSES_PER_TICK = 7;        // about 250.6 passes a second, 3.99 ms a pass
const int BACKLOG_LIMIT_TICKS = 36;   // about one second of ticks

// The passes owed at this tick count, given the passes run so far. A backlog of more than a second
// is dropped (and a counter that went backwards is taken up afresh) by moving passes_run on, so that
// one tick's passes are owed.
long long passes_owed(int ticks, long long &passes_run);
