// The scene's pictures drawn into memory bitmaps and read back pixel by pixel.

#include <atomic>
#include <cmath>
#include <sstream>
#include <string>
#include <thread>

#include "antcannon_draw.h"
#include "antcannon_pass.h"
#include "antcannon_rules.h"
#include "headless.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};
const Rgb CANNON_BODY{200, 166, 166};
const Rgb CANNON_OUTER{100, 100, 100};

// The sky's colour on row y (0 to 399) and the ground's on row y (401 to 479).
Rgb sky(int y)
{
    return Rgb{y / 3, y / 3, y / 3 + 50};
}
Rgb ground(int y)
{
    return Rgb{50, 629 - y, 50};
}

// The distance of (x, y) from the cannon's centre at (0, 399).
double from_pivot(int x, int y)
{
    return std::hypot(x, y - 399);
}

// Describes the first pixel where two bitmaps differ, or returns an empty text.
std::string first_difference(BITMAP *a, BITMAP *b)
{
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++)
            if (pixel_rgb(a, x, y) != pixel_rgb(b, x, y)) {
                std::ostringstream os;
                os << "at (" << x << ", " << y << "): " << pixel_rgb(a, x, y) << " against "
                   << pixel_rgb(b, x, y);
                return os.str();
            }
    return "";
}

// Starts Allegro without a window before the fixture's bitmaps are made.
struct HeadlessAllegro {
    HeadlessAllegro() { headless_allegro(32); }
};

class SceneDrawing : public ::testing::Test {
protected:
    HeadlessAllegro allegro;
    TestBitmap frame{640, 480};
    TestBitmap expected{640, 480};
    int saved_x = 0, saved_y = 0;

    void SetUp() override
    {
        saved_x = mouse_x;
        saved_y = mouse_y;
    }
    void TearDown() override
    {
        mouse_x = saved_x;
        mouse_y = saved_y;
        ticks = 0;
    }
    int white() const { return makecol(255, 255, 255); }
    int black() const { return makecol(0, 0, 0); }
};

TEST_F(SceneDrawing, BackgroundPaintsEveryPixelSkyHorizonAndGroundRowByRow)
{
    clear_to_color(frame, makecol(255, 0, 255));
    draw_bg(frame);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++) {
            if (y <= 399 && from_pivot(x, y) < 23.5)
                continue; // the cannon body, tested on its own
            Rgb want = y < 400 ? sky(y) : y == 400 ? BLACK : ground(y);
            ASSERT_EQ(pixel_rgb(frame, x, y), want) << "at (" << x << ", " << y << ")";
        }
    EXPECT_EQ(pixel_rgb(frame, 639, 0), (Rgb{0, 0, 50}));
    EXPECT_EQ(pixel_rgb(frame, 639, 399), (Rgb{133, 133, 183}));
    EXPECT_EQ(pixel_rgb(frame, 639, 2), pixel_rgb(frame, 639, 0)) << "each shade covers three rows";
    EXPECT_NE(pixel_rgb(frame, 639, 3), pixel_rgb(frame, 639, 2));
    EXPECT_EQ(pixel_rgb(frame, 639, 401), (Rgb{50, 228, 50}));
    EXPECT_EQ(pixel_rgb(frame, 639, 479), (Rgb{50, 150, 50}));
}

