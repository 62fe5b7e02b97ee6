// The second in-game piece: a driving hunt at 140 beats a minute for a
// rock band and synths, in nine sections, played through the General MIDI
// sound font. It is written round E but sounds a major third up, in A flat
// minor, so switching the music variant gives a new score and a key far
// from the orchestral piece's E minor, not a new arrangement; the home
// bass note, A flat at 104 Hz, also sits above the rifle's low thump.
// (Section keys below are as written.)
//   Stalk   (bars 0-11)   muted guitar sixteenths on E under a moving pad,
//                         a shaker and a kick; the tune creeps in on the lead.
//   Run     (12-35)       the full kit, power chords on E C B G D, then in
//                         B minor's world, the tune on the saw lead worked
//                         onward, brass stabs answering, ending on F sharp.
//   Breaks  (36-67)       half time and a broken beat at home, then in
//                         home's fourth, a chord a bar: fretless bass,
//                         piano pushed ahead of the beat, vibraphone eighths.
//   Drift   (68-87)       the contrast: half-time, no kit but a ride bell,
//                         C minor's world (E flat minor as heard) on
//                         piano, vibraphone and a warm pad, the tune
//                         slowed on the glockenspiel.
//   Prowl   (88-115)      a shuffle in triplets: a tom-led kit, the bass
//                         bouncing on the triplet, marimba rolling up
//                         and down the chord, a choir holding it, and a
//                         tune of its own on a distorted guitar, in
//                         A minor's world, closing on B major.
//   Pulse   (116-147)     no guitars: a four-on-the-floor kick, a square
//                         arpeggio in sixteenths and clavinet off-beats in
//                         F sharp minor's world (B flat minor as heard), a
//                         major third above home and far from every other
//                         section's chords, the tune on the second lead,
//                         then through B minor and C to B, home's dominant,
//                         with the band's toms building in.
//   Rise    (148-177)     double time: a running beat of sixteenths,
//                         marimba racing round the chord, the choir
//                         holding it, a chord a bar from home round the
//                         flat side and back to the dominant.
//   Surge   (178-203)     the band again, the tune an octave up over
//                         toms and the ride, the chords climbing.
//   Return  (204-211)     thins back to the stalk's texture, so the loop
//                         comes round at the level it began.
#include <array>
#include <cmath>

#include "music/fluid_render.h"
#include "music/hall.h"
#include "music/notes.h"
#include "music/own_voices.h"
#include "music/score.h"
#include "music/sub_bass.h"

