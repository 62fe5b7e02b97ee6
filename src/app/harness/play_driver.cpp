#include "app/harness/play_driver.h"

#include "app/frame_loop.h"
#include "app/ingame.h"
#include "input/input.h"

void playframe(const plat::RawInput& in) {
  updateinputfrom(in);
  if (!framedraws) {
    stepframe();
    return;
  }
  // A drawn frame as the loop runs it, without waiting for the display.
  runframe();
  plat::cls();
}
