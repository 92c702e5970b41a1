#pragma once
// The rock-field frame's catch-up: one field step per pending tick, with a bound per pass.

#include <atomic>
#include <functional>

// The most steps one pass of the main loop runs; ticks pending beyond them are dropped.
const int MAX_STEPS_PER_PASS = 256;

// How a catch-up ended.
enum class catch_up_end { caught_up, hit, escape };

// While ticks are pending: takes one and runs a step. Stops when Escape is held (before a step),
// when a step reports the hit, or after MAX_STEPS_PER_PASS steps, dropping the ticks still pending.
catch_up_end catch_up(std::atomic<int> &pending, const std::function<bool()> &step);