namespace contentgen::music {

namespace {

enum Channel {
  kMuted = 0,
  kBass = 1,
  kPower = 2,
  kLead = 3,
  kStabs = 4,
  kPad = 5,
  kPiano = 6,
  kVibes = 7,
  kGlock = 8,
  kKit = kDrumChannel,
  kFretless = 10,
  kSaw2 = 11,
  kPad2 = 12,
  kArp = 13,
  kClav = 14,
  kPower2 = 15,
};

// General MIDI programs (0-based).
enum Program {
  kPrPiano = 0, kPrClavinet = 7, kPrMarimba = 12, kPrChoir = 52, kPrSquareLead = 80, kPrGlockenspiel = 9, kPrVibraphone = 11, kPrMutedGuitar = 28, kPrViolin = 40, kPrStrings = 48,
  kPrFretless = 35, kPrSynthBass = 38, kPrSynthStrings = 50, kPrSynthBrass = 62, kPrSawLead = 81,
  kPrWarmPad = 89, kPrPowerKit = 16,
};
enum Drum { kKick = 36, kSnare = 40, kClap = 39, kHatClosed = 42, kHatOpen = 46, kCrash = 57,
            kRide = 51, kRideBell = 53, kTambourine = 54, kShaker = 70, kTomLow = 41, kTomMid = 45,
            kTomHigh = 48, kSplash = 55, kSideStick = 37, kTomFloor = 43 };

const Timing kTiming{140, 4, 212};
constexpr int kRun = 12, kBreaks = 36, kDrift = 68, kProwl = 88, kPulse = 116, kRise = 148, kSurge = 178,
              kReturn = 204;

// Chords: the bass note (E2 = 40) and the third above it. The power
// chords play root and fifth only; the stabs, pad and piano add the third.
struct Chord {
  int root, third;
};
constexpr int kE = 40, kB = 47, kA = 45;
constexpr Chord Em{40, 3}, C{36, 4}, G{43, 4}, D{38, 4}, Bm{47, 3}, B{47, 4}, A{45, 4}, Am{45, 3},
    Fs{42, 4}, F{41, 4}, Cm{36, 3}, Ab{44, 4}, Eb{39, 4}, Fm{41, 3}, Bb{46, 4}, Db{37, 4}, Bbm{46, 3},
    Dm{38, 3}, Gm{43, 3}, E{40, 4}, Ebm{39, 3};

// A chord a bar, never the same eight bars twice. The run goes E C G D,
// turns to B minor's world and its dominant (B, not F sharp: the tune
// leans on F sharp, B flat as heard, enough for the key), then climbs
// through one-bar changes; the surge
// moves from A minor through G to the Phrygian F and lands on B.
const Chord kRunChords[24] = {Em, Em, C, B, G, G, D, D,   Bm, Bm, G, G, A, A, B, B,
                              C, D, B, Em, Am, B, Fs, Fs};
// The drift never goes back over its own steps: where the glockenspiel is
// silent it turns through D flat, B flat minor and E flat instead of
// returning to C minor.
const Chord kDriftChords[20] = {Cm, Cm, Ab, Ab, Eb, Eb, Bb, Bb, Db, Db, Ab, Ab, Fm, Fm, Bbm, Bbm, Eb, Eb, G, G};
// The prowl: A minor's world, a chord for two bars, its last turn going
// through B flat (the Neapolitan) to E and ending on B, which leads on
// into the pulse's D sharp minor as sounded.
const Chord kProwlChords[28] = {Am, Am, F, F, Dm, Dm, E, E,   Am, Am, C, C, G, G, E, E,
                                F, F, Dm, Dm, Bb, Bb, E, E,   Am, F, B, B};
// The pulse, as written in D minor's world and then G minor's, the first
// half ending on the minor dominant, the second on C; all but its last
// four bars sound a major third higher (see pulse()), and its C falls a
// half step to B, into the surge.
const Chord kPulseChords[32] = {Dm, Dm, Bb, Bb, F, F, C, C,   Dm, Dm, Gm, Gm, Bb, Bb, Am, Am,
                                Gm, Gm, Eb, Eb, Bb, Bb, F, F,  Eb, Eb, Gm, Gm, C, C, B, B};
// The breaks: written in F minor's world and played a semitone under the
// rest, so they sound at home, in A flat minor, with its own dominant and
// leading tone (the run's F sharp leads in as the dominant's dominant); a
// chord a bar, turning to B flat minor's world (home's fourth) halfway and
// ending on G, heard as B flat, the dominant of the drift's E flat minor.
constexpr int kBreakLift = 3;
const Chord kBreakChords[32] = {Fm, Db, Bbm, C,  Fm, Ab, Eb, C,   Db, Eb, Fm, Cm,  Db, Bbm, C, C,
                                Bbm, Db, Ebm, F, Bbm, Db, Ab, F,  Db, Ab, Bbm, Fm, Db, Ebm, G, G};
// The rise: from home out to B minor and back, over to the flat side
// (E flat, C minor, A flat), home again, and by way of A minor to the
// dominant.
const Chord kRiseChords[30] = {Em, B, Em, D,   Bm, G, Em, B,   Em, C, A, D,   G, Eb, Bb, F,
                               Cm, Ab, Bb, G,  Em, C, Am, B,   Em, Am, F, Dm, B, B};
const Chord kSurgeChords[26] = {Em, Em, Am, Am, C, C, B, B,   D, D, A, A, Em, C, Am, B,
                                Em, Em, F, F, G, G, A, A,   B, B};

// How many times the chord at `in` has been struck before in the section
// (a chord held over bars counted once), plus the bars it has been held:
// where a progression comes back, this picks another bass note for it.
template <size_t N>
int returns(const Chord (&chords)[N], int in) {
  auto same = [](const Chord& a, const Chord& b) { return a.root == b.root && a.third == b.third; };
  int k = 0;
  for (int i = 0; i < in; ++i)
    if (same(chords[i], chords[in]) && (i == 0 || !same(chords[i - 1], chords[i]))) ++k;
  for (int i = in - 1; i >= 0 && same(chords[i], chords[in]); --i) ++k;
  return k;
}

// On a chord's returns the bass takes another of its notes: the root the
// first time, then the third, then the fifth under the root, so a
// progression heard again stands on a new bass line. Home's chord and its
// dominant (`lift` semitones from home as written) keep their root: the key
// rests on them.
int bass_note(const Chord& ch, int turn, int lift = 0) {
  const int pc = (ch.root + lift + 120) % 12;
  if (pc == kE % 12 || pc == kB % 12) return ch.root;
  switch (turn % 3) {
    case 1: return ch.root + ch.third;
    case 2: return ch.root - 5;
    default: return ch.root;
  }
}

// And its colour: on a chord's returns its chords take a note beyond the
// triad, the seventh (or sixth) the first time back, the fourth (or
// ninth) the next, so the harmony heard again is not the same sound.
// Home's chord only ever takes its ninth, and the dominant its seventh,
// which lean on the key rather than away from it. 0 for the plain triad.
int colour(const Chord& ch, int turn, int lift = 0) {
  if (turn % 3 == 0) return 0;
  const int pc = (ch.root + lift + 120) % 12;
  if (pc == kE % 12) return 14;
  if (pc == kB % 12 && ch.third == 4) return 10;
  if (turn % 3 == 1) return ch.third == 3 ? 10 : 9;
  return ch.third == 3 ? 5 : 14;
}

struct Tone {
  double beat;
  int key;
  double beats;
};
// The tune: a falling question and a rising answer, two bars each.
const Tone kAsk[] = {{0, 71, 0.5}, {0.5, 76, 1}, {1.5, 78, 0.5}, {2, 79, 1.5}, {3.5, 78, 0.5},
                     {4, 76, 1}, {5, 74, 1}, {6, 71, 2}};
const Tone kAnswer[] = {{0, 79, 0.5}, {0.5, 81, 1}, {1.5, 83, 0.5}, {2, 86, 1.5}, {3.5, 83, 0.5},
                        {4, 81, 1}, {5, 79, 0.5}, {5.5, 78, 0.5}, {6, 76, 2}};
// The tune worked further: the question's opening leap climbing in steps
// (a sequence), and the answer turned upside down, falling to land.
const Tone kClimb[] = {{0, 71, 0.5}, {0.5, 76, 1}, {1.5, 78, 0.5}, {2, 72, 0.5}, {2.5, 78, 1}, {3.5, 79, 0.5},
                       {4, 74, 0.5}, {4.5, 79, 1}, {5.5, 81, 0.5}, {6, 83, 1.5}, {7.5, 81, 0.5}};
const Tone kFall[] = {{0, 88, 0.5}, {0.5, 86, 1}, {1.5, 84, 0.5}, {2, 81, 1.5}, {3.5, 83, 0.5},
                      {4, 84, 1}, {5, 79, 0.5}, {5.5, 78, 0.5}, {6, 79, 1}, {7, 83, 1}};

// The prowl's own tune, four bars a phrase, its runs in triplets: a
// falling cry and its answer over the first eight bars, a higher line
// and a darker one after it, then a low turn and a climb to the top.
constexpr double kT = 1.0 / 3.0;
const Tone kProwlCry[] = {{0, 76, 1.5}, {1.5, 74, 0.5}, {2, 72, 2 * kT}, {2 + 2 * kT, 71, 2 * kT}, {2 + 4 * kT, 69, 2 * kT},
                          {4, 72, 3}, {7, 71, 1}, {8, 69, 2}, {10, 72, 2 * kT}, {10 + 2 * kT, 74, 2 * kT},
                          {10 + 4 * kT, 76, 2 * kT}, {12, 77, 3}, {15, 76, 1}};
const Tone kProwlReply[] = {{0, 74, 1.5}, {1.5, 77, 0.5}, {2, 76, 2 * kT}, {2 + 2 * kT, 74, 2 * kT}, {2 + 4 * kT, 72, 2 * kT},
                            {4, 74, 3}, {7, 72, 1}, {8, 71, 2}, {10, 68, 2 * kT}, {10 + 2 * kT, 71, 2 * kT},
                            {10 + 4 * kT, 74, 2 * kT}, {12, 76, 4}};
const Tone kProwlHigh[] = {{0, 81, 2}, {2, 79, 2 * kT}, {2 + 2 * kT, 76, 2 * kT}, {2 + 4 * kT, 72, 2 * kT}, {4, 76, 2},
                           {6, 74, 2}, {8, 79, 1.5}, {9.5, 76, 0.5}, {10, 72, 1}, {11, 76, 1}, {12, 79, 4}};
const Tone kProwlDark[] = {{0, 74, 1}, {1, 79, 2 * kT}, {1 + 2 * kT, 78, 2 * kT}, {1 + 4 * kT, 74, 2 * kT}, {3, 71, 1},
                           {4, 74, 3}, {7, 71, 1}, {8, 68, 2}, {10, 71, 2 * kT}, {10 + 2 * kT, 74, 2 * kT},
                           {10 + 4 * kT, 77, 2 * kT}, {12, 76, 4}};
const Tone kProwlLow[] = {{0, 72, 1.5}, {1.5, 69, 0.5}, {2, 65, 2 * kT}, {2 + 2 * kT, 69, 2 * kT}, {2 + 4 * kT, 72, 2 * kT},
                          {4, 77, 3}, {7, 76, 1}, {8, 74, 2}, {10, 72, 2 * kT}, {10 + 2 * kT, 69, 2 * kT},
                          {10 + 4 * kT, 65, 2 * kT}, {12, 69, 4}};
const Tone kProwlClimb[] = {{0, 74, 1.5}, {1.5, 77, 0.5}, {2, 74, 2 * kT}, {2 + 2 * kT, 70, 2 * kT}, {2 + 4 * kT, 65, 2 * kT},
                            {4, 70, 3}, {7, 74, 1}, {8, 71, 2}, {10, 74, 2 * kT}, {10 + 2 * kT, 76, 2 * kT},
                            {10 + 4 * kT, 80, 2 * kT}, {12, 83, 4}};

template <size_t N>
void phrase(NoteScore& s, int channel, int bar, const Tone (&tones)[N], int transpose, int vel, double scale = 1.0) {
  for (const Tone& t : tones) {
    double at = t.beat * scale;
    int whole = static_cast<int>(at / 4);
    // Long notes and high ones lean harder: the line swells as it climbs.
    const int contour = (t.key - tones[0].key) / 2;
    s.note(channel, bar + whole, at - 4 * whole, t.key + transpose, vel + contour + (t.beats >= 1.5 ? 6 : 0),
           t.beats * scale * 0.9);
  }
}

// Palm-muted sixteenths on the root and fifth, accented 3+3+2 in eighths.
void chug(NoteScore& s, int bar, int root, int loud) {
  for (int x = 0; x < 16; ++x) {
    bool accent = x == 0 || x == 6 || x == 12;
    int key = root + 12 + (x % 8 == 7 ? 7 : 0);
    s.note(kMuted, bar, x * 0.25, key, accent ? loud : loud - 22 + (x % 2 ? 0 : 6), 0.2);
  }
}

void bass_line(NoteScore& s, int bar, int root, int vel, bool driving) {
  if (driving) {
    for (int e = 0; e < 8; ++e) s.note(kBass, bar, e * 0.5, root - (e == 7 ? 5 : 0), e % 2 ? vel - 16 : vel, 0.4);
  } else {
    s.note(kBass, bar, 0, root, vel, 1.4);
    s.note(kBass, bar, 1.5, root, vel - 12, 0.4);
    s.note(kBass, bar, 3.0, root + 12, vel - 18, 0.4);
  }
}

// Low strings hammer the chord's root in octaves, short and off the
// string, on one, the and of two and four (a fifth on sustained strings
// would weigh on the key more than a guitar's did).
void power_chord(NoteScore& s, int bar, int root, int vel) {
  s.note(kPower, bar, 0, root + 19, vel - 14, 0.5);  // a light fifth on the downbeat
  for (int k : {root + 12, root + 24}) {
    s.note(kPower, bar, 0, k, vel, 0.5);
    s.note(kPower, bar, 1.5, k, vel - 10, 0.4);
    s.note(kPower, bar, 3.0, k, vel - 6, 0.4);
  }
}

void kit_groove(NoteScore& s, int bar, int in, int loud, bool ride) {
  for (double b : {0.0, 1.5, 2.5}) s.note(kKit, bar, b, kKick, loud, 0.2);
  for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kSnare, loud - 6, 0.2);
  // Ghost strokes on the snare between the backbeats drive the sixteenths.
  for (double b : {0.75, 1.75, 2.25, 3.75}) s.note(kKit, bar, b, kSnare, b == 3.75 ? 50 : 42, 0.1);
  if (in % 4 == 3) s.note(kKit, bar, 3.0, kClap, loud - 20, 0.2);
  for (int x = 0; x < 16; ++x) {
    if (ride) {
      if (x % 2 == 0) s.note(kKit, bar, x * 0.25, x % 4 ? kRide : kRideBell, x % 4 ? 60 : 82, 0.2);
      else s.note(kKit, bar, x * 0.25, kHatClosed, 46, 0.1);
    } else if (x == 14) {
      s.note(kKit, bar, x * 0.25, kHatOpen, 64, 0.4);
    } else {
      s.note(kKit, bar, x * 0.25, kHatClosed, x % 4 == 0 ? 72 : x % 2 ? 50 : 60, 0.1);
    }
  }
  s.note(kKit, bar, 1.0, kTambourine, 64, 0.2);
  s.note(kKit, bar, 3.0, kTambourine, 70, 0.2);
  if (in % 8 == 0) s.note(kKit, bar, 0, kCrash, loud, 2);
  if (in % 8 == 7) {
    const int toms[] = {kTomHigh, kTomHigh, kTomMid, kTomMid, kTomLow, kTomLow};
    for (int t = 0; t < 6; ++t) s.note(kKit, bar, 2.5 + t * 0.25, toms[t], loud - 10 + t * 3, 0.2);
  }
}

// The opening's and the ending's texture: muted guitar, shaker, a kick,
// over an E the guitar never leaves; the pad's chord above it moves.
void stalk_bar(NoteScore& s, int bar, int vel, const Chord& pad, int bass = kE) {
  chug(s, bar, kE, vel);
  bass_line(s, bar, bass, vel - 6, false);
  for (int x = 0; x < 16; ++x) s.note(kKit, bar, x * 0.25, kShaker, x % 4 == 0 ? 58 : x % 2 ? 30 : 42, 0.1);
  s.note(kKit, bar, 0, kKick, vel, 0.2);
  s.note(kKit, bar, 2.5, kKick, vel - 16, 0.2);
  s.note(kKit, bar, 3.0, kTambourine, vel - 18, 0.2);
  if (bar % 2 == 0) {
    const int base = pad.root + 24 > 66 ? pad.root + 12 : pad.root + 24;
    s.note(kPad, bar, 0, base, 70, 7.75);
    s.note(kPad, bar, 0, base + pad.third, 60, 7.75);
    s.note(kPad, bar, 0, base + 7, 62, 7.75);
    s.note(kPad, bar, 0, base + 14, 40, 7.75);  // the ninth, up top, faint
  }
}

void stalk(NoteScore& s) {
  static const Chord kPads[6] = {Em, Em, C, C, Am, B};  // two bars each
  // From the fifth bar the bass leaves the guitar's E for the pad's roots,
  // so the creeping opening moves under its pedal instead of standing.
  for (int bar = 0; bar < kRun; ++bar) stalk_bar(s, bar, 80 + bar, kPads[bar / 2], bar < 4 ? kE : kPads[bar / 2].root);
  phrase(s, kLead, 8, kAsk, 0, 66);
  s.note(kKit, kRun - 1, 3.5, kSplash, 74, 0.5);
}

void stabs(NoteScore& s, int bar, const Chord& ch, int vel, int add = 0) {
  // Synth brass stabs off the beat, the chord's third on top, and the
  // returning chord's colour (see colour()) in place of its root.
  for (int k : {add != 0 ? ch.root + 24 + add : ch.root + 24, ch.root + 24 + ch.third, ch.root + 31}) {
    s.note(kStabs, bar, 1.5, k, vel - 6, 0.4);
    s.note(kStabs, bar, 2.0, k, vel, 0.9);
  }
}

void run(NoteScore& s) {
  for (int bar = kRun; bar < kBreaks; ++bar) {
    const int in = bar - kRun;
    const Chord& ch = kRunChords[in];
    const bool fresh = in == 0 || kRunChords[in - 1].root != ch.root;
    const int low = bass_note(ch, returns(kRunChords, in));
    chug(s, bar, low, 92);
    bass_line(s, bar, low, 98, true);
    kit_groove(s, bar, in, 104, in >= 16);
    if (fresh) power_chord(s, bar, ch.root, 86);
    if (!fresh || in >= 16) stabs(s, bar, ch, 96, colour(ch, returns(kRunChords, in)));
  }
  // The tune, then the same tune in B minor's world, then worked onward.
  phrase(s, kLead, kRun, kAsk, 0, 96);
  phrase(s, kLead, kRun + 4, kAnswer, 0, 98);
  phrase(s, kLead, kRun + 8, kAsk, -5, 96);
  phrase(s, kLead, kRun + 12, kAnswer, -3, 98);
  phrase(s, kLead, kRun + 16, kClimb, 0, 98);
  phrase(s, kLead, kRun + 20, kFall, -3, 100);
}

// The breaks: half time after the run, a broken beat with ghost notes, the
// fretless bass sliding under piano chords, the vibraphone running up the
// chord, the pad from the ninth bar and the glockenspiel on top late on.
void breaks(NoteScore& s) {
  s.transpose(kBreakLift);
  for (int bar = kBreaks; bar < kDrift; ++bar) {
    const int in = bar - kBreaks;
    const Chord& ch = kBreakChords[in];
    const int root = ch.root, late = in >= 16 ? 1 : 0;
    // The beat: a kick on one and the and of two, the snare on three only.
    s.note(kKit, bar, 0.0, kKick, 96, 0.2);
    s.note(kKit, bar, 1.75, kKick, 70, 0.2);
    s.note(kKit, bar, 2.5, kKick, 84, 0.2);
    s.note(kKit, bar, 2.0, kSnare, 92, 0.2);
    for (double b : {0.75, 1.25, 3.25, 3.75}) s.note(kKit, bar, b, kSnare, 36 + (b > 3 ? 8 : 0), 0.1);
    for (int x = 0; x < 16; ++x)
      s.note(kKit, bar, x * 0.25, x == 6 ? kHatOpen : kHatClosed, x % 4 == 0 ? 66 : x % 2 ? 34 : 50, x == 6 ? 0.4 : 0.1);
    if (in % 8 == 0) s.note(kKit, bar, 0, late ? kCrash : kSplash, 78, 1);
    // The fretless: the root long, the octave popped, a slide to the fifth;
    // on a chord's returns it stands on the chord's third or fifth.
    const int low = bass_note(ch, returns(kBreakChords, in), kBreakLift - 4);
    s.note(kFretless, bar, 0, low, 92, 1.6);
    s.note(kFretless, bar, 1.75, low + 12, 74, 0.4);
    s.note(kFretless, bar, 2.5, low, 84, 0.9);
    s.note(kFretless, bar, 3.5, low == root ? root + 7 : root, 70, 0.45);
    // Piano chords pushed ahead of the beat.
    for (double b : {0.0, 1.5, 3.5})
      for (int k : {root + 24, root + 24 + ch.third, root + 31})
        s.note(kPiano, bar, b, k + (b == 3.5 ? 12 : 0), b == 0.0 ? 78 : 62, b == 1.5 ? 1.5 : 0.4);
    if (const int add = colour(ch, returns(kBreakChords, in), kBreakLift - 4))
      for (double b : {0.0, 1.5}) s.note(kPiano, bar, b, root + 24 + add, b == 0.0 ? 72 : 58, b == 1.5 ? 1.5 : 0.4);
    // Vibraphone eighths up the chord, an octave higher late on.
    static const int kUp[8] = {0, 7, 12, 0, 7, 12, 19, 12};
    for (int e = 0; e < 8; ++e) {
      int k = root + 36 + kUp[e] + 12 * late;
      if (kUp[e] == 12 && e % 3 == 2) k += ch.third - 12;
      s.note(kVibes, bar, e * 0.5, k, e % 4 == 0 ? 66 : 50, 0.6);
    }
    // The pad from the ninth bar: root and fifth held, its top arriving
    // as the fourth and falling to the third on the and of two.
    if (in >= 8) {
      for (int k : {root + 12, root + 19}) s.note(kPad, bar, 0, k, 56 + in / 2, 3.9);
      s.note(kPad, bar, 0, root + 29, 54 + in / 2, 1.5);
      s.note(kPad, bar, 1.5, root + 24 + ch.third, 56 + in / 2, 2.4);
    }
    if (late && in % 2 == 1) s.note(kGlock, bar, 2.0, root + 48 + ch.third, 64, 1.5);
  }
  // The tune on the lead at home, then in home's fourth, worked onward.
  phrase(s, kLead, kBreaks + 4, kAsk, 1, 86);
  phrase(s, kLead, kBreaks + 8, kAnswer, 1, 88);
  phrase(s, kSaw2, kBreaks + 12, kClimb, -11, 82);
  phrase(s, kLead, kBreaks + 16, kAsk, -6, 90);
  phrase(s, kLead, kBreaks + 20, kFall, -18, 90);
  phrase(s, kLead, kBreaks + 24, kClimb, -6, 92);
  phrase(s, kSaw2, kBreaks + 28, kAnswer, -10, 86);
  for (int x = 0; x < 8; ++x) s.note(kKit, kDrift - 1, 2.0 + x * 0.25, kTomLow, 50 + x * 5, 0.2);
  s.transpose(4);
}

void drift(NoteScore& s) {
  // The drift sounds a half step under the rest, in E flat minor, a key
  // of its own between the hunt's A flat minor and the orchestral piece's
  // E, so its glockenspiel and pad share no chords with that piece.
  s.transpose(3);
  for (int bar = kDrift; bar < kProwl; ++bar) {
    const int in = bar - kDrift;
    const Chord& ch = kDriftChords[in];
    const int root = ch.root;
    const std::array<int, 4> chord{root + 12, root + 19, root + 24 + ch.third, root + 26};
    if (in % 2 == 0) {
      s.note(kFretless, bar, 0, root, 88, 3.5);
      s.note(kFretless, bar + 1, 0, root + 7, 74, 3.5);
      // The pad holds only the chord's floor, low, and an inner voice
      // walks under the glockenspiel instead of a held block: the ninth
      // sinking to the octave, up through the suspended fourth to the
      // third, and a passing step that leans into the next chord.
      s.note(kPad, bar, 0, root + 12, 70, 8);
      s.note(kPad, bar, 0, root + 19, 66, 8);
      const int walk[4] = {26, 24, 29, 24 + ch.third};
      const double from[4] = {0, 2, 4, 5.5}, beats[4] = {2, 2, 1.5, 2.5};
      for (int w = 0; w < 4; ++w)
        s.note(kPad, bar + static_cast<int>(from[w] / 4), std::fmod(from[w], 4.0), root + 12 + walk[w], 62 + w * 2, beats[w]);
    }
    // Under the first half the piano ticks a soft ostinato low in the
    // chord, root and fifth round its ninth in a 3+3+2, quickening into
    // the second half: the hush has a pulse under it.
    if (in < 8) {
      static const int kTick[8] = {0, 7, 14, 0, 7, 14, 7, 12};
      for (int e = 0; e < 8; ++e)
        if (e % 3 != 1 || in >= 4)
          s.note(kPiano, bar, e * 0.5, root + 24 + kTick[e], (e == 0 || e == 3 || e == 6 ? 56 : 42) + in, 0.45);
      continue;
    }
    // The second half: the piano's broken chord on the eighths, its last
    // eighth reaching high to the chord's third and then its fifth over
    // each pair of bars, to the fourth and sixth in the last bars, so the
    // arpeggio pulls upward into the prowl; half-time in the right hand.
    const int steps[4] = {ch.third, 5, 7, ch.third == 3 ? 8 : 9};
    const int climb = steps[(in % 2) * 2 + (in >= 14 ? 1 : 0)];
    for (int e = 0; e < 8; ++e) {
      int key = chord[static_cast<size_t>(e % 4)] + 12 + (e >= 4 ? 12 : 0);
      if (e == 7) key = root + 48 + climb;
      s.note(kPiano, bar, e * 0.5, key, e == 0 ? 76 : e == 7 ? 66 : 58, e % 2 ? 0.5 : 1.0);
    }
    // Vibraphone points a third and a fifth above, on beat one and
    // three-and, with a sixteenth pickup into the next bar growing late on.
    s.note(kVibes, bar, 0, chord[2] + 24, 70, 2);
    s.note(kVibes, bar, 2.5, chord[1] + 24, 62, 1.5);
    if (in >= 12) s.note(kVibes, bar, 3.75, chord[3] + 24, 52 + (in - 12) * 3, 0.25);
    // Closed hats creep in on the off-beats over the last bars: tension
    // towards the prowl's shuffle.
    if (in >= 14)
      for (int x = 2; x < 16; x += 4) s.note(kKit, bar, x * 0.25, kHatClosed, 30 + (in - 14) * 4, 0.1);
    // A ride bell keeps time, a shaker on the off-beat.
    s.note(kKit, bar, 0, kRideBell, 60, 0.2);
    s.note(kKit, bar, 2, kRideBell, 50, 0.2);
    for (int b = 0; b < 4; ++b) s.note(kKit, bar, b + 0.5, kShaker, 46, 0.1);
    if (in % 4 == 0) s.note(kKit, bar, 0, kKick, 62, 0.2);
  }
  // The tune in C minor on the glockenspiel, twice as slow, and its answer
  // bent to the drift's darker chords.
  phrase(s, kGlock, kDrift + 2, kAsk, 8, 84, 2.0);
  phrase(s, kGlock, kDrift + 10, kFall, -4, 86, 2.0);
  s.transpose(4);
}

void prowl(NoteScore& s) {
  // The drift's piano, vibraphone and glockenspiel are free here: they
  // become marimba, choir and a solo violin, changed a quarter beat
  // early so no note of either section is cut off or struck wrong.
  s.program(kPiano, kProwl, -0.25, kPrMarimba);
  s.program(kVibes, kProwl, -0.25, kPrChoir);
  s.program(kGlock, kProwl, -0.25, kPrViolin);
  static const int kRoll[6] = {0, 1, 2, 3, 2, 1};  // up and down the chord
  for (int bar = kProwl; bar < kPulse; ++bar) {
    const int in = bar - kProwl;
    const Chord& ch = kProwlChords[in];
    const int root = ch.root, late = in >= 16 ? 1 : 0;
    const std::array<int, 4> tones{root + 24, root + 24 + ch.third, root + 31, root + 36};
    // The shuffle: every beat split in three, the middle one silent.
    const int low = bass_note(ch, returns(kProwlChords, in));
    for (int b = 0; b < 4; ++b) {
      s.note(kBass, bar, b, b % 2 ? root : low, b % 2 ? 82 : 94, 0.55);
      s.note(kBass, bar, b + 2 * kT, root + 12, 66, 0.25);
      s.note(kKit, bar, b, kHatClosed, b % 2 ? 50 : 62, 0.1);
      s.note(kKit, bar, b + 2 * kT, kHatClosed, 40, 0.1);
    }
    for (double b : {0.0, 2.0 + 2 * kT}) s.note(kKit, bar, b, kKick, b == 0.0 ? 96 : 80, 0.2);
    for (double b : {1.0, 3.0}) s.note(kKit, bar, b, late ? kSnare : kSideStick, late ? 84 : 76, 0.2);
    s.note(kKit, bar, 1 + 2 * kT, kTomFloor, 62 + in, 0.2);
    if (in % 4 == 3)
      for (int t = 0; t < 6; ++t) s.note(kKit, bar, 2.0 + t * kT, t < 3 ? kTomMid : kTomLow, 70 + t * 5, 0.2);
    if (in % 8 == 0) s.note(kKit, bar, 0, late ? kCrash : kSplash, 80, 1);
    // Marimba in triplets up and down the chord, an octave up late on.
    for (int t = 0; t < 12; ++t)
      s.note(kPiano, bar, t * kT, tones[static_cast<size_t>(kRoll[t % 6])] + 12 * late, t % 3 == 0 ? 74 : 54, 0.5);
    // The choir holds each chord from the fifth bar, the pad under it late on.
    // Its third moves: held for the first bar, it leans up to the fourth
    // and back across the second, a sigh inside the held chord.
    if (in % 2 == 0 && in >= 4) {
      for (int k : {root + 24, root + 31}) s.note(kVibes, bar, 0.25, k, 56 + in / 2, 7.5);
      s.note(kVibes, bar, 0.25, root + 24 + ch.third, 56 + in / 2, 5.75);
      s.note(kVibes, bar + 1, 2, root + 29, 54 + in / 2, 1);
      s.note(kVibes, bar + 1, 3, root + 24 + ch.third, 52 + in / 2, 0.75);
    }
    if (in % 2 == 0 && in >= 4)
      if (const int add = colour(ch, returns(kProwlChords, in))) s.note(kVibes, bar, 0.25, root + 24 + add, 54 + in / 2, 7.5);
    if (in % 2 == 0 && late)
      for (int k : {root + 12, root + 19, root + 24 + ch.third}) s.note(kPad, bar, 0, k, 60, 7.75);
    // Brass stabs answer at the end of every phrase of the second half.
    if (late && in % 4 == 3)
      for (int k : {root + 24, root + 24 + ch.third, root + 31}) s.note(kStabs, bar, 3 + 2 * kT, k, 90, 0.3);
  }
  // The tune on the guitar; in the second half the saw lead doubles it an
  // octave down, and the last four bars are left to the band.
  phrase(s, kGlock, kProwl, kProwlCry, 0, 84);
  phrase(s, kGlock, kProwl + 4, kProwlReply, 0, 86);
  phrase(s, kGlock, kProwl + 8, kProwlHigh, 0, 88);
  phrase(s, kGlock, kProwl + 12, kProwlDark, 0, 88);
  phrase(s, kGlock, kProwl + 16, kProwlLow, 12, 88);
  phrase(s, kSaw2, kProwl + 16, kProwlLow, 0, 74);
  phrase(s, kGlock, kProwl + 20, kProwlClimb, 0, 92);
  phrase(s, kSaw2, kProwl + 20, kProwlClimb, -12, 76);
  for (int t = 0; t < 12; ++t) s.note(kKit, kPulse - 1, t * kT, kSnare, 44 + t * 4, 0.2);
}

// The pulse is written in D minor's world and played a major third
// higher, so with the piece's own lift it sounds in B flat minor's, dark
// keys far from the orchestral piece's E and its hive's G minor.
constexpr int kPulseLift = 4;

void pulse(NoteScore& s) {
  // A rising-and-falling sixteenth figure over the chord, and clavinet
  // chords pushed onto the off-beat sixteenths.
  // The figure climbs in the first half and falls in the second, leaning
  // on the ninth so its chords sound coloured, not bare as the band's.
  static const int kArpShape[2][8] = {{0, 7, 14, 3, 12, 7, 15, 14}, {15, 14, 7, 3, 12, 14, 3, 7}};
  for (int bar = kPulse; bar < kRise; ++bar) {
    const int in = bar - kPulse;
    const Chord& ch = kPulseChords[in];
    // A major third up until the last four bars, which come home to B.
    const int root = ch.root + (in < 28 ? kPulseLift : 0), build = in >= 24 ? in - 24 : 0;
    // A chord's second bar drops the ninth for the plain triad, turned
    // over, so the pair's bars differ.
    static const int kPlain[8] = {12, 7, 3, 0, 7, 12, 15, 19};
    const int tint = colour(ch, returns(kPulseChords, in), in < 28 ? kPulseLift : 0);
    const bool second = in % 2 == 1;
    for (int x = 0; x < 16; ++x) {
      int shape = second ? kPlain[x % 8] : kArpShape[in >= 16 ? 1 : 0][x % 8];
      if (shape == 3 || shape == 15) shape += ch.third - 3;
      if (shape == 14 && tint != 0) shape = tint;
      s.note(kArp, bar, x * 0.25, root + 24 + shape, x % 4 == 0 ? 78 : 60, 0.22);
    }
    for (double b : {0.75, 1.5, 2.75, 3.5})
      for (int k : {root + 24, root + 24 + ch.third, root + 31})
        s.note(kClav, bar, b, second && k == root + 24 ? k + 12 : k == root + 31 && tint != 0 ? root + 24 + tint : k,
               b == 1.5 ? 80 : 66, 0.2);
    // The bass bounces on the eighths, root and fifth; on G minor, whose
    // fifth is the pulse's own home note, root and octave, so the pulse
    // does not outweigh the piece's home chord.
    const int bounce = ch.root == Gm.root ? 12 : 7;
    // On the pulse's home chord the bass leans on the fifth at the bar's
    // middle, so its B flat does not outweigh the piece's own home.
    // Where a chord comes back the bass stands on its third or fifth and
    // bounces up to the root.
    const int lift = in < 28 ? kPulseLift : 0;
    const int low = bass_note(ch, returns(kPulseChords, in), lift) + lift;
    for (int e = 0; e < 8; ++e) {
      const int step = e % 2 ? bounce : ch.root == Dm.root && e % 4 == 2 ? 7 : 0;
      const int key = low == root ? root + step : e % 2 ? root + 12 : low;
      s.note(kBass, bar, e * 0.5, key, e % 2 ? 78 : 92, 0.35);
    }
    // Four on the floor, a clap on two and four, open hats off the beat.
    for (int b = 0; b < 4; ++b) {
      s.note(kKit, bar, b, kKick, 96, 0.2);
      s.note(kKit, bar, b + 0.5, kHatOpen, 56, 0.3);
    }
    for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kClap, 78, 0.2);
    for (int x = 0; x < 16; ++x) s.note(kKit, bar, x * 0.25, kShaker, x % 4 == 2 ? 54 : 34, 0.1);
    // Closed hats tick the sixteenths round the open ones, and a ghost
    // snare pushes into the backbeats.
    for (int x = 0; x < 16; ++x)
      if (x % 4 != 2) s.note(kKit, bar, x * 0.25, kHatClosed, x % 4 == 0 ? 62 : 48, 0.1);
    for (double b : {0.75, 2.75, 3.25}) s.note(kKit, bar, b, kSnare, 40, 0.1);
    if (in % 8 == 0) s.note(kKit, bar, 0, kCrash, 86, 2);
    if (in % 2 == 0 && in >= 16) {
      // From the second half the pad holds each chord above the figure.
      s.note(kPad, bar, 0, root + 24, 62, 7.75);
      s.note(kPad, bar, 0, root + 24 + ch.third, 56, 7.75);
      s.note(kPad, bar, 0, root + 31, 56, 7.75);
    }
    if (build > 0) {
      s.note(kKit, bar, 2.5, kTomLow, 70 + build * 3, 0.2);
      s.note(kKit, bar, 3.5, kTomMid, 72 + build * 3, 0.2);
    }
  }
  // The tune on the second lead in E flat minor, its answer, then worked
  // in A flat minor on the lead; the stabs swell back into the surge.
  phrase(s, kSaw2, kPulse + 8, kAsk, kPulseLift - 2, 84);
  phrase(s, kSaw2, kPulse + 12, kAnswer, kPulseLift - 2, 86);
  phrase(s, kLead, kPulse + 16, kClimb, kPulseLift - 4, 90);
  phrase(s, kLead, kPulse + 20, kFall, kPulseLift - 7, 92);
  phrase(s, kLead, kPulse + 24, kAsk, kPulseLift - 2, 92);
  for (int x = 0; x < 16; ++x) s.note(kKit, kRise - 1, x * 0.25, kSnare, 40 + x * 4, 0.2);
  for (int k : {kE + 24, kE + 31, kE + 36}) s.note(kStabs, kRise - 1, 0, k, 70, 4);
  s.swell(kStabs, kRise - 1, 0, 4, 40, 127);
}

