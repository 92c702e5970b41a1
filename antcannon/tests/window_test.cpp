// The real antcannon program in a private X server: the whole window against the scene drawn
// headlessly by the program's own drawing functions, the pace of the ant and of its legs, the keys
// and buttons that do not end it, the close button ignored, Escape, and no display.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "antcannon_draw.h"
#include "antcannon_rules.h"
#include "headless.h"
#include "xwindow.h"

#include <X11/Xutil.h>

namespace {

const Rgb WHITE{255, 255, 255};
const double TICKS_PER_SECOND = 1193181.0 / 16666.0; // about 71.6

// Seconds on a monotonic clock.
double now_s()
{
    using namespace std::chrono;
    return duration_cast<duration<double>>(steady_clock::now().time_since_epoch()).count();
}

// The leftmost column with a white (ant) pixel in the rows the ant covers, or -1 when there is none.
int leftmost_ant_column(const WindowShot &shot)
{
    for (int x = 0; x < shot.w; x++)
        for (int y = 385; y <= 400; y++)
            if (shot.at(x, y) == WHITE)
                return x;
    return -1;
}

// The leg picture the window shows, read from the ant's feet on row 399 alone: 0 or 1, or -1
// when the row does not hold exactly one ant's four feet.
int leg_picture_on_the_feet_row(Display *dpy, Window win)
{
    XImage *img = XGetImage(dpy, win, 0, bl, 640, 1, AllPlanes, ZPixmap);
    if (!img)
        return -1;
    const unsigned long white = img->red_mask | img->green_mask | img->blue_mask;
    std::vector<int> feet;
    for (int x = 0; x < 640; x++)
        if ((XGetPixel(img, x, 0) & white) == white)
            feet.push_back(x);
    XDestroyImage(img);
    if (feet.size() != 4)
        return -1;
    const std::vector<int> gaps{feet[1] - feet[0], feet[2] - feet[0], feet[3] - feet[0]};
    if (gaps == std::vector<int>{2, 5, 7})
        return 0;
    if (gaps == std::vector<int>{4, 5, 9})
        return 1;
    return -1;
}

// The scene the window should show, drawn headlessly for one pointer position and ant.
class ExpectedScene {
public:
    explicit ExpectedScene(int pointer_x, int pointer_y) : px_(pointer_x), py_(pointer_y)
    {
        headless_allegro(32);
        background_ = create_bitmap_ex(32, 640, 480);
        frame_ = create_bitmap_ex(32, 640, 480);
        mouse_x = px_;
        mouse_y = py_;
        draw_bg(background_);
        draw_cannon_shaft(background_);
    }
    ~ExpectedScene()
    {
        destroy_bitmap(background_);
        destroy_bitmap(frame_);
    }
    ExpectedScene(const ExpectedScene &) = delete;
    ExpectedScene &operator=(const ExpectedScene &) = delete;

    // Counts the window pixels that differ from the scene with the ant at ant_x in the phase,
    // and notes the first of them.
    int differences(const WindowShot &shot, int ant_x, int phase, std::string *first)
    {
        blit(background_, frame_, 0, 0, 0, 0, 640, 480);
        draw_ant(frame_, ant_x, phase);
        mouse_x = px_;
        mouse_y = py_;
        draw_mouse_cursor(frame_);
        int n = 0;
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++) {
                Rgb want = pixel_rgb(frame_, x, y);
                if (shot.at(x, y) != want) {
                    if (n++ == 0) {
                        std::ostringstream os;
                        os << "at (" << x << ", " << y << ") the window shows " << shot.at(x, y) << ", expected "
                           << want;
                        *first = os.str();
                    }
                }
            }
        return n;
    }

    // Finds the ant position and leg picture that make the scene equal the window, pixel for
    // pixel; false (with the closest candidate described) when none does.
    bool match(const WindowShot &shot, int *ant_x, int *phase, std::string *why)
    {
        int left = leftmost_ant_column(shot);
        int from = left < 0 ? ANT_START_X : std::max(0, left - 2);
        int to = left < 0 ? ANT_START_X : std::min(ANT_START_X, left + 5);
        int best = -1;
        for (int x = from; x <= to; x++)
            for (int p = 0; p <= 1; p++) {
                std::string first;
                int n = differences(shot, x, p, &first);
                if (n == 0) {
                    *ant_x = x;
                    *phase = p;
                    return true;
                }
                if (best < 0 || n < best) {
                    best = n;
                    std::ostringstream os;
                    os << "closest: ant at " << x << ", phase " << p << ": " << n << " pixels differ, first "
                       << first;
                    *why = os.str();
                }
            }
        return false;
    }

private:
    int px_, py_;
    BITMAP *background_ = nullptr;
    BITMAP *frame_ = nullptr;
};

// The program in a private X server, its window found.
class AntcannonWindow : public ::testing::Test, protected GameWindowTest {
protected:
    void SetUp() override { start(ANTCANNON_PATH); }

