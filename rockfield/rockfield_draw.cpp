// The rock-field game's pictures: discs in cycling pastel colours, and the hit message.

#include "rockfield_draw.h"

#include <allegro.h>

#include <iterator>

#include "rockfield_rules.h"

const float SATURATION = 0.5f;
const float VALUE = 1.0f;
const int HIT_BOX_LEFT = 20;
const int HIT_BOX_TOP = 20;
const int HIT_BOX_RIGHT = 200;
const int HIT_BOX_BOTTOM = 40;
const int HIT_TEXT_X = 30;
const int HIT_TEXT_Y = 26;
const int OWN_COLOUR = -1;

// The phase plus the record's own offset, as it is.
float record_hue(const rock &r)
{
    return static_cast<float>(static_cast<double>(hue) + r.hue_offset);
}

// The record's pastel colour from its hue.
int record_colour(const rock &r)
{
    int red, green, blue;
    hsv_to_rgb(record_hue(r), SATURATION, VALUE, &red, &green, &blue);
    return makecol(red, green, blue);
}

// One filled disc at the record's centre, truncated toward zero.
static void draw_record(BITMAP *bmp, const rock &r)
{
    circlefill(bmp, static_cast<int>(r.x), static_cast<int>(r.y), r.radius, record_colour(r));
}

// The craft through player, then every later record in list order.
void draw(BITMAP *bmp)
{
    if (!player || rocks.empty())
        return;
    draw_record(bmp, *player);
    for (auto it = std::next(rocks.begin()); it != rocks.end(); ++it)
        draw_record(bmp, *it);
}

// The black box and the message over it, with no background behind the letters.
void draw_hit_message(BITMAP *bmp)
{
    rectfill(bmp, HIT_BOX_LEFT, HIT_BOX_TOP, HIT_BOX_RIGHT, HIT_BOX_BOTTOM, 0);
    textprintf_ex(bmp, font, HIT_TEXT_X, HIT_TEXT_Y, OWN_COLOUR, -1, "You got hit!");
}
