#include "moonguard_rules.h"

#include <allegro.h>

#include <cstring>

#include "arcade_random.h"

const int START_ANGLE = 270;
const int TURN_STEP = 10;
const int SPAWN_DIST_MIN = 200;
const int SPAWN_DIST_SPAN = 100;
const int SPAWN_BASE_INTERVAL = 45;
const int SPAWN_SCORE_PER_FRAME = 20;
const int METEOR_SPEED = 2;
const int RING_STAGES = 10;
const int EARTH_HIT_DIST = 40;
const int BAND_INNER = 40;
const int BAND_OUTER = 90;
const int BLOCK_HALF_WIDTH = 25;
const int RIGHT_GAP_FIRST = 30;
const int RIGHT_GAP_COUNT = 300;

int p_angle = START_ANGLE;
int loop_num = 0;
meteor block[METEOR_SLOTS];
int score = 0;
bool gameover = false;
bool active[METEOR_SLOTS];

int spawn_angle_first = 0;
int spawn_angle_count = 360;

// Puts the game back to its state before the first play frame.
void reset_game()
{
    p_angle = START_ANGLE;
    loop_num = 0;
    score = 0;
    gameover = false;
    for (int i = 0; i < METEOR_SLOTS; i++) {
        block[i] = meteor{0, 0, 0};
        active[i] = false;
    }
}

// Chooses the angle range of new meteors.
void set_spawn_angles(int first, int count)
{
    spawn_angle_first = first;
    spawn_angle_count = count;
}

// The second program's meteors never come from the 60 degrees centred on the right of the earth.
void set_spawn_angles_for(const char *program)
{
    if (std::strcmp(program, "moonguard_r") == 0)
        set_spawn_angles(RIGHT_GAP_FIRST, RIGHT_GAP_COUNT);
    else
        set_spawn_angles(0, 360);
}

// Places a new meteor in the lowest free slot: distance first, then angle; the ring is kept.
void spawn_meteor()
{
    for (int i = 0; i < METEOR_SLOTS; i++) {
        if (active[i])
            continue;
        block[i].dist = SPAWN_DIST_MIN + arcade_rand() % SPAWN_DIST_SPAN;
        block[i].angle = spawn_angle_first + arcade_rand() % spawn_angle_count;
        active[i] = true;
        return;
    }
}

// Frames between spawns; from a score of 900 on the formula reaches 0, so it stays at 1.
int spawn_interval(int current_score)
{
    int interval = SPAWN_BASE_INTERVAL - current_score / SPAWN_SCORE_PER_FRAME;
    return interval < 1 ? 1 : interval;
}

// Left or Down turns back, then Right or Up turns forward; the angle is kept in 0..359.
void turn_moon()
{
    if (key[KEY_LEFT] || key[KEY_DOWN])
        p_angle -= TURN_STEP;
    if (key[KEY_RIGHT] || key[KEY_UP])
        p_angle += TURN_STEP;
    p_angle = (p_angle + 360) % 360;
}

// For each slot in order: move, advance the ring, test the earth hit, then the block.
void update_meteors()
{
    for (int i = 0; i < METEOR_SLOTS; i++) {
        meteor &m = block[i];
        if (active[i])
            m.dist -= METEOR_SPEED;
        if (m.ring > 0)
            m.ring++;
        m.ring %= RING_STAGES;
        if (m.dist < EARTH_HIT_DIST && active[i])
            gameover = true;
        if (m.dist > BAND_INNER && m.dist < BAND_OUTER && m.angle > p_angle - BLOCK_HALF_WIDTH &&
            m.angle < p_angle + BLOCK_HALF_WIDTH && active[i]) {
            active[i] = false;
            score++;
            m.ring = 1;
        }
    }
}

// One play frame's rules, in order: turn, spawn on a multiple of the interval, update.
void play_step()
{
    turn_moon();
    if (loop_num % spawn_interval(score) == 0)
        spawn_meteor();
    update_meteors();
}
