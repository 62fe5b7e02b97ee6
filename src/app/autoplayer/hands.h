// The machine player's hands: what it wants this frame (aim here, fire,
// use, press a key) turned into an input snapshot through the players'
// bindings, exactly as a person's keyboard, mouse or joystick would make it.
#pragma once

#include "platform/platform.h"

class Hands {
 public:
  // Starts the snapshot of the next frame: everything released, the mouse
  // where it was left.
  void begin();
  // The finished snapshot; remembered, so taps alternate press and release.
  const plat::RawInput& finish();

  // Holds whatever binding code names (key, mouse button, wheel step,
  // joystick button or stick direction).
  void hold(int code);
  // Presses the code only if it was up in the last snapshot, so that every
  // call on consecutive frames still counts as a fresh press every other
  // frame. Returns true when it pressed this frame.
  bool tap(int code);
  // A plain key by its key code (menus, panel, member keys).
  void holdkey(int key);
  bool tapkey(int key);
  void movemouse(int x, int y);
  int mousex() const { return in_.mousex; }
  int mousey() const { return in_.mousey; }

 private:
  bool washeld(int code) const;

  plat::RawInput in_;
  plat::RawInput last_;
  int wheel_ = 0;
  int step_ = 0, laststep_ = 0;  // wheel notches this frame and last
  int joysused_ = 0;              // joysticks the bindings have named
};
