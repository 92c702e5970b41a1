#pragma once

// Prints "<program>: <reason>" on stderr, adding Allegro's own error text when it has one,
// and ends the program with status 1.
[[noreturn]] void startup_failure(const char *program, const char *reason);
