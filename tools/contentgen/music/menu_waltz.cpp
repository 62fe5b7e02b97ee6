// The second menu piece: a slow waltz in D minor, its own tune and its own
// players, so that the other music variant is new music, not a remix.
//   Opening  (bars 0-5)   a nylon guitar picking the chords alone.
//   Song     (6-21)       the English horn sings the tune over the guitar
//                         and soft strings, a cello on the downbeats.
//   Lift     (22-37)      the strings and a solo violin take a new tune in
//                         F major over pizzicato oom-pah-pah, vibraphone,
//                         timpani and a triangle: the loudest part.
//   Hemiola  (38-53)      a dance in C major that crosses the bar: harp,
//                         plucked strings, vibraphone and tambourine
//                         strike every second beat, so two bars of three
//                         are heard as three of two, and a flute sings
//                         over it, turning to F, which leads into B flat.
//   Music box(54-65)      the contrast: no pulse, a music box and a choir
//                         of oohs over B flat, G minor and E flat.
//   Close    (66-75)      the horn's tune once more, in G minor over a held
//                         D, falling away until the guitar picks its way
//                         home alone.
#include <algorithm>
#include <cmath>
#include <vector>

#include "music/fluid_render.h"
#include "music/hall.h"
#include "music/notes.h"
#include "music/own_voices.h"
#include "music/score.h"
#include "music/sub_bass.h"

