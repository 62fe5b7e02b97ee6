// The in-game music: a tense piece in E Phrygian for a small orchestra, in
// eight sections that each have their own texture, played through the
// General MIDI sound font; the chord changes nearly every bar.
//   Patrol  (bars 0-15)    low strings ticking over an E pedal while the
//                          chords wander, a heartbeat on the timpani, the
//                          horn call entering halfway.
//   Pursuit (16-31)        taiko in 3+3+2, brass chords on A, B flat and
//                          the flat second, the call answered by high
//                          tremolo strings, each round in a new place.
//   Chase   (32-51)        a gallop in triplets with no taiko: C sharp
//                          minor, then down a chain of fifths to D, the
//                          hive's dominant, a trumpet and horn tune of its
//                          own over brass and a triplet snare.
//   Hive    (52-67)        the contrast: half time, no drums, the harmony
//                          gone to G minor; choir, harp and celesta, and
//                          the call slowed on a solo oboe.
//   Vigil   (68-87)        a lament in a lilting triple feel over a low E
//                          held through it all: harp in triplets, a new
//                          chord above the pedal each bar, a new tune on
//                          the horn, then trumpet, then the oboe bringing
//                          it home to E.
//   Ruins   (88-111)       a broad brass chorale in half time: E major,
//                          out to C and down to A flat and F minor, back
//                          to B; cellos running in eighths, an oboe tune.
//   Tunnels (112-135)      a march: pizzicato strings, low brass chords
//                          and a soft snare under the call on the bassoon,
//                          at home in E; then B minor, the dominant's key,
//                          with horns and trumpet over tremolo strings,
//                          building to F, the flat second, which falls a
//                          half step into the assault's E.
//   Assault (136-153)      the full band home in E, then it thins back to
//                          the patrol's texture so the loop comes round
//                          level.
#include <array>

#include "music/fluid_render.h"
#include "music/hall.h"
#include "music/notes.h"
#include "music/own_voices.h"
#include "music/score.h"
#include "music/sub_bass.h"

