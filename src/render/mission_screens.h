// The screens that interrupt or end a mission: the company's message once
// the nest is clean (state 5), the results once the squad is back at base
// (state 5), and the notice that the whole squad is lost (state 15), as
// drawn; their panel motion and keys are the app's (app/mission_end.h).
#pragma once

#include <string>

// Names of the members alive at the end, in member order; [1..6], the
// unused slots empty.
extern std::string finalists[7];

// The drawing of state 5: the message or results text in the empty view
// area, then the console around it.
void drawmissionscreen();
// The drawing of state 15: the squad-lost notice and the console.
void drawfailscreen();

// Refills finalists from the squad's dead flags.
void buildfinalists();
// The two results lines of names: finalists 1..3 and 4..6, two spaces apart.
std::string finalistline(int first);