TEST_F(SceneDrawing, CannonIsAQuarterDiscWithTwoOutlinesStandingOnTheHorizon)
{
    draw_bg(frame);
    // Along the pivot row and up the left edge: body to radius 20, black at 21, grey at 22, then sky.
    const struct {
        int x, y;
        Rgb colour;
    } points[] = {{0, 399, CANNON_BODY}, {20, 399, CANNON_BODY}, {21, 399, BLACK},
                  {22, 399, CANNON_OUTER}, {23, 399, sky(399)},  {0, 379, CANNON_BODY},
                  {0, 378, BLACK},         {0, 377, CANNON_OUTER}, {0, 376, sky(376)},
                  {10, 390, CANNON_BODY},  {0, 400, BLACK},       {5, 401, ground(401)}};
    for (const auto &p : points)
        EXPECT_EQ(pixel_rgb(frame, p.x, p.y), p.colour) << "at (" << p.x << ", " << p.y << ")";

    int body = 0;
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++) {
            Rgb c = pixel_rgb(frame, x, y);
            double d = from_pivot(x, y);
            if (c == CANNON_BODY) {
                body++;
                EXPECT_TRUE(y <= 399 && d <= 20.5) << "body at (" << x << ", " << y << ")";
            } else if (c == CANNON_OUTER) {
                EXPECT_TRUE(y <= 399 && d > 21 && d < 23) << "outer outline at (" << x << ", " << y << ")";
            } else if (c == BLACK && y != 400) {
                EXPECT_TRUE(y <= 399 && d > 20 && d < 22) << "inner outline at (" << x << ", " << y << ")";
            }
        }
    // The body is the whole quarter disc: every pixel on or above the pivot row within 20.5.
    int quarter_disc = 0;
    for (int dy = 0; dy <= 20; dy++)
        for (int x = 0; x <= 20; x++)
            quarter_disc += from_pivot(x, 399 - dy) <= 20.5;
    EXPECT_EQ(body, quarter_disc);
}

// A mouse position and the two barrel lines' far ends it gives.
struct BarrelCase {
    int mouse_x, mouse_y;
    int x1, y1, x2, y2;
};

TEST_F(SceneDrawing, BarrelIsTwoBlackLinesFromThePivotToTheRulesEndPoints)
{
    const BarrelCase cases[] = {
        {100, 399, 30, 396, 33, 399}, // on the pivot row: flat
        {300, 470, 30, 396, 33, 399}, // below: flat
        {100, 300, 21, 375, 24, 378},
        {1, 0, 0, 367, 3, 370},
        {0, 100, 0, 366, 3, 369}, // straight up
        {0, 450, 30, 396, 33, 399}, // flat
        {0, 399, 30, 396, 33, 399}, // 0 / 0: laid flat
    };
    for (const BarrelCase &c : cases) {
        draw_bg(expected);
        line(expected, 0, 396, c.x1, c.y1, black());
        line(expected, 3, 399, c.x2, c.y2, black());
        mouse_x = c.mouse_x;
        mouse_y = c.mouse_y;
        draw_bg(frame);
        draw_cannon_shaft(frame);
        SCOPED_TRACE("mouse at (" + std::to_string(c.mouse_x) + ", " + std::to_string(c.mouse_y) + ")");
        EXPECT_EQ(first_difference(frame, expected), "");
        EXPECT_EQ(pixel_rgb(frame, c.x1, c.y1), BLACK);
        EXPECT_EQ(pixel_rgb(frame, c.x2, c.y2), BLACK);
    }
}

TEST_F(SceneDrawing, FlatBarrelCoversExactlyItsTwoRuns)
{
    mouse_x = 500;
    mouse_y = 420;
    clear_to_color(frame, white());
    draw_cannon_shaft(frame);
    EXPECT_EQ(count_rgb(frame, BLACK), 62);
    for (int x = 0; x <= 30; x++)
        EXPECT_EQ(pixel_rgb(frame, x, 396), BLACK) << x;
    for (int x = 3; x <= 33; x++)
        EXPECT_EQ(pixel_rgb(frame, x, 399), BLACK) << x;
}

// The expected ant: body and head, and the legs from each foot of the picture to its upper end.
void expected_ant(BITMAP *bmp, int x, const int *feet, int colour)
{
    ellipsefill(bmp, x + 8, 394, 7, 3, colour);
    circlefill(bmp, x, 392, 3, colour);
    const int tops[4] = {5, 7, 10, 12};
    if (feet)
        for (int leg = 0; leg < 4; leg++)
            line(bmp, x + feet[leg], 399, x + tops[leg], 396, colour);
}

