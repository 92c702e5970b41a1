#pragma once
// The moon-guard frame's pacing: every play frame lasts at least 20 ms of elapsed time.

#include <chrono>

const std::chrono::milliseconds FRAME_TIME(20);

// Waits, polling without pause, until FRAME_TIME has passed since start on a monotonic clock.
void wait_frame_end(std::chrono::steady_clock::time_point start);
