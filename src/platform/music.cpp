// One streamed music track at a time on SDL_mixer's music channel. Tracks
// loop; a position set while stopped is where the next play starts.
#include <SDL_mixer.h>

#include <cmath>
#include <memory>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {

struct Track {
  Mix_Music* music = nullptr;
  double pending = -1.0;   // start position for the next play, seconds
  double stopped_at = 0.0; // position when last stopped
  double length = 0.0;     // seconds, 0 when unknown
  Uint64 started_ms = 0;   // clock fallback for decoders without positions
  double started_pos = 0.0;
};

std::vector<std::unique_ptr<Track>> tracks;
int playing_track = 0;

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
    if (t) Mix_FreeMusic(t->music);
  tracks.clear();
  playing_track = 0;
}
}  // namespace detail

int music_open(const std::string& path) {
  const std::string file = disk_path(path);
  if (file_type(file) != 1) return 0;
  Mix_Music* m = Mix_LoadMUS(file.c_str());
  if (!m) return 0;
  auto t = std::make_unique<Track>();
  t->music = m;
  const double len = Mix_MusicDuration(m);
  t->length = len > 0.0 ? len : 0.0;
  tracks.push_back(std::move(t));
  return static_cast<int>(tracks.size());
}

void music_play(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  if (Mix_PlayMusic(t->music, -1) != 0) return;
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
  Mix_FreeMusic(t->music);
  tracks[stream - 1].reset();
}

double music_get_position(int stream) {
  Track* t = find_track(stream);
  if (!t) return 0.0;
  if (playing_track == stream && Mix_PlayingMusic()) return live_position(*t);
  return t->pending >= 0.0 ? t->pending : t->stopped_at;
}

void music_set_position(int stream, double pos) {
  Track* t = find_track(stream);
  if (!t || !(pos >= 0.0)) return;
  if (t->length > 0.0) pos = std::fmod(pos, t->length);
  t->pending = pos;
}

bool music_playing() { return playing_track != 0 && Mix_PlayingMusic(); }

}  // namespace plat
