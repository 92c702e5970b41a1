// The moon-guard pictures: positions by the 57.32 divisor, colours, drawing order and texts.

#include <gtest/gtest.h>

#include <cstring>

#include "headless.h"
#include "moonguard_draw.h"
#include "moonguard_rules.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};
const Rgb EARTH{0, 128, 255};
const Rgb METEOR{255, 192, 0};

class MoonguardDraw : public ::testing::Test {
protected:
    TestBitmap bmp{640, 480};
    void SetUp() override
    {
        headless_allegro();
        reset_game();
    }
};

// The smallest rectangle holding every pixel of a colour: x0, y0, x1, y1 inclusive.
struct Box {
    int x0 = 10000, y0 = 10000, x1 = -1, y1 = -1;
};
Box bounds(BITMAP *b, Rgb colour, int y_from = 0, int y_to = 480)
{
    Box box;
    for (int y = y_from; y < y_to; y++)
        for (int x = 0; x < b->w; x++)
            if (pixel_rgb(b, x, y) == colour) {
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x);
                box.y1 = std::max(box.y1, y);
            }
    return box;
}

TEST_F(MoonguardDraw, PolarPointUsesTheDivisorAndTruncates)
{
    const int table[][4] = {
        // angle, radius, x, y
        {270, 70, 320, 171}, {180, 70, 251, 240}, {0, 70, 390, 240}, {90, 70, 320, 309},
        {45, 100, 390, 310}, {225, 100, 250, 170},
    };
    for (const auto &row : table) {
        int x, y;
        polar_point(row[0], row[1], &x, &y);
        EXPECT_EQ(x, row[2]) << "angle " << row[0];
        EXPECT_EQ(y, row[3]) << "angle " << row[0];
    }
}

TEST_F(MoonguardDraw, EarthAndMoonStandWhereTheyBelong)
{
    draw_play(bmp);
    Box earth = bounds(bmp, EARTH);
    EXPECT_EQ(earth.x0, 280);
    EXPECT_EQ(earth.x1, 360);
    EXPECT_EQ(earth.y0, 200);
    EXPECT_EQ(earth.y1, 280);
    Box moon = bounds(bmp, WHITE, 100, 260);
    EXPECT_EQ(moon.x0, 320 - 12);
    EXPECT_EQ(moon.x1, 320 + 12);
    EXPECT_EQ(moon.y0, 171 - 12);
    EXPECT_EQ(moon.y1, 171 + 12);
    EXPECT_EQ(pixel_rgb(bmp, 320, 183), WHITE);
    EXPECT_EQ(pixel_rgb(bmp, 320, 200), EARTH);

    clear_bitmap(bmp);
    p_angle = 180;
    draw_play(bmp);
    EXPECT_EQ(pixel_rgb(bmp, 251, 240), WHITE);
    EXPECT_EQ(pixel_rgb(bmp, 251 - 12, 240), WHITE);
    EXPECT_EQ(pixel_rgb(bmp, 251 - 13, 240), BLACK);
}

TEST_F(MoonguardDraw, MeteorsAndRingsByStage)
{
    // Slot 0: a flying meteor; slot 1: stage-1 ring (not drawn); slot 2: stage-2 ring of radius 20;
    // slot 3: a stage-9 ring under a new meteor (not drawn); slot 4: stage 0 (nothing).
    block[0] = meteor{150, 0, 0};
    active[0] = true;
    block[1] = meteor{150, 90, 1};
    block[2] = meteor{150, 180, 2};
    block[3] = meteor{200, 270, 9};
    active[3] = true;
    block[4] = meteor{100, 45, 0};
    draw_play(bmp);

    EXPECT_EQ(pixel_rgb(bmp, 470, 240), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, 477, 240), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, 478, 240), BLACK);

    int x, y;
    polar_point(90, 150, &x, &y);
    EXPECT_EQ(pixel_rgb(bmp, x, y), BLACK) << "a stage-1 ring is not drawn";
    EXPECT_EQ(pixel_rgb(bmp, x + 10, y), BLACK);

    polar_point(180, 150, &x, &y);
    EXPECT_EQ(pixel_rgb(bmp, x, y), BLACK) << "a ring is an outline";
    EXPECT_EQ(pixel_rgb(bmp, x + 20, y), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, x - 20, y), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, x, y - 20), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, x + 21, y), BLACK);

    polar_point(270, 200, &x, &y);
    EXPECT_EQ(pixel_rgb(bmp, x, y), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, x + 90, y), BLACK) << "a ring under a new meteor is not drawn";

    polar_point(45, 100, &x, &y);
    EXPECT_EQ(pixel_rgb(bmp, x, y), BLACK);
}

