#include "audio/music.h"

#include "state/settings.h"
#include "platform/platform.h"

int musicstream = 0;
int musicmode = musicnone;
int musicpaused = 0;
double musicpos = 0.0;
std::string musicfolder = "data\\music\\";

std::string musictrack(int mode) {
  const char* track = mode == musicgame ? "track1_" : "track0_";
  return musicfolder + track + std::to_string(settings[setmusicvariant]) + ".ogg";
}

namespace {

void release() {
  plat::music_stop(musicstream);
  plat::music_close(musicstream);
  musicstream = 0;
}

void starttrack(int mode) {
  if (settings[setmusic] != 1) return;
  release();
  musicstream = plat::music_open(musictrack(mode));
  if (musicstream) plat::music_play(musicstream);
  musicmode = mode;
  // A fresh track is never a paused one.
  musicpaused = 0;
  musicpos = 0.0;
}

}  // namespace

void startmenumusic() { starttrack(musicmenu); }
void startgamemusic() { starttrack(musicgame); }

void stopmusic() {
  release();
  musicmode = musicnone;
  musicpaused = 0;
  musicpos = 0.0;
}

void pausemusic() {
  if (musicmode <= 0 || musicpaused != 0) return;
  musicpaused = 1;
  musicpos = musicstream ? plat::music_get_position(musicstream) : 0.0;
  plat::music_stop(musicstream);
}

void resumemusic() {
  if (musicmode <= 0 || musicpaused != 1) return;
  musicpaused = 0;
  if (!musicstream) return;
  plat::music_set_position(musicstream, musicpos);
  plat::music_play(musicstream);
}

bool musicfocusstep(bool suspended) {
  if (suspended) {
    pausemusic();
    return true;
  }
  resumemusic();
  return false;
}
