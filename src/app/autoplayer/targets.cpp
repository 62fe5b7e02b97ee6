#include "app/autoplayer/targets.h"

#include <algorithm>
#include <cstdlib>

#include "state/play_state.h"
#include "creatures/creature_tables.h"
#include "creatures/nest_state.h"
#include "squad/member_update.h"
#include "world/map.h"

namespace {

// Shots at slime fly below the control panels beside the doors (y 150 to
// 194), so a clean slot never locks a door by mistake.
constexpr int slimeheight = 230;
// Doors are used level with the middle of the view.
constexpr int doorheight = 180;
// The roaming warrior's head sits at y 120; its middle a little lower.
constexpr int headheight = 140;
constexpr int headmiddle = 20;
// A colonist stands in a box from cx - 24, y 154, 49 x 145; the use action
// rescues within that box grown by 10 on every side.
constexpr int colonistleft = -24, colonisttop = 154, colonistw = 49, colonisth = 145, rescuemargin = 10;

int clampy(int y) { return std::clamp(y, aimtop, aimbottom); }

AimPoint boxmiddle(int x, int y, int w, int h) { return {x + w / 2, clampy(y + h / 2)}; }

}  // namespace

int wrapslot(int s) { return (s - 1 + wallslots) % wallslots + 1; }

bool unlimitedammo() { return debugflags[cheatmode] == 1 && debugflags[cheatammo] == 1; }

bool hunterkind(int kind) { return kind == kindwarrior || kind == kindhugger || kind == kindqueen; }

int loopdelta(int a, int b) {
  int d = (b - a) % looplength;
  if (d > looplength / 2) d -= looplength;
  if (d < -looplength / 2) d += looplength;
  return d;
}

AimPoint creatureaim(int r) {
  const int* c = rooms[r][roomcreature];
  const int kind = c[ckind];
  const int cx = c[cposx];
  if (hunterkind(kind) && c[cmode] == attacking) {
    const float s = creaturesize(kind, static_cast<float>(c[capproach]));
    const int w = static_cast<int>(attackw[kind] * s);
    const int h = static_cast<int>(attackh[kind] * s);
    const int top = static_cast<int>(cheady[kind] - cheadk[kind] * s);
    return boxmiddle(cx - w / 2, top, w, h);
  }
  const bool mirrored = c[cdirection] == 2;
  if (kind == kindwarrior) {
    const int hx = cx + (mirrored ? roambox[kind].xdir2 - headmiddle : roambox[kind].xdir1 + headmiddle);
    return {hx, headheight};
  }
  if (kind == kindqueen) return {cx, slimeheight};
  if (kind < kindwarrior || kind > kindcocoon) return {cx, slimeheight};
  const ShotBox& b = roambox[kind];
  return boxmiddle(cx + (mirrored ? b.xdir2 : b.xdir1), b.y, b.w, b.h);
}

AimPoint colonistaim(int r) {
  const int cx = rooms[r][roomcreature][cposx];
  return boxmiddle(cx + colonistleft, colonisttop, colonistw, colonisth);
}

bool onrescuebox(int r, int x, int y) {
  const int left = rooms[r][roomcreature][cposx] + colonistleft - rescuemargin;
  const int dx = loopdelta(left, x);
  return dx >= 0 && dx <= colonistw + 2 * rescuemargin && y >= colonisttop - rescuemargin &&
         y <= colonisttop + colonisth + rescuemargin;
}

AimPoint slimeaim(int s) { return {(s - 1) * slotwidth + slotwidth / 2, slimeheight}; }

AimPoint dooraim(int r, int d) {
  const int p = rooms[r][roomrecord][doorslot(d)];
  return {p * slotwidth + 78, doorheight};
}

int doorwayslime(int r, int d) {
  const int* rec = rooms[r][roomrecord];
  const int p = rec[doorslot(d)];
  const int* wall = rooms[r][wallstate];
  for (int s = p + 1; s <= p + 3; ++s)
    if (wall[wrapslot(s)] > 0) return wrapslot(s);
  if (rec[dooropenslot(d)] != 1 && wall[wrapslot(p + 4)] > 0) return wrapslot(p + 4);
  return 0;
}

int nearestslime(int r, int x) {
  int best = 0, bestdist = looplength;
  for (int s = 1; s <= wallslots; ++s) {
    if (rooms[r][wallstate][s] <= 0) continue;
    const int dist = std::abs(loopdelta(x, slimeaim(s).x));
    if (dist < bestdist) best = s, bestdist = dist;
  }
  return best;
}