// The rise: double time after the pulse, a running beat of sixteenths,
// the marimba racing up and down the chord, the choir holding it, the
// distorted guitar singing the tune and the power chords back late on.
void rise(NoteScore& s) {
  for (int bar = kRise; bar < kSurge; ++bar) {
    const int in = bar - kRise;
    const Chord& ch = kRiseChords[in];
    const int root = ch.root, late = in >= 12 ? 1 : 0;
    for (double b : {0.0, 0.75, 2.5}) s.note(kKit, bar, b, kKick, b == 0.0 ? 100 : 88, 0.2);
    for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kSnare, 90, 0.2);
    for (double b : {1.75, 2.25, 3.75}) s.note(kKit, bar, b, kSnare, 40, 0.1);
    for (int x = 0; x < 16; ++x) {
      if (late && x % 2 == 0) s.note(kKit, bar, x * 0.25, x % 4 ? kRide : kRideBell, x % 4 ? 58 : 76, 0.2);
      else s.note(kKit, bar, x * 0.25, kHatClosed, x % 4 == 0 ? 68 : x % 2 ? 40 : 54, 0.1);
    }
    if (in % 8 == 0) s.note(kKit, bar, 0, kCrash, 88, 2);
    if (in % 4 == 3)
      for (int t = 0; t < 4; ++t) s.note(kKit, bar, 3.0 + t * 0.25, t < 2 ? kTomMid : kTomFloor, 80 + t * 4, 0.2);
    // The bass on the sixteenths, root and octave; on a chord's returns
    // its third or fifth.
    const int low = bass_note(ch, returns(kRiseChords, in));
    for (int x = 0; x < 16; ++x)
      if (x % 4 != 1) s.note(kBass, bar, x * 0.25, low + (x % 4 == 3 ? 12 : 0), x % 4 == 0 ? 94 : 74, 0.2);
    // Marimba sixteenths up and down the chord.
    static const int kSteps[8] = {0, 7, 12, 16, 19, 16, 12, 7};
    for (int x = 0; x < 16; ++x) {
      int step = kSteps[x % 8];
      if (step == 16 || step == 4) step += ch.third - 4;
      s.note(kPiano, bar, x * 0.25, root + 24 + step, x % 4 == 0 ? 76 : 56, 0.22);
    }
    for (int k : {root + 24, root + 24 + ch.third, root + 31}) s.note(kVibes, bar, 0.1, k, 56 + in, 3.8);
    if (const int add = colour(ch, returns(kRiseChords, in))) s.note(kVibes, bar, 0.1, root + 24 + add, 60 + in, 3.8);
    if (late) {
      power_chord(s, bar, root, 78 + (in - 12));
      s.note(kPad, bar, 0, root + 36 + ch.third, 56, 3.9);
    } else {
      for (double b : {0.5, 2.5})
        for (int k : {root + 24, root + 24 + ch.third, root + 31}) s.note(kClav, bar, b, k, 70, 0.2);
    }
  }
  // The tune on the distorted guitar, then the leads carrying it round
  // the flat side and back to the dominant.
  phrase(s, kGlock, kRise, kAsk, -12, 86);
  phrase(s, kGlock, kRise + 4, kClimb, -17, 88);
  phrase(s, kGlock, kRise + 8, kAnswer, -17, 90);
  phrase(s, kLead, kRise + 12, kFall, -9, 92);
  phrase(s, kSaw2, kRise + 16, kAsk, -4, 86);
  phrase(s, kLead, kRise + 20, kClimb, -4, 94);
  phrase(s, kGlock, kRise + 24, kAnswer, -12, 94);
  for (int x = 0; x < 16; ++x) s.note(kKit, kSurge - 1, x * 0.25, kSnare, 44 + x * 4, 0.2);
}

