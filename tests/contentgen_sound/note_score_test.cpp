// The score's players: a second desk doubling a section, and a section that
// swells through its long notes, as the synth is told to play them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "music/notes.h"

namespace {

using contentgen::music::MidiEvent;
using contentgen::music::NoteScore;
using contentgen::music::Timing;

constexpr int kSection = 0, kDesk = 1, kVolume = 100;

std::vector<MidiEvent> on_channel(const std::vector<MidiEvent>& all, int kind, int channel) {
  std::vector<MidiEvent> out;
  for (const MidiEvent& e : all)
    if ((e.status & 0xF0) == kind && (e.status & 0x0F) == channel) out.push_back(e);
  return out;
}

std::vector<MidiEvent> score_events() {
  NoteScore s(Timing{120, 4, 4});
  s.instrument(kSection, 48, kVolume, 0.5f);
  s.breathe(kSection, 0.3);
  s.double_on(kSection, kDesk, 7, -0.5f);
  s.note(kSection, 0, 0.0, 60, 90, 4.0);  // a whole bar, then a short note
  s.note(kSection, 1, 0.0, 62, 80, 0.5);
  s.swell(kSection, 2, 0.0, 1.0, 40, 120);
  return s.events();
}

}  // namespace

TEST(NoteScore, ASecondDeskPlaysEveryNoteOfItsSectionOutOfTuneLateAndSofter) {
  const std::vector<MidiEvent> ev = score_events();
  const auto lead = on_channel(ev, 0x90, kSection), desk = on_channel(ev, 0x90, kDesk);
  ASSERT_EQ(lead.size(), 2u);
  ASSERT_EQ(desk.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(desk[i].a, lead[i].a) << "same key";
    EXPECT_GT(desk[i].at, lead[i].at) << "a touch late";
    EXPECT_LT(desk[i].at, lead[i].at + 44100 / 50) << "but within 20 ms";
    EXPECT_LT(desk[i].b, lead[i].b) << "softer";
  }
  const auto program = on_channel(ev, 0xC0, kDesk), bend = on_channel(ev, 0xE0, kDesk);
  ASSERT_EQ(program.size(), 1u);
  EXPECT_EQ(program[0].a, 48) << "the section's own instrument";
  ASSERT_EQ(bend.size(), 1u);
  EXPECT_GT(bend[0].a | (bend[0].b << 7), 8192) << "sharp by its cents";
  // The section's swells reach the second desk too.
  size_t swells = 0;
  for (const MidiEvent& e : on_channel(ev, 0xB0, kDesk)) swells += e.a == 11 && e.b == 120;
  EXPECT_EQ(swells, 1u);
}

TEST(NoteScore, ALongNoteSwellsInAndEasesOffWhileAShortOneIsPlayedOut) {
  const std::vector<MidiEvent> ev = score_events();
  const size_t bar = 44100 * 60 / 120 * 4;
  int first = -1, peak = 0, last = -1, short_note = -1;
  for (const MidiEvent& e : on_channel(ev, 0xB0, kSection)) {
    if (e.a != 7 || e.at == 0) continue;
    if (e.at < bar) {
      if (first < 0) first = e.b;
      peak = std::max(peak, static_cast<int>(e.b));
      last = e.b;
    } else if (e.at == bar) {
      short_note = e.b;
    }
  }
  EXPECT_LT(first, kVolume * 8 / 10) << "comes in from below";
  EXPECT_EQ(peak, kVolume) << "reaches the section's level";
  EXPECT_LT(last, kVolume) << "eases off before the next note";
  EXPECT_GT(last, first);
  EXPECT_EQ(short_note, kVolume);
  // Bowed lines slur: the long note is let go after the next one starts.
  for (const MidiEvent& e : on_channel(ev, 0x80, kSection)) {
    if (e.a == 60) {
      EXPECT_GT(e.at, bar);
    }
  }
}