TEST_F(MoonguardDraw, RingRadiusIsTenTimesTheStage)
{
    for (int stage = 2; stage <= 9; stage++) {
        clear_bitmap(bmp);
        reset_game();
        block[2] = meteor{150, 180, stage};
        draw_play(bmp);
        int x, y;
        polar_point(180, 150, &x, &y);
        int r = stage * 10;
        EXPECT_EQ(pixel_rgb(bmp, x + r, y), METEOR) << "stage " << stage;
        EXPECT_EQ(pixel_rgb(bmp, x, y + r), METEOR) << "stage " << stage;
        EXPECT_EQ(pixel_rgb(bmp, x + r + 1, y), BLACK) << "stage " << stage;
        EXPECT_EQ(pixel_rgb(bmp, x + r - 1, y), BLACK) << "stage " << stage;
    }
}

TEST_F(MoonguardDraw, MeteorThatEndsTheGameIsDrawnOverTheEarth)
{
    block[0] = meteor{38, 270, 0};
    active[0] = true;
    draw_play(bmp);
    // The meteor's disc is drawn after the earth.
    EXPECT_EQ(pixel_rgb(bmp, 320, 202), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, 320, 203 - 7), METEOR);
    EXPECT_EQ(pixel_rgb(bmp, 320, 203 - 8), BLACK);
}

TEST_F(MoonguardDraw, ScoreTextAtItsCorner)
{
    score = 1234;
    draw_play(bmp);
    TestBitmap expected{640, 480};
    textout_ex(expected, font, "Score: 1234", 30, 20, makecol(255, 255, 255), -1);
    Box text = bounds(bmp, WHITE, 0, 100);
    Box want = bounds(expected, WHITE, 0, 100);
    EXPECT_EQ(text.x0, want.x0);
    EXPECT_EQ(text.x1, want.x1);
    EXPECT_EQ(text.y0, want.y0);
    EXPECT_EQ(text.y1, want.y1);
    for (int y = 20; y < 28; y++)
        for (int x = 30; x < 30 + 11 * 8; x++)
            ASSERT_EQ(pixel_rgb(bmp, x, y), pixel_rgb(expected, x, y)) << x << "," << y;
}

struct LineCase {
    const char *text;
    int y;
};

// Checks that each line is drawn in white, centred on x = 320, at its row, and nothing else.
void expect_centred_lines(BITMAP *drawn, const LineCase *lines, int n)
{
    TestBitmap expected{640, 480};
    for (int i = 0; i < n; i++) {
        int w = text_length(font, lines[i].text);
        textout_ex(expected, font, lines[i].text, 320 - w / 2, lines[i].y, makecol(255, 255, 255), -1);
        Box box = bounds(drawn, WHITE, lines[i].y, lines[i].y + 8);
        EXPECT_NEAR((box.x0 + box.x1) / 2.0, 320, 4) << lines[i].text;
    }
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++)
            ASSERT_EQ(pixel_rgb(drawn, x, y), pixel_rgb(expected, x, y)) << x << "," << y;
}

TEST_F(MoonguardDraw, TitleLines)
{
    draw_title(bmp);
    const LineCase lines[] = {
        {"Welcome to Lunaris!", 200},
        {"Rotate the Moon around the earth to block the oncoming meteors", 220},
        {"Press Enter to start game", 240},
    };
    expect_centred_lines(bmp, lines, 3);
}

TEST_F(MoonguardDraw, GameOverLines)
{
    draw_game_over(bmp);
    const LineCase lines[] = {{"Game Over", 240}, {"Press esc to quit", 260}};
    expect_centred_lines(bmp, lines, 2);
}

} // namespace