    // Grabs the window until the scene for the pointer matches it exactly or the time runs out.
    bool wait_for_scene(ExpectedScene &scene, int *ant_x, int *phase, std::string *why, WindowShot *shot)
    {
        return wait_until(
            [&] {
                *shot = grab(x.display(), win);
                return shot->w == 640 && shot->h == 480 && scene.match(*shot, ant_x, phase, why);
            },
            15000);
    }
};

TEST_F(AntcannonWindow, WholeSceneEqualsTheDrawingForThePointerPixelByPixel)
{
    const struct {
        int x, y;
        const char *what;
    } pointers[] = {
        {200, 250, "oblique barrel"},
        {100, 300, "barrel to (21, 375) and (24, 378)"},
        {0, 100, "barrel straight up"},
        {0, 399, "pointer on the pivot: barrel flat"},
        {450, 440, "pointer on the ground: barrel flat"},
    };
    for (const auto &p : pointers) {
        SCOPED_TRACE(p.what);
        place_pointer(x.display(), win, p.x, p.y);
        ExpectedScene scene(p.x, p.y);
        int ant_x = -1, phase = -1;
        std::string why;
        WindowShot shot;
        bool ok = wait_for_scene(scene, &ant_x, &phase, &why, &shot);
        if (!ok)
            shot.save_ppm("/tmp/antcannon-scene-failure.ppm");
        EXPECT_TRUE(ok) << "pointer at (" << p.x << ", " << p.y << "): " << why
                        << " (picture in /tmp/antcannon-scene-failure.ppm)";
    }
    ASSERT_TRUE(game().running());
}

TEST_F(AntcannonWindow, AntWalksLeftAbout71_6PixelsASecondWithBothLegPictures)
{
    place_pointer(x.display(), win, 200, 250);
    ExpectedScene scene(200, 250);
    const double span = 5.0;
    double first_t = -1, last_t = -1;
    int first_x = 0, last_x = 0, previous = 0, laps = 0;
    bool seen_phase[2] = {false, false};
    double start = now_s();
    while (now_s() - start < span) {
        double t0 = now_s();
        WindowShot shot = grab(x.display(), win);
        double t = (t0 + now_s()) / 2;
        int ant_x, phase;
        std::string why;
        if (shot.w != 640 || !scene.match(shot, &ant_x, &phase, &why) || ant_x >= 640)
            continue; // caught between two frames, or the ant is off screen
        seen_phase[phase] = true;
        if (first_t < 0) {
            first_t = t;
            first_x = ant_x;
        } else if (ant_x > previous) {
            laps++; // passed 0 and started again at 650
        }
        previous = ant_x;
        last_t = t;
        last_x = ant_x - laps * (ANT_START_X + 1);
    }
    ASSERT_GT(last_t - first_t, span / 2) << "too few frames could be matched";
    double speed = (first_x - last_x) / (last_t - first_t);
    EXPECT_NEAR(speed, TICKS_PER_SECOND, TICKS_PER_SECOND * 0.12) << "pixels a second";
    EXPECT_TRUE(seen_phase[0] && seen_phase[1]) << "both leg pictures are shown in turn";
}

// Each pass waits for a tick, so the legs, which switch every 11 passes, change at most about 6.5
// times a second; a loop that did not wait would switch them many times faster.
TEST_F(AntcannonWindow, LegsChangeNoFasterThanTheTickAllows)
{
    place_pointer(x.display(), win, 320, 100);
    const double span = 3.0;
    int samples = 0, changes = 0, last = -1;
    const double start = now_s();
    while (now_s() - start < span) {
        pause_ms(1); // leaves the server and the program room to run
        int phase = leg_picture_on_the_feet_row(x.display(), win);
        if (phase < 0)
            continue; // the ant is off screen, or the row was caught mid-update
        samples++;
        changes += last >= 0 && phase != last;
        last = phase;
    }
    const double elapsed = now_s() - start;
    ASSERT_GE(samples, 50) << "too few readings of the ant's feet";
    EXPECT_LT(changes / elapsed, 15.0) << changes << " leg changes in " << elapsed << " s, " << samples
                                        << " readings";
}

TEST_F(AntcannonWindow, EscapeEndsWithStatus0)
{
    ASSERT_TRUE(game().running());
    end_with_escape();
}

TEST_F(AntcannonWindow, OtherKeysAndTheMouseButtonDoNotEndIt)
{
    key_tap(x.display(), XK_Return);
    key_tap(x.display(), XK_space);
    mouse_button(x.display(), 1, true);
    mouse_button(x.display(), 1, false);
    EXPECT_FALSE(game().wait_exit(1500));
}

// The program sets no close-button handler: the window's close request leaves it running, and
// Escape still ends it.
TEST_F(AntcannonWindow, CloseButtonDoesNotEndIt)
{
    press_close_button(x.display(), win);
    EXPECT_FALSE(game().wait_exit(1500)) << "the close request ended the program";
    end_with_escape();
}

TEST(AntcannonNoDisplay, PrintsOneLineAndExits1)
{
    expect_startup_report_without_display(ANTCANNON_PATH);
}

} // namespace
