// The pictures: enemy squares, shot discs, list order, and whole frames with line, player and texts.

#include "arena_fixture.h"

#include <string>

#include "skirmish_draw.h"

namespace {

const Rgb BLACK{0, 0, 0};
const Rgb WHITE{255, 255, 255};
const Rgb GREEN{0, 255, 0};
const Rgb RED{255, 0, 0};
const Rgb DARK_RED{127, 0, 0};

class DrawTest : public ArenaTest {
protected:
    TestBitmap frame{640, 480};

    // Expects the white pixels of the band of one text line to be exactly those of the text.
    void expect_text(const std::string &text, int y)
    {
        TestBitmap ref(640, 8);
        textprintf_ex(ref, font, 0, 0, makecol(255, 255, 255), -1, "%s", text.c_str());
        int mismatches = 0;
        for (int row = 0; row < 8; row++)
            for (int col = 0; col < 640; col++)
                if ((pixel_rgb(frame, col, y + row) == WHITE) != (pixel_rgb(ref, col, row) == WHITE))
                    mismatches++;
        EXPECT_EQ(mismatches, 0) << "text \"" << text << "\" at row " << y;
        EXPECT_GT(count_rgb(ref, WHITE), 10);
    }
};

TEST_F(DrawTest, EnemyIsADarkRedSquareOf21AroundItsCutCentre)
{
    Enemy *e = enemy_at(100.7f, 50.2f, 0);
    e->draw(frame);
    EXPECT_EQ(count_rgb(frame, DARK_RED), 21 * 21);
    EXPECT_EQ(pixel_rgb(frame, 90, 40), DARK_RED);
    EXPECT_EQ(pixel_rgb(frame, 110, 60), DARK_RED);
    EXPECT_EQ(pixel_rgb(frame, 89, 50), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 111, 50), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 100, 61), BLACK);
}

TEST_F(DrawTest, NegativePlacesAreCutTowardsZero)
{
    // Cut towards zero the enemy stands at (-3, -2): columns 0..7 and rows 0..8 of its square show;
    // rounded down it would stand at (-4, -3).
    enemy_at(-3.7f, -2.6f, 0)->draw(frame);
    EXPECT_EQ(count_rgb(frame, DARK_RED), 8 * 9);
    EXPECT_EQ(pixel_rgb(frame, 7, 8), DARK_RED);

    // The shots' centres (-2, 100) and (100, -2): the discs reach column 3 and row 3.
    new Projectile(true, -2.5f, 100.0f, 0);
    new Projectile(true, 100.0f, -2.5f, 0);
    Projectile::Pdraw(frame);
    EXPECT_EQ(pixel_rgb(frame, 3, 100), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 4, 100), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 100, 3), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 100, 4), BLACK);
}

TEST_F(DrawTest, ShotIsADiscOfRadius5GreenForThePlayerRedForEnemies)
{
    Projectile *mine = new Projectile(true, 200.9f, 100.9f, 0);
    Projectile *theirs = new Projectile(false, 400.0f, 100.0f, 0);
    mine->draw(frame);
    theirs->draw(frame);
    EXPECT_EQ(pixel_rgb(frame, 200, 100), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 205, 100), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 206, 100), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 200, 95), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 200, 94), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 400, 100), RED);
    EXPECT_EQ(count_rgb(frame, GREEN), count_rgb(frame, RED));
}

TEST_F(DrawTest, ListsAreDrawnInOrderSoLaterEntriesCover)
{
    new Projectile(true, 100.0f, 100.0f, 0);
    new Projectile(false, 100.0f, 100.0f, 0);
    new Projectile(false, 300.0f, 100.0f, 0);
    new Projectile(true, 300.0f, 100.0f, 0);
    enemy_at(5.0f, 5.0f, 0);
    enemy_at(600.0f, 400.0f, 0);
    Enemy::Edraw(frame);
    Projectile::Pdraw(frame);
    EXPECT_EQ(pixel_rgb(frame, 100, 100), RED);
    EXPECT_EQ(pixel_rgb(frame, 300, 100), GREEN);
    EXPECT_EQ(count_rgb(frame, DARK_RED), 21 * 21 + 16 * 16) << "the first square is cut by the corner";
}

TEST_F(DrawTest, FrameShowsEnemiesShotsLinePlayerAndTexts)
{
    clear_to_color(frame, makecol(1, 2, 3)); // the frame starts by clearing to black
    enemy_at(200.0f, 300.0f, 0);
    new Projectile(false, 200.0f, 300.0f, 0); // covers the enemy's centre
    mouse_x = 500;
    mouse_y = 400;
    draw_frame(frame);
    EXPECT_EQ(pixel_rgb(frame, 639, 0), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 190, 290), DARK_RED);
    EXPECT_EQ(pixel_rgb(frame, 200, 300), RED);
    // The player covers the start of the line; the line ends at the pointer.
    EXPECT_EQ(pixel_rgb(frame, 320, 240), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 330, 240), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 331, 240), BLACK);
    EXPECT_EQ(pixel_rgb(frame, 325, 243), GREEN);
    EXPECT_EQ(pixel_rgb(frame, 500, 400), WHITE);
    EXPECT_EQ(pixel_rgb(frame, 410, 320), WHITE);
    EXPECT_EQ(pixel_rgb(frame, 501, 401), BLACK);
    EXPECT_EQ(count_rgb(frame, Rgb{1, 2, 3}), 0);
    expect_text("hp: 100", 0);
    expect_text("score: 0", 10);
}

TEST_F(DrawTest, TheScoreRisesInTheFrameOfTheKill)
{
    enemy_at(100.0f, 100.0f, 0);
    new Projectile(true, 100.0f, 99.0f, 64);
    player_hp = 42;
    mouse_x = 320;
    mouse_y = 240;
    logic_step();
    draw_frame(frame);
    expect_text("hp: 42", 0);
    expect_text("score: 100", 10);
    ASSERT_EQ(Enemy::enemies.size(), 1u);
    const Enemy *newest = Enemy::enemies[0];
    EXPECT_EQ(pixel_rgb(frame, static_cast<int>(newest->x), static_cast<int>(newest->y)), DARK_RED)
        << "the replacement is drawn in the same frame";
    EXPECT_EQ(pixel_rgb(frame, 100, 100), BLACK);
}

} // namespace
