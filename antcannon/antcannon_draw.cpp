#include "antcannon_draw.h"

#include <allegro.h>

#include "antcannon_rules.h"

const int SCENE_RIGHT = 640; // the lines run to here; the column beyond the bitmap is clipped
const int SCENE_BOTTOM = 479;
const int HORIZON_ROW = bl + 1;
const int GROUND_GREEN_BASE = 629;
const int CANNON_RADIUS = 20;
const int BARREL_TOP_ROW = bl - 3; // the upper barrel line starts 3 pixels above the lower
const int BARREL_GAP = 3;          // and 3 pixels to its left
const int BODY_DX = 8;
const int BODY_Y = bl - 5;
const int BODY_RX = 7;
const int BODY_RY = 3;
const int HEAD_Y = bl - 7;
const int HEAD_RADIUS = 3;
const int LEG_TOP_ROW = bl - 3;
const int CROSS_ARM = 5;

// The x offsets of the four legs' upper ends, and of their feet in each of the two pictures.
const int LEG_TOP_DX[4] = {5, 7, 10, 12};
const int LEG_FOOT_DX[2][4] = {{5, 7, 10, 12}, {4, 8, 9, 13}};

// Sky rows shaded by thirds, the cannon body with two outlines, the black horizon, the green ground.
void draw_bg(BITMAP *bmp)
{
    for (int y = 0; y <= bl; y++)
        hline(bmp, 0, y, SCENE_RIGHT, makecol(y / 3, y / 3, y / 3 + 50));
    circlefill(bmp, 0, bl, CANNON_RADIUS, makecol(200, 166, 166));
    circle(bmp, 0, bl, CANNON_RADIUS + 1, makecol(0, 0, 0));
    circle(bmp, 0, bl, CANNON_RADIUS + 2, makecol(100, 100, 100));
    hline(bmp, 0, HORIZON_ROW, SCENE_RIGHT, makecol(0, 0, 0));
    for (int y = HORIZON_ROW + 1; y <= SCENE_BOTTOM; y++)
        hline(bmp, 0, y, SCENE_RIGHT, makecol(50, GROUND_GREEN_BASE - y, 50));
}

// Two parallel black lines 3 pixels apart, aimed at the mouse.
void draw_cannon_shaft(BITMAP *bmp)
{
    int s, c;
    barrel_reach(mouse_x, mouse_y, &s, &c);
    int black = makecol(0, 0, 0);
    line(bmp, 0, BARREL_TOP_ROW, s, BARREL_TOP_ROW + c, black);
    line(bmp, BARREL_GAP, bl, BARREL_GAP + s, bl + c, black);
}

// White body, head on the left, then the four legs from foot to body.
void draw_ant(BITMAP *bmp, int x, int phase)
{
    int white = makecol(255, 255, 255);
    ellipsefill(bmp, x + BODY_DX, BODY_Y, BODY_RX, BODY_RY, white);
    circlefill(bmp, x, HEAD_Y, HEAD_RADIUS, white);
    if (phase != 0 && phase != 1)
        return;
    for (int leg = 0; leg < 4; leg++)
        line(bmp, x + LEG_FOOT_DX[phase][leg], bl, x + LEG_TOP_DX[leg], LEG_TOP_ROW, white);
}

// An 11-pixel black cross; the mouse position is read once for each line, afresh for the second.
void draw_mouse_cursor(BITMAP *bmp)
{
    int black = makecol(0, 0, 0);
    int x = mouse_x, y = mouse_y;
    line(bmp, x - CROSS_ARM, y, x + CROSS_ARM, y, black);
    x = mouse_x;
    y = mouse_y;
    line(bmp, x, y - CROSS_ARM, x, y + CROSS_ARM, black);
}
