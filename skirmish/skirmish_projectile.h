#pragma once
// A shot of the player or of an enemy. Every living shot stands in Projectile::projectiles; it
// enters in its constructor and, when it ends, deletes itself in act() and is dropped by Pact().

#include <vector>

struct BITMAP;

const float HIT_HALF_WIDTH = 10.0f;
const float HIT_HALF_HEIGHT = 50.0f;
const int PLAYER_HIT_HALF_WIDTH = 10;
const int PLAYER_HIT_HALF_HEIGHT = 50;
const int SHOT_RADIUS = 5;

class Projectile {
public:
    bool friendly; // fired by the player
    float x;
    float y;
    int heading; // angle units, an aim angle of -128..128

    // Every living shot, in the order of creation.
    static std::vector<Projectile *> projectiles;

    // Enters the list, then sets its fields.
    Projectile(bool f, float x0, float y0, int h);
    Projectile(const Projectile &) = delete;
    Projectile &operator=(const Projectile &) = delete;

    // One pass of flight; false when the shot ended and has already deleted itself.
    bool act();
    // Draws the shot's disc.
    void draw(BITMAP *bmp);

    // Lets every shot act once, in list order, and drops the entries of those that ended.
    static void Pact();
    // Draws every shot, in list order.
    static void Pdraw(BITMAP *bmp);
};
