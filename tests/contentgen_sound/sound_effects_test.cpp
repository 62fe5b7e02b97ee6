// The generated sound effects, read back from the embedded archive.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

#include "state/archive.h"
#include "contentgen_sound/pcm_probe.h"

namespace {

const char* const kSounds[] = {
    "shoot_1", "shoot_2", "shoot_3", "attack_1", "attack_2", "attack_3", "death_1", "death_2",
    "death_3", "death_4", "death_6", "death_1x", "death_2x", "pain_m", "pain_f", "alert_low",
    "alert_high_1", "alert_high_2", "pausein", "pauseout", "power_up", "power_down", "alarm", "tick",
    "dry", "rescue", "door", "acid", "lamp", "surprise", "cheat", "cheat2",
    "generator", "killme", "burst", "bursting", "ammo", "heal"};

pcm_probe::Wav load(const std::string& name) {
  register_embedded_archive();
  pcm_probe::Wav w;
  const ArchiveEntry* e = archive_find("data\\sfx\\" + name + ".wav");
  if (!e) {
    ADD_FAILURE() << name << " is not in the archive";
    return w;
  }
  std::string err = pcm_probe::parse_wav(e->data, e->size, w);
  EXPECT_EQ(err, "") << name;
  return w;
}

}  // namespace

TEST(SoundEffects, EveryEffectIsPlayablePcmWithinTheLoaderLimits) {
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    pcm_probe::Wav w = load(name);
    EXPECT_EQ(w.format, 1);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_TRUE(w.bits == 8 || w.bits == 16);
    EXPECT_GE(w.rate, 11025);
    EXPECT_LE(w.rate, 50000);
    ASSERT_GT(w.rate, 0);
    EXPECT_GT(static_cast<double>(w.samples.size()) / w.rate, 0.05);
  }
}

TEST(SoundEffects, NoEffectClipsCarriesDcOrIsSilent) {
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    pcm_probe::Wav w = load(name);
    ASSERT_FALSE(w.raw.empty());
    int peak = 0;
    for (int v : w.raw) peak = std::max(peak, std::abs(v));
    EXPECT_LT(peak, 32000) << "peak at or near full scale";
    EXPECT_GT(pcm_probe::db(pcm_probe::rms(w.samples)), -40.0) << "too quiet to hear";
    EXPECT_LT(std::fabs(pcm_probe::mean(w.samples)), 0.003) << "DC offset";
  }
}

TEST(SoundEffects, LoopingEffectsJoinWithoutAClick) {
  // The alarm and the generator are restarted the moment they end, so the
  // last sample must run on into the first like any other pair.
  for (const char* name : {"alarm", "generator", "alert_low"}) {
    SCOPED_TRACE(name);
    pcm_probe::Wav w = load(name);
    ASSERT_GT(w.samples.size(), 1000u);
    pcm_probe::Seam s = pcm_probe::seam(w.samples, 256);
    EXPECT_LE(s.jump, std::max(2.0 * s.local_step, 1.0 / 32768.0 * 2));
    EXPECT_LE(s.bend, s.bend_p999 + 2.0 / 32768.0);
  }
}

TEST(SoundEffects, OneShotsStartAndEndQuietly) {
  // A one-shot that starts or stops at a high level clicks when played.
  for (const char* name : kSounds) {
    std::string n = name;
    if (n == "alarm" || n == "generator") continue;
    SCOPED_TRACE(n);
    pcm_probe::Wav w = load(n);
    ASSERT_FALSE(w.raw.empty());
    EXPECT_LE(std::abs(w.raw.front()), 200);
    EXPECT_LE(std::abs(w.raw.back()), 200);
  }
}

TEST(SoundEffects, TrackerBeepsDifferInPitchBetweenPlayers) {
  // The pitch heard is the period at which the waveform repeats (its
  // autocorrelation), not its zero crossings, which a beep strong in its
  // overtones has many of: player 1's beep sits above player 2's, and both
  // sit well above the low squad beep.
  auto pitch_hz = [](const pcm_probe::Wav& w, double seconds) {
    const size_t n = std::min(w.samples.size(), static_cast<size_t>(seconds * w.rate));
    const size_t shortest = static_cast<size_t>(w.rate / 4000), longest = static_cast<size_t>(w.rate / 100);
    std::vector<double> r(longest + 1, 0.0);
    double best = 0.0;
    for (size_t lag = shortest; lag <= longest && lag < n; ++lag) {
      double s = 0.0;
      for (size_t i = 0; i + lag < n; ++i) s += w.samples[i] * w.samples[i + lag];
      r[lag] = s / static_cast<double>(n - lag);
      best = std::max(best, r[lag]);
    }
    // The first lag that repeats nearly as well as the best: the period,
    // not one of its multiples.
    for (size_t lag = shortest + 1; lag < longest; ++lag)
      if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) return w.rate / static_cast<double>(lag);
    return 0.0;
  };
  double p1 = pitch_hz(load("alert_high_1"), 0.04);
  double p2 = pitch_hz(load("alert_high_2"), 0.04);
  double low = pitch_hz(load("alert_low"), 0.04);
  EXPECT_GT(p1, p2 * 1.15);
  EXPECT_GT(p2, low * 2.0);
  EXPECT_GT(low, 0.0);
}
