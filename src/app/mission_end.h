// The mission-end states: 5 (the company's message once the nest is clean,
// or the results once the squad is home) and 15 (the squad lost). Each
// frame moves the side panel shut or open and takes the keys that leave;
// the text is drawn by the render side when frames are drawn.
#pragma once

// One frame of statemissionend: panel motion, keys, then the drawing.
void missionscreen();
// One frame of statesquadlost.
void failscreen();
