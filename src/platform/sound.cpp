// Sound effects on SDL_mixer: 44,100 Hz, 128 mixing channels. A channel
// handle names one playback: it stops reading as playing once its mixer
// channel has finished or been taken by a later sound.
//
// The mix is summed in floating point, which does not clip, with headroom:
// every effect channel plays 2 dB under full scale and the music 5 dB, so a
// single effect peaks near -3 dBFS and the music near -7; the sum goes through
// a look-ahead limiter that holds the output under -1.5 dBFS between samples
// too, so sounds that meet never clip. The device takes 2048 frames (46 ms) at a
// time, which a loaded machine keeps fed. When the device is lost (the
// sound server restarted, the card unplugged) it is opened again, and the
// music goes on where it was.
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cmath>
#include <memory>

#include "platform/archive_lookup.h"
#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/sound_limiter.h"
#include "platform/sound_placing.h"

namespace plat {
namespace {

constexpr int mix_channels = 128;
constexpr int mix_rate = 44100;
constexpr int buffer_frames = 2048;
// Effects sit 2 dB down, the music 5 dB: the effects keep the order they
// were levelled in, the gun stands clear of the music, and a minute of play
// peaks near the limiter's ceiling with the limiter barely acting, so no
// headroom goes unused. (The music's 5 dB is applied by its player in
// music.cpp.)
constexpr float headroom_db = -2.0f;
const float channel_gain = std::pow(10.0f, headroom_db / 20.0f);
constexpr float ceiling_db = -1.5f;
// What the sound server is asked to keep queued ahead of the speaker.
constexpr const char* pulse_latency_ms = "100";
// A lost device is tried again at most this often.
constexpr Uint32 reopen_every_ms = 1000;

struct Sound {
  std::string name;            // to decode again once a mixer opens
  Mix_Chunk* chunk = nullptr;  // null while the mixer is closed
  int length_ms = 0;
};

bool mixer_open = false;   // the game asked for sound and a device opened once
bool device_up = false;    // a device is open now
bool device_lost = false;  // it went away and is to be opened again
Uint32 last_reopen_try = 0;
// Made once and never destroyed: the mixer's thread may still run while a
// program that never closed its sound is exiting, after statics are gone.
MixLimiter* limiter = nullptr;
std::atomic<uint64_t> frames_mixed{0};
std::vector<std::unique_ptr<Sound>> sounds;
// Handle of the playback that currently owns each mixer channel.
int channel_owner[mix_channels] = {};
int next_serial = 1;

// Channel handles: serial << 8 | (mixer channel + 1); low byte 0 is a
// channel that was only allocated and never plays.
int make_handle(int mix_channel) {
  const int h = (next_serial << 8) | (mix_channel + 1);
  next_serial = next_serial >= 0x7FFFFF ? 1 : next_serial + 1;
  return h;
}

int mix_channel_of(int handle) {
  const int c = (handle & 0xFF) - 1;
  return (handle > 0 && c >= 0 && c < mix_channels && channel_owner[c] == handle) ? c : -1;
}

SDL_RWops* open_rw(const std::string& name, std::vector<uint8_t>& holder) {
  std::string entry;
  if (archive_name(name, entry)) {
    const ArchiveBlob* e = find_archive_entry(entry);
    return e ? SDL_RWFromConstMem(e->data, static_cast<int>(e->size)) : nullptr;
  }
  if (!read_whole(name, holder)) return nullptr;
  return SDL_RWFromConstMem(holder.data(), static_cast<int>(holder.size()));
}

// Length from the WAV header and data, without needing an open mixer.
bool probe_wav(SDL_RWops* rw, int& length_ms) {
  SDL_AudioSpec wavformat;
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV_RW(rw, 0, &wavformat, &buf, &len)) return false;
  const int frame_bytes = (SDL_AUDIO_BITSIZE(wavformat.format) / 8) * wavformat.channels;
  length_ms = (frame_bytes > 0 && wavformat.freq > 0)
                  ? static_cast<int>(1000.0 * (len / frame_bytes) / wavformat.freq)
                  : 0;
  SDL_FreeWAV(buf);
  return true;
}

Sound* find_sound(int handle) {
  if (handle <= 0 || handle > static_cast<int>(sounds.size())) return nullptr;
  return sounds[handle - 1].get();
}

// The mixer's last word on every buffer: the limiter, and the count.
void limit_mix(void* /*unused*/, Uint8* stream, int len) {
  const size_t count = static_cast<size_t>(len) / (2 * sizeof(float));
  if (limiter) limiter->process(reinterpret_cast<float*>(stream), count);
  frames_mixed.fetch_add(count, std::memory_order_release);
}

// Opens the device in one fixed format (float, so the limiter sees the sum
// before anything is clipped), with the headroom and the limiter.
bool open_device() {
  if (Mix_OpenAudioDevice(mix_rate, AUDIO_F32SYS, 2, buffer_frames, nullptr, 0) != 0) return false;
  Mix_AllocateChannels(mix_channels);
  Mix_Volume(-1, static_cast<int>(std::lround(MIX_MAX_VOLUME * channel_gain)));
  if (!limiter) limiter = new MixLimiter(mix_rate, std::pow(10.0f, ceiling_db / 20.0f));
  limiter->reset();
  Mix_SetPostMix(limit_mix, nullptr);
  for (int& owner : channel_owner) owner = 0;
  device_up = true;
  return true;
}

// Lets go of the device and of everything decoded for it; the sounds are
// decoded again when next played.
void close_device() {
  if (!device_up) return;
  Mix_HaltChannel(-1);
  Mix_SetPostMix(nullptr, nullptr);
  for (auto& s : sounds)
    if (s && s->chunk) {
      Mix_FreeChunk(s->chunk);
      s->chunk = nullptr;
    }
  Mix_CloseAudio();
  device_up = false;
}

void try_reopen() {
  last_reopen_try = SDL_GetTicks();
  if (!open_device()) return;
  device_lost = false;
  detail::music_device_back();
}

}  // namespace

