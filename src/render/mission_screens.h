// The screens that interrupt or end a mission: the company's message once
// the nest is clean (state 5), the results once the squad is back at base
// (state 5), and the notice that the whole squad is lost (state 15). The
// side panel slides shut over each before a key is taken.
#pragma once

#include <string>

// Names of the members alive at the end, in member order; [1..6], the
// unused slots empty.
extern std::string finalists[7];

// One frame of state 5: panel motion, keys, drawing.
void missionscreen();
// One frame of state 15.
void failscreen();

// Refills finalists from the squad's dead flags.
void buildfinalists();
// The two results lines of names: finalists 1..3 and 4..6, two spaces apart.
std::string finalistline(int first);
