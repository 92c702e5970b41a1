#pragma once
// The ant-and-cannon scene's pictures, drawn into a bitmap the caller gives.

struct BITMAP;

// Paints the whole bitmap: sky, cannon body, horizon and ground.
void draw_bg(BITMAP *bmp);

// Draws the barrel from the cannon's centre towards the mouse.
void draw_cannon_shaft(BITMAP *bmp);

// Draws the ant with its head centre at x and the leg picture of the phase (0 or 1; any other
// phase draws the body and head only).
void draw_ant(BITMAP *bmp, int x, int phase);

// Draws the black cross at the mouse position.
void draw_mouse_cursor(BITMAP *bmp);
