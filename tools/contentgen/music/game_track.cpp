// The in-game music: a tense piece in E Phrygian for a small orchestra, in
// four sections that each have their own texture, played through the
// General MIDI sound font.
//   Patrol  (bars 0-15)  low strings ticking over a drone, a heartbeat on
//                        the timpani, the horn call entering halfway.
//   Pursuit (16-31)      taiko in 3+3+2, brass chords on the flat second,
//                        the call answered by high tremolo strings.
//   Hive    (32-47)      the contrast: half time, no drums, the harmony
//                        gone to C minor; choir, harp and celesta, and the
//                        call slowed on a solo oboe.
//   Assault (48-65)      the full band home in E, then it thins back to
//                        the patrol's texture so the loop comes round level.
#include <array>

#include "music/fluid_render.h"
#include "music/notes.h"
#include "music/score.h"

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
};

// General MIDI programs (0-based) and drum keys.
enum Program {
  kPrCello = 42, kPrContrabass = 43, kPrTremolo = 44, kPrHarp = 46, kPrTimpani = 47,
  kPrStrings = 48, kPrSlowStrings = 49, kPrChoir = 52, kPrTrumpet = 56, kPrHorn = 60,
  kPrBrass = 61, kPrOboe = 68, kPrCelesta = 8, kPrTaiko = 116, kPrSweepPad = 95,
};
enum Drum { kKick = 36, kSnare = 38, kRim = 37, kHatClosed = 42, kHatPedal = 44, kTomLow = 43,
            kTomMid = 47, kTomHigh = 50, kCrash = 49, kRide = 51, kTambourine = 54, kSplash = 55,
            kShaker = 70, kTriangleMuted = 80, kTriangle = 81 };

constexpr int kE = 40;  // E2, the home of the piece

const Timing kTiming{100, 4, 66};
constexpr int kPursuit = 16, kHive = 32, kAssault = 48, kEbb = 60;

// Three-chord voicings in the mode: the root's triad in E Phrygian.
std::array<int, 3> triad(int root) {
  switch ((root % 12 + 12) % 12) {
    case 4: return {root, root + 3, root + 7};   // E minor
    case 5: return {root, root + 4, root + 7};   // F major
    case 7: return {root, root + 4, root + 7};   // G major
    case 2: return {root, root + 3, root + 7};   // D minor
    case 0: return {root, root + 4, root + 7};   // C major
    default: return {root, root + 3, root + 6};
  }
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
    s.note(channel, bar + static_cast<int>(at / 4), at - 4 * static_cast<int>(at / 4), t.key + transpose, vel,
           t.beats * scale * 0.95);
  }
}

void patrol(NoteScore& s) {
  static const int kRoots[8] = {kE, kE, kE, kE, kE, 41, kE, 38};  // per two bars
  for (int bar = 0; bar < kPursuit; ++bar) {
    const int pair = bar / 2, root = kRoots[pair];
    const int lift = bar * 2;  // a slow rise through the section
    ostinato(s, bar, root, 84 + lift / 2, false);
    bass_accents(s, bar, root, 74 + lift / 2);
    // Heartbeat.
    s.note(kTimpani, bar, 0.0, kE, 84, 1);
    s.note(kTimpani, bar, 0.75, kE, 58, 1);
    if (bar % 4 == 3) s.note(kTimpani, bar, 3.0, 47, 66, 1);
    // Ticking: a pedal hat on the off-beats, closed hats from bar 8.
    for (int b = 0; b < 4; ++b) s.note(kKit, bar, b + 0.5, kHatPedal, 40 + lift / 2, 0.2);
    for (int x = 0; x < 16; x += 2)
      s.note(kKit, bar, x * 0.25 + 0.25, kHatClosed, (bar >= 8 ? 42 : 36) + (x % 4 ? 0 : 12), 0.1);
    if (bar >= 8) s.note(kKit, bar, 3.5, kShaker, 50, 0.1);
    if (bar % 2 == 0) {
      s.note(kDrone, bar, 0, root, 76, 8);
      s.note(kDrone, bar, 0, triad(root)[2], 66, 8);
      // A thin high shimmer keeps the opening from sitting only in the bass.
      s.note(kHigh, bar, 0, kE + 36 + (pair % 4 == 3 ? 1 : 0), 50, 8);
      s.note(kAir, bar, 0, kE + 24 + (pair % 2 ? 7 : 0), 62, 8);
    }
    if (bar >= 4 && bar < 8 && bar % 2 == 0) phrase(s, kHorn, bar, kCallDown, 12, 62);
    if (bar >= 8 && bar % 2 == 0) {
      int k = (bar - 8) / 2;
      if (k == 0) phrase(s, kHorn, bar, kCall, 0, 84);
      if (k == 1) phrase(s, kHorn, bar, kCallUp, 0, 86);
      if (k == 2) phrase(s, kHorn, bar, kCall, 0, 88);
      if (k == 3) phrase(s, kHorn, bar, kCallDown, 0, 84);
    }
  }
}