TEST_F(SceneDrawing, AntInBothLegPicturesAndBodyOnlyForAnyOtherPhase)
{
    const int ant_x = 300;
    const int feet0[4] = {5, 7, 10, 12};
    const int feet1[4] = {4, 8, 9, 13};
    const struct {
        int phase;
        const int *feet;
    } cases[] = {{0, feet0}, {1, feet1}, {2, nullptr}, {-1, nullptr}};
    for (const auto &c : cases) {
        SCOPED_TRACE("phase " + std::to_string(c.phase));
        clear_bitmap(frame);
        clear_bitmap(expected);
        draw_ant(frame, ant_x, c.phase);
        expected_ant(expected, ant_x, c.feet, white());
        EXPECT_EQ(first_difference(frame, expected), "");

        // Head on the left, body to the right, everything inside the ant's box.
        for (const auto &p : {std::pair<int, int>{0, 389}, {0, 395}, {-3, 392}, {3, 392}, {1, 394}, {15, 394}, {8, 391}})
            EXPECT_EQ(pixel_rgb(frame, ant_x + p.first, p.second), WHITE) << p.first << ", " << p.second;
        EXPECT_NE(pixel_rgb(frame, ant_x + 16, 394), WHITE);
        EXPECT_NE(pixel_rgb(frame, ant_x - 4, 392), WHITE);
        int inside = 0;
        for (int y = 389; y <= 399; y++)
            for (int x = ant_x - 3; x <= ant_x + 15; x++)
                inside += pixel_rgb(frame, x, y) == WHITE;
        EXPECT_EQ(count_rgb(frame, WHITE), inside);

        // The feet on row 399: one pixel per leg where the table puts it, and nothing else.
        int feet_row = 0;
        for (int x = 0; x < 640; x++)
            feet_row += pixel_rgb(frame, x, 399) == WHITE;
        EXPECT_EQ(feet_row, c.feet ? 4 : 0);
        if (c.feet) {
            for (int leg = 0; leg < 4; leg++)
                EXPECT_EQ(pixel_rgb(frame, ant_x + c.feet[leg], 399), WHITE) << "leg " << leg + 1;
        }
        int row_398 = 0;
        for (int x = 0; x < 640; x++)
            row_398 += pixel_rgb(frame, x, 398) == WHITE;
        EXPECT_EQ(row_398, c.feet ? 4 : 0);
    }
}

TEST_F(SceneDrawing, AntAt650IsWhollyOffScreenAndAt0HasHalfAHead)
{
    clear_bitmap(frame);
    draw_ant(frame, 650, 0);
    EXPECT_EQ(count_rgb(frame, WHITE), 0);

    // At 0 the ant is the one at 20 moved 20 pixels to the left, cut at the left edge.
    clear_bitmap(frame);
    clear_bitmap(expected);
    draw_ant(frame, 0, 1);
    draw_ant(expected, 20, 1);
    for (int y = 385; y < 402; y++)
        for (int x = 0; x < 40; x++)
            ASSERT_EQ(pixel_rgb(frame, x, y), pixel_rgb(expected, x + 20, y)) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(pixel_rgb(frame, 0, 392), WHITE);
    int kept = 0;
    for (int y = 0; y < 480; y++)
        for (int x = 20; x < 640; x++)
            kept += pixel_rgb(expected, x, y) == WHITE;
    EXPECT_EQ(count_rgb(frame, WHITE), kept) << "nothing is drawn but the part inside the bitmap";
    EXPECT_LT(kept, count_rgb(expected, WHITE)) << "the left half of the head is cut off";
}

