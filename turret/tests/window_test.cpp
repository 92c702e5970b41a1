// The real turret programs in a private X server, driven by synthetic keys and the window
// manager's close message, with the window's pixels read back.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "headless.h"
#include "xwindow.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb RED{255, 0, 0};
const Rgb YELLOW{255, 255, 0};
const Rgb WHITE{255, 255, 255};
const char TITLE[] = "Quillbox 2006-10-28: Tavernel";
const int WAIT_MS = 15000;

// True when the window shows the turret at the centre with its barrel pointing right.
bool turret_points_right(const WindowShot &s)
{
    return s.at(320, 270) == RED && s.at(300, 240) == RED && s.at(365, 240) == YELLOW &&
           s.at(370, 240) == YELLOW;
}

// The program in a private X server, its window found and the pointer parked in a corner.
class TurretWindow : public ::testing::TestWithParam<const char *>, protected GameWindowTest {
protected:
    void SetUp() override { start(GetParam(), 600, 400); }
};

TEST_P(TurretWindow, TitleFirstFrameAndEscape)
{
    // The title is set just after the window appears.
    wait_until([&] { return window_title(x.display(), win) == TITLE; }, 10000);
    EXPECT_EQ(window_title(x.display(), win), TITLE);
    WindowShot shot = wait_for(turret_points_right);
    ASSERT_TRUE(turret_points_right(shot)) << "no turret pointing right";
    EXPECT_EQ(shot.at(371, 240), BLACK) << "the barrel is 50 px long";
    EXPECT_EQ(shot.at(320, 209), BLACK) << "the disc has radius 30";

    // The texts: exactly the white pixels of "score: 0" and "lifes: 10" in Allegro's font.
    headless_allegro(32);
    TestBitmap want(100, 30);
    textout_ex(want, font, "score: 0", 10, 10, makecol(255, 255, 255), -1);
    textout_ex(want, font, "lifes: 10", 10, 20, makecol(255, 255, 255), -1);
    int differing = 0;
    for (int y = 0; y < 30; y++)
        for (int px = 0; px < 100; px++)
            differing += (shot.at(px, y) == WHITE) != (pixel_rgb(want, px, y) == WHITE);
    EXPECT_EQ(differing, 0) << "the score and lives lines differ";
    EXPECT_GT(shot.count(WHITE, 0, 0, 100, 30), 40) << "the window shows no score and lives lines";

    end_with_escape();
}

TEST_P(TurretWindow, RightTurnsTheBarrelClockwise)
{
    ASSERT_TRUE(turret_points_right(wait_for(turret_points_right)));
    key_down(x.display(), XK_Right);
    WindowShot turned = wait_for([](const WindowShot &s) { return s.at(370, 240) != YELLOW; });
    key_up(x.display(), XK_Right);
    pause_ms(300);
    turned = grab(x.display(), win);
    // The barrel's part outside the disc now lies below the centre line: it turned clockwise.
    int outside = 0, below = 0;
    for (int y = 0; y < 480; y++)
        for (int px = 0; px < 640; px++) {
            double d = std::hypot(px - 320, y - 240);
            if (d > 31 && d < 52 && turned.at(px, y) == YELLOW) {
                outside++;
                below += y > 240;
            }
        }
    EXPECT_GT(outside, 10);
    EXPECT_EQ(below, outside);
    end_with_escape();
}

TEST_P(TurretWindow, SpaceFiresAShotAlongTheBarrel)
{
    ASSERT_TRUE(turret_points_right(wait_for(turret_points_right)));
    EXPECT_EQ(grab(x.display(), win).count(WHITE, 352, 230, 640, 251), 0);
    key_tap(x.display(), XK_space);
    WindowShot near = wait_for([](const WindowShot &s) { return s.count(WHITE, 352, 230, 640, 251) > 20; });
    EXPECT_GT(near.count(WHITE, 352, 230, 640, 251), 20) << "no shot left the turret";
    WindowShot far = wait_for([](const WindowShot &s) { return s.count(WHITE, 450, 230, 640, 251) > 20; });
    EXPECT_GT(far.count(WHITE, 450, 230, 640, 251), 20) << "the shot did not fly on to the right";
    EXPECT_EQ(far.count(WHITE, 352, 230, 440, 251), 0) << "one press fired more than one shot";
    end_with_escape();
}

TEST_P(TurretWindow, TheCloseButtonEndsTheProgram)
{
    ASSERT_TRUE(turret_points_right(wait_for(turret_points_right)));
    press_close_button(x.display(), win);
    ASSERT_TRUE(game().wait_exit(WAIT_MS)) << "the close button did not end the program";
    EXPECT_TRUE(game().exited_normally());
    EXPECT_EQ(game().exit_code(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, TurretWindow, ::testing::Values(TURRET_PATH, TURRET_R_PATH));

TEST(TurretWithoutDisplay, ReportsOneLineAndExitsWith1)
{
    expect_startup_report_without_display(TURRET_PATH);
    expect_startup_report_without_display(TURRET_R_PATH);
}

} // namespace
