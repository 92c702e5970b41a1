#pragma once
// The moon-guard game's state and its play step; no window involved.

const int METEOR_SLOTS = 5;

// One meteor slot: where its meteor is (or died), and the stage of its explosion ring.
struct meteor {
    int dist;  // distance from the earth's centre, in pixels
    int angle; // direction from the earth's centre, whole degrees 0..359
    int ring;  // 0 no ring; 1 just blocked; 2..9 a ring of radius 10 x stage
};

extern int p_angle;
extern int loop_num;
extern meteor block[METEOR_SLOTS];
extern int score;
extern bool gameover;
extern bool active[METEOR_SLOTS];

// The angles new meteors come from: spawn_angle_first to spawn_angle_first + spawn_angle_count - 1.
extern int spawn_angle_first;
extern int spawn_angle_count;

// Puts the game back to its state before the first play frame (the spawn angles stay).
void reset_game();

// Chooses the angle range of new meteors.
void set_spawn_angles(int first, int count);

// Chooses the angle range of the named program: "moonguard_r" keeps meteors out of the sector to
// the right of the earth (30 to 329 degrees); any other program takes the whole circle.
void set_spawn_angles_for(const char *program);

// Places a new meteor in the lowest free slot, if there is one.
void spawn_meteor();

// Frames between spawns at the given score: 45 - score / 20, never less than 1.
int spawn_interval(int current_score);

// Turns the moon by the arrow keys held now.
void turn_moon();

// Moves every meteor, advances rings, and tests for the earth hit and the block.
void update_meteors();

// One play frame's rules: turn the moon, maybe spawn, update the meteors.
void play_step();
