#pragma once
// The rock-field game's state and its field step; no window involved.

#include <list>

// Everything on the field: the player's craft, a rock or a shot.
struct rock {
    int radius;        // pixels, of the disc drawn and of the contact test
    double x;          // centre, pixels from the left edge
    double y;          // centre, pixels from the top edge (y grows downward)
    double angle;      // direction of motion in radians; growing angles turn clockwise on screen
    double speed;      // pixels moved along angle in each step
    int ttl;           // steps left to live; -1 never expires
    int type;          // CRAFT, ROCK or SHOT
    double hue_offset; // degrees added to hue for this record's colour
};

const int CRAFT = 0;
const int ROCK = 1;
const int SHOT = 2;
const int NEVER_EXPIRES = -1;

const int CRAFT_RADIUS = 5;
const int ROCK_RADIUS = 32;
const int ROCKS_PER_FIELD = 20;
const int SHOT_RADIUS = 2;
const double SHOT_EXTRA_SPEED = 5.0;
const int SHOT_TTL = 30;
const int SHOT_COOLDOWN = 10;
const double TOP_SPEED = 2.0;
const double SPEED_STEP = 0.1;
const double TURN_STEP = 0.1;
const float HUE_STEP = 2.0f;
const float HUE_TURN = 360.0f;
const double FRAGMENT_SPEEDUP = 1.5;
const double PI = 3.141592653589793;
const double RAND_SCALE = 32767.0;

// The records of the field, the craft first; new records only ever go to the end.
extern std::list<rock> rocks;
// The craft: the first record of rocks.
extern rock *player;
// Shot cooldown in steps: a shot may be fired while it is 0 or less.
extern int tts;
// Colour phase in degrees, 0 up to 360.
extern float hue;

// The size of the screen the field wraps around; the frame sets it from the graphics mode.
extern int field_w;
extern int field_h;

// Called when a rock touches the craft, before the step reports the hit; shows the message and
// waits. Nothing is shown while it is empty.
extern void (*show_hit)();

// Sets the size of the screen the field lives on (both must be above 0).
void set_field_size(int w, int h);

// A random fraction 0.0 to 1.0, both ends included.
double random_fraction();

// Empties the field and builds a new one: the craft in the middle and twenty random rocks.
void init();

// The first part of a step: cooldown, the discarded draw, steering, firing and the colour phase.
void steer_fire_and_phase();

// Moves a record along its direction and wraps it once at each edge of the field.
void move_and_wrap(rock &r);

// True when two records touch: the distance of their centres is below the sum of their radii.
bool touching(const rock &a, const rock &b);

// Makes the two fragments of a split rock, drawing their two angles.
void split_fragments(const rock &parent, rock *first, rock *second);

// Reports a hit: shows it through show_hit and returns false.
bool craft_hit();

// The record pass of a step: expiry, motion, wrap, contacts, splits and the hit, each record
// visiting only the records of other types after it. False when the craft was hit.
bool record_pass();

// One field step; false when the craft was hit (the message has been shown), true otherwise.
bool logic();
