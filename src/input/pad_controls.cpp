#include "input/pad_controls.h"

#include <algorithm>

#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"

int joykindnow[21];
int joykindseen[21];
int joychange[21];
int joyconnected = 0;

namespace {

bool ispad(int j) { return j >= 0 && j < maxjoysticks && joykindnow[j] == plat::joykindpad; }

bool namedbybinding(int j) {
  for (int p = 1; p <= 2; ++p)
    for (int a = 1; a <= actioncount; ++a) {
      if (keys[p][a] < 400) continue;
      int pj, b;
      joybinding(keys[p][a], pj, b);
      if (pj == j) return true;
    }
  return false;
}

// A connected standard pad that no binding names.
bool freepad(int j) { return ispad(j) && !namedbybinding(j); }

void hitkey(int k) { keyhitstate[k][1] = 1; }

bool entryhit(int j, int b) { return joyhitstate[j][b][1] != 0; }
bool entrydown(int j, int b) { return joydownstate[j][b] != 0; }

}  // namespace

void notejoykinds(const unsigned char (&kinds)[maxjoysticks], int count) {
  joyconnected = 0;
  for (int j = 0; j < maxjoysticks; ++j) {
    const int kind = j < count ? static_cast<int>(kinds[j]) : static_cast<int>(plat::joykindnone);
    joychange[j] = 0;
    if (kind != plat::joykindnone && joykindnow[j] == plat::joykindnone) joychange[j] = 1;
    if (kind == plat::joykindnone && joykindnow[j] != plat::joykindnone) joychange[j] = -1;
    joykindnow[j] = kind;
    if (kind != plat::joykindnone) joykindseen[j] = kind, ++joyconnected;
  }
}

bool haspadbinding(int p) {
  if (p < 1 || p > 2) return false;
  for (int a = 1; a <= actioncount; ++a)
    if (keys[p][a] >= 400) return true;
  return false;
}

int defaultpad(int p) {
  if (p < 1 || p > 2 || haspadbinding(p)) return -1;
  // By the pads' own numbers, so a pad unplugged never hands another
  // player's pad over.
  if (p == 1) return freepad(0) ? 0 : -1;
  if (freepad(1)) return 1;
  return freepad(0) && defaultpad(1) < 0 ? 0 : -1;
}

int playerpad(int p) {
  const int pad = defaultpad(p);
  if (pad >= 0 || p < 1 || p > 2) return pad;
  for (int a = 1; a <= actioncount; ++a)
    if (keys[p][a] >= 400) {
      int j, b;
      joybinding(keys[p][a], j, b);
      if (j < maxjoysticks) return j;
    }
  return -1;
}

void readdefaultpad(int p, int (&flags)[9]) {
  const int j = defaultpad(p);
  if (j < 0) return;
  const auto held = [j](int stick, int dpad) { return entrydown(j, stick) || entrydown(j, dpad) ? 1 : 0; };
  flags[actleft] |= held(joyleft, plat::paddpadleft);
  flags[actup] |= held(joyup, plat::paddpadup);
  flags[actright] |= held(joyright, plat::paddpadright);
  flags[actdown] |= held(joydown, plat::paddpaddown);
  flags[actshoot] |= entryhit(j, plat::padbuttona) ? 1 : 0;
  flags[actuse] |= entryhit(j, plat::padbuttonb) ? 1 : 0;
  flags[actprev] |= entryhit(j, plat::padleftshoulder) ? 1 : 0;
  flags[actnext] |= entryhit(j, plat::padrightshoulder) ? 1 : 0;
}

void padmenukeys() {
  for (int j = 0; j < maxjoysticks; ++j) {
    if (!ispad(j)) continue;
    if (entryhit(j, joyup) || entryhit(j, plat::paddpadup)) hitkey(keyarrowup);
    if (entryhit(j, joydown) || entryhit(j, plat::paddpaddown)) hitkey(keyarrowdown);
    if (entryhit(j, joyleft) || entryhit(j, plat::paddpadleft)) hitkey(keyarrowleft);
    if (entryhit(j, joyright) || entryhit(j, plat::paddpadright)) hitkey(keyarrowright);
    if (entryhit(j, plat::padbuttona)) hitkey(keyenter);
    if (entryhit(j, plat::padbuttonb)) hitkey(keyescape);
  }
}

void padplaykeys(int players) {
  for (int j = 0; j < maxjoysticks; ++j)
    if (ispad(j) && entryhit(j, plat::padback)) hitkey(keyescape);
  for (int p = 1; p <= std::min(players, 2); ++p) {
    const int j = defaultpad(p);
    if (j >= 0 && entryhit(j, plat::padstart)) hitkey(keyp);
  }
}

bool padconfirmhit() {
  for (int j = 0; j < maxjoysticks; ++j)
    if (ispad(j) && (entryhit(j, plat::padbuttona) || entryhit(j, plat::padstart))) return true;
  return false;
}

std::string padbuttonname(int b) {
  static const char* const names[plat::padbuttoncount] = {
      "A", "B", "X", "Y", "BACK", "GUIDE", "START", "LS", "RS", "LB", "RB",
      "D-UP", "D-DOWN", "D-LEFT", "D-RIGHT", "LT", "RT"};
  if (b >= 0 && b < plat::padbuttoncount) return names[b];
  switch (b) {
    case joyleft: return "LEFT";
    case joyup: return "UP";
    case joyright: return "RIGHT";
    case joydown: return "DOWN";
    default: return "";
  }
}
