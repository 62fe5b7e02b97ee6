#include "audio/sound.h"

#include <cmath>
#include <cstdint>

#include "state/assets.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "platform/sound_placing.h"

int sparechannel = 0;
int loopchannel[4];

void initsounds() {
  sparechannel = plat::alloc_channel();
  for (int i = 1; i <= 3; ++i) loopchannel[i] = plat::alloc_channel();
}

namespace {

// Checks shared by one-shot and looping play; false when nothing may play.
bool mayplay(int sound) {
  if (settings[setsound] != 1) return false;
  if (sound == 0) {
    sfxmissing = 100;
    return false;
  }
  return true;
}

// Sounds the player must make out over the music step it back while they
// play. The cocooned colonist's words and the creatures' shrieks are rare
// and must be understood, so the music makes real room for them. The gun
// and the tracker beeps come every few hundred milliseconds in a fight: a
// deep step under them would hold the music far down and pump with every
// shot. A shot takes a firm step, so the music lies well under a burst's
// shots and their tails, held down through the burst rather than pumping at
// each round; a beep only a slight one, to clear its tone.
constexpr float pleastepback_db = -12.0f;
constexpr float shriekstepback_db = -6.0f;
constexpr float shotstepback_db = -7.0f;
constexpr float beepstepback_db = -2.5f;
// The quieter signals of the complex and the interface are levelled under
// the action, which leaves them a few dB under the music's own level: the
// music eases back a little while they sound, so they stand just over it.
// The door and the menu's clicks are the shortest and quietest of them and
// take the most; the alarm holds the music down for as long as it wails.
constexpr float doorstepback_db = -4.5f;
constexpr float clickstepback_db = -4.0f;
constexpr float chimestepback_db = -2.0f;
constexpr float alarmstepback_db = -3.0f;

bool isshriek(int sound) {
  for (int k = 1; k <= 3; ++k)
    if (sound == attacksounds[k] || sound == deathsounds[k][deathnear]) return true;
  return false;
}

bool isshot(int sound) {
  for (int k = 1; k <= 3; ++k)
    if (sound == shotsounds[k]) return true;
  return false;
}

// How far the music steps back under a sound (dB); 0 leaves it alone.
float musicstepback(int sound) {
  if (sound == snd_killme) return pleastepback_db;
  if (isshriek(sound)) return shriekstepback_db;
  if (isshot(sound)) return shotstepback_db;
  for (int a : alertsounds)
    if (sound == a) return beepstepback_db;
  if (sound == snd_door) return doorstepback_db;
  if (sound == snd_tick || sound == snd_dry) return clickstepback_db;
  for (int chime : {snd_rescue, snd_cheat, snd_cheat2, snd_heal, snd_ammo})
    if (sound == chime) return chimestepback_db;
  return 0.0f;
}

// The step back lasts the sound and a little after its ring.
constexpr int stepbackafter_ms = 120;

int play(int sound, plat::Placing placing) {
  if (!mayplay(sound)) return sparechannel;
  const int channel = plat::play_sound_placed(sound, placing);
  const float db = musicstepback(sound);
  if (channel != 0 && db < 0.0f) plat::duck_music(plat::sound_length_ms(sound) + stepbackafter_ms, db);
  return channel;
}

// How far aside a sound at the view's edge is placed: the far side
// loses two thirds of its level, so it never sounds in one ear only.
constexpr float edgepan = 0.65f;
// The player's own gun is held in the middle; it leans only a little.
constexpr float gunpan = 0.2f;
// Each shot's level varies within +-1.5 dB.
constexpr float shotspread_db = 1.5f;

float clampacross(float across) { return across < -1.0f ? -1.0f : across > 1.0f ? 1.0f : across; }

// xorshift32 for the shots' level: the game's generator is left alone.
uint32_t shotseed = 0x2545F491u;
float shotvariation() {
  shotseed ^= shotseed << 13;
  shotseed ^= shotseed >> 17;
  shotseed ^= shotseed << 5;
  const float u = static_cast<float>(shotseed >> 8) / 16777216.0f;  // 0..1
  return std::pow(10.0f, (u * 2.0f - 1.0f) * shotspread_db / 20.0f);
}

}  // namespace

int playsound(int sound) { return play(sound, {}); }

int playsoundat(int sound, float across) { return play(sound, {clampacross(across) * edgepan, 1.0f}); }

int playshot(int sound, float across) {
  // The level is drawn even when nothing plays, so it does not depend on
  // whether the previous shot was heard.
  const float gain = shotvariation();
  return play(sound, {clampacross(across) * gunpan, gain});
}

int playloopsound(int sound) { return mayplay(sound) ? plat::play_sound_looping(sound) : sparechannel; }

namespace {

// How long one frame's call keeps the music stepped back under a loop: a
// few frames, so a missed frame does not let it up between beeps.
constexpr int loopstepback_ms = 100;

// Set when the simulation updated the loops during the current frame.
bool loopsupdated = false;

void loop(int& channel, int condition, int sound) {
  const bool playing = plat::channel_playing(channel);
  // With sound switched off a loop already running must not go on for ever.
  if ((condition == 0 || settings[setsound] != 1) && playing) {
    plat::stop_channel(channel);
  } else if (condition == 1 && !playing) {
    channel = playloopsound(sound);
  }
}

}  // namespace

void updateloopsounds(int alarm, int alertlow, int generator) {
  loopsupdated = true;
  loop(loopchannel[1], alarm, snd_alarm);
  loop(loopchannel[2], alertlow, alertsounds[0]);
  loop(loopchannel[3], generator, snd_generator);
  // The squad's beep and the alarm repeat for as long as their conditions
  // hold; the music stays stepped back under them until a moment after.
  if (plat::channel_playing(loopchannel[2])) plat::duck_music(loopstepback_ms, beepstepback_db);
  if (plat::channel_playing(loopchannel[1])) plat::duck_music(loopstepback_ms, alarmstepback_db);
}

void endloopframe() {
  if (!loopsupdated)
    for (int i = 1; i <= 3; ++i)
      if (plat::channel_playing(loopchannel[i])) plat::stop_channel(loopchannel[i]);
  loopsupdated = false;
}
