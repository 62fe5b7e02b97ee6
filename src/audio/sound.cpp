#include "audio/sound.h"

#include "app/assets.h"
#include "frontend/settings.h"
#include "platform/platform.h"

int sparechannel = 0;
int loopchannel[4];

void initsounds() {
  sparechannel = plat::alloc_channel();
  for (int i = 1; i <= 3; ++i) loopchannel[i] = plat::alloc_channel();
}

int playsound(int sound) {
  if (settings[setsound] != 1) return sparechannel;
  if (sound == 0) {
    sfxmissing = 100;
    return sparechannel;
  }
  return plat::play_sound(sound);
}

namespace {

void loop(int& channel, int condition, int sound) {
  const bool playing = plat::channel_playing(channel);
  if (condition == 0 && playing) {
    plat::stop_channel(channel);
  } else if (condition == 1 && !playing) {
    channel = playsound(sound);
  }
}

}  // namespace

void updateloopsounds(int alarm, int alertlow, int generator) {
  loop(loopchannel[1], alarm, snd_alarm);
  loop(loopchannel[2], alertlow, alertsounds[0]);
  loop(loopchannel[3], generator, snd_generator);
}
