#include "music/fluid_render.h"

#include <fluidsynth.h>

#include <memory>
#include <mutex>
#include <stdexcept>

namespace contentgen::music {

namespace {

// FluidSynth's chatter (its warnings are about the sound font's own default
// modulators) would clutter the build log; errors still reach stderr.
void quiet_log() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
  });
}

std::mutex& synth_lock();

// A synth is let go under the same lock it was made under: the sound
// font's samples are shared through FluidSynth's own cache.
struct SynthDeleter {
  void operator()(fluid_synth_t* s) const {
    std::lock_guard<std::mutex> one_at_a_time(synth_lock());
    delete_fluid_synth(s);
  }
};
struct SettingsDeleter {
  void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};

void send(fluid_synth_t* synth, const MidiEvent& e) {
  const int ch = e.status & 0x0F;
  switch (e.status & 0xF0) {
    case 0x90: fluid_synth_noteon(synth, ch, e.a, e.b); break;
    case 0x80: fluid_synth_noteoff(synth, ch, e.a); break;
    case 0xB0: fluid_synth_cc(synth, ch, e.a, e.b); break;
    case 0xC0: fluid_synth_program_change(synth, ch, e.a); break;
    case 0xE0: fluid_synth_pitch_bend(synth, ch, e.a | (e.b << 7)); break;
    default: break;
  }
}

// FluidSynth fills its shared lookup tables when the first synth is made,
// and a second synth made meanwhile on another thread may read them half
// filled. Synths are made, loaded and let go one at a time, which keeps
// every render the same from run to run; once made, each renders on its
// own, so the tracks render side by side on every core.
std::mutex& synth_lock() {
  static std::mutex m;
  return m;
}

}  // namespace

namespace {

// Plays `events` from the start of a loop of `loop` frames, `tail_s`
// seconds past its end, the tail laid over the opening.
LoopCanvas play(const std::vector<MidiEvent>& events, size_t loop, double tail_s) {
  std::unique_lock<std::mutex> one_at_a_time(synth_lock());
  quiet_log();
  std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
  if (!settings) throw std::runtime_error("fluidsynth: no settings");
  fluid_settings_t* st = settings.get();
  fluid_settings_setnum(st, "synth.sample-rate", kRate);
  fluid_settings_setint(st, "synth.cpu-cores", 1);
  fluid_settings_setint(st, "synth.reverb.active", 0);
  fluid_settings_setint(st, "synth.chorus.active", 0);
  fluid_settings_setint(st, "synth.polyphony", 256);
  fluid_settings_setint(st, "synth.dynamic-sample-loading", 0);
  fluid_settings_setnum(st, "synth.gain", 0.5);
  std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(st));
  if (!synth) throw std::runtime_error("fluidsynth: no synth");
  fluid_synth_set_interp_method(synth.get(), -1, FLUID_INTERP_4THORDER);
  if (fluid_synth_sfload(synth.get(), kSoundFont, 1) == FLUID_FAILED) {
    one_at_a_time.unlock();  // the synth's deleter takes the lock itself
    throw std::runtime_error(std::string("fluidsynth: cannot load ") + kSoundFont);
  }
  one_at_a_time.unlock();

  const size_t total = loop + dsp::frames(tail_s, kRate);
  Buf l(total, 0.0f), r(total, 0.0f);
  size_t pos = 0;
  auto play_to = [&](size_t until) {
    while (pos < until) {
      int n = static_cast<int>(std::min<size_t>(until - pos, 4096));
      fluid_synth_write_float(synth.get(), n, l.data() + pos, 0, 1, r.data() + pos, 0, 1);
      pos += static_cast<size_t>(n);
    }
  };
  for (const MidiEvent& e : events) {
    if (e.at >= loop && (e.status & 0xF0) != 0x80) continue;  // the next round starts nothing
    play_to(std::min(e.at, total));
    send(synth.get(), e);
  }
  play_to(total);

  LoopCanvas c(loop);
  c.add_stereo(l, r, 1.0f);
  // The tail, laid over the opening.
  for (size_t i = loop; i < total; ++i) {
    c.left()[(i - loop) % loop] += l[i];
    c.right()[(i - loop) % loop] += r[i];
  }
  return c;
}

}  // namespace

LoopCanvas render(const NoteScore& score, double tail_s) {
  LoopCanvas c = play(score.events(), score.loop_frames(), tail_s);
  if (score.layered()) {
    const LoopCanvas under = play(score.layer_events(), score.loop_frames(), tail_s);
    c.add_stereo(under.left(), under.right(), 1.0f);
  }
  return c;
}

}  // namespace contentgen::music
