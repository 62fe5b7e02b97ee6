// The live side of the snapshot: the only input code that asks the devices.
#include <algorithm>

#include "input/input.h"

void countjoysticks() { joycount = std::clamp(plat::joystick_count(), 0, maxjoysticks); }

void pollinput(plat::RawInput& in) {
  plat::poll_input(in);
  // The joysticks found at start-up are read every frame; one unplugged
  // since then reads as released rather than keeping its last state.
  in.joycount = joycount;
}

void updateinput() {
  plat::RawInput in;
  pollinput(in);
  updateinputfrom(in);
}
