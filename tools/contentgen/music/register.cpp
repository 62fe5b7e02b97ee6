// Registers the four music tracks: menu and game, each in two variants
// that are pieces of their own.
#include "music/loop_join.h"
#include "music/score.h"
#include "registry.h"

namespace contentgen {

namespace {
// High enough that the encoder keeps the top octave up to about 19 kHz,
// level with the effects, instead of cutting it near 17 kHz.
constexpr float kQuality = 0.5f;

Bytes encoded(const music::LoopCanvas& c) {
  return music::encode_loop_ogg(c.left(), c.right(), music::kRate, kQuality);
}
}  // namespace

void register_music(std::vector<MusicTrack>& tracks) {
  tracks.push_back({"track0_0.ogg", [] { return encoded(music::menu_track()); }});
  tracks.push_back({"track0_1.ogg", [] { return encoded(music::menu_waltz()); }});
  tracks.push_back({"track1_0.ogg", [] { return encoded(music::game_track()); }});
  tracks.push_back({"track1_1.ogg", [] { return encoded(music::game_pulse()); }});
}

}  // namespace contentgen
