// The turret-defence pictures drawn into memory bitmaps at the depths a desktop may have, and
// read back pixel by pixel.

#include <algorithm>
#include <cstdlib>

#include "headless.h"
#include "turret_draw.h"
#include "turret_rules.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb RED{255, 0, 0};
const Rgb YELLOW{255, 255, 0};
const Rgb CYAN{0, 255, 255};
const Rgb WHITE{255, 255, 255};

// Starts Allegro without a window at a colour depth, before any bitmap is made.
struct AllegroAtDepth {
    explicit AllegroAtDepth(int depth) { headless_allegro(depth); }
};

// A fresh game and a black 640x480 bitmap at the depth under test.
class TurretDraw : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { inicializa_jogo(); }
    AllegroAtDepth allegro{GetParam()};
    TestBitmap bmp{640, 480, GetParam()};
    Rgb at(int x, int y) const { return pixel_rgb(bmp, x, y); }
};

struct BarrelCase {
    int angle;
    int end_x, end_y; // the barrel's far end on the screen
};

TEST_P(TurretDraw, TheBarrelPointsAlongTheAngleFromTheCentre)
{
    const BarrelCase cases[] = {
        {0, 370, 240},  {30, 320, 290}, {60, 270, 240}, {90, 320, 190},
        {15, 355, 275}, {45, 285, 275}, {75, 285, 205}, {105, 355, 205},
        // Offsets truncated toward zero: 12.94 gives 12 and 24.999.. gives 24 (rounding would
        // give 13 and 25); -12.94 gives -12 and -24.999.. gives -24 (flooring would give -13, -25).
        {5, 368, 252},  {10, 363, 264}, {65, 272, 228}, {110, 363, 216},
    };
    for (const BarrelCase &c : cases) {
        clear_bitmap(bmp);
        angulo = c.angle;
        desenha_jogador(bmp);
        EXPECT_EQ(at(c.end_x, c.end_y), YELLOW) << "angle " << c.angle;
        EXPECT_EQ(at(320, 240), YELLOW) << "angle " << c.angle;
        // One step beyond the end along the barrel is background again.
        int bx = c.end_x + (c.end_x > 320) - (c.end_x < 320);
        int by = c.end_y + (c.end_y > 240) - (c.end_y < 240);
        EXPECT_EQ(at(bx, by), BLACK) << "angle " << c.angle;
        // The point of the disc opposite the barrel is red.
        EXPECT_EQ(at(320 - (c.end_x - 320) / 2, 240 - (c.end_y - 240) / 2), RED) << "angle " << c.angle;
        int length = std::max(std::abs(c.end_x - 320), std::abs(c.end_y - 240));
        EXPECT_EQ(count_rgb(bmp, YELLOW), length + 1) << "angle " << c.angle;
    }
}

TEST_P(TurretDraw, TheTurretIsARedDiscOfRadius30)
{
    desenha_jogador(bmp);
    EXPECT_EQ(at(320, 270), RED);
    EXPECT_EQ(at(320, 271), BLACK);
    EXPECT_EQ(at(290, 240), RED);
    EXPECT_EQ(at(289, 240), BLACK);
    EXPECT_EQ(at(320, 210), RED);
    EXPECT_EQ(at(320, 209), BLACK);
    EXPECT_EQ(at(350, 240), YELLOW) << "the barrel crosses the rim";
    EXPECT_EQ(at(351, 240), YELLOW) << "and stands out of the disc";
}

TEST_P(TurretDraw, NoTurretIsDrawnWhenLost)
{
    vidas = 0;
    desenha_jogador(bmp);
    EXPECT_EQ(count_rgb(bmp, BLACK), 640 * 480);
}

struct DiscCase {
    float x, y; // offset from the centre
    int cx, cy; // the disc's centre on the screen
};

TEST_P(TurretDraw, AnEnemyIsACyanDiscOfRadius10AtItsTruncatedPlace)
{
    const DiscCase cases[] = {
        {100.7f, -50.2f, 420, 189},
        {-100.7f, 50.9f, 219, 290},
        {0.0f, 0.0f, 320, 240},
    };
    for (const DiscCase &c : cases) {
        clear_bitmap(bmp);
        inimigo[6] = Inimigo{c.x, c.y, 1};
        desenha_inimigos(bmp);
        EXPECT_EQ(at(c.cx, c.cy), CYAN);
        EXPECT_EQ(at(c.cx + 10, c.cy), CYAN);
        EXPECT_EQ(at(c.cx + 11, c.cy), BLACK);
        EXPECT_EQ(at(c.cx - 10, c.cy), CYAN);
        EXPECT_EQ(at(c.cx - 11, c.cy), BLACK);
        EXPECT_EQ(at(c.cx, c.cy + 10), CYAN);
        EXPECT_EQ(at(c.cx, c.cy + 11), BLACK);
        EXPECT_EQ(at(c.cx, c.cy - 10), CYAN);
        EXPECT_EQ(at(c.cx, c.cy - 11), BLACK);
    }
}

