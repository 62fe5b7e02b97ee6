// A whole mission played by the machine through the real frame path: a new
// game from a seed, the cheat keys pressed as a tester would (if asked for),
// then frames of play with the machine player's snapshots until the game is
// back at MAIN MENU or the frame limit is reached. Headless; draws nothing.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/platform.h"

struct MissionSetup {
  uint32_t seed = 907;
  // Unlimited ammunition, unlimited stamina and invulnerability, switched
  // on through cheat mode on MAIN MENU and the keys F1, F2 and F3.
  bool cheats = false;
  bool mouseaiming = false;
  int framelimit = 100000;
  int chars[7] = {0, 12, 9, 10, 2, 14, 3};  // the squad screen's first squad
};

struct MissionOutcome {
  bool won = false;          // the results were paged through to MAIN MENU
  bool squadlost = false;    // the failure notice was reached
  bool backatmenu = false;   // the run ended on MAIN MENU
  int frames = 0;            // frames run, the cheat keys included
  int objectiveframe = -1;   // frame on which the nest was clean
  int resultsframe = -1;     // frame on which the results screen opened
  int membersdead = 0;       // members dead at the end
  int credit = 0;            // player 1's credit points at the end
};

class AutoPlayer;
// Called after every frame with the snapshot that frame ran on and the
// machine player that made it.
using FrameWatch = std::function<void(const plat::RawInput&, const AutoPlayer&)>;

MissionOutcome playmission(const MissionSetup& setup, const FrameWatch& watch = {});
// Starts the same session playmission starts (new game on the seed), for a
// replay of the snapshots it ran on.
void startmissionsession(const MissionSetup& setup);