namespace contentgen::music {

namespace {

enum Channel {
  kGuitar = 0,
  kHornEn = 1,
  kStrings = 2,
  kViolin = 3,
  kCello = 4,
  kPizz = 5,
  kVibes = 6,
  kMusicBox = 7,
  kOohs = 8,
  kPerc = kDrumChannel,
  kTimpani = 10,
  kHarp = 11,
  kStrings2 = 12,
  kCello2 = 13,
  kOohs2 = 14,
  kFlute = 15,
};

enum Program {
  kPrMusicBox = 10, kPrVibraphone = 11, kPrNylon = 24, kPrViolin = 40, kPrCello = 42,
  kPrPizzicato = 45, kPrHarp = 46, kPrTimpani = 47, kPrStrings = 48, kPrOohs = 53,
  kPrEnglishHorn = 69, kPrFlute = 73, kPrOrchestraKit = 48,
};
enum Drum { kTriangle = 81, kTriangleMuted = 80, kCymbalRoll = 52, kChimes = 84, kTambourine = 54 };

const Timing kTiming{105, 3, 76};
constexpr int kSong = 6, kLift = 22, kDance = 38, kBox = 54, kClose = 66;

// One chord a bar: its root (bass octave) and whether its third is minor.
struct Chord {
  int root;
  bool minor;
};
constexpr Chord Dm{38, true}, Gm{43, true}, C{36, false}, F{41, false}, A{45, false}, Bb{46, false},
    Eb{39, false}, Cm{36, true}, Am{45, true}, G{43, false}, Em{40, true};
// No stretch of chords comes back: the opening turns through B flat,
// G minor and A and leans on B flat into the song, the song's second half
// turns through B flat and, where its first held G minor, to E flat, the lift's through D minor and B flat, the music
// box goes on to C minor and back to D minor, and the close sings in
// G minor over a held D before the guitar leads home through B flat and A.
const Chord kChords[76] = {
    Dm, Bb, Gm, A, Dm, Bb,                                      // opening
    Dm, Dm, Gm, Gm, C, C, F, A, Bb, Dm, Gm, Eb, Bb, A, Dm, Dm,  // song
    F, F, C, C, Dm, Dm, Bb, Bb, Dm, Bb, C, C, Gm, A, Dm, A,     // lift
    C, C, Am, Am, F, F, G, G, Em, Em, Am, Am, Dm, Dm, F, F,     // hemiola
    Bb, Bb, Gm, Gm, Eb, Eb, Cm, Cm, Dm, Dm, A, A,               // music box
    Gm, Gm, Cm, Cm, Gm, A, Dm, Gm, Bb, A,                       // close
};

int third(const Chord& c) { return c.minor ? 3 : 4; }

bool again(int bar) {
  return bar > 0 && kChords[bar - 1].root == kChords[bar].root && kChords[bar - 1].minor == kChords[bar].minor;
}

struct Tone {
  double beat;
  int key;
  double beats;
};
using Bar = std::vector<Tone>;
const Bar kSongTune[16] = {
    {{0, 69, 2}, {2, 74, 1}},       {{0, 77, 1.5}, {1.5, 76, 0.5}, {2, 74, 1}},
    {{0, 74, 1}, {1, 70, 1}, {2, 67, 1}}, {{0, 69, 2}, {2, 70, 1}},
    {{0, 72, 1.5}, {1.5, 74, 0.5}, {2, 76, 1}}, {{0, 79, 2}, {2, 76, 1}},
    {{0, 77, 1}, {1, 76, 1}, {2, 72, 1}}, {{0, 76, 2}, {2, 73, 1}},
    {{0, 74, 2}, {2, 77, 1}},       {{0, 81, 1.5}, {1.5, 79, 0.5}, {2, 77, 1}},
    {{0, 79, 1}, {1, 77, 1}, {2, 74, 1}}, {{0, 70, 2}, {2, 74, 1}},
    {{0, 77, 1}, {1, 74, 1}, {2, 70, 1}}, {{0, 73, 1.5}, {1.5, 76, 0.5}, {2, 69, 1}},
    {{0, 74, 3}},                   {{1, 65, 1}, {2, 69, 1}},
};
const Bar kLiftTune[16] = {
    {{0, 81, 1}, {1, 84, 2}},       {{0, 82, 1}, {1, 81, 1}, {2, 79, 1}},
    {{0, 79, 1}, {1, 76, 1}, {2, 84, 1}}, {{0, 79, 3}},
    {{0, 77, 1}, {1, 81, 1}, {2, 86, 1}}, {{0, 84, 1.5}, {1.5, 81, 0.5}, {2, 77, 1}},
    {{0, 86, 1}, {1, 84, 1}, {2, 82, 1}}, {{0, 81, 2}, {2, 79, 1}},
    {{0, 81, 1}, {1, 84, 2}},       {{0, 81, 1}, {1, 79, 1}, {2, 77, 1}},
    {{0, 76, 1}, {1, 79, 1}, {2, 84, 1}}, {{0, 82, 2}, {2, 81, 1}},
    {{0, 79, 1}, {1, 82, 1}, {2, 86, 1}}, {{0, 85, 2}, {2, 76, 1}},
    {{0, 86, 2}, {2, 81, 1}},       {{0, 76, 1.5}, {1.5, 73, 1.5}},
};

// The hemiola's flute tune, in half notes across each pair of bars (beats
// 0-5 of the pair), so the line walks in twos against the waltz's threes.
const Bar kDanceTune[8] = {
    {{0, 76, 2}, {2, 79, 2}, {4, 84, 2}},                  // C
    {{0, 83, 2}, {2, 81, 1}, {3, 79, 1}, {4, 76, 2}},      // Am
    {{0, 77, 2}, {2, 81, 2}, {4, 84, 2}},                  // F
    {{0, 83, 3}, {3, 79, 1}, {4, 74, 2}},                  // G
    {{0, 79, 2}, {2, 83, 2}, {4, 88, 2}},                  // Em
    {{0, 84, 2}, {2, 81, 1}, {3, 76, 1}, {4, 72, 2}},      // Am
    {{0, 74, 2}, {2, 77, 2}, {4, 81, 2}},                  // Dm
    {{0, 79, 3}, {3, 77, 1}, {4, 72, 2}},                  // F
};

void strings_bar(NoteScore& s, int channel, int bar, const Chord& ch, int vel, bool again = false);

// Whether a bar repeats the chord of the bar before it.
bool again(int bar);

// The hemiola: the guitar rests; harp, plucked strings, vibraphone and a
// tambourine strike on beats one and three of the first bar of each pair
// and on two of the second, while the cello keeps the bar's downbeat.
void dance(NoteScore& s) {
  for (int bar = kDance; bar < kBox; ++bar) {
    const int in = bar - kDance;
    const Chord& ch = kChords[bar];
    const int r = ch.root;
    const bool first = in % 2 == 0;
    for (double b : first ? std::vector<double>{0.0, 2.0} : std::vector<double>{1.0}) {
      const bool down = first && b == 0.0;
      for (int k : {r + 12, r + 19, r + 24 + third(ch)}) s.note(kPizz, bar, b, k, down ? 90 : 78, 0.6);
      s.note(kHarp, bar, b, r + 24 + third(ch), down ? 74 : 64, 1.5);
      s.note(kHarp, bar, b + 0.5, r + 31, 56, 1.0);
      s.note(kVibes, bar, b, r + 36 + (down ? 7 : third(ch)), 66, 1.5);
      s.note(kPerc, bar, b, kTambourine, down ? 64 : 52, 0.3);
    }
    s.note(kCello, bar, 0, r < 40 ? r + 12 : r, first ? 78 : 66, 2.8);
    s.note(kCello, bar, 0, r - 12, first ? 62 : 54, 2.8);  // the floor an octave under the bass
    if (first) strings_bar(s, kStrings, bar, ch, 64 + in);
  }
  for (int p = 0; p < 8; ++p)
    for (const Tone& t : kDanceTune[p]) {
      const int bar = kDance + 2 * p + static_cast<int>(t.beat / 3);
      s.note(kFlute, bar, t.beat - 3 * static_cast<int>(t.beat / 3), t.key, 86 + (t.beats >= 2 ? 4 : 0), t.beats * 0.95);
    }
}

void tune(NoteScore& s, int channel, int first_bar, const Bar* bars, int count, int transpose, int vel, int fall = 0) {
  for (int b = 0; b < count; ++b)
    for (const Tone& t : bars[b])
      s.note(channel, first_bar + b, t.beat, t.key + transpose, vel - fall * b + (t.beats >= 2 ? 6 : 0), t.beats * 0.95);
}

// The opening's second phrase stands on a low D (the guitar's sixth string
// dropped), with the dominant over its leading tone, so when the song
// takes up the same chords over their roots it is heard as new. -1 for
// the chord's own bass.
int opening_bass(int bar) {
  if (bar < 2 || bar >= kSong) return -1;
  return kChords[bar].root == A.root ? 37 : 38;
}

// The guitar picks six eighths a bar: bass, then the chord rising and
// turning back. A leading bar lets its upper notes ring to the barline,
// each a little stronger, leaning into the next downbeat.
void guitar_bar(NoteScore& s, int bar, const Chord& ch, int vel, bool leading = false, bool falling = false,
                bool again = false, int bass = -1) {
  const int r = ch.root < 40 ? ch.root + 12 : ch.root;
  // The fifth is picked once a bar and the root twice above the bass, so
  // the chord's own note, not its fifth, rings through.
  const int rising[6] = {r, r + 7, r + 12 + third(ch), r + 12, r + 24, r + 12 + third(ch)};
  // The close's figure falls from the top of the chord instead.
  const int fall[6] = {r, r + 24 + third(ch), r + 24, r + 12 + third(ch), r + 12, r + 7};
  const int* keys = falling ? fall : rising;
  for (int e = 0; e < 6; ++e) {
    // A chord's second bar reaches up to its ninth instead of the octave,
    // and its fifth gives way to the third, so the bar is not its twin.
    int key = keys[e];
    if (again && !falling && e == 4) key = r + 26;
    if (again && !falling && e == 1) key = r + third(ch);
    // And its bass steps up to the third: the chord's first inversion.
    if (again && !falling && e == 0) key = r + third(ch);
    if (bass >= 0 && e == 0) key = bass;
    int v = e == 0 ? vel : leading ? vel + 2 * e : vel - 14 + (e == 4 ? 8 : 0);
    s.note(kGuitar, bar, e * 0.5, key, v, e == 0 ? 3.0 : leading ? 3.0 - e * 0.5 : 1.2);
  }
}

void strings_bar(NoteScore& s, int channel, int bar, const Chord& ch, int vel, bool again) {
  const int base = ch.root + 12;
  // A chord's second bar opens out: the third in the lower desk, the
  // fifth and the octave over it.
  if (again) {
    for (int k : {base + third(ch), base + 7 + 12, base + 24}) s.note(channel, bar, 0, k, vel, 3);
    return;
  }
  // Root, octave and third: with two desks a fifth in the chord would ring
  // louder than the key's own note.
  for (int k : {base, base + 12, base + 12 + third(ch)}) s.note(channel, bar, 0, k, vel, 3);
}

// The floor: our own sub bass on each downbeat, the chord's root an octave
// under the cello's low note, held a little over a beat; softer under the
// guitar alone and the music box, whose roots are held longer.
void lay_floor(LoopCanvas& c) {
  double sum = 0.0;
  for (size_t i = 0; i < c.size(); ++i) sum += 0.5 * (c.left()[i] * c.left()[i] + c.right()[i] * c.right()[i]);
  const double rms = std::sqrt(sum / static_cast<double>(std::max<size_t>(c.size(), 1)));
  for (int bar = 0; bar < kTiming.bars; ++bar) {
    const bool box = bar >= kBox && bar < kClose, alone = bar < kSong || bar >= kTiming.bars - 2;
    const double level_db = box ? -14.0 : alone ? -13.0 : -11.0;
    const auto gain = static_cast<float>(rms * std::sqrt(2.0) * std::pow(10.0, level_db / 20.0));
    double hz = 440.0 * std::pow(2.0, (kChords[bar].root - 69) / 12.0);
    while (hz >= 60.0) hz *= 0.5;
    while (hz < 36.0) hz *= 2.0;
    const size_t beat = kTiming.beat_frames();
    sub_note(c, kTiming.at(bar, 0.0), box ? beat * 3 : beat * 3 / 2, hz, gain);
  }
}

}  // namespace

LoopCanvas menu_waltz() {
  NoteScore s(kTiming);
  s.instrument(kGuitar, kPrNylon, 120, -0.25f);
  s.instrument(kHornEn, kPrEnglishHorn, 110, 0.1f);
  s.instrument(kStrings, kPrStrings, 92, 0.45f);
  s.instrument(kViolin, kPrViolin, 104, -0.1f);
  s.instrument(kCello, kPrCello, 96, -0.35f);
  s.instrument(kPizz, kPrPizzicato, 100, 0.3f);
  s.instrument(kVibes, kPrVibraphone, 96, 0.5f);
  s.instrument(kMusicBox, kPrMusicBox, 96, 0.35f);
  s.instrument(kOohs, kPrOohs, 92, -0.3f);
  s.instrument(kPerc, kPrOrchestraKit, 84, 0.2f);
  s.instrument(kTimpani, kPrTimpani, 96, 0.0f);
  s.instrument(kHarp, kPrHarp, 96, -0.45f);
  s.instrument(kFlute, kPrFlute, 100, 0.2f);
  // The bowed and blown parts swell through their long notes; the string
  // section is two desks a few cents apart, left and right.
  for (int ch : {kStrings, kCello, kOohs}) s.breathe(ch, 0.3);
  for (int ch : {kHornEn, kViolin, kFlute}) s.breathe(ch, 0.2);
  s.double_on(kStrings, kStrings2, 6, -0.4f);
  // The cellos and the choir are sections too: a second desk each.
  s.double_on(kCello, kCello2, -5, -0.05f);
  s.double_on(kOohs, kOohs2, 7, 0.1f);
  // Held notes waver as players' do, a few cents, once the note has settled.
  for (int ch : {kViolin, kStrings, kCello, kHornEn, kFlute}) s.vibrato(ch, 7.0);
  s.vibrato(kOohs, 4.0);
  s.humanise(0x3A17u, 5, 0.012);

  for (int bar = 0; bar < kTiming.bars; ++bar) {
    const Chord& ch = kChords[bar];
    if (bar >= kDance && bar < kBox) continue;  // the hemiola's players are its own
    const bool song = bar >= kSong && bar < kLift, lift = bar >= kLift && bar < kDance;
    const bool box = bar >= kBox && bar < kClose, close = bar >= kClose;
    // The guitar: alone at the ends, under the song, gone in the lift's
    // loudest half and in the music box.
    if (!box) {
      // The loop's last bar leans into its first, which starts softly.
      int vel = bar < kSong ? 72 + 2 * bar : song ? 84 : lift ? 78 : 86 - (bar - kClose);
      if (!(lift && bar >= kLift + 8))
        guitar_bar(s, bar, ch, vel, bar == kTiming.bars - 1, close && bar < kTiming.bars - 1, again(bar),
                   opening_bass(bar));
    }
    if (song || close) {
      if (bar < kClose + 6) strings_bar(s, kStrings, bar, ch, song ? 62 + (bar - kSong) : 66 - (bar - kClose) * 4, again(bar));
      // In the close the cello holds D under the tune's turn to G minor.
      if (bar < kClose + 4) {
        s.note(kCello, bar, 0, song ? ch.root + 12 + (again(bar) ? third(ch) : 0) : 50, song ? 76 : 74, 2.8);
        s.note(kCello, bar, 0, song ? ch.root - 12 : 26, song ? 54 : 50, 2.8);
      }
      // The middle of the song: the harp answers the guitar on beats two
      // and three, in the octave over middle C, the chord's third and
      // fifth, turning to its fifth and octave on a chord's second bar.
      if (song) {
        const int r = ch.root < 40 ? ch.root + 24 : ch.root + 12;
        const int lo = again(bar) ? r + 7 : r + third(ch), hi = again(bar) ? r + 12 : r + 7;
        s.note(kHarp, bar, 1, lo, 58, 1);
        s.note(kHarp, bar, 2, hi, 54, 1);
        s.note(kHarp, bar, 2.5, bar % 2 ? r + 14 : lo + 12, 46, 0.5);
      }
    }
    if (lift) {
      const int in = bar - kLift;
      strings_bar(s, kStrings, bar, ch, 90, again(bar));
      // The lift's strings add the chord's seventh high, a colour the song's
      // plain triads never had, so its chords do not return as the song's.
      s.note(kStrings, bar, 0, ch.root + 24 + (ch.minor || ch.root == A.root ? 10 : 11), 70, 3);
      // Oom-pah-pah: the root on one, its third and octave on two and three.
      const int r = ch.root;
      s.note(kPizz, bar, 0, again(bar) ? r + third(ch) : r, 96, 0.8);
      for (double b : {1.0, 2.0})
        for (int k : {r + 12 + third(ch), r + 24}) s.note(kPizz, bar, b, k, 74, 0.6);
      s.note(kCello, bar, 0, again(bar) ? r + third(ch) : r, 92, 2.8);
      s.note(kCello, bar, 0, r - 12, 64, 2.8);
      if (in % 2 == 0) s.note(kTimpani, bar, 0, r < 41 ? r + 12 : r, 88, 1);
      s.note(kPerc, bar, 0, in % 4 == 0 ? kTriangle : kTriangleMuted, 70, 1);
      // Vibraphone answers on beat three, a chord tone two octaves up.
      s.note(kVibes, bar, 2, r + 24 + (in % 2 ? 7 : third(ch)) + 12, 82, 1);
      // Harp runs up through every second bar.
      if (in % 2 == 1)
        for (int e = 0; e < 6; ++e) {
          const int steps[6] = {0, third(ch), 7, 12, 12 + third(ch), 19};
          s.note(kHarp, bar, e * 0.5, r + 24 + steps[e], 70 + e * 3, 1.5);
        }
    }
    if (box) {
      const int r = ch.root;
      // The music box picks the chord high, unhurried; the choir holds it.
      // Its second bar reaches to the ninth.
      const int steps[3] = {12 + third(ch), 19, again(bar) ? 26 : 24};
      for (int e = 0; e < 3; ++e) s.note(kMusicBox, bar, e * 1.0, r + 36 + steps[e] - 12, e == 0 ? 76 : 64, 2);
      if ((bar - kBox) % 2 == 0) {
        for (int k : {r + 12, r + 19, r + 24 + third(ch)}) s.note(kOohs, bar, 0, k, 70, 6);
        // The cello holds D under every chord that has it, so the home
        // note carries on through the music box's wandering.
        const bool holds_d = (r - 2 + 120) % 12 == 0 || (r + third(ch) - 2 + 120) % 12 == 0 || (r + 7 - 2 + 120) % 12 == 0;
        s.note(kCello, bar, 0, holds_d ? 50 : r, 64, 6);
        s.note(kCello, bar, 0, holds_d ? 38 : r - 12, 52, 6);
        // Over E flat and C minor the choir's top voice keeps D as their
        // seventh and ninth.
        if (!holds_d && ch.root != A.root) s.note(kOohs, bar, 0, 74, 74, 6);
      }
    }
  }

  tune(s, kHornEn, kSong, kSongTune, 16, 0, 94);
  tune(s, kViolin, kLift, kLiftTune, 16, 0, 100);
  tune(s, kStrings, kLift + 8, kLiftTune + 8, 8, -12, 84);
  // The music box's bars: the song's opening, slow, on the vibraphone.
  tune(s, kVibes, kBox + 2, kSongTune, 4, 12 - 8, 70);
  tune(s, kVibes, kBox + 8, kSongTune + 4, 2, 12 - 9, 66);
  // The close: the horn sings the song's opening a fourth up, in G minor,
  // then its cadence, falling away.
  tune(s, kHornEn, kClose, kSongTune, 4, 5, 88, 2);
  tune(s, kHornEn, kClose + 4, kSongTune + 12, 2, 0, 80, 4);

  // The strings swell into the lift; a cymbal roll and timpani mark it.
  s.swell(kStrings, kLift - 2, 0, 6, 70, 127);
  s.swell(kStrings, kDance - 2, 0, 6, 127, 90);
  s.swell(kStrings, kBox - 2, 0, 6, 90, 80);
  dance(s);
  s.expression(kStrings, kClose, 0, 90);
  s.note(kPerc, kLift - 1, 0, kCymbalRoll, 56, 3);
  for (int x = 0; x < 12; ++x) s.note(kTimpani, kLift - 1, x * 0.25, 45, 40 + x * 4, 0.25);
  s.note(kPerc, kBox, 0, kChimes, 60, 2);

  LoopCanvas c = render(s);
  // Air above 6 kHz spread over the players: breath over the horn, the
  // flute and the choir, and a bowed layer of our own with its bow noise
  // under the strings, each faint, so the top is open, not hissing.
  {
    const std::vector<MidiEvent> ev = s.events();
    own_layer(c, ev, kHornEn, {Voice::breath, 37.0f, 0.1f});
    own_layer(c, ev, kFlute, {Voice::breath, 37.0f, 0.2f});
    own_layer(c, ev, kOohs, {Voice::breath, 39.0f, -0.3f});
    own_layer(c, ev, kViolin, {Voice::breath, 38.0f, -0.1f});
    own_layer(c, ev, kStrings, {Voice::bowed_pad, 14.0f, 0.45f, 0.13f});
  }
  // The guitar alone at each end is lifted and the lift eased, so the
  // waltz still swells within its phrases but no quarter of the loop
  // sinks far under another when it plays on behind the menus.
  auto at = [](int bar) { return kTiming.at(bar, 0.0); };
  contour(c, {{at(0), 1.5f}, {at(12), 1.0f}, {at(20), -2.5f}, {at(30), -2.4f}, {at(38), 0.5f}, {at(52), 1.0f},
              {at(56), 1.5f}, {at(64), 3.0f}, {at(70), 3.5f}});
  hall(c, {2.0, 0.018, 5000.0, 220.0, 0.26f});
  // The guitar's and strings' low mids cut a little and a sheen lifted
  // round 7.5 kHz, so the waltz sounds open rather than boxy, its middle
  // kept full; a light weight bell round 50 Hz gives the cello's low octave
  // its body without a thump on every downbeat.
  tone(c, -3.0f, 3.0f, 7.0f, 2.5f, -3.5f, 0.0f, 3.0f, 6.0f);
  lay_floor(c);
  level_seam(c, 6.0);
  level_wrap(c, 0.05);
  master(c);
  return c;
}

}  // namespace contentgen::music
