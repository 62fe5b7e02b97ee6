// Registers the 38 sound effects. Every sound is levelled by its kind so
// that none clips and none is lost beside the others, cleared of any DC
// offset, and given click-free edges; loops keep their edges untouched.
#include <functional>
#include <string>

#include "registry.h"
#include "sounds/effects.h"
#include "wav.h"

namespace contentgen {

namespace {

using sfx::Buf;

enum class Level { Loud, Medium, Quiet, Distant, Loop };

// Target loudness (RMS, dBFS) per kind; no peak ever passes -1 dBFS.
float target_rms_db(Level l) {
  switch (l) {
    case Level::Loud: return -14.0f;
    case Level::Medium: return -17.0f;
    case Level::Quiet: return -20.0f;
    case Level::Distant: return -24.0f;
    case Level::Loop: return -19.0f;
  }
  return -20.0f;
}
constexpr float kPeakDb = -1.0f;

struct Effect {
  const char* file;
  Level level;
  std::function<Buf()> make;
};

const Effect kEffects[] = {
    {"shoot_1", Level::Loud, [] { return sfx::gunshot(1); }},
    {"shoot_2", Level::Loud, [] { return sfx::gunshot(2); }},
    {"shoot_3", Level::Loud, [] { return sfx::gunshot(3); }},
    {"attack_1", Level::Loud, [] { return sfx::creature_attack(1); }},
    {"attack_2", Level::Loud, [] { return sfx::creature_attack(2); }},
    {"attack_3", Level::Loud, [] { return sfx::creature_attack(3); }},
    {"death_1", Level::Loud, [] { return sfx::creature_death(1); }},
    {"death_2", Level::Loud, [] { return sfx::creature_death(2); }},
    {"death_3", Level::Loud, [] { return sfx::creature_death(3); }},
    {"death_4", Level::Medium, sfx::egg_death},
    {"death_6", Level::Medium, sfx::colonist_death},
    {"death_1x", Level::Distant, [] { return sfx::creature_death_far(1); }},
    {"death_2x", Level::Distant, [] { return sfx::creature_death_far(2); }},
    {"pain_m", Level::Medium, [] { return sfx::pain(false); }},
    {"pain_f", Level::Medium, [] { return sfx::pain(true); }},
    {"alert_low", Level::Quiet, sfx::tracker_low},
    {"alert_high_1", Level::Quiet, [] { return sfx::tracker_high(1); }},
    {"alert_high_2", Level::Quiet, [] { return sfx::tracker_high(2); }},
    {"pausein", Level::Quiet, [] { return sfx::panel(true); }},
    {"pauseout", Level::Quiet, [] { return sfx::panel(false); }},
    {"power_up", Level::Medium, [] { return sfx::power(true); }},
    {"power_down", Level::Medium, [] { return sfx::power(false); }},
    {"alarm", Level::Loop, sfx::alarm_loop},
    {"tick", Level::Quiet, sfx::menu_tick},
    {"dry", Level::Quiet, sfx::dry_click},
    {"rescue", Level::Quiet, sfx::rescue_chime},
    {"door", Level::Medium, sfx::door},
    {"acid", Level::Medium, sfx::acid},
    {"lamp", Level::Medium, sfx::lamp_break},
    {"surprise", Level::Loud, sfx::surprise_sting},
    {"cheat", Level::Quiet, sfx::cheat_chime},
    {"cheat2", Level::Quiet, sfx::cheat_toggle},
    {"generator", Level::Loop, sfx::generator_loop},
    {"killme", Level::Medium, sfx::cocoon_plea},
    {"burst", Level::Loud, sfx::cocoon_burst},
    {"bursting", Level::Medium, sfx::cocoon_bursting},
    {"ammo", Level::Quiet, sfx::ammo_pickup},
    {"heal", Level::Quiet, sfx::heal_pickup},
};

Buf finish(Buf b, Level level) {
  if (level == Level::Loop) {
    // A loop must stay periodic: remove only the mean, no filter, no fades.
    double mean = 0.0;
    for (float s : b) mean += s;
    mean /= b.empty() ? 1.0 : static_cast<double>(b.size());
    for (float& s : b) s -= static_cast<float>(mean);
  } else {
    dsp::remove_dc(b, sfx::kRate);
    dsp::fade(b, sfx::kRate, 0.3f, 15.0f);
  }
  dsp::normalise(b, target_rms_db(level), kPeakDb);
  return b;
}

}  // namespace

void register_sounds(Registry& reg) {
  for (const Effect& e : kEffects) {
    std::string name = std::string("data\\sfx\\") + e.file + ".wav";
    const Effect* effect = &e;
    reg.add(name, [effect] { return encode_wav(finish(effect->make(), effect->level), sfx::kRate); });
  }
}

}  // namespace contentgen
