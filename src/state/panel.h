// The side panel of play: pause board and mission board. While it is active
// only the panel moves; the game stays frozen until it has slid shut. The
// mission-end screens move the same panel with the same motion.
#pragma once

// Opens the panel (P, a new attack wave, a mission phase, the squad lost):
// the counters on it start again from 0.
void openpanel();
// One frame of the active panel in play.
void updatepanel();

// What one frame of slide motion reached.
enum PanelSlide { slidemoving = 0, slideopened, slideshut };
// One frame of the panel's slide: easing open while pausestate[panelclosing] is 0,
// speeding shut while it is 1; pausetabx and pausetabx2 follow pausepos.
// Returns slideopened or slideshut on the frame the panel arrives.
PanelSlide slidepanel();
// The blink of the panel's prompt: 35..100 in steps of 5, up then down.
void steppanelpulse();
// Each player's credit-flash timer above 0 goes down by one.
void countdownflashes();
// Starts the panel closing, with its sound.
void startpanelclosing();
// The announcement of a new wave lasts as long as the panel it opened.
void endwavenews();
// P, Space, Enter, Escape, either player's fire binding, or a pad's A or
// Start hit this frame.
bool panelkeyhit();
