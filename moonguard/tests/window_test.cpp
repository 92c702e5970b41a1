// The real moon-guard programs in a private X server, driven by synthetic keys.

#include <gtest/gtest.h>

#include <algorithm>

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

    // Waits until the window's picture passes the test, and returns that picture.
    WindowShot wait_for(const std::function<bool(const WindowShot &)> &ok)
    {
        WindowShot shot;
        wait_until(
            [&] {
                shot = grab(x.display(), win);
                return shot.w == 640 && ok(shot);
            },
            30000);
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

TEST_P(MoonguardWindow, RightArrowTurnsTheMoonClockwise)
{
    wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 200, 640, 248) > 300; });
    key_tap(x.display(), XK_Return);
    WindowShot play = wait_for([](const WindowShot &s) { return s.at(320, 171) == WHITE; });
    ASSERT_EQ(play.at(320, 171), WHITE);

    key_tap(x.display(), XK_Right, 100);
    // The moon leaves the top of its orbit towards the right of the earth, and stays on the orbit.
    WindowShot turned = wait_for([](const WindowShot &s) { return s.at(320, 171) != WHITE; });
    EXPECT_NE(turned.at(320, 171), WHITE);
    EXPECT_EQ(turned.count(WHITE, 100, 60, 320, 240), 0) << "the moon must not turn left";
    EXPECT_GT(turned.count(WHITE, 321, 60, 640, 480), 300) << "the moon turned right";
    key_tap(x.display(), XK_Escape, 300);
    EXPECT_TRUE(game.wait_exit(5000));
}

TEST_P(MoonguardWindow, EscapeOnTheTitleEndsTheProgram)
{
    wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 200, 640, 248) > 300; });
    key_tap(x.display(), XK_Escape, 300);
    ASSERT_TRUE(game.wait_exit(5000));
    EXPECT_TRUE(game.exited_normally());
}

TEST_P(MoonguardWindow, AMeteorReachingTheEarthShowsGameOverUntilEscape)
{
    wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 200, 640, 248) > 300; });
    key_tap(x.display(), XK_Return);
    // Left alone, a meteor reaches the earth within a few seconds; the game-over lines are the only
    // white pixels that can stand in rows 240 to 267.
    WindowShot over = wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 240, 640, 268) > 100; });
    pause_ms(300);
    over = grab(x.display(), win);
    ASSERT_GT(over.count(WHITE, 280, 240, 360, 248), 30) << "Game Over";
    EXPECT_GT(over.count(WHITE, 250, 260, 390, 268), 50) << "Press esc to quit";
    EXPECT_GT(over.count(EARTH), 1000) << "the last play frame stays under the text";
    EXPECT_TRUE(game.running()) << "the game-over screen waits for Escape";
    key_tap(x.display(), XK_Escape, 300);
    ASSERT_TRUE(game.wait_exit(5000));
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, MoonguardWindow, ::testing::Values(MOONGUARD_PATH, MOONGUARD_R_PATH));

} // namespace

namespace {

TEST(MoonguardNoDisplay, PrintsOneLineAndExitsWithOne)
{
    for (const char *path : {MOONGUARD_PATH, MOONGUARD_R_PATH}) {
        GameProcess game(path, "");
        ASSERT_TRUE(game.wait_exit(10000));
        ASSERT_TRUE(game.exited_normally()) << "must not crash";
        EXPECT_EQ(game.exit_code(), 1);
        std::string err = game.error_output();
        std::string name = std::string(path).substr(std::string(path).rfind('/') + 1);
        EXPECT_EQ(err.rfind(name + ": ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

} // namespace