void pursuit(NoteScore& s) {
  static const int kRoots[8] = {kE, 41, kE, 38, 36, 38, 41, kE};
  for (int bar = kPursuit; bar < kHive; ++bar) {
    const int in = bar - kPursuit, pair = in / 2, root = kRoots[pair];
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
    if (in % 2 == 0) {
      // Brass chords on the pair's root, stabbed then held.
      auto t = triad(root + 12);
      for (int k : t) {
        s.note(kBrass, bar, 0, k, 96, 0.8);
        s.note(kBrass, bar, 1.5, k, 84, 2.0);
      }
      s.note(kDrone, bar, 0, root, 70, 8);
    }
    // The call in the horns, answered two bars later by the tremolo strings.
    if (in % 4 == 0) {
      if (in < 8) phrase(s, kHorn, bar, kCall, 0, 96);
      else phrase(s, kHorn, bar, kCallUp, 0, 96);
    }
    if (in % 4 == 2) phrase(s, kHigh, bar, kCallHigh, 12, 84);
    s.note(kTimpani, bar, 0.0, root, 90, 1);
  }
  // A cymbal swell into the hive.
  s.note(kKit, kHive - 1, 3.5, kCrash, 70, 1);
}

void hive(NoteScore& s) {
  // C minor's world, two bars a chord: the call is heard a major third down
  // and twice as slow, so it belongs to the piece but not to its home key.
  struct Chord {
    int bass;
    std::array<int, 4> voicing;
  };
  static const Chord kChords[8] = {
      {36, {55, 60, 63, 67}}, {32, {56, 60, 63, 68}}, {29, {56, 60, 65, 68}}, {31, {55, 59, 62, 67}},
      {36, {55, 60, 63, 67}}, {32, {56, 60, 63, 68}}, {34, {58, 62, 65, 70}}, {29, {57, 60, 65, 69}},
  };
  for (int bar = kHive; bar < kAssault; ++bar) {
    const int in = bar - kHive, pair = in / 2;
    const Chord& ch = kChords[pair];
    if (in % 2 == 0) {
      s.note(kBass, bar, 0, ch.bass, 72, 7.5);
      for (int k : ch.voicing) s.note(kDrone, bar, 0, k - 12, 62, 8);
      for (int k : ch.voicing) s.note(kChoir, bar, 0.5, k, 58 + (pair % 4) * 4, 7.5);
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
  // The oboe sings the call slowly, down a major third: C Db Eb Db C.
  phrase(s, kOboe, kHive + 2, kCall, -4 + 12, 88, 2.0);
  phrase(s, kOboe, kHive + 10, kCallUp, -4 + 12, 90, 2.0);
  // Timpani roll from F swelling back into E.
  for (int x = 0; x < 16; ++x) s.note(kTimpani, kAssault - 1, x * 0.25, 41, 50 + x * 4, 0.25);
  s.note(kKit, kAssault - 1, 0.0, kCrash, 40, 1);
}

void assault(NoteScore& s) {
  static const int kRoots[9] = {kE, 36, 38, 41, 43, 41, 36, 41, kE};
  for (int bar = kAssault; bar < kTiming.bars; ++bar) {
    const int in = bar - kAssault, pair = in / 2, root = kRoots[pair];
    const bool ebb = bar >= kEbb;
    const int fade = ebb ? (bar - kEbb) : 0;  // bars into the ebb
    ostinato(s, bar, root, ebb ? 92 - fade * 2 : 100, !ebb);
    bass_accents(s, bar, root, ebb ? 86 - fade * 2 : 100);
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
    if (in % 2 == 0) {
      s.note(kDrone, bar, 0, root, 80, 8);
      s.note(kDrone, bar, 0, triad(root)[2], 70, 8);
      if (ebb) s.note(kHigh, bar, 0, kE + 36, 56, 8);
      if (!ebb) {
        auto t = triad(root + 12);
        for (int k : t) {
          s.note(kBrass, bar, 0, k, 100, 0.6);
          s.note(kBrass, bar, 0.75, k, 90, 0.6);
          s.note(kBrass, bar, 1.5, k, 96, 2.4);
        }
      }
      if (ebb) s.note(kAir, bar, 0, kE + 24, 50, 8);
    }
    // The call in horns and trumpets an octave apart; strings high above.
    if (!ebb && in % 2 == 0) {
      if (pair % 2 == 0) {
        phrase(s, kHorn, bar, kCall, 0, 104);
        phrase(s, kTrumpet, bar, kCall, 12, 92);
      } else {
        phrase(s, kHorn, bar, kCallUp, 0, 100);
        phrase(s, kHigh, bar, kCallHigh, 12, 92);
      }
    }
    // The call sinks back into the patrol: down, then once more, softly.
    if (ebb && bar == kEbb) phrase(s, kHorn, bar, kCallDown, 0, 84);
    if (ebb && bar == kEbb + 2) phrase(s, kHorn, bar, kCall, 0, 70);
  }
}

}  // namespace

LoopCanvas game_track() {
  NoteScore s(kTiming);
  s.instrument(kCello, kPrCello, 116, -0.25f);
  s.instrument(kBass, kPrContrabass, 100, 0.0f);
  s.instrument(kDrone, kPrSlowStrings, 100, 0.1f);
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
  s.humanise(0x907E1u, 6, 0.012);

  patrol(s);
  pursuit(s);
  hive(s);
  assault(s);

  LoopCanvas c = render(s);
  loop_reverb(c, 0.7f, 0.45f, 0.22f);
  // Lighter in the bass and much brighter on top: the sound font's strings
  // and brass are dull, and small speakers lose the piece without its edge.
  tone(c, -3.5f, 9.0f, 3.0f);
  excite(c, 3.0f);
  level_seam(c, 6.0);
  master(c);
  return c;
}

}  // namespace contentgen::music
