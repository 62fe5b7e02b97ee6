// Silent stand-ins for the audio and options modules, linked only while
// those modules are absent: every definition here is weak, so the real ones
// replace it as soon as they are part of the build.
#include "creatures/audio_link.h"

__attribute__((weak)) int settings[11] = {0, 1, 1, 1, 1, 0, 0, 50, 0, 1, 1};
__attribute__((weak)) int splitoption = 0;
__attribute__((weak)) int musicmode = 0;

__attribute__((weak)) int playsound(int) { return 0; }
__attribute__((weak)) void pausemusic() {}
__attribute__((weak)) void startgamemusic() {}