namespace contentgen::music {

namespace {

enum Channel {
  kCello = 0,
  kBass = 1,
  kDrone = 2,
  kHorn = 3,
  kBrass = 4,
  kHigh = 5,
  kHarp = 6,
  kChoir = 7,
  kTimpani = 8,
  kKit = kDrumChannel,
  kTaiko = 10,
  kOboe = 11,
  kCeleste = 12,
  kTrumpet = 13,
  kAir = 14,
  kDrone2 = 15,
};

// General MIDI programs (0-based) and drum keys.
enum Program {
  kPrCello = 42, kPrContrabass = 43, kPrTremolo = 44, kPrHarp = 46, kPrTimpani = 47,
  kPrStrings = 48, kPrSlowStrings = 49, kPrChoir = 52, kPrTrumpet = 56, kPrHorn = 60,
  kPrBrass = 61, kPrOboe = 68, kPrCelesta = 8, kPrOohs = 53, kPrTaiko = 116, kPrSweepPad = 95,
  kPrPizzicato = 45, kPrTrombone = 57, kPrBassoon = 70, kPrXylophone = 13,
};
enum Drum { kKick = 36, kSnare = 38, kRim = 37, kHatClosed = 42, kHatPedal = 44, kTomLow = 43,
            kTomMid = 47, kTomHigh = 50, kCrash = 49, kRide = 51, kTambourine = 54, kSplash = 55,
            kShaker = 70, kTriangleMuted = 80, kTriangle = 81, kBassDrum = 35 };

constexpr int kE = 40;  // E2, the home of the piece

const Timing kTiming{100, 4, 154};
constexpr int kPursuit = 16, kChase = 32, kHive = 52, kVigil = 68, kRuins = 88, kTunnels = 112, kAssault = 136,
              kEbb = 148;

// A root a bar, a new chord in nearly every bar, coming back to home's E
// between its excursions. The patrol wanders from E through F, C, D minor
// and G; the pursuit leans on A and on B flat, the tritone above home, and
// ends on B, the chase's way in; the assault climbs from home through F,
// C, D and G, and the ebb falls through C and A minor to B major, the
// dominant, which resolves two bars before the end onto the opening's own
// E minor, so the loop comes round inside the patrol, not into it.
constexpr int kF = 41, kG = 43, kD = 38, kC = 36, kA = 45, kBb = 46, kB = 47;
const int kPatrolRoots[16] = {kE, kE, kF, kE, kC, kE, kD, kE, kG, kF, kB, kE, kC, kF, kB, kB};
const int kPursuitRoots[16] = {kA, kBb, kE, kF, kE, kG, kF, kE, kBb, kC, kE, kF, kBb, kG, kE, kB};
const int kAssaultRoots[18] = {kE, kF, kE, kC, kD, kE, kG, kB, kE, kF, kB, kE, kC, kA, kB, kB, kE, kE};

// Bars the chord starting at `in` lasts, or 0 when `in` carries on the
// chord of the bar before.
template <size_t N>
int held(const int (&roots)[N], int in) {
  if (in > 0 && roots[in - 1] == roots[in]) return 0;
  int n = 1;
  while (in + n < static_cast<int>(N) && roots[in + n] == roots[in]) ++n;
  return n;
}

// Three-chord voicings in the mode: the root's triad in E Phrygian.
std::array<int, 3> triad(int root) {
  switch ((root % 12 + 12) % 12) {
    case 4: return {root, root + 3, root + 7};   // E minor
    case 5: return {root, root + 4, root + 7};   // F major
    case 7: return {root, root + 4, root + 7};   // G major
    case 2: return {root, root + 3, root + 7};   // D minor
    case 0: return {root, root + 4, root + 7};   // C major
    case 9: return {root, root + 3, root + 7};   // A minor
    case 10: return {root, root + 4, root + 7};  // B flat major
    case 11: return {root, root + 3, root + 7};  // B minor
    default: return {root, root + 3, root + 6};
  }
}

// Whether a key belongs to E Phrygian (E F G A B C D).
bool in_mode(int key) {
  const int pc = (key % 12 + 12) % 12;
  return pc != 1 && pc != 3 && pc != 6 && pc != 8 && pc != 10;
}

// The cellos' ostinato: eighths over the root with 3+3+2 accents; in the
// assault every eighth splits into two sixteenths.
// The patrol's shape leans on the flat second; the pursuit's climbs through
// the fifth.
const int kPatrolShape[8] = {0, 0, 12, 0, 0, 12, 0, 1};
const int kPursuitShape[8] = {0, 12, 0, 7, 0, 12, 3, 7};

void ostinato(NoteScore& s, int bar, int root, int loud, bool sixteenths, const int (&shape)[8] = kPatrolShape) {
  static const bool kAccent[8] = {true, false, false, true, false, false, true, false};
  for (int e = 0; e < 8; ++e) {
    int key = root + 12 + shape[e];
    int vel = kAccent[e] ? loud : loud - 28;
    if (sixteenths) {
      s.note(kCello, bar, e * 0.5, key, vel, 0.2);
      s.note(kCello, bar, e * 0.5 + 0.25, key, vel - 18, 0.2);
    } else {
      s.note(kCello, bar, e * 0.5, key, vel, 0.35);
    }
  }
}

// The bass takes the accents an octave below the cellos.
void bass_accents(NoteScore& s, int bar, int root, int vel) {
  for (double b : {0.0, 1.5, 3.0}) s.note(kBass, bar, b, root - 12, b == 0.0 ? vel : vel - 15, 1.2);
}

// The horn call: E F G F E and its answers. Beats from the pair's first bar.
struct Tone {
  double beat;
  int key;
  double beats;
};
const Tone kCall[] = {{0, 52, 1.5}, {1.5, 53, 1.5}, {3, 55, 1}, {4, 53, 2}, {6, 52, 2}};
const Tone kCallUp[] = {{0, 55, 1.5}, {1.5, 57, 1.5}, {3, 59, 1}, {4, 60, 1}, {5, 59, 1}, {6, 57, 2}};
const Tone kCallDown[] = {{0, 53, 1}, {1, 52, 1}, {2, 50, 2}, {4, 52, 4}};
const Tone kCallHigh[] = {{0, 64, 1}, {1, 65, 1}, {2, 67, 2}, {4, 69, 1.5}, {5.5, 67, 0.5}, {6, 65, 1}, {7, 64, 1}};

template <size_t N>
void phrase(NoteScore& s, int channel, int bar, const Tone (&tones)[N], int transpose, int vel, double scale = 1.0) {
  for (const Tone& t : tones) {
    double at = t.beat * scale;
    // The line swells as it climbs and eases as it falls.
    const int contour = (t.key - tones[0].key) / 2;
    s.note(channel, bar + static_cast<int>(at / 4), at - 4 * static_cast<int>(at / 4), t.key + transpose,
           vel + contour, t.beats * scale * 0.95);
  }
}

void patrol(NoteScore& s) {
  for (int bar = 0; bar < kPursuit; ++bar) {
    const int root = kPatrolRoots[bar], hold = held(kPatrolRoots, bar);
    const int lift = bar * 2;  // a slow rise through the section
    ostinato(s, bar, root, 84 + lift / 2, false);
    // The basses hold home's E under the cellos' wandering.
    bass_accents(s, bar, kE, 74 + lift / 2);
    // Heartbeat.
    s.note(kTimpani, bar, 0.0, kE, 84, 1);
    s.note(kTimpani, bar, 0.75, kE, 58, 1);
    if (bar % 4 == 3) s.note(kTimpani, bar, 3.0, 47, 66, 1);
    // Ticking: a pedal hat on the off-beats, closed hats from bar 8.
    for (int b = 0; b < 4; ++b) s.note(kKit, bar, b + 0.5, kHatPedal, 40 + lift / 2, 0.2);
    for (int x = 0; x < 16; x += 2)
      s.note(kKit, bar, x * 0.25 + 0.25, kHatClosed, (bar >= 8 ? 42 : 36) + (x % 4 ? 0 : 12), 0.1);
    if (bar >= 8) s.note(kKit, bar, 3.5, kShaker, 50, 0.1);
    if (hold > 0) {
      const auto t = triad(root);
      s.note(kDrone, bar, 0, root, 76, hold * 4);
      // The fifth leans up a step to the sixth (the mode's own, a half or
      // a whole step) and back in each bar the chord holds, so the held
      // strings move inside the chord.
      const int sixth = in_mode(t[2] + 1) ? t[2] + 1 : t[2] + 2;
      for (int h = 0; h < hold; ++h) {
        s.note(kDrone, bar + h, 0, t[2], 66, 2.5);
        s.note(kDrone, bar + h, 2.5, sixth, 62, 1);
        s.note(kDrone, bar + h, 3.5, t[2], 64, 0.5);
      }
      // A thin high line keeps the opening from sitting only in the bass:
      // each new chord arrives with the fourth above its root held over
      // from the tension and falls to the third, and from bar 8 the line
      // climbs to the fifth at the end of the bar.
      const int sus = t[0] + 5 + 36, third = t[1] + 36;
      s.note(kHigh, bar, 0, sus, 54, 1.5);
      s.note(kHigh, bar, 1.5, third, 50, bar >= 8 ? hold * 4 - 2.5 : hold * 4 - 1.5);
      if (bar >= 8) s.note(kHigh, bar + hold - 1, 3, t[2] + 36, 48, 1);
    }
    // From bar 4 the harp plucks a rising figure off the beat, up the
    // chord and onto its ninth, softly at first and closer to the beat as
    // the patrol builds: the chords are heard moving, not just held.
    if (bar >= 4) {
      const auto t = triad(root);
      const int fig[6] = {t[0] + 24, t[2] + 24, t[1] + 36, t[0] + 38, t[2] + 36, t[1] + 36};
      const int n = bar >= 12 ? 6 : bar >= 8 ? 4 : 3;
      for (int k = 0; k < n; ++k)
        s.note(kHarp, bar, 0.5 + k * (bar >= 12 ? 0.5 : 1.0), fig[k], 50 + bar + (k == 0 ? 8 : 0), 0.9);
    }
    // Home's E and its fifth held high above whatever the bass does.
    if (bar % 4 == 0) {
      s.note(kAir, bar, 0, kE + 24, 62, 16);
      s.note(kAir, bar, 0, kE + 31, 56, 16);
    }
    if (bar >= 4 && bar < 8 && bar % 2 == 0) phrase(s, kHorn, bar, kCallDown, 12, 62);
  }
  // The call, then the call taken up a step at a time.
  phrase(s, kHorn, 8, kCall, 0, 84);
  phrase(s, kHorn, 10, kCallUp, 0, 86);
  phrase(s, kHorn, 12, kCall, -2, 88);
  phrase(s, kHorn, 14, kCallDown, 0, 84);
}

void pursuit(NoteScore& s) {
  for (int bar = kPursuit; bar < kChase; ++bar) {
    const int in = bar - kPursuit, root = kPursuitRoots[in], hold = held(kPursuitRoots, in);
    ostinato(s, bar, root, 92, false, kPursuitShape);
    bass_accents(s, bar, root, 90);
    // Taiko in 3+3+2 with a ghost between, toms filling every fourth bar.
    for (double b : {0.0, 1.5, 3.0}) s.note(kTaiko, bar, b, 48, b == 0.0 ? 110 : 92, 0.5);
    s.note(kTaiko, bar, 2.5, 48, 54, 0.5);
    if (in % 4 == 3) {
      const int toms[] = {kTomHigh, kTomHigh, kTomMid, kTomMid, kTomLow, kTomLow};
      for (int t = 0; t < 6; ++t) s.note(kKit, bar, 2.5 + t * 0.25, toms[t], 80 + t * 6, 0.2);
    }
    for (int x = 0; x < 16; ++x) {
      if (x % 2 || x % 4 == 2) s.note(kKit, bar, x * 0.25, kHatClosed, x % 4 == 2 ? 72 : 48, 0.1);
      s.note(kKit, bar, x * 0.25, kShaker, x % 4 == 0 ? 46 : 28, 0.1);
    }
    for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kTambourine, 56, 0.2);
    if (hold > 0) {
      // Brass chords on the new root, stabbed then held.
      for (int k : triad(root + 12)) {
        s.note(kBrass, bar, 0, k, 96, 0.8);
        s.note(kBrass, bar, 1.5, k, 84, 2.0);
      }
      s.note(kDrone, bar, 0, root, 70, hold * 4);
      s.note(kDrone, bar, 0, triad(root)[2], 62, hold * 4);
    }
    // E, home and A's fifth, held high through the pursuit: the tension
    // that pulls it back.
    if (in % 4 == 0) {
      s.note(kAir, bar, 0, kE + 24 + 12 * (in / 8), 60, 16);
      s.note(kAir, bar, 0, kE + 19 + 12 * (in / 8), 54, 16);
    }
    s.note(kTimpani, bar, 0.0, root, 90, 1);
  }
  // The call in A's world, in the horns, answered two bars later by the
  // tremolo strings; its second round climbs.
  phrase(s, kHorn, kPursuit, kCall, 5, 96);
  phrase(s, kHigh, kPursuit + 2, kCallHigh, 5 + 12, 84);
  phrase(s, kHorn, kPursuit + 4, kCallDown, 5, 92);
  phrase(s, kHigh, kPursuit + 6, kCallHigh, 3 + 12, 84);
  phrase(s, kHorn, kPursuit + 8, kCallUp, 1, 96);
  phrase(s, kHigh, kPursuit + 10, kCallHigh, 12, 86);
  phrase(s, kHorn, kPursuit + 12, kCallUp, 6, 98);
  phrase(s, kHigh, kPursuit + 14, kCallHigh, 5 + 12, 88);
  // A cymbal swell into the chase.
  s.note(kKit, kChase - 1, 3.5, kCrash, 70, 1);
}

// The chase: a gallop in triplets, no taiko, the strings driving under a
// trumpet tune of its own. C sharp minor's world, a chord a bar, then down
// a chain of fifths (D, G, C, F, B flat, E flat) to C minor and A flat,
// landing on D, the dominant of the hive's G minor.
struct Voiced {
  int bass;
  std::array<int, 4> voicing;
};
constexpr double kThird = 1.0 / 3.0;
const Tone kGallop[] = {{0, 68, 1},  {1, 73, 2 * kThird}, {1 + 2 * kThird, 75, kThird}, {2, 76, 1.5}, {3.5, 75, 0.5},
                        {4, 73, 1},  {5, 71, kThird * 2}, {5 + 2 * kThird, 73, kThird}, {6, 75, 2},
                        {8, 76, 1},  {9, 78, 2 * kThird}, {9 + 2 * kThird, 80, kThird}, {10, 81, 1.5}, {11.5, 80, 0.5},
                        {12, 78, 1}, {13, 76, 1},         {14, 75, 2}};
const Tone kGallopClose[] = {{0, 74, 1.5}, {1.5, 72, 0.5}, {2, 71, 1}, {3, 69, 1}, {4, 67, 1},  {5, 69, kThird * 2},
                             {5 + 2 * kThird, 71, kThird}, {6, 72, 2}, {8, 70, 1.5}, {9.5, 72, 0.5},
                             {10, 74, 2}, {12, 75, 1}, {13, 74, 1}, {14, 72, 1}, {15, 74, 1}};

void chase(NoteScore& s) {
  static const Voiced kChords[20] = {
      {37, {56, 61, 64, 68}}, {45, {57, 61, 64, 69}}, {42, {57, 61, 66, 69}}, {44, {56, 60, 63, 68}},
      {37, {56, 61, 64, 68}}, {40, {56, 59, 64, 68}}, {47, {54, 59, 63, 66}}, {42, {57, 61, 66, 69}},
      {44, {56, 60, 63, 68}}, {45, {57, 61, 64, 69}}, {38, {57, 62, 66, 69}}, {43, {55, 59, 62, 67}},
      {36, {55, 60, 64, 67}}, {41, {57, 60, 65, 69}}, {46, {58, 62, 65, 70}}, {39, {58, 63, 67, 70}},
      {36, {55, 60, 63, 67}}, {44, {56, 60, 63, 68}}, {38, {57, 62, 66, 69}}, {38, {57, 60, 66, 69}},
  };
  for (int bar = kChase; bar < kHive; ++bar) {
    const int in = bar - kChase;
    const Voiced& ch = kChords[in];
    const int grow = in / 2, bass = ch.bass < 40 ? ch.bass + 12 : ch.bass;
    // The gallop: every beat a long and two short, the cellos on the
    // chord's root and fifth.
    for (int b = 0; b < 4; ++b) {
      const int key = bass + (b == 3 ? 7 : 0);
      s.note(kCello, bar, b, key, 88 + grow, 0.3);
      s.note(kCello, bar, b + 2 * kThird, key, 66 + grow, 0.15);
      s.note(kCello, bar, b + 2.5 * kThird, key, 70 + grow, 0.15);
    }
    s.note(kBass, bar, 0, bass - 12, 86, 1.8);
    s.note(kBass, bar, 2, bass - 12, 74, 1.8);
    // Brass: a stab on one, the chord held from two.
    for (int k : ch.voicing) {
      s.note(kBrass, bar, 0, k - 12, 78, 0.5);
      s.note(kBrass, bar, 2, k - 12, 66 + grow, 1.8);
    }
    s.note(kHigh, bar, 0, ch.voicing[3] + 12, 58 + grow, 4);
    if (in >= 8) s.note(kHigh, bar, 0, ch.voicing[1] + 12, 52 + grow, 4);
    // Kit: a snare in triplets under the gallop, a ride on the beat.
    for (int t = 0; t < 12; ++t)
      s.note(kKit, bar, t * kThird, kSnare, t % 3 == 0 ? (t == 6 ? 60 : 40) : 24, 0.1);
    s.note(kKit, bar, 0, kBassDrum, 90, 0.4);
    s.note(kKit, bar, 2, kBassDrum, 70, 0.4);
    if (in % 4 == 0) s.note(kKit, bar, 0, in % 8 ? kSplash : kCrash, 76, 1);
    s.note(kTimpani, bar, 0, bass, 84, 1);
    s.note(kTimpani, bar, 3 + kThird, bass, 60, 0.3);
    s.note(kTimpani, bar, 3 + 2 * kThird, bass + 7 - 12, 66, 0.3);
  }
  // The trumpet's tune, the horns taking it a fourth down, then its close
  // carried down the chain of fifths.
  phrase(s, kTrumpet, kChase, kGallop, 0, 80);
  phrase(s, kHorn, kChase + 4, kGallop, -5, 92);
  phrase(s, kHorn, kChase + 8, kGallop, -1, 94);
  phrase(s, kTrumpet, kChase + 12, kGallopClose, -5, 78);
  phrase(s, kHorn, kChase + 16, kGallopClose, -2, 92);
  s.note(kKit, kHive - 1, 3.5, kCrash, 70, 1);
}

void hive(NoteScore& s) {
  // G minor's world, two bars a chord: the call is heard a minor third up
  // and twice as slow, so it belongs to the piece but not to its home key.
  struct Chord {
    int bass;
    std::array<int, 4> voicing;
  };
  // A chord a bar, the last B major, which leads to the vigil's E.
  static const Chord kChords[16] = {
      {43, {62, 67, 70, 74}}, {46, {62, 65, 70, 74}}, {39, {63, 67, 70, 75}}, {41, {60, 65, 69, 72}},
      {36, {63, 67, 72, 75}}, {45, {60, 63, 67, 72}}, {38, {62, 66, 69, 74}}, {38, {62, 66, 69, 72}},
      {43, {62, 67, 70, 74}}, {41, {62, 65, 70, 74}}, {39, {63, 67, 70, 75}}, {36, {63, 67, 72, 75}},
      {41, {65, 69, 72, 77}}, {46, {65, 70, 74, 77}}, {36, {64, 67, 72, 76}}, {35, {63, 66, 71, 75}},
  };
  for (int bar = kHive; bar < kVigil; ++bar) {
    const int in = bar - kHive, pair = in / 2;
    const Chord& ch = kChords[in];
    s.note(kBass, bar, 0, ch.bass, 72, 3.8);
    for (int k : ch.voicing) s.note(kDrone, bar, 0, k - 12, 62, 4);
    for (int k : ch.voicing) s.note(kChoir, bar, 0.5, k, 58 + (pair % 4) * 4, 3.4);
    // The first half is the oboe over the held chord and a soft pulse: the
    // harp plucks low on the chord's root and fifth, a muted timpani
    // under the downbeat, so the hush still moves. The harp's broken
    // chords, the celesta and the kit come in for the second.
    if (in < 8) {
      static const double kTick[6] = {0.0, 1.0, 1.5, 2.0, 3.0, 3.5};
      for (int t = 0; t < 6; ++t) {
        const int key = ch.bass + 12 + (t == 2 || t == 5 ? 7 : 0);
        s.note(kHarp, bar, kTick[t], key, (t == 0 || t == 3 ? 70 : 56) + in, 0.8);
      }
      s.note(kTimpani, bar, 0.0, ch.bass, 46, 1);
      continue;
    }
    // Harp: a rising broken chord on the eighths, half-time pulse.
    for (int e = 0; e < 8; ++e) {
      int k = ch.voicing[static_cast<size_t>(e % 4)] + (e >= 4 ? 12 : 0);
      s.note(kHarp, bar, e * 0.5, k, e == 0 ? 78 : 58, 1.5);
    }
    // Celesta points on beats one and three-and.
    s.note(kCeleste, bar, 0.0, ch.voicing[3] + 12, 60, 1.5);
    s.note(kCeleste, bar, 2.5, ch.voicing[1] + 24, 50, 1.5);
    // A soft kick on the half-time downbeat, a rim on beat three.
    s.note(kKit, bar, 0.0, kKick, 54, 0.5);
    s.note(kKit, bar, 2.0, kRim, 44, 0.2);
    s.note(kKit, bar, 0.0, in % 2 ? kTriangleMuted : kTriangle, 58, 1);
  }
  // The oboe sings the call slowly, up a minor third: G Ab Bb Ab G.
  phrase(s, kOboe, kHive + 2, kCall, 3 + 12, 88, 2.0);
  phrase(s, kOboe, kHive + 10, kCallUp, 3 + 12, 90, 2.0);
}

// The vigil's tune: a falling lament, its answer climbing higher, and the
// oboe's close on home's E.
const Tone kLament[] = {{0, 64, 3},  {3, 62, 1},  {4, 60, 2},  {6, 59, 2},  {8, 60, 3},  {11, 64, 1}, {12, 67, 4},
                        {16, 65, 3}, {19, 64, 1}, {20, 62, 2}, {22, 60, 2}, {24, 57, 4}, {28, 60, 4}};
const Tone kLamentAnswer[] = {{0, 67, 3},  {3, 69, 1},  {4, 71, 4},  {8, 72, 3},  {11, 71, 1}, {12, 69, 2},
                              {14, 67, 2}, {16, 70, 4}, {20, 74, 2}, {22, 65, 2}, {24, 64, 6}, {30, 62, 2}};
const Tone kLamentClose[] = {{0, 64, 2}, {2, 65, 2}, {4, 64, 4}, {8, 59, 4}, {12, 64, 4}};

void vigil(NoteScore& s) {
  // Chords over the held E, a new one each bar: E minor, C, A minor, F,
  // D minor, G, then out through D and B minor, to B flat and G minor,
  // and back through F and D minor to E.
  static const std::array<int, 4> kVoicings[20] = {
      {52, 55, 59, 64}, {52, 55, 60, 64}, {52, 57, 60, 64}, {53, 57, 60, 65}, {53, 57, 62, 65},
      {55, 59, 62, 67}, {52, 55, 60, 67}, {52, 57, 60, 69}, {54, 57, 62, 66}, {54, 59, 62, 66},
      {55, 59, 62, 67}, {52, 55, 60, 67}, {53, 58, 62, 65}, {55, 58, 62, 67}, {52, 57, 60, 69},
      {53, 57, 60, 65}, {53, 57, 62, 69}, {53, 59, 62, 65}, {54, 55, 59, 64}, {52, 55, 59, 64},
  };
  static const int kUpDown[6] = {0, 1, 2, 3, 2, 1};
  for (int bar = kVigil; bar < kRuins; ++bar) {
    const int in = bar - kVigil;
    const auto& v = kVoicings[in];
    const int grow = in / 2;  // a slow swell through the section
    if (in % 2 == 0) s.note(kBass, bar, 0, kE - 12, 70 + grow, 7.8);
    for (int k : v) s.note(kDrone, bar, 0, k - 12, 60 + grow, 4);
    if (in >= 4)
      for (int k : v) s.note(kChoir, bar, 0.5, k, 50 + grow * 2, 3.4);
    // Harp in triplets up and down the chord, the second bar an octave up.
    for (int t = 0; t < 12; ++t) {
      const int k = v[static_cast<size_t>(kUpDown[t % 6])] + (in % 2 ? 12 : 0);
      s.note(kHarp, bar, t / 3.0, k, (t % 3 == 0 ? 62 : 46) + grow, 1.0);
    }
    // A lilt underneath: the timpani on the pedal, a shaker on the triplets.
    s.note(kTimpani, bar, 0.0, kE, 56 + grow, 1);
    s.note(kTimpani, bar, 2.0, kE, 44 + grow, 1);
    for (int t = 0; t < 12; ++t)
      if (t % 3 != 1) s.note(kKit, bar, t / 3.0, kShaker, t % 6 == 0 ? 40 : 26, 0.1);
    if (in % 4 == 3) s.note(kCeleste, bar, 10.0 / 3.0, v[3] + 12, 54, 1.5);
  }
  phrase(s, kHorn, kVigil, kLament, 0, 78);
  phrase(s, kTrumpet, kVigil + 8, kLamentAnswer, 0, 76);
  phrase(s, kHorn, kVigil + 8, kLamentAnswer, -12, 62);
  phrase(s, kOboe, kVigil + 16, kLamentClose, 12, 80);
}

// The ruins: a broad brass chorale in half time after the vigil, the
// harmony turning to E major, home lit up, then out to C and G, down to
// A flat, F minor and D flat, and back by way of F, D minor and A minor to
// B, home's dominant, for the march. Cellos run in eighths under it, the
// harp and celesta light it, the timpani rolls at the phrase ends.
const Tone kChorale[] = {{0, 76, 2},  {2, 75, 1},  {3, 73, 1},  {4, 71, 3},  {7, 73, 1},  {8, 76, 2},
                         {10, 78, 2}, {12, 80, 4}, {16, 78, 2}, {18, 76, 1}, {19, 75, 1}, {20, 73, 2},
                         {22, 71, 2}, {24, 73, 4}, {28, 71, 4}};

void ruins(NoteScore& s) {
  static const Voiced kChords[24] = {
      {40, {59, 64, 68, 71}}, {39, {59, 63, 66, 71}}, {37, {61, 64, 68, 73}}, {44, {59, 63, 68, 71}},
      {45, {61, 64, 69, 73}}, {44, {59, 64, 68, 71}}, {42, {61, 66, 69, 73}}, {47, {59, 63, 66, 71}},
      {36, {60, 64, 67, 72}}, {43, {59, 62, 67, 71}}, {45, {60, 64, 69, 72}}, {40, {59, 64, 67, 71}},
      {44, {60, 63, 68, 72}}, {41, {60, 65, 68, 72}}, {37, {61, 65, 68, 73}}, {36, {60, 64, 67, 72}},
      {41, {60, 65, 69, 72}}, {38, {62, 65, 69, 74}}, {45, {60, 64, 69, 72}}, {40, {59, 64, 68, 71}},
      {36, {60, 64, 67, 72}}, {45, {60, 64, 69, 72}}, {47, {59, 63, 66, 69}}, {47, {59, 63, 69, 71}},
  };
  static const int kRunUp[8] = {0, 1, 2, 3, 2, 1, 0, 1};
  for (int bar = kRuins; bar < kTunnels; ++bar) {
    const int in = bar - kRuins;
    const Voiced& ch = kChords[in];
    const int grow = in / 3, bass = ch.bass < 40 ? ch.bass : ch.bass - 12;
    s.note(kBass, bar, 0, bass, 74 + grow, 1.9);
    s.note(kBass, bar, 2, bass + 12, 64 + grow, 1.9);
    // The chorale: horns and trombones (the brass channel) on the chord,
    // the choir doubling its top from the second phrase.
    for (int k : ch.voicing) s.note(kBrass, bar, 0, k - 12, 70 + grow * 2, 3.8);
    s.note(kHorn, bar, 0, ch.voicing[3], 66 + grow * 2, 3.8);
    if (in >= 8)
      for (int k : ch.voicing) s.note(kChoir, bar, 0.25, k, 52 + grow * 2, 3.5);
    // Cellos in eighths up and down the chord.
    for (int e = 0; e < 8; ++e)
      s.note(kCello, bar, e * 0.5, ch.voicing[static_cast<size_t>(kRunUp[e])] - 12, e % 4 == 0 ? 76 : 58, 0.45);
    // Harp on the half bar, celesta answering every other bar.
    for (int k : {ch.voicing[0] + 12, ch.voicing[2] + 12, ch.voicing[3] + 12}) s.note(kHarp, bar, 2, k, 62, 1.5);
    if (in % 2 == 1) s.note(kCeleste, bar, 1, ch.voicing[3] + 12, 56, 1.5);
    s.note(kKit, bar, 0, in % 2 ? kTriangleMuted : kTriangle, 48, 1);
    s.note(kTimpani, bar, 0, bass < 40 ? bass + 12 : bass, 70 + grow, 1);
    if (in % 4 == 3)
      for (int x = 0; x < 8; ++x) s.note(kTimpani, bar, 2 + x * 0.25, bass < 40 ? bass + 12 : bass, 44 + x * 5, 0.25);
    if (in % 8 == 0) s.note(kAir, bar, 0, ch.voicing[3] + 12, 54, 32);
  }
  // The oboe's chorale tune over E major, the call broadened on the horn
  // over the flat turn, then the oboe again, home's call over the way back.
  phrase(s, kOboe, kRuins, kChorale, 0, 80);
  phrase(s, kHorn, kRuins + 12, kCallDown, 8, 76, 2.0);
  phrase(s, kOboe, kRuins + 16, kCall, 12, 82, 2.0);
  phrase(s, kOboe, kRuins + 20, kLamentClose, 12, 78);
  s.note(kKit, kTunnels - 1, 3.5, kSplash, 60, 1);
}

void tunnels(NoteScore& s) {
  // The hive's harp, choir, celesta and oboe are free here: they become
  // pizzicato strings, trombones, xylophone and bassoon, changed a quarter
  // beat early so no note of either section is cut off or struck wrong.
  s.program(kHarp, kTunnels, -0.25, kPrPizzicato);
  s.program(kChoir, kTunnels, -0.25, kPrTrombone);
  s.program(kCeleste, kTunnels, -0.25, kPrXylophone);
  s.program(kOboe, kTunnels, -0.25, kPrBassoon);
  // Home's E Phrygian for the first half, B minor's world for the second,
  // two bars a chord; the last is F major, the flat second of home, which
  // falls a half step into the assault.
  struct Chord {
    int bass;
    std::array<int, 4> voicing;
  };
  static const Chord kChords[24] = {
      {40, {59, 64, 67, 71}}, {41, {60, 65, 69, 72}}, {36, {60, 64, 67, 72}}, {38, {62, 65, 69, 74}},
      {40, {59, 64, 67, 71}}, {45, {60, 64, 69, 72}}, {41, {60, 65, 69, 72}}, {43, {59, 62, 67, 71}},
      {40, {59, 64, 67, 71}}, {36, {60, 64, 67, 72}}, {41, {60, 65, 69, 72}}, {47, {59, 62, 66, 71}},
      {43, {59, 62, 67, 71}}, {47, {59, 62, 66, 71}}, {42, {61, 66, 70, 73}}, {47, {59, 62, 66, 71}},
      {38, {62, 66, 69, 74}}, {45, {61, 64, 69, 73}}, {43, {59, 62, 67, 71}}, {42, {61, 66, 70, 73}},
      {47, {59, 62, 66, 71}}, {36, {60, 64, 67, 72}}, {38, {62, 65, 69, 74}}, {41, {60, 65, 69, 72}},
  };
  static const int kPluck[8] = {0, 2, 1, 3, 0, 2, 1, 2};
  for (int bar = kTunnels; bar < kAssault; ++bar) {
    const int in = bar - kTunnels;
    const Chord& ch = kChords[in];
    const bool second = in >= 12;
    const int grow = second ? in - 12 : 0;  // bars into the build
    // Pizzicato eighths over the chord, 3+3+2 accents, an octave higher
    // in the second half.
    for (int e = 0; e < 8; ++e) {
      const int key = ch.voicing[static_cast<size_t>(kPluck[e])] - 12 + (second && e % 2 ? 12 : 0);
      s.note(kHarp, bar, e * 0.5, key, (e == 0 || e == 3 || e == 6 ? 82 : 62) + grow, 0.4);
    }
    s.note(kBass, bar, 0.0, ch.bass - 12, 80 + grow, 0.8);
    s.note(kBass, bar, 2.0, ch.bass - 12, 68 + grow, 0.8);
    // Trombones hold the chord low; the strings hold it high from the
    // second half.
    for (int k : ch.voicing) s.note(kChoir, bar, 0, k - 12, 66 + in / 2, 3.7);
    if (second) s.note(kHigh, bar, 0, ch.voicing[3] + 12, 60 + grow * 2, 4);
    // Home's E held high over the foreign key: the pull back to it.
    if (second && in % 4 == 0) {
      s.note(kAir, bar, 0, kE + 24, 60, 16);
      s.note(kAir, bar, 0, kE + 36, 52, 16);
    }
    // A soft march on the snare and bass drum.
    for (double b : {0.0, 0.75, 1.0, 2.0, 2.75, 3.0, 3.5})
      s.note(kKit, bar, b, kSnare, (b == 0.0 || b == 2.0 ? 56 : 40) + grow * 2, 0.2);
    s.note(kKit, bar, 0.0, kBassDrum, 70 + grow, 0.5);
    if (in % 2 == 1) s.note(kCeleste, bar, 2.5, ch.voicing[3] + 12, 62, 0.5);
    if (second && in % 4 == 0) s.note(kKit, bar, 0.0, kSplash, 60 + grow * 2, 1);
    // Hats tick in sixteenths through the build, a bright edge over the
    // pizzicato that grows with it.
    if (second)
      for (int x = 0; x < 16; ++x)
        s.note(kKit, bar, x * 0.25, kHatClosed, (x % 4 == 0 ? 52 : x % 2 ? 30 : 40) + grow * 2, 0.1);
    if (in >= 18) {
      // The taiko and the cellos' ostinato come back to drive the build.
      s.note(kTaiko, bar, 0.0, 48, 76 + grow * 3, 0.5);
      s.note(kTaiko, bar, 3.0, 48, 66 + grow * 3, 0.5);
      ostinato(s, bar, ch.bass, 76 + grow * 2, false);
    }
  }
  // The call on the bassoon, low and dry, then in B minor taken up by the
  // horns with the trumpet answering, climbing each time.
  phrase(s, kOboe, kTunnels + 2, kCall, 0, 84);
  phrase(s, kOboe, kTunnels + 6, kCallDown, 0, 80);
  phrase(s, kOboe, kTunnels + 8, kCallUp, -2, 84);
  phrase(s, kHorn, kTunnels + 12, kCall, 7, 88);
  phrase(s, kTrumpet, kTunnels + 14, kCallDown, 19, 80);
  phrase(s, kHorn, kTunnels + 16, kCallUp, 2, 92);
  phrase(s, kTrumpet, kTunnels + 18, kCallHigh, 7, 84);
  phrase(s, kHorn, kTunnels + 20, kCall, 5, 96);
  // Timpani roll from F swelling back into E.
  for (int x = 0; x < 16; ++x) s.note(kTimpani, kAssault - 1, x * 0.25, 41, 50 + x * 4, 0.25);
  s.note(kKit, kAssault - 1, 0.0, kCrash, 40, 1);
}

void assault(NoteScore& s) {
  for (int bar = kAssault; bar < kTiming.bars; ++bar) {
    const int in = bar - kAssault, root = kAssaultRoots[in], hold = held(kAssaultRoots, in);
    const bool ebb = bar >= kEbb;
    const int fade = ebb ? (bar - kEbb) : 0;  // bars into the ebb
    ostinato(s, bar, root, ebb ? 92 - fade * 2 : 100, !ebb);
    // F and C sound over home's E in the bass, as in the patrol.
    bass_accents(s, bar, root == kF || (root == kC && !ebb) ? kE : root, ebb ? 86 - fade * 2 : 100);
    s.note(kTimpani, bar, 0.0, root, ebb ? 84 : 100, 1);
    s.note(kTimpani, bar, 0.75, root, ebb ? 58 : 76, 1);
    if (!ebb) {
      // The kit: kick on the 3+3+2, snare on two and four, hats on eighths.
      for (double b : {0.0, 1.5, 3.0}) s.note(kKit, bar, b, kKick, 104, 0.3);
      for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kSnare, in % 4 == 3 && b == 3.0 ? 70 : 92, 0.2);
      for (int x = 0; x < 8; ++x) s.note(kKit, bar, x * 0.5, kRide, x % 2 ? 62 : 84, 0.2);
      for (double b : {1.0, 3.0}) s.note(kKit, bar, b, kTambourine, 64, 0.2);
      if (in % 4 == 2) s.note(kKit, bar, 0.0, kSplash, 80, 1);
      if (in % 4 == 3)
        for (int t = 0; t < 4; ++t) s.note(kKit, bar, 3.0 + t * 0.25, t < 2 ? kTomHigh : kTomLow, 96, 0.2);
      if (in % 8 == 0) s.note(kKit, bar, 0.0, kCrash, 100, 2);
      s.note(kTaiko, bar, 0.0, 48, 100, 0.5);
      s.note(kTaiko, bar, 3.0, 48, 90, 0.5);
    } else {
      for (int b = 0; b < 4; ++b) s.note(kKit, bar, b + 0.5, kHatPedal, 42, 0.2);
      if (fade < 3) s.note(kTaiko, bar, 0.0, 48, 80 - fade * 10, 0.5);
    }
    if (ebb)
      for (int x = 0; x < 16; x += 2)
        s.note(kKit, bar, x * 0.25 + 0.25, kHatClosed, (fade < 2 ? 42 : 36) + (x % 4 ? 0 : 12), 0.1);
    if (hold > 0) {
      // The chord before home is the dominant, B major with its seventh,
      // resolving onto E for the last two bars.
      const bool turn = ebb && root == kB;
      const auto t = turn ? std::array<int, 3>{root, root + 4, root + 7} : triad(root);
      s.note(kDrone, bar, 0, root, 80, hold * 4);
      s.note(kDrone, bar, 0, t[2], 70, hold * 4);
      if (ebb) s.note(kHigh, bar, 0, t[1] + 36, 56, hold * 4);
      if (turn) s.note(kHigh, bar, 0, root + 34, 50, hold * 4);
      if (!ebb) {
        for (int k : triad(root + 12)) {
          s.note(kBrass, bar, 0, k, 100, 0.6);
          s.note(kBrass, bar, 0.75, k, 90, 0.6);
          s.note(kBrass, bar, 1.5, k, 96, 2.4);
        }
      }
      if (ebb) s.note(kAir, bar, 0, t[2] + 24, 50, hold * 4);
    }
    // Home's E high over the assault, the patrol's pedal come back.
    if (!ebb && in % 4 == 0) {
      s.note(kAir, bar, 0, kE + 24, 70, 16);
      s.note(kAir, bar, 0, kE + 12, 62, 16);
    }
  }
  // The call in horns and trumpets an octave apart, strings high above,
  // each round a step higher; then it sinks back into the patrol.
  phrase(s, kHorn, kAssault, kCall, 0, 104);
  phrase(s, kTrumpet, kAssault, kCall, 12, 92);
  phrase(s, kHorn, kAssault + 2, kCallUp, -4, 100);
  phrase(s, kHigh, kAssault + 2, kCallHigh, 8, 92);
  phrase(s, kHorn, kAssault + 4, kCall, 0, 104);
  phrase(s, kTrumpet, kAssault + 4, kCallUp, 12, 94);
  phrase(s, kHorn, kAssault + 6, kCallUp, 3, 100);
  phrase(s, kHigh, kAssault + 6, kCallHigh, 12 + 3, 94);
  phrase(s, kHorn, kAssault + 8, kCall, 5, 104);
  phrase(s, kTrumpet, kAssault + 8, kCallHigh, 0, 96);
  phrase(s, kHorn, kAssault + 10, kCallDown, 1, 100);
  phrase(s, kHigh, kAssault + 10, kCall, 13, 92);
  phrase(s, kHorn, kEbb, kCallDown, -4, 84);
  // Over the dominant the call is bent to B major's D sharp and F sharp;
  // its leading note lands on E for the last two bars, which are the
  // patrol's own texture and harmony, so the wrap sounds like going on.
  phrase(s, kHorn, kEbb + 2, kCall, -1, 74);
  s.note(kHorn, kEbb + 4, 0, kE + 12, 66, 4);
  // The last beat leads into the opening's downbeat: the timpani picks up
  // on B in triplets, swelling onto the patrol's first E.
  const int last = kTiming.bars - 1;
  for (int t = 0; t < 3; ++t) s.note(kTimpani, last, 3.0 + t / 3.0, 47, 58 + t * 8, 0.3);
}

}  // namespace

