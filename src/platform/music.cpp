// One streamed music track at a time on SDL_mixer's music channel. Tracks
// loop; a position set while stopped is where the next play starts. While
// the sound device is lost, a track keeps its place: it reads as playing,
// and plays on from where it was once the device is back.
#include <SDL_mixer.h>

#include <cmath>
#include <memory>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {

struct Track {
  std::string file;               // to decode again after a lost device
  Mix_Music* music = nullptr;     // null while the device is lost
  double pending = -1.0;   // start position for the next play, seconds
  double stopped_at = 0.0; // position when last stopped
  double length = 0.0;     // seconds, 0 when unknown
  Uint64 started_ms = 0;   // clock fallback for decoders without positions
  double started_pos = 0.0;
};

std::vector<std::unique_ptr<Track>> tracks;
int playing_track = 0;
// Set between music_device_gone and music_device_back.
bool device_gone = false;
// The track that was playing when the device went (or was played since),
// and where it had got to.
int resume_track = 0;
double resume_at = 0.0;

Track* find_track(int handle) {
  if (handle <= 0 || handle > static_cast<int>(tracks.size())) return nullptr;
  return tracks[handle - 1].get();
}

double live_position(Track& t) {
  double pos = Mix_GetMusicPosition(t.music);
  if (pos < 0.0) {
    pos = t.started_pos + (SDL_GetTicks64() - t.started_ms) / 1000.0;
    if (t.length > 0.0) pos = std::fmod(pos, t.length);
  }
  return pos;
}

}  // namespace

namespace detail {
void music_shutdown() {
  Mix_HaltMusic();
  for (auto& t : tracks)
    if (t && t->music) Mix_FreeMusic(t->music);
  tracks.clear();
  playing_track = 0;
  resume_track = 0;
  device_gone = false;
}

void music_device_gone() {
  if (device_gone) return;
  resume_track = 0;
  if (Track* t = find_track(playing_track); t && Mix_PlayingMusic()) {
    resume_track = playing_track;
    resume_at = live_position(*t);
  }
  Mix_HaltMusic();
  playing_track = 0;
  for (auto& t : tracks)
    if (t && t->music) {
      Mix_FreeMusic(t->music);
      t->music = nullptr;
    }
  device_gone = true;
}

void music_device_back() {
  if (!device_gone) return;
  device_gone = false;
  for (auto& t : tracks)
    if (t) t->music = Mix_LoadMUS(t->file.c_str());
  const int again = resume_track;
  resume_track = 0;
  if (Track* t = find_track(again); t && t->music) {
    t->pending = resume_at;
    music_play(again);
  }
}
}  // namespace detail

int music_open(const std::string& path) {
  const std::string file = disk_path(path);
  if (file_type(file) != 1) return 0;
  Mix_Music* m = device_gone ? nullptr : Mix_LoadMUS(file.c_str());
  if (!m && !device_gone) return 0;
  auto t = std::make_unique<Track>();
  t->file = file;
  t->music = m;
  const double len = Mix_MusicDuration(m);
  t->length = len > 0.0 ? len : 0.0;
  tracks.push_back(std::move(t));
  return static_cast<int>(tracks.size());
}

void music_play(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  if (device_gone) {
    // Played on as soon as the device is back.
    resume_track = stream;
    resume_at = t->pending >= 0.0 ? t->pending : 0.0;
    t->pending = -1.0;
    return;
  }
  if (!t->music || Mix_PlayMusic(t->music, -1) != 0) return;
  playing_track = stream;
  t->started_pos = 0.0;
  if (t->pending >= 0.0) {
    if (Mix_SetMusicPosition(t->pending) == 0) t->started_pos = t->pending;
    t->pending = -1.0;
  }
  t->started_ms = SDL_GetTicks64();
}

void music_stop(int stream) {
  Track* t = find_track(stream);
  if (t && device_gone && resume_track == stream) {
    t->stopped_at = resume_at;
    resume_track = 0;
    return;
  }
  if (!t || playing_track != stream) return;
  if (Mix_PlayingMusic()) t->stopped_at = live_position(*t);
  Mix_HaltMusic();
  playing_track = 0;
}

void music_close(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  if (playing_track == stream) {
    Mix_HaltMusic();
    playing_track = 0;
  }
  if (resume_track == stream) resume_track = 0;
  if (t->music) Mix_FreeMusic(t->music);
  tracks[stream - 1].reset();
}

double music_get_position(int stream) {
  Track* t = find_track(stream);
  if (!t) return 0.0;
  if (device_gone && resume_track == stream) return resume_at;
  if (playing_track == stream && Mix_PlayingMusic()) return live_position(*t);
  return t->pending >= 0.0 ? t->pending : t->stopped_at;
}

void music_set_position(int stream, double pos) {
  Track* t = find_track(stream);
  if (!t || !(pos >= 0.0)) return;
  if (t->length > 0.0) pos = std::fmod(pos, t->length);
  t->pending = pos;
}

bool music_playing() { return device_gone ? resume_track != 0 : playing_track != 0 && Mix_PlayingMusic(); }

}  // namespace plat
