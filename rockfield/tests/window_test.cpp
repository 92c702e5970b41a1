// The real rock-field program in a private X server, driven by synthetic keys.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "xwindow.h"

TEST(Explore, Shots)
{
    PrivateX x;
    GameProcess game(ROCKFIELD_PATH, x.name());
    Window win = find_window(x.display(), 640, 480, 10000);
    ASSERT_NE(win, None);
    for (int i = 0; i < 12; i++) {
        WindowShot s = grab(x.display(), win);
        char name[64];
        std::snprintf(name, sizeof name, "/tmp/rf%02d.ppm", i);
        s.save_ppm(name);
        std::set<int> reds, greens;
        for (auto &p : s.pixels) { reds.insert(p.r); greens.insert(p.g); }
        std::printf("%d: reds %zu greens %zu centre (%d,%d,%d) box %d/%d\n", i, reds.size(), greens.size(),
                    s.at(320, 240).r, s.at(320, 240).g, s.at(320, 240).b, s.count(Rgb{0, 0, 0}, 20, 20, 201, 41),
                    s.count(Rgb{255, 255, 255}, 20, 20, 201, 41));
        pause_ms(2000);
    }
    key_tap(x.display(), XK_Escape, 300);
    ASSERT_TRUE(game.wait_exit(10000));
    EXPECT_EQ(game.exit_code(), 0);
}
