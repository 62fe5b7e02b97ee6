// The live side of the snapshot: the only input code that asks the devices.
#include <algorithm>

#include "input/input.h"
#include "input/pad_controls.h"

void countjoysticks() { joyconnected = std::clamp(plat::joystick_count(), 0, maxjoysticks); }

// Pads and joysticks keep their slots while connected; one unplugged reads
// as absent, so its buttons read as released.
void pollinput(plat::RawInput& in) { plat::poll_input(in); }

void updateinput() {
  plat::RawInput in;
  pollinput(in);
  updateinputfrom(in);
}
