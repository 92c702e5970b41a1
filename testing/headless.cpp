#include "headless.h"

#include <cerrno>
#include <cstdlib>

// Starts Allegro with no system driver, once, and sets the colour depth.
void headless_allegro(int depth)
{
    static bool started = false;
    if (!started) {
        if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
            ADD_FAILURE() << "Allegro could not start without a system driver";
            std::abort();
        }
        started = true;
    }
    set_color_depth(depth);
    release_all_keys();
}

// Releases every key in Allegro's key array.
void release_all_keys()
{
    for (int i = 0; i < KEY_MAX; i++)
        key[i] = 0;
}

// Makes a memory bitmap of the given size and depth.
TestBitmap::TestBitmap(int w, int h, int depth)
{
    bmp = create_bitmap_ex(depth, w, h);
    if (bmp)
        clear_bitmap(bmp);
}

// Destroys the bitmap.
TestBitmap::~TestBitmap()
{
    if (bmp)
        destroy_bitmap(bmp);
}

// Reads one pixel as red, green and blue in the bitmap's own depth.
Rgb pixel_rgb(BITMAP *bmp, int x, int y)
{
    int depth = bitmap_color_depth(bmp);
    int c = getpixel(bmp, x, y);
    return Rgb{getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c)};
}

// Counts the pixels of one colour.
int count_rgb(BITMAP *bmp, Rgb colour)
{
    int n = 0;
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            if (pixel_rgb(bmp, x, y) == colour)
                n++;
    return n;
}
