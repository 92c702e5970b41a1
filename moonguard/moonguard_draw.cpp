#include "moonguard_draw.h"

#include <allegro.h>
#include <cmath>

#include "moonguard_rules.h"

const int CENTRE_X = 320;
const int CENTRE_Y = 240;
const double DEGREES_PER_RADIAN = 57.32;
const int EARTH_RADIUS = 40;
const int MOON_RADIUS = 12;
const int MOON_ORBIT = 70;
const int METEOR_RADIUS = 7;
const int RING_STEP = 10;
const int SCORE_X = 30;
const int SCORE_Y = 20;

// Converts (angle, radius) to the screen, truncating towards zero.
void polar_point(int angle, int radius, int *x, int *y)
{
    double a = angle / DEGREES_PER_RADIAN;
    *x = CENTRE_X + static_cast<int>(std::cos(a) * radius);
    *y = CENTRE_Y + static_cast<int>(std::sin(a) * radius);
}

// White text centred on x = 320 with no background.
static void centred_line(BITMAP *bmp, const char *text, int y)
{
    textout_centre_ex(bmp, font, text, CENTRE_X, y, makecol(255, 255, 255), -1);
}

// Writes the three title lines.
void draw_title(BITMAP *bmp)
{
    centred_line(bmp, "Welcome to Lunaris!", 200);
    centred_line(bmp, "Rotate the Moon around the earth to block the oncoming meteors", 220);
    centred_line(bmp, "Press Enter to start game", 240);
}

// Draws the earth, then the moon, then each slot's meteor or ring, then the score.
void draw_play(BITMAP *bmp)
{
    int meteor_colour = makecol(255, 192, 0);
    circlefill(bmp, CENTRE_X, CENTRE_Y, EARTH_RADIUS, makecol(0, 128, 255));
    int x, y;
    polar_point(p_angle, MOON_ORBIT, &x, &y);
    circlefill(bmp, x, y, MOON_RADIUS, makecol(255, 255, 255));
    for (int i = 0; i < METEOR_SLOTS; i++) {
        polar_point(block[i].angle, block[i].dist, &x, &y);
        if (active[i])
            circlefill(bmp, x, y, METEOR_RADIUS, meteor_colour);
        if (block[i].ring > 1 && !active[i])
            circle(bmp, x, y, block[i].ring * RING_STEP, meteor_colour);
    }
    textprintf_ex(bmp, font, SCORE_X, SCORE_Y, makecol(255, 255, 255), -1, "Score: %i", score);
}

// Writes the two game-over lines.
void draw_game_over(BITMAP *bmp)
{
    centred_line(bmp, "Game Over", 240);
    centred_line(bmp, "Press esc to quit", 260);
}
