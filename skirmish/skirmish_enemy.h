#pragma once
// An enemy of the arena: a square that drifts, turns about at the walls and fires at the player.
// Every living enemy stands in Enemy::enemies; it enters in its constructor and leaves in kill().

#include <vector>

struct BITMAP;

const double ENEMY_SPEED = 0.15;
const int ENEMY_FIRST_COOLDOWN = 200;
const int ENEMY_FIRE_COOLDOWN = 1000;
const int ENEMY_AIM_SPREAD = 80;
const int ENEMY_AIM_OFFSET = 40;
const int ENEMY_HALF_SIDE = 10;

class Enemy {
public:
    float x;
    float y;
    int heading;  // angle units, always 0..255
    int cooldown; // passes until the next shot; fires when it falls below zero

    // Every living enemy, in the order in which they entered.
    static std::vector<Enemy *> enemies;

    // Enters the list, then stands at (x0, y0) with a random heading.
    Enemy(int x0, int y0);
    Enemy(const Enemy &) = delete;
    Enemy &operator=(const Enemy &) = delete;

    // One pass: move, turn about beyond a wall, count down and maybe fire.
    void act();
    // Draws the enemy's square.
    void draw(BITMAP *bmp);
    // Hit by a player's shot: scores, leaves the list, puts a new enemy in its stead, deletes itself.
    void kill();

    // Lets every enemy act once, in list order.
    static void Eact();
    // Draws every enemy, in list order.
    static void Edraw(BITMAP *bmp);
};