// One pass: the pending ticks move the ant before anything is drawn; then the ant covers the
// cannon and the barrel, and the cross covers the ant.
TEST_F(SceneDrawing, PassMovesTheAntThenDrawsItOverTheCannonAndTheCrossOverIt)
{
    scene_state s;
    s.ant_x = 13;
    ticks = 3;
    mouse_x = 18; // on the pivot row, so the barrel lies flat under the ant's legs
    mouse_y = 399;
    scene_pass(frame, s);
    EXPECT_EQ(s.ant_x, 10);
    EXPECT_EQ(ticks.load(), 0);

    draw_bg(expected);
    draw_cannon_shaft(expected);
    draw_ant(expected, 10, 0);
    draw_mouse_cursor(expected);
    EXPECT_EQ(first_difference(frame, expected), "");
    EXPECT_EQ(pixel_rgb(frame, 10, 392), WHITE) << "head over the cannon body";
    EXPECT_EQ(pixel_rgb(frame, 15, 396), WHITE) << "leg over the barrel";
    EXPECT_EQ(pixel_rgb(frame, 18, 394), BLACK) << "cross over the body";
    EXPECT_EQ(pixel_rgb(frame, 15, 399), BLACK) << "cross over a foot";
}

// The leg picture each pass draws: the switch counted in pass 11 is first drawn in pass 12, the
// one counted in pass 22 in pass 23.
TEST_F(SceneDrawing, PassDrawsALegSwitchInTheNextPass)
{
    scene_state s;
    s.ant_x = 300;
    mouse_x = 600;
    mouse_y = 100;
    for (int pass = 1; pass <= 23; pass++) {
        scene_pass(frame, s);
        int drawn = pixel_rgb(frame, 305, 399) == WHITE ? 0 : pixel_rgb(frame, 304, 399) == WHITE ? 1 : -1;
        ASSERT_EQ(drawn, pass <= 11 || pass == 23 ? 0 : 1) << "pass " << pass;
    }
}

// A mouse position and the number of cross pixels inside the bitmap.
struct CrossCase {
    int x, y, pixels;
};

TEST_F(SceneDrawing, CrossIsElevenPixelsEachWayAtTheMouse)
{
    const CrossCase cases[] = {{100, 200, 21}, {0, 0, 11}, {639, 479, 11}, {320, 2, 18}};
    for (const CrossCase &c : cases) {
        SCOPED_TRACE("mouse at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        mouse_x = c.x;
        mouse_y = c.y;
        clear_to_color(frame, white());
        draw_mouse_cursor(frame);
        EXPECT_EQ(count_rgb(frame, BLACK), c.pixels);
        for (int d = -5; d <= 5; d++) {
            if (c.x + d >= 0 && c.x + d < 640) {
                EXPECT_EQ(pixel_rgb(frame, c.x + d, c.y), BLACK) << "row, " << d;
            }
            if (c.y + d >= 0 && c.y + d < 480) {
                EXPECT_EQ(pixel_rgb(frame, c.x, c.y + d), BLACK) << "column, " << d;
            }
        }
    }
}

// With the mouse moving while the cross is drawn, each line still has one position: it is 11
// pixels long and centred on a place the mouse really was.
TEST_F(SceneDrawing, EachCrossLineReadsTheMouseOnce)
{
    const int places[2] = {10, 30};
    TestBitmap small{41, 41};
    mouse_x = places[0];
    mouse_y = places[0];
    std::atomic<bool> done{false};
    std::thread mover([&] {
        for (unsigned i = 0; !done; i++) {
            mouse_x = places[i & 1];
            mouse_y = places[(i >> 1) & 1];
        }
    });
    // True when the run of 11 pixels centred at (x, y) along (dx, dy) is all black.
    auto arm_black = [&](int x, int y, int dx, int dy) {
        for (int d = -5; d <= 5; d++)
            if (pixel_rgb(small, x + d * dx, y + d * dy) != BLACK)
                return false;
        return true;
    };
    int failures = 0;
    for (int round = 0; round < 3000 && failures == 0; round++) {
        clear_to_color(small, white());
        draw_mouse_cursor(small);
        int blacks = count_rgb(small, BLACK);
        bool across = false, upright = false;
        for (int x : places)
            for (int y : places) {
                across = across || arm_black(x, y, 1, 0);
                upright = upright || arm_black(x, y, 0, 1);
            }
        if (!across || !upright || blacks < 21 || blacks > 22)
            failures++;
    }
    done = true;
    mover.join();
    EXPECT_EQ(failures, 0) << "a line was drawn from a mouse position read part-way through";
}

} // namespace
