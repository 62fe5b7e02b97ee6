#include "audio/sound.h"

#include "state/assets.h"
#include "state/settings.h"
#include "platform/platform.h"

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

}  // namespace

int playsound(int sound) { return mayplay(sound) ? plat::play_sound(sound) : sparechannel; }

int playloopsound(int sound) { return mayplay(sound) ? plat::play_sound_looping(sound) : sparechannel; }

namespace {

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
}

void endloopframe() {
  if (!loopsupdated)
    for (int i = 1; i <= 3; ++i)
      if (plat::channel_playing(loopchannel[i])) plat::stop_channel(loopchannel[i]);
  loopsupdated = false;
}