TEST_P(TurretDraw, PlacesLeftOfOrAboveTheWindowTruncateTowardZero)
{
    // -10.5 on the screen truncates to -10, whose disc reaches column (or row) 0; -11 would not.
    inimigo[0] = Inimigo{-330.5f, 0.0f, 1};
    inimigo[1] = Inimigo{0.0f, -250.5f, 1};
    desenha_inimigos(bmp);
    EXPECT_EQ(at(0, 240), CYAN);
    EXPECT_EQ(at(320, 0), CYAN);
    // Exactly the discs centred on column -10 and row -10 show, and nothing else.
    TestBitmap want(640, 480, GetParam());
    circlefill(want, -10, 240, 10, makecol(0, 255, 255));
    circlefill(want, 320, -10, 10, makecol(0, 255, 255));
    EXPECT_EQ(count_rgb(bmp, CYAN), count_rgb(want, CYAN));
    for (int i = 0; i < 640; i++) {
        ASSERT_EQ(at(i, 0), pixel_rgb(want, i, 0)) << "column " << i;
        ASSERT_EQ(at(0, i % 480), pixel_rgb(want, 0, i % 480)) << "row " << i % 480;
    }
}

TEST_P(TurretDraw, FreeRecordsAreNotDrawn)
{
    inimigo[0] = Inimigo{0.0f, 0.0f, 0};
    tiro[0] = Tiro{50.0f, 0.0f, 0, 0};
    desenha_inimigos(bmp);
    desenha_tiros(bmp);
    EXPECT_EQ(count_rgb(bmp, BLACK), 640 * 480);
}

TEST_P(TurretDraw, AShotIsAWhiteDiscOfRadius5)
{
    tiro[299] = Tiro{2.0f, 0.0f, 0, 1};
    desenha_tiros(bmp);
    EXPECT_EQ(at(322, 240), WHITE);
    EXPECT_EQ(at(327, 240), WHITE);
    EXPECT_EQ(at(328, 240), BLACK);
    EXPECT_EQ(at(317, 240), WHITE);
    EXPECT_EQ(at(316, 240), BLACK);
    EXPECT_EQ(at(322, 245), WHITE);
    EXPECT_EQ(at(322, 246), BLACK);
}

// Draws "score: <points>" and "lifes: <lives>" as literal lines at (10, 10) and (10, 20).
static void expected_texts(BITMAP *bmp, const char *score_line, const char *lives_line)
{
    textout_ex(bmp, font, score_line, 10, 10, makecol(255, 255, 255), -1);
    textout_ex(bmp, font, lives_line, 10, 20, makecol(255, 255, 255), -1);
}

TEST_P(TurretDraw, TheTextsShowScoreAndLivesAtTheTopLeft)
{
    struct Case {
        int points, lives;
        const char *score_line, *lives_line;
    } cases[] = {{0, 10, "score: 0", "lifes: 10"}, {123, 0, "score: 123", "lifes: 0"}};
    for (const Case &c : cases) {
        clear_bitmap(bmp);
        pontos = c.points;
        vidas = c.lives;
        desenha_textos(bmp);
        TestBitmap want(640, 480, GetParam());
        expected_texts(want, c.score_line, c.lives_line);
        int differing = 0;
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++)
                differing += pixel_rgb(bmp, x, y) != pixel_rgb(want, x, y);
        EXPECT_EQ(differing, 0) << c.score_line << " / " << c.lives_line;
        EXPECT_GT(count_rgb(bmp, WHITE), 40);
    }
}

TEST_P(TurretDraw, AFrameLayersTurretEnemiesShotsThenTexts)
{
    angulo = 0;
    inimigo[0] = Inimigo{40.0f, 0.0f, 1};    // over the barrel's outer part
    tiro[0] = Tiro{48.0f, 0.0f, 0, 1};       // over that enemy
    inimigo[1] = Inimigo{-305.0f, -224.0f, 1}; // under the score line
    desenha_quadro(bmp);
    EXPECT_EQ(at(320, 260), RED);
    EXPECT_EQ(at(340, 240), YELLOW);
    EXPECT_EQ(at(355, 240), CYAN) << "the enemy covers the barrel";
    EXPECT_EQ(at(368, 240), WHITE) << "the shot covers the barrel's end and the enemy";
    EXPECT_EQ(at(359, 236), CYAN);
    // The enemy under the text is cyan wherever the text leaves it.
    TestBitmap want(640, 480, GetParam());
    circlefill(want, 15, 16, 10, makecol(0, 255, 255));
    expected_texts(want, "score: 0", "lifes: 10");
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 100; x++)
            ASSERT_EQ(at(x, y), pixel_rgb(want, x, y)) << x << ", " << y;
}

TEST_P(TurretDraw, ALostFrameShowsEnemiesShotsAndTextsButNoTurret)
{
    vidas = 0;
    inimigo[0] = Inimigo{0.5f, 0.0f, 1};
    tiro[0] = Tiro{100.0f, 0.0f, 0, 1};
    desenha_quadro(bmp);
    EXPECT_EQ(count_rgb(bmp, RED), 0);
    EXPECT_EQ(count_rgb(bmp, YELLOW), 0);
    EXPECT_EQ(at(320, 240), CYAN);
    EXPECT_EQ(at(420, 240), WHITE);
    EXPECT_GT(count_rgb(bmp, WHITE), 81 + 40);
}

INSTANTIATE_TEST_SUITE_P(Depths, TurretDraw, ::testing::Values(32, 24, 16));

} // namespace
