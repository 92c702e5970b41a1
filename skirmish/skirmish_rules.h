#pragma once
// The arena-shooter game's shared state and its logic pass; no window involved.
// The two programs share this code: `skirmish_r` plays in a walled arena, `skirmish` in an open one
// (no walls, no damage to the player, no texts, every shot red), chosen once at start-up.

const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const int ENEMY_COUNT = 10;
const int PLAYER_START_HP = 100;
const int PLAYER_FIRE_COOLDOWN = 200;
const int KILL_POINTS = 100;
const int DEATH_STATUS = -1;

extern int player_x;
extern int player_y;
extern int player_cooldown;
extern int player_hp;
extern int score;

// False for `skirmish_r` (walls, damage, texts), true for `skirmish`.
extern bool open_arena;

// Chooses the walled (false) or the open (true) arena.
void set_open_arena(bool open);

// The unit vector of an angle of 256 units to the turn, read from the library's fixed-point tables.
void unit_vector(int angle, double *c, double *s);

// The library's fixed-point arctangent of (dx, dy), rounded to whole angle units (-128..128).
int aim_angle(double dx, double dy);

// Deletes every enemy and shot and puts the player's numbers back to their start values.
void reset_arena();

// The start of a game: an empty arena, the player in the middle and ten enemies from the generator.
void start_arena();

// Moves the player by the W, S, A, D keys held now, in that order.
void move_player();

// Fires towards the pointer if the left button is down and the player is ready, then counts down.
void fire_player();

// One logic pass: move the player, fire, let every enemy and then every shot act.
void logic_step();
