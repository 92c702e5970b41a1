// The real arena-shooter programs in a private X server, driven by synthetic keys and mouse.

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

#include "arcade_random.h"
#include "headless.h"
#include "skirmish_draw.h"
#include "skirmish_pace.h"
#include "skirmish_rules.h"
#include "xwindow.h"

namespace {

const Rgb WHITE{255, 255, 255};
const Rgb GREEN{0, 255, 0};
const Rgb DARK_RED{127, 0, 0};

// The bounding box of the green pixels of a picture; empty when there are none.
struct Box {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    bool empty() const { return x0 > x1; }
};

Box green_box(const WindowShot &s)
{
    Box b;
    for (int y = 0; y < s.h; y++)
        for (int x = 0; x < s.w; x++)
            if (s.at(x, y) == GREEN) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
    return b;
}

// True when the white pixels of the 8-row band at row y are exactly those of the text in Allegro's font.
bool text_in_band(const WindowShot &s, const std::string &text, int y)
{
    headless_allegro(32);
    TestBitmap ref(640, 8);
    textprintf_ex(ref, font, 0, 0, makecol(255, 255, 255), -1, "%s", text.c_str());
    for (int row = 0; row < 8; row++)
        for (int col = 0; col < 640; col++)
            if ((s.at(col, y + row) == WHITE) != (pixel_rgb(ref, col, row) == WHITE))
                return false;
    return true;
}

// True when the band at row 0 reads "hp: N" for some N from low to 100 (enemy shots may have hit).
bool hp_text_shown(const WindowShot &s, int low)
{
    for (int hp = low; hp <= 100; hp++)
        if (text_in_band(s, "hp: " + std::to_string(hp), 0))
            return true;
    return false;
}

// A private X server; each test starts the program it needs.
class ArenaWindow : public ::testing::Test, protected GameWindowTest {};

// True when every tenth column of the segment from (x0, y0) to (x1, y1), outside the first
// `skip` columns, has a white pixel within one row of the segment.
bool white_segment(const WindowShot &s, int x0, int y0, int x1, int y1, int skip)
{
    for (int x = x0 + skip; x <= x1; x += 10) {
        int y = y0 + (x - x0) * (y1 - y0) / (x1 - x0);
        if (s.at(x, y) != WHITE && s.at(x, y - 1) != WHITE && s.at(x, y + 1) != WHITE)
            return false;
    }
    return s.at(x1, y1) == WHITE;
}

TEST_F(ArenaWindow, WalledFirstFrameShowsPlayerAimingLineAndTexts)
{
    ASSERT_NO_FATAL_FAILURE(start(SKIRMISH_R_PATH));
    place_pointer(x.display(), win, 600, 400);
    WindowShot shot = wait_for([](const WindowShot &s) { return white_segment(s, 320, 240, 600, 400, 12); });
    Box player = green_box(shot);
    EXPECT_EQ(player.x0, 310);
    EXPECT_EQ(player.x1, 330);
    EXPECT_EQ(player.y0, 230);
    EXPECT_EQ(player.y1, 250);
    EXPECT_TRUE(white_segment(shot, 320, 240, 600, 400, 12)) << "aiming line to the pointer";
    EXPECT_TRUE(hp_text_shown(shot, 1));
    EXPECT_TRUE(text_in_band(shot, "score: 0", 10));
    if (HasFailure())
        shot.save_ppm("/tmp/skirmish_r_first_frame.ppm");
    end_with_escape();
}

// True when the dark red pixels (the enemy squares) of the window and of the frame are the same.
bool same_enemy_squares(const WindowShot &s, BITMAP *frame)
{
    const uint32_t dark_red = static_cast<uint32_t>(makecol(127, 0, 0));
    for (int y = 0; y < 480; y++) {
        const uint32_t *row = reinterpret_cast<const uint32_t *>(frame->line[y]);
        for (int x = 0; x < 640; x++)
            if ((s.at(x, y) == DARK_RED) != ((row[x] & 0xFFFFFF) == dark_red))
                return false;
    }
    return true;
}

// Plays the walled game from its unseeded start without a window, with no key or button and the
// pointer on the player, and returns the first pass up to last_pass whose frame shows the window's
// enemy squares, or 0 when none does.
int pass_showing_the_same_enemies(const WindowShot &s, int last_pass)
{
    headless_allegro(32);
    release_all_keys();
    mouse_b = 0;
    mouse_x = SCREEN_WIDTH / 2;
    mouse_y = SCREEN_HEIGHT / 2;
    set_open_arena(false);
    arcade_srand(1); // the C generator's state before any seeding
    start_arena();
    TestBitmap frame(640, 480);
    int found = 0;
    for (int pass = 1; pass <= last_pass && found == 0; pass++) {
        logic_step();
        draw_frame(frame);
        if (same_enemy_squares(s, frame))
            found = pass;
    }
    reset_arena();
    return found;
}

TEST_F(ArenaWindow, WalledOpeningEnemiesComeFromTheUnseededGenerator)
{
    auto launched = std::chrono::steady_clock::now();
    ASSERT_NO_FATAL_FAILURE(start(SKIRMISH_R_PATH, 320, 240));
    // The program cannot be further on than the timer's ticks since it was launched allow.
    auto passes_so_far = [launched] {
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - launched).count();
        return PASSES_PER_TICK * (static_cast<int>(ms * 1193181.0 / 1000.0 / LOGIC_TIMER_PERIOD) + 2);
    };
    int pass = 0;
    WindowShot shot = wait_for([&](const WindowShot &s) {
        pass = pass_showing_the_same_enemies(s, passes_so_far());
        return pass > 0;
    });
    EXPECT_GT(pass, 0) << "the enemy squares are those of the unseeded opening, some passes on";
    EXPECT_GT(shot.count(DARK_RED), 0);
    std::printf("the window showed the enemies of pass %d\n", pass);
    if (HasFailure())
        shot.save_ppm("/tmp/skirmish_r_opening.ppm");
    end_with_escape();
}

