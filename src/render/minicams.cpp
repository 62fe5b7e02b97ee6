// Mini-cameras: a member's room drawn small inside its tab, or static when
// the member is dead, with the hurt flash over either.
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/room_pass.h"
#include "render/views.h"
#include "squad/squad.h"

void minicam(int m, float x, float y, float w, float h, float top, float bottom) {
  if (settings[setminicams] != 1 || m < 1 || m > 6 || w <= 0 || h <= 0) return;
  const float sx = w / 780, sy = h / 275;
  const float bright = squad[m][mbrightness];
  const Rect cam{static_cast<int>(x), static_cast<int>(y + top - bottom), static_cast<int>(w),
                 static_cast<int>(h - top - bottom)};
  if (cam.w <= 0 || cam.h <= 0) return;
  plat::set_viewport(cam.x, cam.y, cam.w, cam.h);
  plat::set_rotation(0);
  setcolourbright(255, 255, 255, bright);

  // Camera space: view x 122 and band y 67 land on the camera's corner.
  const float bandox = x - 122 * sx, bandoy = y - 67 * sy;
  const int room = squad[m][mroom];
  if (squad[m][mdead] == 1) {
    plat::set_origin(bandox, bandoy);
    plat::set_blend(plat::BlendAlpha);
    for (int d = 1; d <= 100; ++d) {
      const StaticDot dot = staticdot(d);
      plat::set_alpha(dot.alpha / 100.0f);
      plat::set_scale(sx, sy);
      drawimageculled(img_dot, dot.x * sx, dot.y * sy, 0);
    }
    plat::set_alpha(1);
  } else if (room >= 1 && room <= 300) {
    RoomPass rp;
    rp.room = room;
    rp.player = 0;
    rp.zx = sx;
    rp.zy = sy;
    rp.bright = bright;
    rp.tint = roomtint(room, false);
    const float roomox = x - squad[m][mscroll] * sx;
    plat::set_origin(roomox, bandoy);
    drawroompass(rp);
    if (rp.tint.wantsflashlight) {
      const float cx = x + (squad[m][mcrossx] - 122 - 90) * sx;
      const float cy = y + (squad[m][mcrossy] - 67 - 90) * sy;
      const Rect lit = cliprect({static_cast<int>(cx), static_cast<int>(cy), static_cast<int>(flashw * sx),
                                 static_cast<int>(flashh * sy)},
                                cam);
      if (lit.w > 0 && lit.h > 0) {
        plat::set_viewport(lit.x, lit.y, lit.w, lit.h);
        RoomPass litpass = rp;
        litpass.tint = roomtint(room, true);
        drawroompass(litpass);
        plat::set_blend(plat::BlendAlpha);
        plat::set_colour(255, 255, 255);
        const float fx = squad[m][mscroll] + squad[m][mcrossx] - 90 - 122;
        putwrapped(litpass, img_flashlight, fx, squad[m][mcrossy] - 90);
        plat::set_viewport(cam.x, cam.y, cam.w, cam.h);
      }
    }
  }

  if (squad[m][mhurtflash] > 0) {
    plat::set_origin(bandox, bandoy);
    plat::set_blend(plat::BlendAlpha);
    setcolourbright(175, 0, 0, 100);
    plat::set_alpha(squad[m][mhurtflash] / 100.0f);
    plat::set_scale(780 / 32.0f * sx, 275 / 32.0f * sy);
    drawimageculled(img_blood, 122 * sx, 67 * sy, 0);
  }
  plat::set_colour(255, 255, 255);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
}