void surge(NoteScore& s) {
  for (int bar = kSurge; bar < kReturn; ++bar) {
    const int in = bar - kSurge;
    const Chord& ch = kSurgeChords[in];
    const bool fresh = in == 0 || kSurgeChords[in - 1].root != ch.root;
    // Where the run held E minor, A minor and C for two bars, the surge's
    // second bar stands on the chord's third instead: G, C and home's E.
    const bool turn = !fresh && (ch.root == Em.root || (ch.root == Am.root && ch.third == 3) || ch.root == C.root);
    const int low = turn ? ch.root + ch.third : bass_note(ch, returns(kSurgeChords, in));
    chug(s, bar, low, 96);
    bass_line(s, bar, low, 100, true);
    kit_groove(s, bar, in, 108, in >= 8 && in < 16);
    if (fresh) power_chord(s, bar, ch.root, 94);
    else stabs(s, bar, ch, 98, colour(ch, returns(kSurgeChords, in)));
    // What the run lacked: the choir high over the band, holding home's E
    // where the chord has it and the chord's third where it does not, so
    // the surge's chords do not come back as the run's did.
    const int third_pc = (ch.root + ch.third) % 12, e_pc = kE % 12;
    const bool has_e = ch.root % 12 == e_pc || third_pc == e_pc || (ch.root + 7) % 12 == e_pc;
    // Two octaves over the lead, clear of the creatures' and voices' band.
    int high = has_e ? kE + 48 : ch.root + ch.third + 48;
    while (high >= 96) high -= 12;
    s.note(kPad, bar, 0, high, 70, 3.9);
  }
  // The tune an octave up with the second lead under it, then carried
  // through G and the Phrygian F, climbing to the dominant.
  phrase(s, kLead, kSurge, kAsk, 12, 96);
  phrase(s, kSaw2, kSurge, kAsk, 0, 80);
  phrase(s, kLead, kSurge + 4, kFall, 0, 98);
  phrase(s, kLead, kSurge + 8, kAnswer, 0, 98);
  phrase(s, kSaw2, kSurge + 8, kAnswer, -12, 82);
  phrase(s, kLead, kSurge + 12, kClimb, 5, 98);
  phrase(s, kLead, kSurge + 16, kAsk, 12, 100);
  phrase(s, kSaw2, kSurge + 16, kClimb, 1, 82);
  phrase(s, kLead, kSurge + 20, kClimb, 3, 100);
  phrase(s, kLead, kSurge + 24, kFall, -1, 96);
  s.expression(kStabs, kSurge, 0, 127);
}

