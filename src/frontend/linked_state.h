// State and calls the save and options files share with the creature,
// input, audio and message code. What is not in this tree yet is declared
// here with the names and types its owner uses.
#pragma once

#include <string>

#include "audio/music.h"
#include "frontend/settings.h"
#include "input/bindings.h"

// Nest and wave timers (creature code).
extern int queentimer;
extern int powertimer;
extern int powerdelay;
extern int colonistlost;
extern int colonisttimer;

// One status line shown for 100 frames.
void postmessage(const std::string& text, int y, int iserror);
