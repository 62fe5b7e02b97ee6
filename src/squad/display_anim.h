// Counters that only the drawing reads, advanced once per frame of play:
// heartbeat traces, creature walk and attack frames, the blink pulse, the
// dead view's static and the use-prompt blink.
#pragma once

// Trace entries: 1..185 values (185 newest), then the stroke in progress.
inline constexpr int tracelen = 185;
inline constexpr int tracedir = 186, tracetarget = 187, tracebusy = 188;

// Sets a trace flat at 32 with no stroke under way (new game).
void resettrace(int* trace);
// One step of a trace: shift and move the newest value.
void steptrace(int* trace, bool alive);
void updatedisplayanim();
// The use prompts' blink, 30..100 in steps of 2.
void updatepromptblink();
