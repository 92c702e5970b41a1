#include "startup_failure.h"

#include <allegro.h>
#include <cstdio>
#include <cstdlib>

// Prints one line naming the program and why it could not start, then exits with status 1.
void startup_failure(const char *program, const char *reason)
{
    if (allegro_error[0] != '\0')
        std::fprintf(stderr, "%s: %s (%s)\n", program, reason, allegro_error);
    else
        std::fprintf(stderr, "%s: %s\n", program, reason);
    std::fflush(stderr);
    std::exit(1);
}
