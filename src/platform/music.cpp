// One streamed music track at a time, played by our own decoder on SDL_mixer's
// music hook so that every start and stop is a short fade (30 ms) rather
// than a cut: SDL_mixer changes the music's volume only once per device
// buffer (46 ms), too coarse for a fade that short. Ogg Vorbis tracks are
// decoded as they play; WAV files are converted once and played from
// memory. Tracks loop; a position set while stopped is where the next play
// starts. While the sound device is lost a track keeps its place: it reads
// as playing, and plays on from where it was once the device is back.
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/sound_placing.h"

namespace plat {
namespace {

constexpr int out_rate = 44100;
// The music plays 5 dB under full scale, 3 dB under the effects' channels:
// the gun and the creatures stand over it, and the sum has room before
// the limiter acts.
const float music_gain = std::pow(10.0f, -5.0f / 20.0f);
// Every start and stop fades over this long: no click, and short enough
// that a stop still reads as one.
constexpr double fade_seconds = 0.03;
const float fade_step = static_cast<float>(1.0 / (fade_seconds * out_rate));

// Decoded audio of one track, stereo float at 44,100 Hz, read from a cursor.
class Source {
 public:
  virtual ~Source() = default;
  virtual long read(float* lr, long frames) = 0;  // 0 at the end
  virtual void seek(double seconds) = 0;
  virtual double tell() = 0;
};

class OggSource : public Source {
 public:
  explicit OggSource(const std::string& file) { ok_ = ov_fopen(file.c_str(), &vf_) == 0; }
  ~OggSource() override {
    if (ok_) ov_clear(&vf_);
  }
  bool ok() {
    if (!ok_) return false;
    const vorbis_info* vi = ov_info(&vf_, -1);
    return vi && vi->rate == out_rate && vi->channels >= 1;
  }
  double length() { return ov_time_total(&vf_, -1) > 0 ? ov_time_total(&vf_, -1) : 0.0; }
  long read(float* lr, long frames) override {
    float** pcm = nullptr;
    int section = 0;
    long got = ov_read_float(&vf_, &pcm, static_cast<int>(std::min(frames, 4096L)), &section);
    if (got <= 0) return 0;
    const int ch = ov_info(&vf_, -1)->channels;
    for (long i = 0; i < got; ++i) {
      lr[2 * i] = pcm[0][i];
      lr[2 * i + 1] = pcm[ch > 1 ? 1 : 0][i];
    }
    return got;
  }
  void seek(double seconds) override { ov_pcm_seek(&vf_, static_cast<ogg_int64_t>(seconds * out_rate)); }
  double tell() override { return static_cast<double>(ov_pcm_tell(&vf_)) / out_rate; }

 private:
  OggVorbis_File vf_{};
  bool ok_ = false;
};

// Any WAV SDL reads, converted to stereo float at our rate once.
class PcmSource : public Source {
 public:
  explicit PcmSource(std::shared_ptr<const std::vector<float>> pcm) : pcm_(std::move(pcm)) {}
  long read(float* lr, long frames) override {
    const size_t total = pcm_->size() / 2;
    const long got = static_cast<long>(std::min<size_t>(static_cast<size_t>(frames), total - std::min(at_, total)));
    std::copy_n(pcm_->data() + at_ * 2, got * 2, lr);
    at_ += static_cast<size_t>(got);
    return got;
  }
  void seek(double seconds) override {
    at_ = std::min(pcm_->size() / 2, static_cast<size_t>(std::max(0.0, seconds) * out_rate));
  }
  double tell() override { return static_cast<double>(at_) / out_rate; }