void back(NoteScore& s) {
  // The band drops out bar by bar until only the stalk's texture is left,
  // at the level the loop opens on; the pad leans from F to B, home's
  // dominant, so the opening's E minor arrives as an arrival.
  static const Chord kPads[4] = {F, F, A, B};
  for (int bar = kReturn; bar < kTiming.bars; ++bar) {
    const int in = bar - kReturn;
    stalk_bar(s, bar, 82 + (in < 2 ? 8 - in * 4 : 0), kPads[in / 2]);
    if (in < 2) {
      for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kSnare, 80 - in * 20, 0.2);
      power_chord(s, bar, kE, 80 - in * 16);
    }
  }
  phrase(s, kLead, kReturn + 2, kFall, -12, 70);
  phrase(s, kLead, kReturn + 4, kAnswer, -12, 62);
  // The last bar leads into the opening's downbeat: a snare and tom fill
  // swelling through its second half, so the loop comes round on a pickup
  // rather than out of a steady hush.
  const int last = kTiming.bars - 1;
  for (int x = 0; x < 8; ++x) s.note(kKit, last, 2.0 + x * 0.25, kSnare, 52 + x * 6, 0.2);
  const int fill[] = {kTomHigh, kTomHigh, kTomMid, kTomLow};
  for (int t = 0; t < 4; ++t) s.note(kKit, last, 3.0 + t * 0.25, fill[t], 78 + t * 5, 0.2);
  s.note(kKit, last, 3.75, kSplash, 70, 0.5);
}

}  // namespace

