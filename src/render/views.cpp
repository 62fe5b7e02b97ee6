// The per-player views: the room passes (with the flashlight in a dark
// room) and the minimap, then the overlays drawn over the band: other
// members, crosshairs, the hurt flash and the visual alarm. A dead
// member's view shows only static.
#include "render/views.h"

#include <algorithm>

#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/no_signal.h"
#include "render/room_pass.h"
#include "render/text.h"
#include "squad/squad.h"
#include "world/map.h"

int flashw = 180, flashh = 180;

namespace {

constexpr float viewloop = looplength;

float roomx(int m) { return squad[m][mscroll] + squad[m][mcrossx] - 122; }

// Crosshair colour of a view in the current layout.
void crosshaircolour(int view, float bright) {
  if (numplayers != 2) setcolourbright(255, 255, 255, bright);
  else if (view == 1) setcolourbright(255, 255, 100, bright);
  else setcolourbright(100, 255, 255, bright);
}

// A crosshair at (x, y) under the current origin: solid while the member
// has stamina, blinking when tired; the flash picture right after a shot
// and the empty mark over it without ammunition.
void drawcrosshair(int m, float x, float y, int view, float bright) {
  const float ratio = squad[m][mmaxstamina] > 0
                          ? static_cast<float>(squad[m][mstamina]) / squad[m][mmaxstamina]
                          : 1.0f;
  crosshaircolour(view, bright);
  if (ratio > 0.2f) {
    plat::set_blend(plat::BlendMasked);
    plat::set_alpha(1);
  } else {
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(0.33f + pulselevel / 150.0f);
  }
  if (squad[m][mmuzzleflash] != 0) {
    drawimageculled(targimg[2], x, y, 0);
  } else {
    drawimageculled(targimg[1], x, y, 0);
    if (squad[m][mammo] == 0) {
      plat::set_colour(255, 255, 255);
      plat::set_blend(plat::BlendMasked);
      plat::set_alpha(1);
      drawimageculled(targimg[3], x, y, 0);
    }
  }
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(1);
}

void drawhurtflash(int m, const ViewLayout& v) {
  if (squad[m][mhurtflash] <= 0) return;
  plat::set_blend(plat::BlendAlpha);
  setcolourbright(175, 0, 0, 100);
  plat::set_alpha(squad[m][mhurtflash] / 100.0f);
  plat::set_scale(780 / 32.0f, v.hurth / 32.0f);
  drawimageculled(img_blood, 122, v.hurty, 0);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_colour(255, 255, 255);
}

void drawstatic(int count) {
  drawnosignal(122, 67, 780, 275);
  plat::set_blend(plat::BlendAlpha);
  plat::set_colour(255, 255, 255);
  for (int d = 1; d <= count; ++d) {
    const StaticDot dot = staticdot(d);
    plat::set_alpha(dot.alpha / 100.0f);
    drawimageculled(img_dot, dot.x, dot.y, 0);
  }
  plat::set_alpha(1);
}

bool shownin(int m) {
  if (curmember[1] == m) return true;
  return numplayers == 2 && curmember[2] == m;
}

void drawothermembers(int room) {
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.4f);
  for (int o = 1; o <= 6; ++o) {
    if (shownin(o) || squad[o][mroom] != room || squad[o][mdead] == 1) continue;
    const float x = roomx(o), y = squad[o][mcrossy];
    plat::set_scale(0.75f, 0.75f);
    for (float shift : {-viewloop, 0.0f, viewloop}) {
      drawimageculled(targimg[1], x + shift, y, 0);
      if (squad[o][mammo] == 0) drawimageculled(targimg[3], x + shift, y, 0);
    }
    plat::set_scale(1, 1);
    for (float shift : {-viewloop, 0.0f, viewloop}) drawsmalltext(x + shift, y - 32, squadname[o], 1, 1);
  }
  plat::set_alpha(1);
  plat::set_scale(1, 1);
}

