// The game's sound effects, one function per sound. Each returns the raw
// mono signal at kRate; register.cpp levels, tidies and encodes them.
#pragma once

#include <functional>

#include "sounds/shapes.h"

namespace contentgen::sfx {

// Weapons and pickups.
Buf gunshot(int variant);  // 1..3
Buf dry_click();
Buf ammo_pickup();
Buf heal_pickup();

// Creatures: 1 warrior, 2 hugger, 3 queen.
Buf creature_attack(int kind);
Buf creature_death(int kind);
Buf creature_death_far(int kind);  // 1 or 2: the same death heard through walls
Buf egg_death();
Buf cocoon_bursting();
Buf cocoon_burst();

// People.
Buf pain(bool female);
Buf colonist_death();
Buf cocoon_plea();  // the cocooned colonist begging to be killed

// Who speaks the plea: Festival with its HTS voice (a normal build, where
// scripts/install-deps installs it) or our own formant voice. The choice is
// made once per run, before any sound is made; a chosen synthesiser that
// then fails is an error, never a silent switch to the other voice, so one
// source and one choice always give the same file.
enum class PleaVoice { Festival, Formant };
void use_plea_voice(PleaVoice v);
// Festival when text2wave, sox and the voice are installed, else Formant.
PleaVoice detect_plea_voice();

// Machinery and the rooms.
Buf alarm_loop();
Buf generator_loop();
Buf door();
Buf acid();
Buf lamp_break();
Buf power(bool up);
Buf panel(bool opening);

// Signals and interface.
Buf tracker_low();
Buf tracker_high(int player);  // 1 or 2
Buf menu_tick();
Buf rescue_chime();
Buf cheat_chime();
Buf cheat_toggle();
Buf surprise_sting();

// Loops are made of whole cycles; rendering a periodic source this many
// times through a filter and keeping the last pass leaves the filter
// state matching at both ends of the file.
Buf loop_through(const Buf& period, int passes, const std::function<float(float)>& filter);

}  // namespace contentgen::sfx
