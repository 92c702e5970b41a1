// The real rock-field program in a private X server: the 16-bit window, the hit message, a new
// field after the pause, Escape, and the start-up report without a display.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "xwindow.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};

// The message box from (20, 20) to (200, 40), and the letters' band inside it.
const int BOX_X0 = 20, BOX_Y0 = 20, BOX_X1 = 201, BOX_Y1 = 41;
const int TEXT_X0 = 30, TEXT_Y0 = 26, TEXT_X1 = 30 + 12 * 8, TEXT_Y1 = 34;

// A light pastel: one channel near full, the weakest about half (saturation 0.5, value 1.0).
bool pastel(Rgb c)
{
    int hi = std::max({c.r, c.g, c.b});
    int lo = std::min({c.r, c.g, c.b});
    return hi >= 230 && lo >= 100 && lo <= 160;
}

// The craft's disc, at rest in the middle of the screen: one pastel colour around (320, 240).
bool craft_in_the_middle(const WindowShot &s)
{
    Rgb c = s.at(320, 240);
    return pastel(c) && s.at(318, 240) == c && s.at(322, 240) == c && s.at(320, 238) == c && s.at(320, 242) == c;
}

// The hit message: white letters in a box that holds nothing but black and white.
bool hit_message(const WindowShot &s)
{
    int box = (BOX_X1 - BOX_X0) * (BOX_Y1 - BOX_Y0);
    return s.count(WHITE, TEXT_X0, TEXT_Y0, TEXT_X1, TEXT_Y1) > 100 &&
           s.count(WHITE, BOX_X0, BOX_Y0, BOX_X1, BOX_Y1) == s.count(WHITE, TEXT_X0, TEXT_Y0, TEXT_X1, TEXT_Y1) &&
           s.count(WHITE, BOX_X0, BOX_Y0, BOX_X1, BOX_Y1) + s.count(BLACK, BOX_X0, BOX_Y0, BOX_X1, BOX_Y1) == box;
}

// The program in a private X server, its window found.
class RockfieldWindow : public ::testing::Test, protected GameWindowTest {
protected:
    void SetUp() override { start(ROCKFIELD_PATH); }
};

TEST_F(RockfieldWindow, ARockHitsTheCraftAndANewFieldFollowsThePause)
{
    // The generator is never seeded, so the same field comes every run: left alone, the craft is
    // hit after about a second; the fields made during the next pauses are hit while catching up,
    // and some twenty seconds in a field is shown again.
    WindowShot field = wait_for([](const WindowShot &s) { return craft_in_the_middle(s) && !hit_message(s); }, 10000);
    ASSERT_TRUE(craft_in_the_middle(field)) << "the craft is not in the middle";

    WindowShot hit = wait_for(hit_message, 20000);
    ASSERT_TRUE(hit_message(hit)) << "no hit message appeared";
    EXPECT_TRUE(craft_in_the_middle(hit));

    // The trails hold many colours, but only as many levels per channel as 16-bit pixels have.
    std::set<int> reds, greens, blues;
    for (const Rgb &p : hit.pixels) {
        reds.insert(p.r);
        greens.insert(p.g);
        blues.insert(p.b);
    }
    EXPECT_GE(reds.size(), 8u);
    EXPECT_LE(reds.size(), 32u);
    EXPECT_LE(greens.size(), 64u);
    EXPECT_LE(blues.size(), 32u);

    WindowShot fresh = wait_for(
        [](const WindowShot &s) {
            return s.count(WHITE, BOX_X0, BOX_Y0, BOX_X1, BOX_Y1) == 0 && craft_in_the_middle(s);
        },
        90000);
    EXPECT_EQ(fresh.count(WHITE, BOX_X0, BOX_Y0, BOX_X1, BOX_Y1), 0) << "the message stayed: no new field was drawn";
    EXPECT_TRUE(craft_in_the_middle(fresh));
    EXPECT_TRUE(game().running());

    // A pause may be running: Escape is held until the program ends.
    end_with_escape();
}

TEST_F(RockfieldWindow, EscapeAtOnceEndsWithStatusZero)
{
    end_with_escape();
}

TEST(RockfieldWithoutDisplay, PrintsOneLineAndExitsWithStatusOne)
{
    expect_startup_report_without_display(ROCKFIELD_PATH);
}

} // namespace
