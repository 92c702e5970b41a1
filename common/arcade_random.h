#pragma once

// The largest value arcade_rand() returns.
constexpr int ARCADE_RAND_MAX = 32767;

// Returns the next number of the sequence, 0 to 32767, with the contract of C's rand():
// unseeded, every run draws the same sequence.
int arcade_rand();

// Starts the sequence of arcade_rand() anew from the given seed, as C's srand() does.
void arcade_srand(unsigned int seed);