LoopCanvas game_pulse() {
  NoteScore s(kTiming);
  // The guitars, keys, synths and leads spread wide, left against right;
  // bass and kit stay in the middle so the low end holds up in mono.
  s.instrument(kMuted, kPrMutedGuitar, 100, -0.85f);
  s.instrument(kBass, kPrSynthBass, 86, 0.0f);
  s.instrument(kPower, kPrStrings, 96, 0.9f);
  s.instrument(kLead, kPrSawLead, 84, 0.35f);
  s.instrument(kStabs, kPrSynthBrass, 88, -0.6f);
  s.instrument(kPad, kPrSynthStrings, 84, 0.6f);
  s.instrument(kPiano, kPrPiano, 110, -0.65f);
  s.instrument(kVibes, kPrVibraphone, 100, 0.75f);
  s.instrument(kGlock, kPrGlockenspiel, 92, -0.4f);
  s.instrument(kKit, kPrPowerKit, 100, 0.0f);
  s.instrument(kFretless, kPrFretless, 104, -0.3f);
  s.instrument(kSaw2, kPrSawLead, 70, -0.85f);
  s.instrument(kArp, kPrSquareLead, 72, 0.7f);
  s.instrument(kClav, kPrClavinet, 80, -0.7f);
  // The pad and the leads swell through their long notes; the pad is two
  // layers a few cents apart, left and right.
  s.breathe(kPad, 0.3);
  for (int ch : {kLead, kSaw2, kFretless}) s.breathe(ch, 0.15);
  s.double_on(kPad, kPad2, -6, -0.6f);
  // The low strings are two desks, across the stereo.
  s.double_on(kPower, kPower2, 5, -0.9f);
  // The leads' held notes waver once they have settled; the pad a little.
  for (int ch : {kLead, kSaw2}) s.vibrato(ch, 8.0);
  s.vibrato(kFretless, 5.0);
  s.vibrato(kPad, 4.0);
  s.humanise(0x1407u, 6, 0.01);
  // The leads and stabs ride ahead of the beat, the pad lays back.
  for (int ch : {kLead, kSaw2}) s.place(ch, -0.008);
  for (int ch : {kStabs, kArp, kClav}) s.place(ch, -0.004);
  s.place(kPad, 0.012);
  s.place(kPower, 0.005);
  s.transpose(4);

  stalk(s);
  run(s);
  breaks(s);
  drift(s);
  prowl(s);
  pulse(s);
  rise(s);
  surge(s);
  back(s);

  LoopCanvas c = render(s);
  // Our own saws under the font's leads and stabs, and a bowed pad under
  // its synth strings, so the band's synths are more than stock presets.
  {
    const std::vector<MidiEvent> ev = s.events();
    own_layer(c, ev, kLead, {Voice::saw_lead, 8.0f, 0.25f});
    own_layer(c, ev, kSaw2, {Voice::saw_lead, 10.0f, -0.7f});
    own_layer(c, ev, kStabs, {Voice::saw_lead, 13.0f, -0.45f});
    own_layer(c, ev, kPad, {Voice::bowed_pad, 10.0f, 0.35f, 0.07f});
    own_layer(c, ev, kArp, {Voice::saw_lead, 14.0f, 0.6f});
  }
  // The hunt's arc: the stalk creeps, the run drives, the drift drops to a
  // glockenspiel over the pad, the prowl shuffles back up, the pulse rebuilds, the surge is the climax and the return
  // sinks back to where the loop began.
  auto at = [](int bar) { return kTiming.at(bar, 0.0); };
  const int end = kTiming.bars;
  contour(c, {{at(0), -2.5f}, {at(10), -1.0f}, {at(12), 0.0f}, {at(34), 0.5f}, {at(kBreaks + 1), -1.5f},
              {at(kBreaks + 14), -1.5f}, {at(kDrift - 2), -0.5f}, {at(kDrift + 1), -4.0f},
              {at(kDrift + 8), -4.5f}, {at(kDrift + 18), -3.0f}, {at(kProwl + 1), -2.0f},
              {at(kProwl + 14), -1.5f}, {at(kPulse - 1), -1.0f}, {at(kPulse + 1), -1.5f},
              {at(kPulse + 16), -0.5f}, {at(kRise - 1), -1.0f}, {at(kRise + 1), -1.0f},
              {at(kRise + 16), -0.5f}, {at(kSurge - 1), -1.0f}, {at(kSurge), 0.0f}, {at(kSurge + 24), 1.5f},
              {at(end - 6), -1.5f}, {at(end - 3), -1.8f}, {at(end - 2), -0.8f}, {at(end - 1), -0.3f}});
  hall(c, {1.8, 0.016, 5000.0, 260.0, 0.2f});
  // The band spread wider still, above the bass, so the middle is left to
  // the effects.
  widen(c, 1.9f, 180.0);
  // The low shelf cut deeper than the other pieces': the kick and synth
  // bass would otherwise fill the octave where the rifle thumps; the weight
  // bell gives the kick its floor round 50 Hz, under that octave, and the
  // sheen bell gives the cymbals and saw leads their air above 5 kHz.
  // The effects' pocket is cut deep, 500 Hz to 1.5 kHz, where the
  // creatures and voices carry.
  // No weight bell here, and the pocket a little shallower than the
  // orchestral piece's: the kick and the pulse's bass ring round 55-60 Hz,
  // on A and B flat, and with the middle cut deeper they outweigh the home
  // chord; the surge's floor comes from the sub root below.
  tone(c, -7.0f, -3.5f, 3.0f, -2.5f, -1.5f, -8.5f, 0.0f, 2.0f);
  // The surge stands on a sub root of our own synth, under the font's bass.
  {
    std::vector<int> roots;
    for (int bar = kSurge; bar < kReturn; ++bar) roots.push_back(kSurgeChords[bar - kSurge].root + 4);
    sub_roots(c, kTiming, kSurge, roots, 14.0f);
  }
  // A bed under play, but one whose climaxes rise: only the deepest lulls
  // are lifted, and gently, so the loudness still follows the hunt.
  lift_quiet(c, 5.0f, 1.5f, 2.0f);
  level_seam(c, 6.0);
  level_wrap(c, 0.05);
  master(c);
  return c;
}

}  // namespace contentgen::music
