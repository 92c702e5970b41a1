// The rock-field pictures without a window: discs in 16-bit memory bitmaps, read back pixel by pixel.

#include "field_fixture.h"
#include "rockfield_draw.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};

// The colour a pixel of the hue h (saturation 0.5, value 1.0) reads back as in a 16-bit bitmap.
Rgb pastel(float h)
{
    int r, g, b;
    hsv_to_rgb(h, 0.5f, 1.0f, &r, &g, &b);
    int c = makecol16(r, g, b);
    return Rgb{getr16(c), getg16(c), getb16(c)};
}

// Starts Allegro when built, so a fixture's bitmaps can be made after it.
struct AllegroStarted {
    AllegroStarted() { headless_allegro(16); }
};

class Drawing : public Field {
protected:
    AllegroStarted started;
    TestBitmap back{640, 480, 16};
};

TEST_F(Drawing, TheCraftIsADiscOnItsTruncatedCentreInThePhaseColour)
{
    hue = 40.0f;
    place({craft_at(320.9, 240.9)});
    draw(back);
    const Rgb colour = pastel(40.0f);
    EXPECT_EQ(pixel_rgb(back, 320, 240), colour);
    EXPECT_EQ(pixel_rgb(back, 315, 240), colour);
    EXPECT_EQ(pixel_rgb(back, 325, 240), colour);
    EXPECT_EQ(pixel_rgb(back, 320, 235), colour);
    EXPECT_EQ(pixel_rgb(back, 320, 245), colour);
    EXPECT_EQ(pixel_rgb(back, 314, 240), BLACK);
    EXPECT_EQ(pixel_rgb(back, 326, 240), BLACK);
    EXPECT_EQ(pixel_rgb(back, 320, 246), BLACK);
    EXPECT_EQ(count_rgb(back, colour) + count_rgb(back, BLACK), 640 * 480) << "nothing else is drawn";
}

struct hue_case {
    float phase;
    double offset;
    float hue_sum; // the hue handed to the colour conversion
    float seen_as; // a hue under 360 with the same colour
};

const hue_case HUE_CASES[] = {
    {0, 0, 0, 0}, {100, 20, 120, 120}, {300, 100, 400, 40}, {358, 360, 718, 358}, {180, 300, 480, 120},
    {358, 0.25, 358.25f, 358.25f},
};

TEST_F(Drawing, ARecordsHueIsThePhasePlusItsOffsetNotBroughtBackUnder360)
{
    for (const hue_case &c : HUE_CASES) {
        SCOPED_TRACE(c.hue_sum);
        hue = c.phase;
        EXPECT_EQ(record_hue(rock_at(0, 0, 10, 0, 0, c.offset)), c.hue_sum);
    }
}

TEST_F(Drawing, ARecordsColourIsThatOfItsHueWrappedIntoOneTurn)
{
    for (const hue_case &c : HUE_CASES) {
        SCOPED_TRACE(c.hue_sum);
        hue = c.phase;
        place({craft_at(20, 20), rock_at(300, 200, 10, 0, 0, c.offset)});
        draw(back);
        EXPECT_EQ(pixel_rgb(back, 300, 200), pastel(c.seen_as));
        EXPECT_EQ(pixel_rgb(back, 20, 20), pastel(c.phase)) << "the craft has offset 0";
    }
}

TEST_F(Drawing, TheCraftIsPaintedFirstAndLaterRecordsLieOnTop)
{
    hue = 0.0f;
    place({craft_at(100, 100), rock_at(100, 100, 10, 0, 0, 120), rock_at(105, 100, 10, 0, 0, 240),
           shot_at(110, 100)});
    draw(back);
    EXPECT_EQ(pixel_rgb(back, 100, 100), pastel(240)) << "the second rock lies on the first";
    EXPECT_EQ(pixel_rgb(back, 92, 100), pastel(120));
    EXPECT_EQ(pixel_rgb(back, 110, 100), pastel(0)) << "the shot lies on the second rock";
    for (int y = 95; y <= 105; y++)
        for (int x = 95; x <= 105; x++)
            EXPECT_NE(pixel_rgb(back, x, y), pastel(0)) << "the craft lies under the rocks at " << x << "," << y;
}

TEST_F(Drawing, TrailsStayBetweenFramesInTheColoursTheyHad)
{
    hue = 10.0f;
    place({craft_at(100, 100)});
    draw(back);
    player->x = 200;
    hue = 200.0f;
    draw(back);
    EXPECT_EQ(pixel_rgb(back, 100, 100), pastel(10.0f));
    EXPECT_EQ(pixel_rgb(back, 200, 100), pastel(200.0f));
}

TEST_F(Drawing, ARadiusZeroRecordIsOnePixel)
{
    place({craft_at(20, 20), rock_at(300.7, 200.2, 0, 0, 0, 90)});
    hue = 0.0f;
    draw(back);
    EXPECT_EQ(pixel_rgb(back, 300, 200), pastel(90.0f));
    EXPECT_EQ(count_rgb(back, pastel(90.0f)), 1);
}

TEST_F(Drawing, ADiscOverAnEdgeIsClippedAndNotDrawnOnTheOtherSide)
{
    place({craft_at(320, 240), rock_at(5, 240, 32, 0, 0, 180)});
    hue = 0.0f;
    draw(back);
    const Rgb colour = pastel(180.0f);
    EXPECT_EQ(pixel_rgb(back, 0, 240), colour);
    for (int y = 200; y < 280; y++)
        EXPECT_EQ(pixel_rgb(back, 639, y), BLACK) << y;
    TestBitmap whole(640, 480, 16);
    place({craft_at(320, 240), rock_at(100, 240, 32, 0, 0, 180)});
    draw(whole);
    EXPECT_LT(count_rgb(back, colour), count_rgb(whole, colour) * 3 / 4);
}

TEST_F(Drawing, TheHitMessageIsWhiteTextInABlackBox)
{
    const Rgb ground = pastel(60.0f);
    clear_to_color(back, makecol(ground.r, ground.g, ground.b));
    ASSERT_EQ(pixel_rgb(back, 0, 0), ground);
    draw_hit_message(back);
    int white = 0, black = 0;
    for (int y = 20; y <= 40; y++)
        for (int x = 20; x <= 200; x++) {
            Rgb p = pixel_rgb(back, x, y);
            if (p == WHITE) {
                white++;
                EXPECT_TRUE(x >= 30 && x < 30 + 12 * 8 && y >= 26 && y < 34) << x << "," << y;
            } else {
                EXPECT_EQ(p, BLACK) << x << "," << y;
                black++;
            }
        }
    EXPECT_GT(white, 100);
    EXPECT_EQ(white + black, 181 * 21);
    EXPECT_EQ(pixel_rgb(back, 19, 20), ground);
    EXPECT_EQ(pixel_rgb(back, 201, 40), ground);
    EXPECT_EQ(pixel_rgb(back, 20, 41), ground);
    EXPECT_EQ(count_rgb(back, ground), 640 * 480 - 181 * 21);
}

} // namespace
