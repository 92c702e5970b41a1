#pragma once
// The moon-guard game's pictures, drawn into a bitmap the caller gives.

struct BITMAP;

// The screen point at (angle in degrees, radius) around the earth's centre.
void polar_point(int angle, int radius, int *x, int *y);

// Writes the three title lines.
void draw_title(BITMAP *bmp);

// Draws one play frame: earth, moon, meteors and rings, score.
void draw_play(BITMAP *bmp);

// Writes the two game-over lines.
void draw_game_over(BITMAP *bmp);
