#include "arcade_random.h"

// The linear congruential generator that the C standard gives as its example of rand().
static unsigned long next_state = 1;

// Returns the next number of the sequence, 0 to 32767.
int arcade_rand()
{
    next_state = (next_state * 1103515245UL + 12345UL) & 0xFFFFFFFFUL;
    return static_cast<int>((next_state / 65536UL) % 32768UL);
}

// Starts the sequence anew from the given seed.
void arcade_srand(unsigned int seed)
{
    next_state = seed;
}
