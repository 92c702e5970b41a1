#include "antcannon_pass.h"

#include "antcannon_draw.h"
#include "antcannon_rules.h"

// The ant is drawn in the leg picture of this pass; a switch counted here shows in the next one.
void scene_pass(BITMAP *bmp, scene_state &s)
{
    work_off_ticks(s);
    draw_bg(bmp);
    draw_cannon_shaft(bmp);
    draw_ant(bmp, s.ant_x, s.leg_phase);
    count_pass(s);
    draw_mouse_cursor(bmp);
}
