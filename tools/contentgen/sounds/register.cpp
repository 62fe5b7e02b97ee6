// Registers the 38 sound effects. Every sound is levelled by how loud it
// is heard (see levelling.h) to a target set by its role in the mix,
// cleared of any DC offset, eased wherever it falls suddenly, and given
// click-free edges; loops keep their
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
// K curve, whichever reads louder) by role. The gun is the loudest sound of
// ordinary play; only the jump scares stand above it and the shrieks. The
// players' own tracker beeps sit over the squad's low beep, the door under
// them, and the interface stays well under the action.
namespace heard {
constexpr float jump_scare = -12.5f;
constexpr float gun = -14.0f;
constexpr float shriek = -15.5f;
constexpr float impact = -18.0f;      // deaths of eggs and colonists, lamps, pain, power
constexpr float machine = -19.0f;     // power returning, the cocoon stretching
constexpr float alarm = -22.5f;       // a warning that may sound for minutes: under the beeps, high enough to be heard
constexpr float tracker = -20.0f;     // the players' own beeps
constexpr float ui = -21.0f;          // pickups, chimes, the panel, the empty click
constexpr float generator = -17.5f;   // a bed under the room: its hum weighs most on the K curve; on
                                      // the A curve it sits a few dB under the middling effect
constexpr float door = -22.8f;        // heard at every passage, so under the alarm and the beeps
constexpr float distant = -18.3f;     // cries from far down the ship: under the same cries close by,
                                      // yet near enough to them to be heard as a kill
constexpr float tick = -23.0f;
constexpr float squad_beep = -22.3f;  // another member's tracker
}  // namespace heard

// Peaks, between the samples too, stay at or under -1 dBFS; the limiter
// aims a little lower so the last check rarely has to take anything off.
constexpr float peak_db = -1.0f;
constexpr float limit_db = -1.3f;

struct Effect {
  const char* file;
  float heard_db;
  bool loop;  // played round by the mixer for as long as its condition holds
  std::function<Buf()> make;
};

const Effect effect_table[] = {
    {"shoot_1", heard::gun, false, [] { return sfx::gunshot(1); }},
    {"shoot_2", heard::gun, false, [] { return sfx::gunshot(2); }},
    {"shoot_3", heard::gun, false, [] { return sfx::gunshot(3); }},
    {"attack_1", heard::shriek, false, [] { return sfx::creature_attack(1); }},
    {"attack_2", heard::shriek, false, [] { return sfx::creature_attack(2); }},
    {"attack_3", heard::shriek, false, [] { return sfx::creature_attack(3); }},
    {"death_1", heard::shriek, false, [] { return sfx::creature_death(1); }},
    {"death_2", heard::shriek, false, [] { return sfx::creature_death(2); }},
    {"death_3", heard::shriek, false, [] { return sfx::creature_death(3); }},
    {"death_4", heard::impact, false, sfx::egg_death},
    {"death_6", heard::impact, false, sfx::colonist_death},
    {"death_1x", heard::distant, false, [] { return sfx::creature_death_far(1); }},
    {"death_2x", heard::distant, false, [] { return sfx::creature_death_far(2); }},
    {"pain_m", heard::impact, false, [] { return sfx::pain(false); }},
    {"pain_f", heard::impact, false, [] { return sfx::pain(true); }},
    {"alert_low", heard::squad_beep, true, sfx::tracker_low},
    {"alert_high_1", heard::tracker, false, [] { return sfx::tracker_high(1); }},
    {"alert_high_2", heard::tracker, false, [] { return sfx::tracker_high(2); }},
    {"pausein", heard::ui, false, [] { return sfx::panel(true); }},
    {"pauseout", heard::ui, false, [] { return sfx::panel(false); }},
    {"power_up", heard::machine, false, [] { return sfx::power(true); }},
    {"power_down", heard::impact, false, [] { return sfx::power(false); }},
    {"alarm", heard::alarm, true, sfx::alarm_loop},
    {"tick", heard::tick, false, sfx::menu_tick},
    {"dry", heard::ui, false, sfx::dry_click},
    {"rescue", heard::ui, false, sfx::rescue_chime},
    {"door", heard::door, false, sfx::door},
    {"acid", heard::machine, false, sfx::acid},
    {"lamp", heard::impact, false, sfx::lamp_break},
    {"surprise", heard::jump_scare, false, sfx::surprise_sting},
    {"cheat", heard::ui, false, sfx::cheat_chime},
    {"cheat2", heard::ui, false, sfx::cheat_toggle},
    {"generator", heard::generator, true, sfx::generator_loop},
    {"killme", heard::impact, false, sfx::cocoon_plea},
    {"burst", heard::jump_scare, false, sfx::cocoon_burst},
    {"bursting", heard::machine, false, sfx::cocoon_bursting},
    {"ammo", heard::ui, false, sfx::ammo_pickup},
    {"heal", heard::ui, false, sfx::heal_pickup},
};

Buf finish(Buf b, const Effect& e) {
  if (e.loop) {
    // A loop must stay periodic: remove only the mean, no filter, no fades,
    // no limiter.
    double mean = 0.0;
    for (float s : b) mean += s;
    mean /= b.empty() ? 1.0 : static_cast<double>(b.size());
    for (float& s : b) s -= static_cast<float>(mean);
    sfx::level_loop(b, sfx::kRate, e.heard_db, peak_db);
    return b;
  }
  dsp::remove_dc(b, sfx::kRate);
  // Sudden falls eased before levelling, so the loudness is set on what is
  // heard, and again after the closing fade, which can itself end steeply.
  dsp::soften_falls(b, sfx::kRate);
  sfx::level_effect(b, sfx::kRate, e.heard_db, limit_db);
  // Fades last, so the limiter's gain cannot lift the edges again.
  dsp::fade(b, sfx::kRate, 0.3f, 15.0f);
  dsp::soften_falls(b, sfx::kRate);
  sfx::hold_true_peak(b, peak_db);
  return b;
}

}  // namespace

void register_sounds(Registry& reg) {
  for (const Effect& e : effect_table) {
    std::string name = std::string("data\\sfx\\") + e.file + ".wav";
    const Effect* effect = &e;
    reg.add(name, [effect] { return encode_wav(finish(effect->make(), *effect), sfx::kRate); });
  }
}

}  // namespace contentgen
