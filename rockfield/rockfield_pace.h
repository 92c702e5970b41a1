#pragma once
// The rock-field frame's pacing: one field step per pending tick with a bound per pass, and the
// loop of fields, each started anew after a hit.

#include <atomic>
#include <functional>

struct BITMAP;

// The most steps one pass of the main loop runs; ticks pending beyond them are dropped.
const int MAX_STEPS_PER_PASS = 256;

// How a catch-up ended.
enum class catch_up_end { caught_up, hit, escape };

// While ticks are pending: takes one and runs a step. Stops when Escape is held (before a step),
// when a step reports the hit, or after MAX_STEPS_PER_PASS steps, dropping the ticks still pending.
catch_up_end catch_up(std::atomic<int> &pending, const std::function<bool()> &step);

// The frame's own work, called by play_fields.
struct field_calls {
    std::function<void()> start_field;  // builds a new field, then starts the tick timer
    std::function<bool()> step;         // one field step; false when the craft was hit
    std::function<void()> stop_timer;   // stops the tick timer after a hit
    std::function<void(BITMAP *)> show; // draws the field into the back buffer and shows it
};

// Plays field after field until Escape, which is tested at the top of every pass and within a
// catch-up. A pass runs the pending steps, then shows a frame. After a hit the timer stops, the
// back buffer is cleared and a new field starts; the ticks counted meanwhile stay pending.
void play_fields(std::atomic<int> &ticks, BITMAP *back, const field_calls &calls);