namespace detail {
void audio_shutdown() {
  if (!mixer_open) return;
  music_shutdown();
  close_device();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  mixer_open = false;
  device_lost = false;
}

void audio_device_removed() {
  if (!mixer_open || device_lost) return;
  detail::music_device_gone();
  close_device();
  device_lost = true;
  try_reopen();
}

void audio_poll() {
  if (device_lost && SDL_GetTicks() - last_reopen_try >= reopen_every_ms) try_reopen();
}
}  // namespace detail

bool audio_open() {
  if (mixer_open) return true;
  // The sound server keeps only a few tens of ms queued by default; with
  // both cores busy the mixer thread can miss that and the server plays a
  // gap of silence. Ask it for 100 ms of room (libpulse reads this when the
  // stream connects), unless the user has chosen a latency.
  setenv("PULSE_LATENCY_MSEC", pulse_latency_ms, 0);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (!open_device()) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mixer_open = true;
  return true;
}

uint64_t audio_frames_mixed() { return frames_mixed.load(std::memory_order_acquire); }

float audio_deepest_limit() { return limiter ? limiter->deepest_gain() : 1.0f; }

int load_sound(const std::string& name, int /*flags: every sound plays once*/) {
  std::vector<uint8_t> holder;
  SDL_RWops* rw = open_rw(name, holder);
  if (!rw) return 0;
  auto sound = std::make_unique<Sound>();
  sound->name = name;
  if (!probe_wav(rw, sound->length_ms)) {
    SDL_RWclose(rw);
    return 0;
  }
  if (device_up) {
    SDL_RWseek(rw, 0, RW_SEEK_SET);
    sound->chunk = Mix_LoadWAV_RW(rw, 0);
    if (!sound->chunk) {
      SDL_RWclose(rw);
      return 0;
    }
  }
  SDL_RWclose(rw);
  sounds.push_back(std::move(sound));
  return static_cast<int>(sounds.size());
}

void free_sound(int sound) {
  Sound* s = find_sound(sound);
  if (!s) return;
  if (s->chunk) {
    // The mixer must not keep playing freed memory.
    for (int c = 0; c < mix_channels; ++c)
      if (Mix_GetChunk(c) == s->chunk) Mix_HaltChannel(c);
    Mix_FreeChunk(s->chunk);
  }
  sounds[sound - 1].reset();
}

int alloc_channel() { return make_handle(-1); }

namespace {
// Plays on any free mixer channel; `loops` -1 plays round until halted. The
// channel's level and placing are set before it starts, so even its first
// buffer is placed.
int start_playback(int sound, int loops, Placing placing = {}) {
  Sound* s = find_sound(sound);
  if (!s || !device_up) return 0;
  if (!s->chunk) {
    std::vector<uint8_t> holder;
    if (SDL_RWops* rw = open_rw(s->name, holder)) s->chunk = Mix_LoadWAV_RW(rw, 1);
    if (!s->chunk) return 0;
  }
  const int c = Mix_GroupAvailable(-1);
  if (c < 0 || c >= mix_channels) return 0;
  const float gain = std::clamp(placing.gain, 0.0f, 1.0f / channel_gain);
  Mix_Volume(c, static_cast<int>(std::lround(MIX_MAX_VOLUME * channel_gain * gain)));
  // Balance, not a power law: the near side stays as made, so a sound
  // placed aside is never louder than one in the middle. Both sides at
  // full take the placing off the channel.
  const float pan = std::clamp(placing.pan, -1.0f, 1.0f);
  const auto side = [](float v) { return static_cast<Uint8>(std::lround(255.0f * std::clamp(v, 0.0f, 1.0f))); };
  Mix_SetPanning(c, side(1.0f - pan), side(1.0f + pan));
  if (Mix_PlayChannel(c, s->chunk, loops) != c) return 0;
  channel_owner[c] = make_handle(c);
  return channel_owner[c];
}
}  // namespace

int play_sound(int sound) { return start_playback(sound, 0); }

int play_sound_placed(int sound, Placing placing) { return start_playback(sound, 0, placing); }

int play_sound_looping(int sound) { return start_playback(sound, -1); }

bool channel_playing(int channel) {
  const int c = mix_channel_of(channel);
  return c >= 0 && device_up && Mix_Playing(c) != 0;
}

void stop_channel(int channel) {
  const int c = mix_channel_of(channel);
  if (c >= 0 && device_up) Mix_HaltChannel(c);
}

int sound_length_ms(int sound) {
  const Sound* s = find_sound(sound);
  return s ? s->length_ms : 0;
}

}  // namespace plat
