#include "input/bindings.h"

#include "state/play_state.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "input/keynames.h"
#include "input/pad_controls.h"

int keys[3][9];

const std::array<std::string, 9> actionlabel = {
    "",
    "LEFT.................",
    "UP....................",
    "RIGHT..............",
    "DOWN...............",
    "SHOOT..............",
    "USE..................",
    "PREV CHAR.......",
    "NEXT CHAR.......",
};

namespace {

constexpr int defaultkeys[3][9] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    // A W D S, mouse 1 shoots, mouse 2 uses, wheel up / down change member
    {0, letterkey('A'), letterkey('W'), letterkey('D'), letterkey('S'), 301, 302, 305, 304},
    // arrows, right ctrl, right shift, period, slash
    {0, keyarrowleft, keyarrowup, keyarrowright, keyarrowdown, keyrctrl, keyrshift, keyperiod,
     keyslash},
};

// Whatever table entry a code names; nullptr for codes outside the tables.
// Key codes 251..300 have names but no table entries; joystick codes are
// checked against both the joystick and the entry bounds.
struct Entry {
  const int* down;
  const int* hit;
};

Entry lookup(int code) {
  if (code >= 0 && code < keycodecount) return {&keydownstate[code], &keyhitstate[code][1]};
  if (code >= 301 && code <= 310) {
    const int b = mousebinding(code);
    return {&mousedownstate[b], &mousehitstate[b][1]};
  }
  if (code >= 400) {
    int j, b;
    joybinding(code, j, b);
    if (j >= 0 && j < maxjoysticks && b >= 0 && b < joyentries)
      return {&joydownstate[j][b], &joyhitstate[j][b][1]};
  }
  return {nullptr, nullptr};
}

}  // namespace

void resetbindings() {
  for (int p = 0; p < 3; ++p)
    for (int a = 0; a < 9; ++a) keys[p][a] = defaultkeys[p][a];
}

// The defaults are in force from the start, before anything is read.
[[maybe_unused]] static const bool bindingsready = (resetbindings(), true);

int bindingdown(int code) {
  const Entry e = lookup(code);
  return e.down ? *e.down : 0;
}

int bindinghit(int code) {
  const Entry e = lookup(code);
  return e.hit ? *e.hit : 0;
}

void joybinding(int code, int& j, int& b) {
  j = b = 0;
  if (code < 400) return;
  j = (code - 400) / 100;
  b = code - (400 + 100 * j);
}

int mousebinding(int code) { return code >= 301 && code <= 310 ? code - 300 : 0; }

std::string bindingname(int code) {
  if (code >= 0 && code <= 300) return keycapname(code);
  if (code >= 301 && code <= 303) return "Mouse " + std::to_string(code - 300);
  if (code == 304) return "Wheel Down";
  if (code == 305) return "Wheel Up";
  if (code < 400) return "";
  int j, b;
  joybinding(code, j, b);
  // A joystick beyond the tables can never be read, so it names nothing.
  if (j >= maxjoysticks) return "";
  // A standard pad's entries go by what is printed on the pad.
  if (joykindseen[j] == plat::joykindpad) {
    const std::string name = padbuttonname(b);
    if (!name.empty()) return "JOY " + std::to_string(j + 1) + " " + name;
  }
  const std::string joy = "Joy " + std::to_string(j + 1);
  if (b <= 30) return joy + " btn " + std::to_string(b + 1);
  switch (b) {
    case joyleft: return joy + " Left";
    case joyup: return joy + " Up";
    case joyright: return joy + " Right";
    case joydown: return joy + " Down";
    default: return "";
  }
}

void readcontrols(int p, bool blocked) {
  if (p < 0 || p > 2) return;
  for (int a = 0; a <= actioncount; ++a) actionflags[p][a] = 0;
  if (blocked) return;
  for (int a = actleft; a <= actdown; ++a) actionflags[p][a] = bindingdown(keys[p][a]);
  for (int a = actshoot; a <= actnext; ++a) actionflags[p][a] = bindinghit(keys[p][a]);
  // A player with no joystick bindings also plays with a pad held.
  readdefaultpad(p, actionflags[p]);
}

void trackmouse() {
  mousepos[mouselastx] = mousepos[mousenowx];
  mousepos[mouselasty] = mousepos[mousenowy];
  mousepos[mousenowx] = inputmousex;
  mousepos[mousenowy] = inputmousey;
}