LoopCanvas game_track() {
  NoteScore s(kTiming);
  s.instrument(kCello, kPrCello, 116, -0.25f);
  s.instrument(kBass, kPrContrabass, 100, 0.0f);
  s.instrument(kDrone, kPrSlowStrings, 100, 0.45f);
  s.instrument(kHorn, kPrHorn, 110, 0.3f);
  s.instrument(kBrass, kPrBrass, 96, -0.1f);
  s.instrument(kHigh, kPrTremolo, 92, 0.45f);
  s.instrument(kHarp, kPrHarp, 100, -0.4f);
  s.instrument(kChoir, kPrChoir, 96, 0.2f);
  s.instrument(kTimpani, kPrTimpani, 100, 0.0f);
  s.instrument(kKit, 0, 96, 0.0f);
  s.instrument(kTaiko, kPrTaiko, 104, -0.15f);
  s.instrument(kOboe, kPrOboe, 104, 0.15f);
  s.instrument(kCeleste, kPrCelesta, 90, 0.5f);
  s.instrument(kTrumpet, kPrTrumpet, 88, -0.3f);
  s.instrument(kAir, kPrSweepPad, 70, -0.5f);
  // Strings, brass and winds swell through their long notes; the held
  // strings are two desks, a few cents apart, left and right.
  for (int ch : {kCello, kDrone, kHigh, kAir}) s.breathe(ch, 0.3);
  for (int ch : {kHorn, kOboe, kTrumpet}) s.breathe(ch, 0.2);
  // The choir swells in slowly, a second, softer choir a few cents sharp
  // and a moment behind it; the brass chorale's held chords swell in from
  // under their attack, with slow strings doubling them.
  s.breathe(kChoir, 0.45);
  s.breathe(kBrass, 0.4);
  s.layer(kChoir, kPrChoir, kPrOohs, 84, 8, 0.045);
  s.layer(kBrass, kPrBrass, kPrSlowStrings, 76, -5, 0.02);
  s.double_on(kDrone, kDrone2, 7, -0.45f);
  // Held notes waver as players' do, a few cents, once the note has settled.
  for (int ch : {kDrone, kHigh, kOboe}) s.vibrato(ch, 7.0);
  for (int ch : {kHorn, kTrumpet, kChoir}) s.vibrato(ch, 5.0);
  s.vibrato(kBrass, 3.0);
  s.humanise(0x907E1u, 6, 0.012);
  // The calls lead the beat, the held strings, choir and chorale lean on
  // the back of it; the low strings and kit hold the middle.
  for (int ch : {kHorn, kTrumpet, kOboe}) s.place(ch, -0.008);
  for (int ch : {kHarp, kCeleste}) s.place(ch, -0.004);
  for (int ch : {kDrone, kChoir, kBrass, kAir}) s.place(ch, 0.012);
  s.place(kHigh, 0.006);

  patrol(s);
  pursuit(s);
  chase(s);
  hive(s);
  vigil(s);
  ruins(s);
  tunnels(s);
  assault(s);

  LoopCanvas c = render(s);
  // A bowed pad of our own under the held strings and the sweep, and a
  // breath over the oboe, so the sections are not one preset each.
  {
    const std::vector<MidiEvent> ev = s.events();
    own_layer(c, ev, kDrone, {Voice::bowed_pad, 10.0f, 0.4f, 0.05f});
    own_layer(c, ev, kAir, {Voice::bowed_pad, 9.0f, -0.45f, 0.05f});
    own_layer(c, ev, kHigh, {Voice::bowed_pad, 12.0f, 0.5f, 0.07f});
    own_layer(c, ev, kOboe, {Voice::breath, 40.0f, 0.15f});
  }
  // The piece's arc: the patrol creeps in, the pursuit drives, the hive
  // drops to a solo oboe over held strings, the tunnels march back up, the
  // assault is the climax and the ebb sinks back to where the loop began.
  auto at = [](int bar) { return kTiming.at(bar, 0.0); };
  // The assault stands a few decibels over the pursuit, and the hive's
  // lull is kept shallow enough to stay above the effects.
  contour(c, {{at(0), -2.5f}, {at(10), -1.5f}, {at(16), -1.0f}, {at(30), -0.5f}, {at(kChase + 1), 0.0f},
              {at(kHive - 2), 0.5f}, {at(kHive + 1), -1.0f}, {at(kHive + 8), -1.2f}, {at(kHive + 14), -0.8f},
              {at(kVigil + 2), -0.3f}, {at(kVigil + 10), 0.0f}, {at(kVigil + 18), -0.5f},
              {at(kRuins + 1), -1.2f}, {at(kRuins + 12), -0.5f}, {at(kRuins + 22), -0.5f},
              {at(kTunnels + 1), -1.0f}, {at(kTunnels + 12), 0.5f}, {at(kTunnels + 23), 0.0f},
              {at(kAssault), 0.5f}, {at(kAssault + 5), 2.0f}, {at(kAssault + 10), 2.5f},
              {at(kAssault + 14), -1.0f}, {at(kAssault + 16), -2.4f}});
  hall(c, {2.3, 0.024, 5000.0, 240.0, 0.22f});
  // Lighter in the bass and a little brighter on top: the sound font's
  // strings and brass are dull, but a shelf lifts only what they play (a
  // distortion-made top would add a fizz no acoustic instrument has). The
  // timpani and basses get their weight back round 50 Hz, an octave under
  // where the rifle thumps.
  // The air shelf and sheen bell lift the bows', cymbals' and reeds' air
  // above 6 kHz across every voice at once, so the top opens without one
  // bright voice standing out; the presence bell leaves 4 kHz alone.
  // The effects' pocket is cut deep, 500 Hz to 1.5 kHz, where the
  // creatures and voices carry.
  tone(c, -5.0f, 1.5f, 10.0f, 2.0f, -3.0f, -10.0f, 4.5f, 6.0f);
  // The assault stands on a sub root of our own synth, under the basses.
  sub_roots(c, kTiming, kAssault, std::vector<int>(kAssaultRoots, kAssaultRoots + (kEbb - kAssault)), 14.0f);
  // A bed under play, but one whose climaxes rise: only the deepest lulls
  // are lifted, and gently, so the loudness still follows the action.
  lift_quiet(c, 3.0f, 2.0f, 4.0f);
  level_seam(c, 6.0);
  level_wrap(c, 0.05);
  master(c);
  return c;
}

}  // namespace contentgen::music
