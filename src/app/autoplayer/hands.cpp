#include "app/autoplayer/hands.h"

#include <algorithm>

#include "input/bindings.h"
#include "input/input.h"

namespace {

constexpr int mousefirst = 301, mouselast = 303, wheeldown = 304, wheelup = 305;
constexpr int joyfirst = 400;
// A stick pushed all the way: past any sensitivity threshold.
constexpr float fullstick = 1.0f;

}  // namespace

void Hands::begin() {
  const int x = in_.mousex, y = in_.mousey;
  in_ = plat::RawInput{};
  in_.mousex = x;
  in_.mousey = y;
  in_.mousez = wheel_;
  // Every stick read so far is read again, so one let go reads as released.
  in_.joycount = std::max(joycount, joysused_);
  step_ = 0;
}

const plat::RawInput& Hands::finish() {
  last_ = in_;
  laststep_ = step_;
  return in_;
}

void Hands::hold(int code) {
  if (code > 0 && code < keycodecount) {
    in_.key[code] = true;
  } else if (code >= mousefirst && code <= mouselast) {
    in_.mouse[code - 300] = true;
  } else if (code == wheeldown || code == wheelup) {
    // A wheel step is one notch turned this frame.
    if (step_ != 0) return;
    step_ = code == wheelup ? 1 : -1;
    wheel_ += step_;
    in_.mousez = wheel_;
  } else if (code >= joyfirst) {
    int j, b;
    joybinding(code, j, b);
    if (j < 0 || j >= maxjoysticks) return;
    joysused_ = std::max(joysused_, j + 1);
    in_.joycount = std::max(in_.joycount, j + 1);
    if (b < joybuttons) in_.joybutton[j][b] = true;
    if (b == joyleft) in_.joyx[j] = -fullstick;
    if (b == joyright) in_.joyx[j] = fullstick;
    if (b == joyup) in_.joyy[j] = -fullstick;
    if (b == joydown) in_.joyy[j] = fullstick;
  }
}

bool Hands::washeld(int code) const {
  if (code > 0 && code < keycodecount) return last_.key[code];
  if (code >= mousefirst && code <= mouselast) return last_.mouse[code - 300];
  // A wheel turned on two frames in a row reads as held, like a key.
  if (code == wheeldown) return laststep_ < 0;
  if (code == wheelup) return laststep_ > 0;
  if (code >= joyfirst) {
    int j, b;
    joybinding(code, j, b);
    if (j < 0 || j >= maxjoysticks) return false;
    if (b < joybuttons) return last_.joybutton[j][b];
    if (b == joyleft) return last_.joyx[j] < 0;
    if (b == joyright) return last_.joyx[j] > 0;
    if (b == joyup) return last_.joyy[j] < 0;
    if (b == joydown) return last_.joyy[j] > 0;
  }
  return false;
}

bool Hands::tap(int code) {
  if (washeld(code)) return false;
  hold(code);
  return true;
}

void Hands::holdkey(int key) {
  if (key > 0 && key < keycodecount) in_.key[key] = true;
}

bool Hands::tapkey(int key) {
  if (key <= 0 || key >= keycodecount || last_.key[key]) return false;
  in_.key[key] = true;
  return true;
}

void Hands::movemouse(int x, int y) {
  in_.mousex = x;
  in_.mousey = y;
}