// The room drawn again, lit, inside the crosshair's window.
void drawflashlight(const RoomPass& rp, int m, const ViewLayout& v, float roomox) {
  const Rect w = flashlightwindow(v, squad[m][mcrossx], squad[m][mcrossy]);
  if (w.w <= 0 || w.h <= 0) return;
  plat::set_viewport(w.x, w.y, w.w, w.h);
  RoomPass lit = rp;
  lit.tint = roomtint(rp.room, true);
  drawroompass(lit);
  plat::set_origin(roomox, v.roomoy);
  plat::set_blend(plat::BlendAlpha);
  plat::set_colour(255, 255, 255);
  const float fx = squad[m][mscroll] + squad[m][mcrossx] - 90 - 122;
  const float fy = squad[m][mcrossy] - 90;
  for (float shift : {-viewloop, 0.0f, viewloop}) drawimageculled(img_flashlight, fx + shift, fy, 0);
  plat::set_viewport(v.vx, v.vy, v.vw, v.vh);
}

// The use prompt once more, inside the minimap's frame only.
void promptovermap(const RoomPass& rp, const ViewLayout& v, float roomox) {
  const int frame = minimapimg[1];
  const int top = 69 + v.roomoy;
  const int x0 = std::max(802, v.vx), y0 = std::max(top, v.vy);
  const int x1 = std::min(802 + plat::image_width(frame), v.vx + v.vw);
  const int y1 = std::min(top + plat::image_height(frame), v.vy + v.vh);
  if (x1 <= x0 || y1 <= y0) return;
  plat::set_viewport(x0, y0, x1 - x0, y1 - y0);
  plat::set_origin(roomox, v.roomoy);
  redrawuseprompt(rp);
  plat::set_viewport(v.vx, v.vy, v.vw, v.vh);
}

}  // namespace

void drawview(int view) {
  const int nviews = numplayers == 2 ? 2 : 1;
  const ViewLayout v = viewlayout(view, nviews);
  const int m = curmember[view];
  if (m < 1 || m > 6) return;
  const float bright = squad[m][mbrightness];
  plat::set_viewport(v.vx, v.vy, v.vw, v.vh);
  plat::set_origin(0, v.roomoy);
  plat::set_scale(1, 1);
  plat::set_rotation(0);

  if (squad[m][mdead] == 1) {
    drawstatic(500);
    drawhurtflash(m, v);
  } else {
    const int room = squad[m][mroom];
    const float roomox = 122.0f - squad[m][mscroll];
    if (room >= 1 && room <= 300) {
      RoomPass rp;
      rp.room = room;
      rp.player = view;
      rp.bright = bright;
      rp.tint = roomtint(room, false);
      plat::set_origin(roomox, v.roomoy);
      drawroompass(rp);
      if (rp.tint.wantsflashlight) drawflashlight(rp, m, v, roomox);
      // The minimap sits in the view's top right corner: drawn before the
      // members' marks and crosshairs, and with the use prompt's box
      // drawn over it again, so that it hides neither.
      if (settings[setminimap] == 1) {
        drawminimap(view);
        promptovermap(rp, v, roomox);
      }

      plat::set_origin(roomox, v.roomoy);
      drawothermembers(room);
      if (nviews == 2) {
        const int otherview = view == 1 ? 2 : 1;
        const int o = curmember[otherview];
        if (o >= 1 && o <= 6 && o != m && squad[o][mroom] == room && squad[o][mdead] != 1)
          for (float shift : {-viewloop, 0.0f, viewloop})
            drawcrosshair(o, roomx(o) + shift, squad[o][mcrossy], otherview, bright);
      }
    }
    plat::set_origin(0, v.roomoy);
    drawcrosshair(m, squad[m][mcrossx], squad[m][mcrossy], nviews == 2 ? view : 1, bright);
    drawhurtflash(m, v);
    if (squad[m][mdanger] != 0 && settings[setvisualalarms] == 1) {
      // Blinks, so it is drawn blended.
      plat::set_blend(plat::BlendAlpha);
      plat::set_colour(255, 255, 255);
      plat::set_alpha(pulselevel / 100.0f);
      drawimageculled(img_alert, 130, v.alerty, 0);
      plat::set_alpha(1);
    }
    if (settings[setminimap] == 1 && (room < 1 || room > 300)) drawminimap(view);
  }
  plat::set_colour(255, 255, 255);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_rotation(0);
  plat::set_blend(plat::BlendMasked);
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
}

void drawviews() {
  drawview(1);
  if (numplayers == 2) drawview(2);
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
  setcolourbright(255, 255, 255, 100);
}