TEST_F(ArenaWindow, WalledPlayerMovesAtTheFixedPaceAndStopsAtColumn640)
{
    ASSERT_NO_FATAL_FAILURE(start(SKIRMISH_R_PATH));
    place_pointer(x.display(), win, 100, 400);
    wait_for([](const WindowShot &s) { return green_box(s).x0 == 310; });
    auto pressed = std::chrono::steady_clock::now();
    key_down(x.display(), XK_d);
    // 320 passes from the middle to the wall: about 1.28 s at 250.6 passes a second.
    WindowShot at_wall = wait_for([](const WindowShot &s) {
        Box b = green_box(s);
        return b.x0 == 630 && b.x1 == 639;
    });
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - pressed).count();
    RecordProperty("seconds_to_wall", std::to_string(seconds));
    std::printf("seconds to the wall: %.3f\n", seconds);
    EXPECT_EQ(green_box(at_wall).x0, 630) << "the centre reached column 640";
    // A loaded machine may run late, never early: the slow side of the band is generous.
    EXPECT_GE(seconds, 0.9) << "the player crossed half the arena too fast for the fixed pace";
    EXPECT_LE(seconds, 5.0) << "the player crossed half the arena too slowly for the fixed pace";
    pause_ms(500);
    Box still = green_box(grab(x.display(), win));
    EXPECT_EQ(still.x0, 630) << "the centre stops at column 640";
    EXPECT_EQ(still.y0, 230);
    key_up(x.display(), XK_d);
    end_with_escape();
}

TEST_F(ArenaWindow, WalledButtonFiresTowardsThePointer)
{
    ASSERT_NO_FATAL_FAILURE(start(SKIRMISH_R_PATH));
    place_pointer(x.display(), win, 620, 240);
    wait_for([](const WindowShot &s) { return green_box(s).x1 == 330; });
    EXPECT_EQ(grab(x.display(), win).count(GREEN, 340, 230, 640, 251), 0) << "no shot before the button";
    mouse_button(x.display(), 1, true);
    WindowShot shot = wait_for([](const WindowShot &s) { return s.count(GREEN, 340, 230, 640, 251) > 20; });
    mouse_button(x.display(), 1, false);
    EXPECT_GT(shot.count(GREEN, 340, 230, 640, 251), 20) << "a green shot flies right of the player";
    EXPECT_EQ(shot.count(GREEN, 0, 0, 300, 480), 0) << "and nowhere else";
    end_with_escape();
}

TEST_F(ArenaWindow, OpenArenaHasNoLineNoTextAndThePlayerCanLeave)
{
    ASSERT_NO_FATAL_FAILURE(start(SKIRMISH_PATH));
    place_pointer(x.display(), win, 600, 400);
    WindowShot first = wait_for([](const WindowShot &s) { return green_box(s).x0 == 310; });
    EXPECT_EQ(green_box(first).y0, 230);
    EXPECT_EQ(first.count(WHITE), 0) << "no aiming line and no text";

    key_down(x.display(), XK_d);
    WindowShot gone = wait_for([](const WindowShot &s) { return green_box(s).empty(); });
    key_up(x.display(), XK_d);
    EXPECT_TRUE(green_box(gone).empty()) << "the player left the window on the right";
    EXPECT_EQ(gone.count(WHITE), 0);

    key_down(x.display(), XK_a);
    WindowShot back = wait_for([](const WindowShot &s) {
        Box b = green_box(s);
        return !b.empty() && b.x1 < 620;
    });
    key_up(x.display(), XK_a);
    Box b = green_box(back);
    EXPECT_EQ(b.x1 - b.x0, 20) << "the whole disc is back in the window";
    EXPECT_EQ(b.y0, 230);
    end_with_escape();
}

TEST(NoDisplay, BothProgramsPrintOneLineAndExitOne)
{
    expect_startup_report_without_display(SKIRMISH_R_PATH);
    expect_startup_report_without_display(SKIRMISH_PATH);
}

} // namespace
