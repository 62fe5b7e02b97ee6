// Registers the 38 sound effects. Every sound is levelled by how loud it
// is heard (see levelling.h) to a target set by its role in the mix,
// cleared of any DC offset, and given click-free edges; loops keep their
// edges untouched.
#include <functional>
#include <string>

#include "registry.h"
#include "sounds/effects.h"
#include "sounds/levelling.h"
#include "wav.h"

namespace contentgen {

namespace {

using sfx::Buf;

// Heard loudness (dB, loudest 100 ms and 400 ms averaged, on the A or the
// K curve, whichever reads louder) by role. The gun is the loudest sound of ordinary play; only the jump scares
// stand above it and the shrieks. The players' own tracker beeps sit over
// the squad's low beep, and the interface stays well under the action.
namespace heard {
constexpr float kJumpScare = -12.5f;
constexpr float kGun = -14.0f;
constexpr float kShriek = -15.5f;
constexpr float kImpact = -18.0f;     // deaths of eggs and colonists, doors, lamps, pain, power
constexpr float kMachine = -19.0f;    // the alarm, power returning, the cocoon stretching
constexpr float kTracker = -20.0f;    // the players' own beeps
constexpr float kInterface = -21.0f;  // pickups, chimes, the panel, the empty click
constexpr float kGenerator = -22.0f;  // a bed under the room, audible but never tiring
constexpr float kDoor = -21.0f;       // heard at every passage, so under the alarm and the beeps
constexpr float kDistant = -22.0f;    // cries through the walls
constexpr float kTick = -23.0f;
constexpr float kSquadBeep = -24.0f;  // another member's tracker
}  // namespace heard
// Peaks, between the samples too, stay at or under -1 dBFS; the limiter
// aims a little lower so the last check rarely has to take anything off.
constexpr float kPeakDb = -1.0f;
constexpr float kLimitDb = -1.3f;

struct Effect {
  const char* file;
  float heard_db;
  bool loop;  // played round by the mixer for as long as its condition holds
  std::function<Buf()> make;
};

const Effect kEffects[] = {
    {"shoot_1", heard::kGun, false, [] { return sfx::gunshot(1); }},
    {"shoot_2", heard::kGun, false, [] { return sfx::gunshot(2); }},
    {"shoot_3", heard::kGun, false, [] { return sfx::gunshot(3); }},
    {"attack_1", heard::kShriek, false, [] { return sfx::creature_attack(1); }},
    {"attack_2", heard::kShriek, false, [] { return sfx::creature_attack(2); }},
    {"attack_3", heard::kShriek, false, [] { return sfx::creature_attack(3); }},
    {"death_1", heard::kShriek, false, [] { return sfx::creature_death(1); }},
    {"death_2", heard::kShriek, false, [] { return sfx::creature_death(2); }},
    {"death_3", heard::kShriek, false, [] { return sfx::creature_death(3); }},
    {"death_4", heard::kImpact, false, sfx::egg_death},
    {"death_6", heard::kImpact, false, sfx::colonist_death},
    {"death_1x", heard::kDistant, false, [] { return sfx::creature_death_far(1); }},
    {"death_2x", heard::kDistant, false, [] { return sfx::creature_death_far(2); }},
    {"pain_m", heard::kImpact, false, [] { return sfx::pain(false); }},
    {"pain_f", heard::kImpact, false, [] { return sfx::pain(true); }},
    {"alert_low", heard::kSquadBeep, true, sfx::tracker_low},
    {"alert_high_1", heard::kTracker, false, [] { return sfx::tracker_high(1); }},
    {"alert_high_2", heard::kTracker, false, [] { return sfx::tracker_high(2); }},
    {"pausein", heard::kInterface, false, [] { return sfx::panel(true); }},
    {"pauseout", heard::kInterface, false, [] { return sfx::panel(false); }},
    {"power_up", heard::kMachine, false, [] { return sfx::power(true); }},
    {"power_down", heard::kImpact, false, [] { return sfx::power(false); }},
    {"alarm", heard::kMachine, true, sfx::alarm_loop},
    {"tick", heard::kTick, false, sfx::menu_tick},
    {"dry", heard::kInterface, false, sfx::dry_click},
    {"rescue", heard::kInterface, false, sfx::rescue_chime},
    {"door", heard::kDoor, false, sfx::door},
    {"acid", heard::kMachine, false, sfx::acid},
    {"lamp", heard::kImpact, false, sfx::lamp_break},
    {"surprise", heard::kJumpScare, false, sfx::surprise_sting},
    {"cheat", heard::kInterface, false, sfx::cheat_chime},
    {"cheat2", heard::kInterface, false, sfx::cheat_toggle},
    {"generator", heard::kGenerator, true, sfx::generator_loop},
    {"killme", heard::kImpact, false, sfx::cocoon_plea},
    {"burst", heard::kJumpScare, false, sfx::cocoon_burst},
    {"bursting", heard::kMachine, false, sfx::cocoon_bursting},
    {"ammo", heard::kInterface, false, sfx::ammo_pickup},
    {"heal", heard::kInterface, false, sfx::heal_pickup},
};

Buf finish(Buf b, const Effect& e) {
  if (e.loop) {
    // A loop must stay periodic: remove only the mean, no filter, no fades,
    // no limiter.
    double mean = 0.0;
    for (float s : b) mean += s;
    mean /= b.empty() ? 1.0 : static_cast<double>(b.size());
    for (float& s : b) s -= static_cast<float>(mean);
    sfx::level_loop(b, sfx::kRate, e.heard_db, kPeakDb);
    return b;
  }
  dsp::remove_dc(b, sfx::kRate);
  sfx::level_effect(b, sfx::kRate, e.heard_db, kLimitDb);
  // Fades last, so the limiter's gain cannot lift the edges again.
  dsp::fade(b, sfx::kRate, 0.3f, 15.0f);
  sfx::hold_true_peak(b, kPeakDb);
  return b;
}

}  // namespace

void register_sounds(Registry& reg) {
  for (const Effect& e : kEffects) {
    std::string name = std::string("data\\sfx\\") + e.file + ".wav";
    const Effect* effect = &e;
    reg.add(name, [effect] { return encode_wav(finish(effect->make(), *effect), sfx::kRate); });
  }
}

}  // namespace contentgen