TEST(NoteScore, AHeldNoteWaversOnlyOnceSettledAndIsBackInTuneForTheNext) {
  NoteScore s(Timing{120, 4, 4});
  s.instrument(kSection, 48, kVolume, 0.5f);
  s.breathe(kSection, 0.3);
  s.vibrato(kSection, 6.0);
  s.double_on(kSection, kDesk, 7, -0.5f);
  s.note(kSection, 0, 0.0, 60, 90, 4.0);  // two seconds, then a quarter second
  s.note(kSection, 1, 0.0, 62, 80, 0.5);
  const std::vector<MidiEvent> ev = s.events();
  const size_t bar = 44100 * 2;
  auto cents = [](const MidiEvent& e) { return ((e.a | (e.b << 7)) - 8192) * 200.0 / 8192.0; };

  const auto lead = on_channel(ev, 0xE0, kSection);
  ASSERT_GT(lead.size(), 20u);
  double lo = 0, hi = 0;
  int crossings = 0;
  for (size_t i = 0; i < lead.size(); ++i) {
    EXPECT_GE(lead[i].at, 44100 * 3 / 10) << "plain tone first";
    EXPECT_LT(lead[i].at, bar) << "the short note is not bent";
    lo = std::min(lo, cents(lead[i]));
    hi = std::max(hi, cents(lead[i]));
    if (i > 0 && (cents(lead[i]) > 0) != (cents(lead[i - 1]) > 0)) ++crossings;
  }
  EXPECT_LT(hi, 6.5);
  EXPECT_GT(hi, 4.0);
  EXPECT_GT(lo, -6.5);
  EXPECT_LT(lo, -4.0);
  // About five and a half cycles a second over the 1.7 s it runs.
  EXPECT_GE(crossings, 14);
  EXPECT_LE(crossings, 24);
  EXPECT_EQ(lead.back().a | (lead.back().b << 7), 8192) << "in tune when the next note starts";

  // The second desk wavers round its own tuning, not the section's, and
  // does not move with it.
  const auto desk = on_channel(ev, 0xE0, kDesk);
  ASSERT_GT(desk.size(), 20u);
  double sum = 0;
  for (const MidiEvent& e : desk) sum += cents(e);
  EXPECT_NEAR(sum / static_cast<double>(desk.size()), 7.0, 1.0);
  EXPECT_NEAR(cents(desk.back()), 7.0, 0.1);
  size_t together = 0;
  for (const MidiEvent& a : lead)
    for (const MidiEvent& b : desk) together += a.at == b.at && std::fabs(cents(a) - (cents(b) - 7.0)) < 0.3;
  EXPECT_LT(together, lead.size() / 2);
}

TEST(NoteScore, ANoteStruckAgainLeansAlternatelyHarderAndSofter) {
  // Even with no random spread, a key repeated on every downbeat is not
  // one sample struck alike: the stroke alternates, and a new key starts
  // the pattern afresh.
  NoteScore s(Timing{120, 4, 8});
  s.instrument(kSection, 28, kVolume, 0.0f);
  s.humanise(0x51u, 0, 0.0);
  for (int bar = 0; bar < 6; ++bar) s.note(kSection, bar, 0.0, 40, 80, 0.5);
  s.note(kSection, 6, 0.0, 45, 80, 0.5);
  s.note(kSection, 7, 0.0, 45, 80, 0.5);
  const auto on = on_channel(s.events(), 0x90, kSection);
  ASSERT_EQ(on.size(), 8u);
  for (size_t i = 1; i < 6; ++i) EXPECT_NE(on[i].b, on[i - 1].b) << "stroke " << i;
  EXPECT_EQ(on[2].b, on[4].b) << "down and up in turn";
  EXPECT_EQ(on[6].b, on[0].b) << "a new key is a fresh stroke";
  EXPECT_EQ(on[7].b, on[1].b);
}

