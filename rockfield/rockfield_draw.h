#pragma once
// The rock-field game's pictures, drawn into a bitmap the caller gives.

struct BITMAP;

struct rock;

// The hue of a record in degrees: the phase plus its offset, summed in double and not brought
// back under 360.
float record_hue(const rock &r);

// The colour of a record in the bitmap's colour depth: its hue, saturation 0.5, value 1.0.
int record_colour(const rock &r);

// Paints every record as a filled disc, the craft first, later records on top; clears nothing,
// so earlier positions stay as trails.
void draw(BITMAP *bmp);

// The hit message: a box in colour 0 and "You got hit!" in colour -1 over it.
void draw_hit_message(BITMAP *bmp);
