#pragma once
// Allegro without a window for tests: memory bitmaps, fonts and the key array, no display needed.

#include <allegro.h>
#include <gtest/gtest.h>

#include "rgb.h"

// Starts Allegro with no system driver and sets the colour depth for memory bitmaps.
// Safe to call more than once; later calls only change the depth.
void headless_allegro(int depth = 32);

// Releases every key in Allegro's key array.
void release_all_keys();

// A memory bitmap that is destroyed with the object.
struct TestBitmap {
    BITMAP *bmp;
    TestBitmap(int w, int h, int depth = 32);
    ~TestBitmap();
    TestBitmap(const TestBitmap &) = delete;
    TestBitmap &operator=(const TestBitmap &) = delete;
    operator BITMAP *() const { return bmp; }
};

// Reads the pixel at (x, y) of a bitmap as red, green and blue, whatever the bitmap's depth.
Rgb pixel_rgb(BITMAP *bmp, int x, int y);

// Counts the pixels of the bitmap that have the given colour.
int count_rgb(BITMAP *bmp, Rgb colour);
