#pragma once
// The arena-shooter game's picture, drawn into a bitmap the caller gives. Enemy::draw, Enemy::Edraw,
// Projectile::draw and Projectile::Pdraw are defined beside draw_frame.

struct BITMAP;

// Draws one whole frame: black, enemies, shots, the aiming line, the player, the two texts
// (the open arena has no aiming line and no texts).
void draw_frame(BITMAP *bmp);
