#pragma once
#include <ostream>

// A colour as red, green and blue components, 0 to 255 each.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb &o) const { return !(*this == o); }
};

// Prints a colour as (r, g, b).
inline std::ostream &operator<<(std::ostream &os, const Rgb &c)
{
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
