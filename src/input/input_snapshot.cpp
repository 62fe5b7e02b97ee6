#include "input/input.h"

#include <algorithm>
#include <cstring>

#include "input/keycodes.h"
#include "input/pad_controls.h"
#include "state/settings.h"

// The snapshot's tables are read straight from the platform's raw input.
static_assert(maxjoysticks == plat::RawInput::rawjoysticks, "one joystick slot per raw slot");
static_assert(joybuttons == plat::RawInput::rawjoybuttons, "one button per raw button");

int keydownstate[keycodecount];
int keyhitstate[keycodecount][3];
int mousedownstate[mouseentries];
int mousehitstate[mouseentries][3];
int joydownstate[maxjoysticks][joyentries];
int joyhitstate[maxjoysticks][joyentries][3];
int lastmousez = 0;
int joycount = 0;
int inputmousex = 0, inputmousey = 0;
bool inputpointerstill = false;

namespace {

plat::RawInput applied;
plat::RawInput earlier[2];  // applied before it: [0] one back, [1] two back

// One entry's edge rule: a hit is reported on the frame the entry goes down
// after having been up; holding it reports nothing more.
void edge(bool held, int& down, int (&hit)[3]) {
  down = held ? 1 : 0;
  hit[1] = 0;
  if (!held) {
    hit[2] = 1;
  } else if (hit[2]) {
    hit[1] = 1;
    hit[2] = 0;
  }
}

}  // namespace

void updateinputfrom(const plat::RawInput& in) {
  earlier[1] = earlier[0];
  earlier[0] = applied;
  applied = in;

  for (int k = 1; k < keycodecount; ++k) edge(in.key[k], keydownstate[k], keyhitstate[k]);
  for (int b = 1; b <= 3; ++b) edge(in.mouse[b], mousedownstate[b], mousehitstate[b]);

  // However far the wheel turned, a frame counts as one step down or up.
  int dir = 0;
  if (in.mousez < lastmousez) dir = 1;
  if (in.mousez > lastmousez) dir = 2;
  lastmousez = in.mousez;
  edge(dir == 1, mousedownstate[4], mousehitstate[4]);
  edge(dir == 2, mousedownstate[5], mousehitstate[5]);

  inputmousex = in.mousex;
  inputmousey = in.mousey;
  inputpointerstill = in.pointerstill;

  // The stick must pass the sensitivity threshold strictly to count. The
  // comparison stays in float, the axes' own precision: widening 0.2f to
  // double would put a stick held exactly at 0.2 past a threshold of 0.2.
  const float t = settings[setjoysensitivity] / 100.0f;
  const int count = std::clamp(in.joycount, 0, maxjoysticks);
  joycount = count;
  notejoykinds(in.joykind, count);
  for (int j = 0; j < count; ++j) {
    for (int b = 0; b < joybuttons; ++b) edge(in.joybutton[j][b], joydownstate[j][b], joyhitstate[j][b]);
    const float x = in.joyx[j], y = in.joyy[j];
    edge(x < -t, joydownstate[j][joyleft], joyhitstate[j][joyleft]);
    edge(y < -t, joydownstate[j][joyup], joyhitstate[j][joyup]);
    edge(x > t, joydownstate[j][joyright], joyhitstate[j][joyright]);
    edge(y > t, joydownstate[j][joydown], joyhitstate[j][joydown]);
  }
}

const plat::RawInput& lastinput() { return applied; }
const plat::RawInput& earlierinput(int back) { return earlier[back == 2 ? 1 : 0]; }

void resetinput() {
  std::memset(keydownstate, 0, sizeof keydownstate);
  std::memset(keyhitstate, 0, sizeof keyhitstate);
  std::memset(mousedownstate, 0, sizeof mousedownstate);
  std::memset(mousehitstate, 0, sizeof mousehitstate);
  std::memset(joydownstate, 0, sizeof joydownstate);
  std::memset(joyhitstate, 0, sizeof joyhitstate);
  lastmousez = 0;
  inputmousex = inputmousey = 0;
  std::memset(joykindnow, 0, sizeof joykindnow);
  std::memset(joykindseen, 0, sizeof joykindseen);
  std::memset(joychange, 0, sizeof joychange);
  joyconnected = 0;
  applied = earlier[0] = earlier[1] = plat::RawInput{};
}

void flushhits() {
  for (int k = 1; k < keycodecount; ++k) keyhitstate[k][1] = 0;
  mousehitstate[1][1] = 0;
  mousehitstate[2][1] = 0;
  for (int j = 0; j < maxjoysticks; ++j)
    for (int b = 0; b < joyentries; ++b) joyhitstate[j][b][1] = 0;
}

// Asked for Enter, either Enter key answers: the keypad's has a code of its
// own only so that a binding can tell the two apart.
int gamekeyhit(int k) {
  if (k == keyenter) return keyhitstate[keyenter][1] | keyhitstate[keynumenter][1];
  return k >= 0 && k < keycodecount ? keyhitstate[k][1] : 0;
}
int gamekeydown(int k) {
  if (k == keyenter) return keydownstate[keyenter] | keydownstate[keynumenter];
  return k >= 0 && k < keycodecount ? keydownstate[k] : 0;
}
int gamemousehit(int b) { return b >= 0 && b < mouseentries ? mousehitstate[b][1] : 0; }
int gamemousedown(int b) { return b >= 0 && b < mouseentries ? mousedownstate[b] : 0; }