 private:
  std::shared_ptr<const std::vector<float>> pcm_;
  size_t at_ = 0;
};

std::shared_ptr<const std::vector<float>> load_wav_pcm(const std::string& file) {
  SDL_AudioSpec wav;
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV(file.c_str(), &wav, &buf, &len)) return nullptr;
  auto out = std::make_shared<std::vector<float>>();
  if (SDL_AudioStream* s = SDL_NewAudioStream(wav.format, wav.channels, wav.freq, AUDIO_F32SYS, 2, out_rate)) {
    if (SDL_AudioStreamPut(s, buf, static_cast<int>(len)) == 0 && SDL_AudioStreamFlush(s) == 0) {
      out->resize(static_cast<size_t>(SDL_AudioStreamAvailable(s)) / sizeof(float));
      const int got = SDL_AudioStreamGet(s, out->data(), static_cast<int>(out->size() * sizeof(float)));
      out->resize(got > 0 ? static_cast<size_t>(got) / sizeof(float) / 2 * 2 : 0);
    }
    SDL_FreeAudioStream(s);
  }
  SDL_FreeWAV(buf);
  if (out->empty()) return nullptr;
  return out;
}

struct Track {
  std::string file;
  std::shared_ptr<const std::vector<float>> pcm;  // WAV tracks; null for Ogg
  double length = 0.0;                            // seconds
  double pending = -1.0;                          // start position for the next play
  double stopped_at = 0.0;                        // position when last stopped
};

std::unique_ptr<Source> open_source(const Track& t) {
  if (t.pcm) return std::make_unique<PcmSource>(t.pcm);
  auto ogg = std::make_unique<OggSource>(t.file);
  if (!ogg->ok()) return nullptr;
  return ogg;
}

// A playing track on the hook: its own decoder and its fade. The track
// that was stopped fades out on a voice of its own while the next starts.
struct Voice {
  std::unique_ptr<Source> src;
  int track = 0;
  float gain = 0.0f;
  bool leaving = false;  // fading out, then dropped
};

// The music steps back under a sound that must be understood: the gain
// falls toward the deepest step still held within about 30 ms and, once
// every step has passed, returns over about a second. The return is slow
// and smooth so that steps coming every few hundred milliseconds (a burst
// of fire) leave the music steady a little lower instead of pumping.
// Each depth keeps its own hold: steps never add up deeper than the
// deepest one, and a short shallow step arriving late does not keep a
// deep one down past its own end.
struct Duck {
  static constexpr int slots = 4;
  long hold[slots] = {};
  float depth[slots] = {1.0f, 1.0f, 1.0f, 1.0f};
  float gain = 1.0f;

  void add(float d, long frames) {
    int slot = 0;
    for (int k = 0; k < slots; ++k) {
      if (hold[k] > 0 && depth[k] == d) {
        slot = k;
        break;
      }
      if (hold[k] < hold[slot]) slot = k;  // otherwise the one nearest its end
    }
    if (hold[slot] <= 0 || depth[slot] != d) hold[slot] = 0;
    depth[slot] = d;
    hold[slot] = std::max(hold[slot], frames);
  }
  // The deepest step still held; 1 when none is.
  float target() const {
    float t = 1.0f;
    for (int k = 0; k < slots; ++k)
      if (hold[k] > 0) t = std::min(t, depth[k]);
    return t;
  }
  void tick() {
    for (long& h : hold)
      if (h > 0) --h;
  }
};
const float duck_fall = 1.0f - std::exp(-1.0f / (0.010f * out_rate));
const float duck_rise = 1.0f - std::exp(-1.0f / (0.300f * out_rate));

std::vector<std::unique_ptr<Track>> tracks;
// Shared with the mixer's thread: the voices and their decoders, the duck.
std::mutex voices_mutex;
Voice current, outgoing;
Duck duck;
bool hooked = false;
bool device_gone = false;

Track* find_track(int handle) {
  if (handle <= 0 || handle > static_cast<int>(tracks.size())) return nullptr;
  return tracks[handle - 1].get();
}

// Adds one voice into the stream, moving its gain a step a frame toward
// full (or toward silence when leaving); the track plays round at its end.
void mix_voice(Voice& v, float* out, long frames) {
  float buf[2 * 1024];
  long done = 0;
  bool rewound = false;
  while (done < frames && v.src) {
    long got = v.src->read(buf, std::min(frames - done, 1024L));
    if (got <= 0) {
      if (rewound) break;  // an empty track: nothing to play round
      v.src->seek(0.0);
      rewound = true;
      continue;
    }
    rewound = false;
    for (long i = 0; i < got; ++i) {
      v.gain = v.leaving ? std::max(0.0f, v.gain - fade_step) : std::min(1.0f, v.gain + fade_step);
      const float g = v.gain * music_gain;
      out[2 * (done + i)] += buf[2 * i] * g;
      out[2 * (done + i) + 1] += buf[2 * i + 1] * g;
    }
    done += got;
    if (v.leaving && v.gain <= 0.0f) {
      v = Voice{};
      return;
    }
  }
}

void music_hook(void*, Uint8* stream, int len) {
  std::lock_guard<std::mutex> lock(voices_mutex);
  float* out = reinterpret_cast<float*>(stream);
  const long frames = len / static_cast<long>(2 * sizeof(float));
  if (outgoing.src) mix_voice(outgoing, out, frames);
  if (current.src) mix_voice(current, out, frames);
  // The hook runs before any effect is mixed, so the buffer holds only music.
  for (long i = 0; i < frames; ++i) {
    const float target = duck.target();
    duck.gain += (target - duck.gain) * (target < duck.gain ? duck_fall : duck_rise);
    duck.tick();
    out[2 * i] *= duck.gain;
    out[2 * i + 1] *= duck.gain;
  }
}

void install_hook() {
  if (device_gone) return;
  Mix_HookMusic(music_hook, nullptr);
  hooked = true;
}

}  // namespace