TEST(NoteScore, ALayerDoublesItsChannelOnlyWhileItPlaysThePatchItSitsUnder) {
  // A choir that becomes trombones from bar 2: the layer under the choir
  // must not go on doubling the trombones.
  NoteScore s(Timing{120, 4, 4});
  s.instrument(kSection, 52, kVolume, 0.2f);
  s.layer(kSection, 52, 53, 80, 8, 0.05);
  s.note(kSection, 0, 0.0, 60, 90, 2.0);
  s.program(kSection, 2, 0.0, 57);
  s.note(kSection, 2, 0.0, 48, 90, 2.0);
  const std::vector<MidiEvent> main = s.events(), under = s.layer_events();
  const std::vector<MidiEvent> ons = on_channel(under, 0x90, kSection), offs = on_channel(under, 0x80, kSection);
  ASSERT_EQ(ons.size(), 1u);
  ASSERT_EQ(offs.size(), 1u);
  EXPECT_EQ(ons[0].a, 60);
  // Late by the layer's 50 ms, against the note as the main synth plays it.
  const std::vector<MidiEvent> main_ons = on_channel(main, 0x90, kSection);
  ASSERT_FALSE(main_ons.empty());
  EXPECT_EQ(ons[0].at, main_ons[0].at + static_cast<size_t>(0.05 * contentgen::music::kRate + 0.5));
  // The layer's own patch, never the channel's, and eight cents sharp.
  const std::vector<MidiEvent> programs = on_channel(under, 0xC0, kSection);
  ASSERT_EQ(programs.size(), 1u);
  EXPECT_EQ(programs[0].a, 53);
  const std::vector<MidiEvent> bends = on_channel(under, 0xE0, kSection);
  ASSERT_FALSE(bends.empty());
  EXPECT_EQ(bends[0].a | (bends[0].b << 7), 8192 + 8 * 8192 / 200);
  // Its volume scaled from the channel's 100 to its own 80.
  for (const MidiEvent& e : on_channel(under, 0xB0, kSection)) {
    if (e.a == 7) EXPECT_LE(e.b, 80);
  }
}

TEST(NoteScore, AHumanisedPhrasePushesAheadThenSettlesBackWithTheLeadAheadOfThePad) {
  // A spread in time small enough to leave only the phrase's own push and
  // pull and each section's place: early into the phrase, late at its end,
  // by the 10-25 ms a band breathes by, the lead ahead of the pad.
  constexpr int kLead = 0, kPad = 1, kPlain = 2;
  const Timing tm{120, 4, 4};
  NoteScore s(tm);
  for (int ch : {kLead, kPad, kPlain}) s.instrument(ch, 0, kVolume, 0.0f);
  s.humanise(0x77u, 0, 1e-6);
  s.place(kLead, -0.008);
  s.place(kPad, 0.012);
  for (int bar = 0; bar < 4; ++bar)
    for (int ch : {kLead, kPad, kPlain}) s.note(ch, bar, 0.0, 60 + ch, 80, 0.5);
  const auto events = s.events();
  auto off_ms = [&](int ch, int bar) {
    const auto on = on_channel(events, 0x90, ch);
    return (static_cast<double>(on.at(static_cast<size_t>(bar)).at) - static_cast<double>(tm.at(bar, 0.0))) * 1000.0 /
           contentgen::music::kRate;
  };
  EXPECT_LT(off_ms(kPlain, 1), -10.0) << "pushed ahead a quarter into the phrase";
  EXPECT_GT(off_ms(kPlain, 1), -25.0);
  EXPECT_GT(off_ms(kPlain, 3), 10.0) << "settled back at its end";
  EXPECT_LT(off_ms(kPlain, 3), 25.0);
  for (int bar = 1; bar < 4; ++bar) EXPECT_NEAR(off_ms(kPad, bar) - off_ms(kLead, bar), 20.0, 1.0) << bar;
}

TEST(NoteScore, AChordsInnerNotesArePlayedSofterThanItsTopAndBottom) {
  NoteScore s(Timing{120, 4, 1});
  s.instrument(kSection, 0, kVolume, 0.0f);
  s.humanise(0x91u, 0, 0.0);
  for (int key : {48, 55, 60, 64}) s.note(kSection, 0, 0.0, key, 80, 1.0);
  const auto on = on_channel(s.events(), 0x90, kSection);
  ASSERT_EQ(on.size(), 4u);
  int outer = 0, inner = 127;
  for (const MidiEvent& e : on) {
    if (e.a == 48 || e.a == 64) outer = std::max<int>(outer, e.b);
    else inner = std::min<int>(inner, e.b);
  }
  EXPECT_LE(inner, outer - 5);
}
