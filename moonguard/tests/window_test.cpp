// The real moon-guard programs in a private X server, driven by synthetic keys.

#include <gtest/gtest.h>

#include "xwindow.h"

namespace {

const Rgb WHITE{255, 255, 255};
const Rgb EARTH{0, 128, 255};
const int GAME_OVER_MS = 30000;

// True while the three title lines stand in the window.
bool title_shown(const WindowShot &s)
{
    return s.count(WHITE, 0, 200, 640, 248) > 300;
}

// The program in a private X server, its window found and the pointer parked in a corner.
class MoonguardWindow : public ::testing::TestWithParam<const char *>, protected GameWindowTest {
protected:
    void SetUp() override { start(GetParam(), 600, 400); }
};

TEST_P(MoonguardWindow, TitleThenPlayThenEscape)
{
    WindowShot title = wait_for(title_shown);
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

    end_with_escape();
}

TEST_P(MoonguardWindow, RightArrowTurnsTheMoonClockwise)
{
    wait_for(title_shown);
    key_tap(x.display(), XK_Return);
    WindowShot play = wait_for([](const WindowShot &s) { return s.at(320, 171) == WHITE; });
    ASSERT_EQ(play.at(320, 171), WHITE);

    key_tap(x.display(), XK_Right, 100);
    // The moon leaves the top of its orbit towards the right of the earth, and stays on the orbit.
    WindowShot turned = wait_for([](const WindowShot &s) { return s.at(320, 171) != WHITE; });
    EXPECT_NE(turned.at(320, 171), WHITE);
    EXPECT_EQ(turned.count(WHITE, 100, 60, 320, 240), 0) << "the moon must not turn left";
    EXPECT_GT(turned.count(WHITE, 321, 60, 640, 480), 300) << "the moon turned right";
    end_with_escape();
}

TEST_P(MoonguardWindow, EscapeOnTheTitleEndsTheProgram)
{
    wait_for(title_shown);
    end_with_escape();
}

TEST_P(MoonguardWindow, AMeteorReachingTheEarthShowsGameOverUntilEscape)
{
    wait_for(title_shown);
    key_tap(x.display(), XK_Return);
    // Left alone, a meteor reaches the earth within a few seconds; the game-over lines are the only
    // white pixels that can stand in rows 240 to 267.
    wait_for([](const WindowShot &s) { return s.count(WHITE, 0, 240, 640, 268) > 100; }, GAME_OVER_MS);
    pause_ms(300);
    WindowShot over = grab(x.display(), win);
    ASSERT_GT(over.count(WHITE, 280, 240, 360, 248), 30) << "Game Over";
    EXPECT_GT(over.count(WHITE, 250, 260, 390, 268), 50) << "Press esc to quit";
    EXPECT_GT(over.count(EARTH), 1000) << "the last play frame stays under the text";
    EXPECT_TRUE(game().running()) << "the game-over screen waits for Escape";
    end_with_escape();
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, MoonguardWindow, ::testing::Values(MOONGUARD_PATH, MOONGUARD_R_PATH));

TEST(MoonguardNoDisplay, PrintsOneLineAndExitsWithOne)
{
    expect_startup_report_without_display(MOONGUARD_PATH);
    expect_startup_report_without_display(MOONGUARD_R_PATH);
}

} // namespace