namespace detail {
void music_shutdown() {
  if (hooked) Mix_HookMusic(nullptr, nullptr);
  hooked = false;
  {
    std::lock_guard<std::mutex> lock(voices_mutex);
    current = Voice{};
    outgoing = Voice{};
    duck = Duck{};
  }
  tracks.clear();
  device_gone = false;
}

void music_device_gone() {
  // The voices keep their decoders and places; with no device the hook is
  // not called, so the track waits where it was.
  device_gone = true;
  hooked = false;
  std::lock_guard<std::mutex> lock(voices_mutex);
  outgoing = Voice{};
}

void music_device_back() {
  if (!device_gone) return;
  device_gone = false;
  {
    std::lock_guard<std::mutex> lock(voices_mutex);
    current.gain = 0.0f;  // it comes back with a fade, not a jump
  }
  install_hook();
}
}  // namespace detail

int music_open(const std::string& path) {
  const std::string file = disk_path(path);
  if (file_type(file) != 1) return 0;
  auto t = std::make_unique<Track>();
  t->file = file;
  OggSource probe(file);
  if (probe.ok()) {
    t->length = probe.length();
  } else {
    t->pcm = load_wav_pcm(file);
    if (!t->pcm) return 0;
    t->length = static_cast<double>(t->pcm->size() / 2) / out_rate;
  }
  tracks.push_back(std::move(t));
  return static_cast<int>(tracks.size());
}

void music_play(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  std::unique_ptr<Source> src = open_source(*t);
  if (!src) return;
  if (t->pending >= 0.0) src->seek(t->pending);
  t->pending = -1.0;
  if (!hooked) install_hook();
  std::lock_guard<std::mutex> lock(voices_mutex);
  if (current.src) {
    // The track that was playing makes way with a fade of its own.
    outgoing = std::move(current);
    outgoing.leaving = true;
  }
  current = Voice{std::move(src), stream, 0.0f, false};
}

void music_stop(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  std::lock_guard<std::mutex> lock(voices_mutex);
  if (current.track != stream || !current.src) return;
  t->stopped_at = current.src->tell();
  if (device_gone) {
    current = Voice{};
    return;
  }
  outgoing = std::move(current);
  outgoing.leaving = true;
  current = Voice{};
}

void music_close(int stream) {
  Track* t = find_track(stream);
  if (!t) return;
  music_stop(stream);
  tracks[stream - 1].reset();
}

double music_get_position(int stream) {
  Track* t = find_track(stream);
  if (!t) return 0.0;
  {
    std::lock_guard<std::mutex> lock(voices_mutex);
    if (current.track == stream && current.src) return current.src->tell();
  }
  return t->pending >= 0.0 ? t->pending : t->stopped_at;
}

void music_set_position(int stream, double pos) {
  Track* t = find_track(stream);
  if (!t || !(pos >= 0.0)) return;
  if (t->length > 0.0) pos = std::fmod(pos, t->length);
  t->pending = pos;
}

void duck_music(int ms, float db) {
  if (ms <= 0 || !(db < 0.0f)) return;
  const float depth = std::pow(10.0f, db / 20.0f);
  const long hold = static_cast<long>(ms) * out_rate / 1000;
  std::lock_guard<std::mutex> lock(voices_mutex);
  duck.add(depth, hold);
}

bool music_playing() {
  std::lock_guard<std::mutex> lock(voices_mutex);
  return current.src != nullptr;
}

}  // namespace plat
