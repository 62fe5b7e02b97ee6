// The menu music: a song in D minor that breathes. It opens on a lone
// piano falling through D minor to its dominant, the flute takes the tune
// over strings, the chorus lifts a half step up from that dominant into
// A flat major with the tune high on the strings and a horn answering, a
// bridge thins to choir and celesta in F minor and turns back to A, an
// interlude breaks the song's even eighths into a lilting triplet feel in
// B flat major (harp rippling in triplets, plucked strings, a new tune on
// the clarinet handed to the flute) and comes round to A again, and
// the tune comes back on the clarinet over new chords (the Neapolitan E
// flat, A minor) and sinks to the piano again, so the loop closes where it
// began. Each section has its own chords, so no stretch of the loop is
// heard twice.
#include <array>
#include <iterator>
#include <vector>

#include "music/fluid_render.h"
#include "music/hall.h"
#include "music/notes.h"
#include "music/own_voices.h"
#include "music/score.h"

namespace contentgen::music {

namespace {

enum Channel {
  kPiano = 0,
  kStrings = 1,
  kFlute = 2,
  kViolins = 3,
  kCello = 4,
  kHarp = 5,
  kCeleste = 6,
  kHorn = 7,
  kChoir = 8,
  kCymbal = kDrumChannel,
  kTimpani = 10,
  kClarinet = 11,
  kContrabass = 12,
  kGlock = 13,
  kStrings2 = 14,
  kViolins2 = 15,
};

enum Program {
  kPrPiano = 0, kPrCelesta = 8, kPrCello = 42, kPrContrabass = 43, kPrHarp = 46, kPrTimpani = 47,
  kPrStrings = 48, kPrSlowStrings = 49, kPrChoir = 52, kPrOohs = 53, kPrHorn = 60, kPrClarinet = 71, kPrFlute = 73,
  kPrGlockenspiel = 9, kPrPizzicato = 45,
};
enum Percussion { kSuspendedCymbal = 52, kShaker = 70, kTriangleMuted = 80, kTriangle = 81, kChimes = 84 };

const Timing kTiming{72, 4, 44};
constexpr int kVerse = 4, kChorus = 12, kBridge = 20, kInterlude = 24, kReprise = 36;

// One chord a bar: its bass (MIDI) and the triad's intervals.
struct Chord {
  int root;  // pitch of the bass, D2..C3
  int third, fifth;
};
constexpr Chord Dm{38, 3, 7}, Bb{34, 4, 7}, F{41, 4, 7}, C{36, 4, 7}, Gm{43, 3, 7}, A{33, 4, 7};
constexpr Chord Ab{44, 4, 7}, Eb{39, 4, 7}, Fm{41, 3, 7}, Db{37, 4, 7}, Bbm{34, 3, 7}, Am{33, 3, 7};
constexpr Chord Cm{36, 3, 7};
// The chorus is the verse's relative-major chorus moved up a minor third.
constexpr int kChorusLift = 3;
const Chord kChords[44] = {
    Dm, C, Bb, A,                    // opening, piano alone, stepping down
    Dm, Bb, F, C, Gm, Dm, Bb, A,     // verse
    Ab, Eb, Fm, Db, Ab, Eb, Bbm, C,  // chorus, in A flat
    Fm, Db, Bb, A,                   // bridge, from F minor back to A
    Bb, F, Gm, Eb, Bb, Cm, F, F,     // interlude, in B flat
    Eb, Cm, Gm, A,                   // and back to the dominant
    Dm, Eb, Dm, Am, Eb, Bb, Gm, A,   // reprise, the verse's tune over new chords
};

struct Tone {
  double beat;
  int key;
  double beats;
};
using Bar = std::vector<Tone>;
const Bar kVerseTune[8] = {
    {{0, 74, 1.5}, {1.5, 76, 0.5}, {2, 77, 1}, {3, 76, 1}},  // Dm
    {{0, 74, 2}, {2, 72, 1}, {3, 70, 1}},                    // Bb
    {{0, 69, 1.5}, {1.5, 72, 0.5}, {2, 77, 2}},              // F
    {{0, 76, 3}, {3, 72, 1}},                                // C
    {{0, 74, 1}, {1, 70, 1}, {2, 74, 1}, {3, 79, 1}},        // Gm
    {{0, 77, 3}, {3, 76, 1}},                                // Dm
    {{0, 74, 1.5}, {1.5, 72, 0.5}, {2, 70, 2}},              // Bb
    {{0, 69, 3}, {3, 73, 1}},                                // A
};
const Bar kChorusTune[8] = {
    {{0, 77, 1}, {1, 81, 1}, {2, 79, 1}, {3, 77, 1}},        // F
    {{0, 76, 2}, {2, 79, 2}},                                // C
    {{0, 74, 1.5}, {1.5, 76, 0.5}, {2, 77, 2}},              // Dm
    {{0, 74, 1}, {1, 77, 1}, {2, 82, 2}},                    // Bb
    {{0, 81, 1}, {1, 77, 2}, {3, 74, 1}},                    // F
    {{0, 79, 2}, {2, 76, 2}},                                // C
    {{0, 74, 1}, {1, 77, 1}, {2, 79, 1}, {3, 82, 1}},        // Gm
    {{0, 81, 1}, {1, 76, 2}, {3, 73, 1}},                    // A
};
// The horn's answer in the chorus: long notes under the tune.
const Bar kHornLine[8] = {
    {{1, 65, 3}}, {{0, 64, 2}, {2, 67, 2}}, {{0, 65, 4}}, {{0, 65, 2}, {2, 62, 2}},
    {{1, 69, 3}}, {{0, 67, 4}}, {{0, 67, 2}, {2, 70, 2}}, {{0, 69, 2}, {2, 64, 2}},
};

// The interlude's tune, long-short in triplets: the clarinet's eight bars,
// then the flute's four, higher, turning to A.
constexpr double kT = 1.0 / 3.0;
const Bar kLiltTune[12] = {
    {{0, 77, 2}, {2, 74, 2 * kT}, {2 + 2 * kT, 75, kT}, {3, 77, 1}},   // Bb
    {{0, 72, 2}, {2, 77, 2 * kT}, {2 + 2 * kT, 76, kT}, {3, 72, 1}},   // F
    {{0, 70, 2 * kT}, {2 * kT, 74, kT}, {1, 79, 2}, {3, 77, 1}},       // Gm
    {{0, 79, 3}, {3, 75, 1}},                                          // Eb
    {{0, 77, 2}, {2, 82, 2 * kT}, {2 + 2 * kT, 81, kT}, {3, 79, 1}},   // Bb
    {{0, 79, 2 * kT}, {2 * kT, 75, kT}, {1, 72, 2}, {3, 75, 1}},       // Cm
    {{0, 77, 2}, {2, 75, 2 * kT}, {2 + 2 * kT, 74, kT}, {3, 72, 1}},   // F
    {{0, 72, 3}, {3, 69, 1}},                                          // F
    {{0, 82, 2}, {2, 79, 2 * kT}, {2 + 2 * kT, 82, kT}, {3, 87, 1}},   // Eb
    {{0, 84, 2}, {2, 79, 1}, {3, 75, 1}},                              // Cm
    {{0, 82, 2}, {2, 79, 2 * kT}, {2 + 2 * kT, 77, kT}, {3, 74, 1}},   // Gm
    {{0, 73, 3}, {3, 76, 1}},                                          // A
};

// The interlude: no piano and no even eighths. The harp ripples up and
// down the chord in triplets, plucked strings and the cello bounce on the
// lilt (one, and the last triplet of two), the strings hold the chord
// softly, a triangle marks every second bar.
void interlude(NoteScore& s) {
  static const int kRipple[6] = {0, 1, 2, 3, 2, 1};
  for (int bar = kInterlude; bar < kReprise; ++bar) {
    const int in = bar - kInterlude;
    const Chord& ch = kChords[bar];
    const int tones[4] = {ch.root + 24, ch.root + 24 + ch.third, ch.root + 24 + ch.fifth, ch.root + 36};
    for (int t = 0; t < 12; ++t)
      s.note(kHarp, bar, t * kT, tones[kRipple[t % 6]] + (t >= 6 ? 12 : 0), t % 3 == 0 ? 70 : 52, 0.6);
    for (int b = 0; b < 4; b += 2) {
      s.note(kCeleste, bar, b, ch.root + 12, 84, 0.5);
      s.note(kCeleste, bar, b + 1 + 2 * kT, ch.root + 12 + ch.fifth, 66, 0.4);
      s.note(kCello, bar, b, ch.root + 12, b ? 64 : 76, 1.5);
      s.note(kCello, bar, b + 1 + 2 * kT, ch.root + 12 + ch.fifth, 58, 0.3);
    }
    if (in % 2 == 0) s.note(kCymbal, bar, 0, kTriangle, 56, 2);
    for (int b = 0; b < 4; ++b) {
      s.note(kCymbal, bar, b + 2 * kT, kTriangleMuted, 40, 0.2);
      s.note(kCymbal, bar, b + kT, kShaker, 36, 0.1);
    }
  }
  for (int b = 0; b < 8; ++b)
    for (const Tone& t : kLiltTune[b]) s.note(kClarinet, kInterlude + b, t.beat, t.key - 12, 86, t.beats * 0.96);
  for (int b = 8; b < 12; ++b)
    for (const Tone& t : kLiltTune[b]) s.note(kFlute, kInterlude + b, t.beat, t.key, 84, t.beats * 0.96);
  // The horn holds a line under the flute's bars, falling to A's third.
  s.note(kHorn, kInterlude + 8, 0, 55, 70, 4);
  s.note(kHorn, kInterlude + 9, 0, 55, 72, 4);
  s.note(kHorn, kInterlude + 10, 0, 58, 74, 4);
  s.note(kHorn, kInterlude + 11, 0, 61, 70, 4);
}

void tune(NoteScore& s, int channel, int first_bar, const Bar (&bars)[8], int transpose, int vel) {
  for (int b = 0; b < 8; ++b)
    for (const Tone& t : bars[b]) s.note(channel, first_bar + b, t.beat, t.key + transpose, vel, t.beats * 0.96);
}

// The piano's broken chord on the eighths: root, fifth, octave, tenth,
// double octave and back, in the octave above the bass.
void piano_bar(NoteScore& s, int bar, const Chord& ch, int vel) {
  const int base = ch.root + 12;
  const int steps[8] = {0, ch.fifth, 12, 12 + ch.third, 24, 12 + ch.third, 12, ch.fifth};
  s.sustain(kPiano, bar, 0.0, false);
  s.sustain(kPiano, bar, 0.05, true);
  for (int e = 0; e < 8; ++e) s.note(kPiano, bar, e * 0.5, base + steps[e], vel - (e % 2 ? 10 : 0), 0.5);
}

void pad_bar(NoteScore& s, int channel, int bar, const Chord& ch, int vel) {
  const int base = ch.root + 24;
  for (int k : {base, base + ch.third, base + ch.fifth}) s.note(channel, bar, 0, k, vel, 4);
}

// Chords that hold D, or take it as a colour: F's sixth, E flat's major
// seventh.
bool takes_d(const Chord& ch) {
  if (ch.root == F.root && ch.third == F.third) return true;
  if (ch.root == Eb.root) return true;
  for (int k : {0, ch.third, ch.fifth})
    if ((ch.root + k) % 12 == 2) return true;
  return false;
}

// D held in three octaves through every chord that takes it: the home note
// is never far away at home, and leaves with the chorus and bridge as they
// move to other keys.
void home_pedal(NoteScore& s, int channel, int bar, const Chord& ch, int vel) {
  if (!takes_d(ch)) return;
  s.note(channel, bar, 0, 62, vel, 4);
  s.note(kCello, bar, 0, 50, vel, 4);
  if (ch.root != Dm.root) s.note(kContrabass, bar, 0, 38, vel - 14, 4);
}

}  // namespace

LoopCanvas menu_track() {
  NoteScore s(kTiming);
  s.instrument(kPiano, kPrPiano, 124, -0.2f);
  s.instrument(kStrings, kPrSlowStrings, 92, 0.45f);
  s.instrument(kFlute, kPrFlute, 104, 0.1f);
  s.instrument(kViolins, kPrStrings, 100, -0.4f);
  s.instrument(kCello, kPrCello, 96, -0.35f);
  s.instrument(kHarp, kPrHarp, 96, 0.45f);
  s.instrument(kCeleste, kPrCelesta, 90, 0.55f);
  s.instrument(kHorn, kPrHorn, 96, 0.3f);
  s.instrument(kChoir, kPrChoir, 92, -0.3f);
  s.instrument(kCymbal, 48, 90, 0.0f);
  s.instrument(kTimpani, kPrTimpani, 96, 0.0f);
  s.instrument(kClarinet, kPrClarinet, 104, 0.1f);
  s.instrument(kContrabass, kPrContrabass, 90, 0.0f);
  s.instrument(kGlock, kPrGlockenspiel, 80, 0.4f);
  // The bowed and blown parts swell through their long notes; the string
  // sections are two desks each, a few cents apart, across the stage.
  for (int ch : {kStrings, kViolins, kCello}) s.breathe(ch, 0.3);
  // The bridge's choir swells in slowly, a softer second choir a few
  // cents sharp and a moment behind it.
  s.breathe(kChoir, 0.45);
  s.layer(kChoir, kPrChoir, kPrOohs, 80, 7, 0.05);
  for (int ch : {kFlute, kHorn, kClarinet}) s.breathe(ch, 0.2);
  s.double_on(kStrings, kStrings2, -6, -0.35f);
  s.double_on(kViolins, kViolins2, 7, 0.3f);
  // Held notes waver as players' do, a few cents, once the note has settled.
  for (int ch : {kViolins, kStrings, kCello, kFlute}) s.vibrato(ch, 7.0);
  for (int ch : {kHorn, kChoir}) s.vibrato(ch, 4.0);
  s.humanise(0x3E11u, 5, 0.015);

  for (int bar = 0; bar < kTiming.bars; ++bar) {
    const Chord& ch = kChords[bar];
    const bool chorus = bar >= kChorus && bar < kBridge;
    const bool bridge = bar >= kBridge && bar < kInterlude;
    if (bar >= kInterlude && bar < kReprise) {
      // The interlude's strings hold its chords softly; its own players
      // are written below.
      pad_bar(s, kStrings, bar, ch, 58);
      // A soft bass root, growing over the last two bars into the reprise.
      const int to_go = kReprise - bar;
      s.note(kContrabass, bar, 0, ch.root, to_go <= 2 ? 58 - 4 * to_go : 46, 4);
      continue;
    }
    // The piano: alone and soft at the start, stepping back as the band
    // comes in, alone again as the reprise sinks.
    int piano = bar < kVerse ? 86 + bar * 2 : chorus ? 88 : bridge ? 64 : 84;
    if (bar >= kReprise + 4) piano = 80 - (bar - kReprise - 4) * 2;
    if (!bridge) piano_bar(s, bar, ch, piano);

    // The strings' chord from the verse on, swelling into the chorus.
    pad_bar(s, kStrings, bar, ch, bar < kVerse ? 60 + bar * 4 : chorus ? 88 : bridge ? 64 : 70);
    if (!chorus) home_pedal(s, kStrings, bar, ch, bar < kVerse ? 88 + bar * 4 : 102);
    // Cello and bass: the chord's root, on the beat from the verse.
    // Outside the chorus the cello walks in quarters, leaning on one and
    // three, a gentle pulse under the held chords; the bridge's pulse is
    // the timpani's, softly on the root.
    if (bar >= kVerse && (chorus || bridge)) {
      s.note(kCello, bar, 0, ch.root + 12, chorus ? 92 : 74, 2);
      s.note(kCello, bar, 2, ch.root + 12 + (chorus ? ch.fifth : 0), chorus ? 84 : 66, 2);
    } else if (bar >= kVerse) {
      const int walk[4] = {0, 12, ch.fifth, 12};
      for (int b = 0; b < 4; ++b) s.note(kCello, bar, b, ch.root + 12 + walk[b], b % 2 ? 58 : 70, 0.9);
    }
    if (bar >= kVerse && !bridge && bar < kReprise + 4) {
      s.note(kContrabass, bar, 0, ch.root, chorus ? 84 : 64, 4);
      // The floor: the root again an octave down, under the bass line.
      if (ch.root >= 36) s.note(kContrabass, bar, 0, ch.root - 12, chorus ? 76 : 58, 4);
    }
    if (bridge)
      for (int b = 0; b < 4; b += 2) s.note(kTimpani, bar, b, ch.root + 12, b ? 48 : 58, 2);
    // The bass thins out over the bridge's first bars rather than stopping
    // with the chorus, and keeps a soft root under the interlude.
    if (bridge) s.note(kContrabass, bar, 0, ch.root, 74 - 9 * (bar - kBridge), 4);
    if (bridge && bar < kBridge + 2 && ch.root >= 36) s.note(kContrabass, bar, 0, ch.root - 12, 64 - 10 * (bar - kBridge), 4);
    // Under the chorus the timpani marks one and three softly on the root.
    if (chorus && bar > kChorus)
      for (int b = 0; b < 4; b += 2) s.note(kTimpani, bar, b, ch.root + 12, b ? 50 : 60, 1.5);
    // The reprise walks on plucked strings (the celesta's channel plays
    // pizzicato from the interlude to the loop's end), fading with the band.
    if (bar >= kReprise && bar < kTiming.bars - 1) {
      const int pluck[4] = {12, ch.fifth, 12 + ch.third, ch.fifth};
      for (int b = 0; b < 4; ++b)
        s.note(kCeleste, bar, b + 0.5, ch.root + 12 + pluck[b], 74 - (bar - kReprise) * 3 - (b % 2) * 6, 0.4);
    }
    // An inner voice on the harp through the verse and reprise: the
    // chord's third, fifth and octave in quarters between the piano's
    // broken chord and the tune, answered by the rising arpeggio on the
    // second half of every other bar.
    // It thins with the band in the reprise's last bars and leaves the
    // final bar to the piano's pickup.
    if (((bar >= kVerse && bar < kChorus) || bar >= kReprise) && bar < kTiming.bars - 1) {
      const int inner[4] = {ch.third, ch.fifth, 12, ch.fifth};
      const int beats = bar % 2 == 1 ? 2 : 4;
      const int fall = bar >= kReprise + 4 ? (bar - kReprise - 4) * 3 : 0;
      for (int b = 0; b < beats; ++b)
        s.note(kHarp, bar, b + (b == 3 ? 0.5 : 0.0), ch.root + 24 + inner[b], (b == 0 ? 76 : 68) - fall,
               b == 3 ? 0.5 : 1.0);
    }
    // Harp: a rising arpeggio through each chorus bar, and a single broken
    // chord on the bridge.
    if (chorus || (bar >= kVerse && bar % 2 == 1 && !bridge)) {
      const int base = ch.root + 24;
      const int steps[6] = {0, ch.third, ch.fifth, 12, 12 + ch.third, 12 + ch.fifth};
      for (int e = 0; e < 6; ++e) s.note(kHarp, bar, 2.0 + e / 3.0, base + steps[e], 70 + e * 3, 1.5);
    }
    // Bridge: choir and celesta over the strings.
    if (bridge) {
      pad_bar(s, kChoir, bar, {ch.root + 12, ch.third, ch.fifth}, 70);
      const int base = ch.root + 48;
      const int steps[4] = {ch.fifth, 12, 12 + ch.third, ch.fifth + 12};
      for (int e = 0; e < 4; ++e) s.note(kCeleste, bar, e * 1.0 + (e % 2 ? 0.5 : 0), base + steps[e], 66, 1.5);
      s.note(kHarp, bar, 0, ch.root + 24, 72, 3);
      s.note(kHarp, bar, 1.0, ch.root + 24 + ch.fifth, 62, 3);
      s.note(kHarp, bar, 2.0, ch.root + 36 + ch.third, 62, 3);
    }
    // Sparkle on the chorus's strong bars.
    if (chorus && bar % 2 == 0)
      s.note(kCeleste, bar, 0, ch.root + 48 + ch.fifth, 70, 2);
  }

  // The tunes.
  tune(s, kFlute, kVerse, kVerseTune, 0, 92);
  tune(s, kViolins, kChorus, kChorusTune, kChorusLift, 100);
  tune(s, kFlute, kChorus, kChorusTune, kChorusLift, 84);
  tune(s, kHorn, kChorus, kHornLine, kChorusLift - 12, 86);
  // The reprise: the clarinet sings the first half, the piano's right hand
  // the second, softer, as the band falls away.
  for (int b = 0; b < 4; ++b)
    for (const Tone& t : kVerseTune[b]) s.note(kClarinet, kReprise + b, t.beat, t.key - 12, 82, t.beats * 0.96);
  for (int b = 4; b < 8; ++b)
    for (const Tone& t : kVerseTune[b]) s.note(kPiano, kReprise + b, t.beat, t.key, 74 - (b - 4) * 3, t.beats);
  // A pickup on the last beat's tail, low A under the leading note, so the
  // loop's last moment has an attack of its own and runs into the opening's
  // downbeat as one bar runs into the next.
  s.note(kPiano, kTiming.bars - 1, 3.86, 45, 72, 0.2);
  s.note(kPiano, kTiming.bars - 1, 3.86, 61, 66, 0.2);
  s.note(kHarp, kTiming.bars - 1, 3.86, 57, 70, 0.2);
  // The bridge: the chorus's opening, slow, in the choir's own line or the
  // strings' in the plainer mix.
  s.note(kViolins, kBridge, 0, 72, 80, 2.0);
  s.note(kViolins, kBridge, 2, 68, 76, 2.0);
  s.note(kViolins, kBridge + 1, 0, 77, 80, 3.0);
  s.note(kViolins, kBridge + 2, 0, 74, 80, 2.0);
  s.note(kViolins, kBridge + 2, 2, 77, 84, 2.0);
  s.note(kViolins, kBridge + 3, 0, 76, 80, 4.0);

  // Swells: the strings crescendo into the chorus and die away in the reprise.
  // The opening picks the strings and cellos up where the reprise left
  // them, so the loop point is no change of colour.
  s.swell(kStrings, 0, 0, 16, 50, 90);
  s.swell(kCello, 0, 0, 16, 60, 127);
  s.swell(kStrings, kChorus - 2, 0, 8, 90, 127);
  s.swell(kStrings, kReprise + 2, 0, 20, 127, 50);
  s.swell(kCello, kReprise + 4, 0, 16, 127, 60);
  // Light percussion for the top of the mix: a triangle on the chorus's
  // strong bars, chimes into the bridge, a shaker on the reprise's off-beats.
  for (int bar = kChorus; bar < kBridge; ++bar) {
    s.note(kCymbal, bar, 0, bar % 2 ? kTriangleMuted : kTriangle, 74, 2);
    s.note(kCymbal, bar, 2, kTriangleMuted, 52, 1);
  }
  s.note(kCymbal, kBridge, 0, kChimes, 64, 4);
  for (int bar = kVerse; bar < kChorus; ++bar)
    for (int b = 0; b < 4; ++b) s.note(kCymbal, bar, b + 0.5, kShaker, 40 + (bar - kVerse) * 2, 0.2);
  // A top line over the verse and the reprise's first half: the
  // glockenspiel answers each bar's tune on its off-beats, high on the
  // chord's fifth and ninth, and a shaker keeps the reprise moving.
  for (int bar : {4, 5, 6, 7, 8, 9, 10, 11, 36, 37, 38, 39}) {
    const Chord& ch = kChords[bar];
    const int top = ch.root + 48;
    s.note(kGlock, bar, 1.5, top + ch.fifth, 40 + (bar % 4) * 3, 0.5);
    s.note(kGlock, bar, 3.5, top + (bar % 2 ? 14 : 12 + ch.third), 36 + (bar % 4) * 3, 0.5);
  }
  for (int bar = kReprise; bar < kReprise + 6; ++bar)
    for (int b = 0; b < 4; ++b) s.note(kCymbal, bar, b + 0.5, kShaker, 44 - (bar - kReprise) * 2, 0.2);
  // The chorus's tune doubled two octaves up on the glockenspiel, softly.
  tune(s, kGlock, kChorus, kChorusTune, kChorusLift + 12, 56);
  // A suspended cymbal and timpani roll into the chorus.
  for (int x = 0; x < 16; ++x) s.note(kTimpani, kChorus - 1, x * 0.25, 39 + 12, 40 + x * 4, 0.25);
  s.note(kCymbal, kChorus - 1, 0, kSuspendedCymbal, 60, 4);
  s.note(kTimpani, kChorus, 0, 44, 100, 2);
  s.note(kTimpani, kChorus + 4, 0, 44, 92, 2);
  // The celesta is free after the bridge: it plucks as pizzicato strings
  // through the interlude, and is the celesta again when the loop comes round.
  s.program(kCeleste, kInterlude, -0.25, kPrPizzicato);
  interlude(s);

  LoopCanvas c = render(s);
  // Air above 6 kHz spread over the players: breath over the flute, the
  // clarinet and the choir, and a bowed layer of our own with its bow
  // noise under the strings, each faint, so the top is open, not hissing.
  {
    const std::vector<MidiEvent> ev = s.events();
    own_layer(c, ev, kFlute, {Voice::breath, 26.0f, 0.1f});
    own_layer(c, ev, kClarinet, {Voice::breath, 27.0f, 0.1f});
    own_layer(c, ev, kChoir, {Voice::breath, 29.0f, -0.3f});
    own_layer(c, ev, kViolins, {Voice::breath, 28.0f, -0.4f});
    own_layer(c, ev, kStrings, {Voice::bowed_pad, 16.0f, 0.45f, 0.4f});
  }
  // The lone piano at each end is lifted and the chorus and bridge eased,
  // so the song breathes within its phrases but no quarter of the loop
  // sinks far under another when it plays on behind the menus.
  auto at = [](int bar) { return kTiming.at(bar, 0.0); };
  // The verse holds up until the chorus, so the song does not leap up
  // into it a few bars in.
  // Over that arc each four-bar phrase swells to its third bar and eases
  // back, so the song breathes within the phrase as a player would.
  struct Mark {
    int bar;
    float db;
  };
  static const Mark kArc[] = {{0, 3.0f}, {6, 2.5f}, {10, 1.5f}, {12, -2.0f}, {20, -2.0f}, {22, -0.5f},
                                    {25, 1.0f}, {34, 0.5f}, {38, 1.0f}, {42, 2.0f}};
  static const float kPhrase[4] = {-1.4f, 0.0f, 1.6f, 0.4f};
  std::vector<LevelPoint> shape;
  for (int bar = 0; bar < kTiming.bars; ++bar) {
    size_t k = 0;
    while (k + 1 < std::size(kArc) && kArc[k + 1].bar <= bar) ++k;
    float base = kArc[k].db;
    if (k + 1 < std::size(kArc)) {
      const float f = static_cast<float>(bar - kArc[k].bar) / static_cast<float>(kArc[k + 1].bar - kArc[k].bar);
      base += f * (kArc[k + 1].db - kArc[k].db);
    }
    shape.push_back({at(bar), base + kPhrase[bar % 4]});
  }
  contour(c, shape);
  hall(c, {2.2, 0.022, 5000.0, 220.0, 0.3f});
  // The low mids cut deeper and a sheen lifted round 7.5 kHz, above the
  // 4 kHz octave, which the high shelf and presence bell leave nearly flat:
  // the piano, clarinet and harp doubled through 250 Hz to 1 kHz sound boxy
  // otherwise, and the bows and shaker keep their rosin and sizzle. The
  // low shelf and only a touch of the weight bell round 50 Hz: behind a
  // menu the bass is a floor, not a thud that outweighs the tune.
  tone(c, -3.5f, 0.0f, 9.0f, -0.5f, -4.5f, 0.0f, 1.0f, 7.0f);
  level_seam(c, 6.0);
  level_wrap(c, 0.05);
  master(c);
  return c;
}

}  // namespace contentgen::music
