// Our own synth voices laid over the sound font: each sits at the level
// asked under the mix where its channel plays and nowhere else, at the
// pitch written, and the breath is air above 5 kHz, not hiss in the middle.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "measure/fft.h"
#include "music/notes.h"
#include "music/own_voices.h"

namespace {

using contentgen::music::kRate;
using contentgen::music::LoopCanvas;
using contentgen::music::MidiEvent;
using contentgen::music::NoteScore;
using contentgen::music::OwnVoice;
using contentgen::music::Timing;
using contentgen::music::Voice;

constexpr int kLead = 3, kOther = 4;

// A bed of a steady 200 Hz tone, two seconds a bar over four bars.
LoopCanvas bed(const Timing& tm) {
  LoopCanvas c(tm.loop_frames());
  for (size_t i = 0; i < c.size(); ++i)
    c.left()[i] = c.right()[i] = 0.1f * static_cast<float>(std::sin(2.0 * 3.14159265358979 * 200.0 * i / kRate));
  return c;
}

// Power of what the layer added over [from, to), and of the bed there.
struct Added {
  double layer = 0.0, bed = 0.0;
};
Added added(const LoopCanvas& with, const LoopCanvas& without, size_t from, size_t to) {
  Added a;
  for (size_t i = from; i < to; ++i) {
    const double dl = with.left()[i] - without.left()[i], dr = with.right()[i] - without.right()[i];
    a.layer += dl * dl + dr * dr;
    a.bed += static_cast<double>(without.left()[i]) * without.left()[i] +
             static_cast<double>(without.right()[i]) * without.right()[i];
  }
  return a;
}

double band_share(const std::vector<float>& s, double lo_hz) {
  const size_t n = 4096;
  double above = 0.0, all = 0.0;
  std::vector<std::complex<double>> buf(n);
  for (size_t at = 0; at + n <= s.size(); at += n) {
    for (size_t i = 0; i < n; ++i) buf[i] = s[at + i];
    contentgen::measure::fft(buf);
    for (size_t b = 1; b < n / 2; ++b) {
      const double p = std::norm(buf[b]);
      all += p;
      if (static_cast<double>(b) * kRate / n >= lo_hz) above += p;
    }
  }
  return all > 0.0 ? above / all : 0.0;
}

}  // namespace

TEST(OwnVoices, EachVoiceSitsAtItsLevelOnlyWhereItsChannelPlays) {
  const Timing tm{120, 4, 4};
  NoteScore s(tm);
  s.instrument(kLead, 81, 100, 0.0f);
  s.instrument(kOther, 0, 100, 0.0f);
  s.note(kLead, 1, 0.0, 69, 100, 4.0);   // bar 1 only
  s.note(kOther, 2, 0.0, 60, 100, 4.0);  // another channel: not ours
  s.note(kLead, 4, 0.0, 64, 100, 2.0);   // past the loop's end: the next round's
  const std::vector<MidiEvent> ev = s.events();
  for (Voice v : {Voice::saw_lead, Voice::bowed_pad, Voice::breath}) {
    SCOPED_TRACE(static_cast<int>(v));
    const LoopCanvas plain = bed(tm);
    LoopCanvas c = plain;
    contentgen::music::own_layer(c, ev, kLead, OwnVoice{v, 12.0f, 0.0f, 0.1f});
    const Added in = added(c, plain, tm.at(1, 0.0), tm.at(2, 0.0));
    EXPECT_NEAR(10.0 * std::log10(in.layer / in.bed), -12.0, 0.5) << "under the bed where it plays";
    // Its release dies out well before the last bar, and
    // nothing sounds before its note.
    const Added before = added(c, plain, 0, tm.at(1, 0.0));
    const Added last = added(c, plain, tm.at(3, 0.0), tm.at(4, 0.0));
    EXPECT_LT(before.layer, 1e-9 * before.bed);
    EXPECT_LT(last.layer, 1e-4 * last.bed);
  }
}

TEST(OwnVoices, TheLeadSoundsTheNoteWrittenAndTheBreathIsAir) {
  const Timing tm{120, 4, 2};
  NoteScore s(tm);
  s.instrument(kLead, 81, 100, 0.0f);
  s.note(kLead, 0, 0.0, 57, 100, 8.0);  // A3, 220 Hz, over the wrap into the opening
  const std::vector<MidiEvent> ev = s.events();
  {
    LoopCanvas c(tm.loop_frames());
    c.left()[0] = c.right()[0] = 1.0f;  // a mix to measure against
    contentgen::music::own_layer(c, ev, kLead, OwnVoice{Voice::saw_lead, 0.0f, 0.0f});
    // The strongest partial of the held note is its fundamental.
    const size_t n = 16384, from = tm.at(0, 2.0);
    std::vector<std::complex<double>> buf(n);
    for (size_t i = 0; i < n; ++i) buf[i] = c.left()[from + i];
    contentgen::measure::fft(buf);
    size_t best = 1;
    for (size_t b = 1; b < n / 2; ++b)
      if (std::norm(buf[b]) > std::norm(buf[best])) best = b;
    EXPECT_NEAR(static_cast<double>(best) * kRate / n, 220.0, 4.0);
  }
  {
    LoopCanvas c(tm.loop_frames());
    c.left()[0] = c.right()[0] = 1.0f;
    contentgen::music::own_layer(c, ev, kLead, OwnVoice{Voice::breath, 0.0f, 0.0f});
    // Clear of the click the mix was made of.
    const std::vector<float> breath(c.left().begin() + 4096, c.left().end());
    EXPECT_GT(band_share(breath, 5000.0), 0.85) << "breath above 5 kHz";
    EXPECT_LT(band_share(breath, 15000.0), 0.1) << "and soft at the very top";
  }
}
