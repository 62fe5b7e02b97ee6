// Headless play: frames driven with scripted input snapshots through the
// loop's own frame step (keys, screen dispatch, in-game frame).
#pragma once

#include "platform/platform.h"

// One frame of the running program with this input snapshot; drawn in full
// (status line and overlay too) while framedraws is 1.
void playframe(const plat::RawInput& in);
