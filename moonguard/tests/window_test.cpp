// The real moon-guard programs in a private X server, driven by synthetic keys.

#include <gtest/gtest.h>

#include "xwindow.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};
const Rgb EARTH{0, 128, 255};

// A private X server with the program running in it and its window found.
class MoonguardWindow : public ::testing::TestWithParam<const char *> {
protected:
    PrivateX x;
    GameProcess game{GetParam(), x.name()};
    Window win = None;

    void SetUp() override
    {
        win = find_window(x.display(), 640, 480, 10000);
        ASSERT_NE(win, None) << "no 640x480 window appeared";
        settle_input();
        place_pointer(x.display(), win, 600, 400);
    }

    // Waits until the window shows white pixels in the title band, and returns the picture.
    WindowShot wait_for(const std::function<bool(const WindowShot &)> &ok)
    {
        WindowShot shot;
        wait_until(
            [&] {
                shot = grab(x.display(), win);
                return shot.w == 640 && ok(shot);
            },
            5000);
        return shot;
    }
};

TEST_P(MoonguardWindow, TitleThenPlayThenEscape)
{
    WindowShot title = wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 200, 640, 248) > 300; });
    // The three title lines stand in their rows, nothing else is white.
    EXPECT_GT(title.count(WHITE, 0, 200, 640, 208), 50);
    EXPECT_GT(title.count(WHITE, 0, 220, 640, 228), 200);
    EXPECT_GT(title.count(WHITE, 0, 240, 640, 248), 50);
    EXPECT_EQ(title.count(WHITE), title.count(WHITE, 0, 200, 640, 248));
    EXPECT_EQ(title.count(EARTH), 0);

    key_tap(x.display(), XK_Return);
    WindowShot play = wait_for([](const WindowShot &s) { return s.at(320, 240) == EARTH; });
    EXPECT_EQ(play.at(320, 240), EARTH);
    EXPECT_EQ(play.at(320, 240 - 39), EARTH);
    EXPECT_EQ(play.at(320, 171), WHITE) << "the moon stands at 270 degrees";
    EXPECT_EQ(play.count(WHITE, 0, 200, 640, 248), 0) << "the title is gone";

    key_tap(x.display(), XK_Escape, 300);
    ASSERT_TRUE(game.wait_exit(5000)) << "Escape did not end the program";
    EXPECT_FALSE(game.signalled());
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, MoonguardWindow, ::testing::Values(MOONGUARD_PATH, MOONGUARD_R_PATH));

} // namespace
