// The generated music tracks, decoded with vorbisfile as the game's music
// stream decodes them.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <string>
#include <vector>

#include "contentgen_sound/pcm_probe.h"

namespace {

struct Decoded {
  int rate = 0, channels = 0;
  std::vector<float> left, right;
};

bool decode(const std::string& path, Decoded& d) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return false;
  vorbis_info* vi = ov_info(&vf, -1);
  d.rate = static_cast<int>(vi->rate);
  d.channels = vi->channels;
  float** pcm;
  int section;
  long n;
  while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0) {
    for (long i = 0; i < n; ++i) {
      d.left.push_back(pcm[0][i]);
      d.right.push_back(pcm[d.channels > 1 ? 1 : 0][i]);
    }
  }
  ov_clear(&vf);
  return n == 0;
}

const char* const kTracks[] = {"track0_0.ogg", "track0_1.ogg", "track1_0.ogg", "track1_1.ogg"};

class MusicTrack : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(MusicTrack, DecodesToAMinuteToThreeOfAudibleMusic) {
  Decoded d;
  ASSERT_TRUE(decode(std::string(RX_CONTENT_DIR) + "/data/music/" + GetParam(), d));
  EXPECT_EQ(d.rate, 44100);
  double seconds = static_cast<double>(d.left.size()) / d.rate;
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 180.0);
  EXPECT_GT(pcm_probe::db(pcm_probe::rms(d.left)), -30.0);
  EXPECT_LT(std::fabs(pcm_probe::mean(d.left)), 0.005);
  // No stretch of silence anywhere: every second carries sound.
  for (size_t s = 0; s + d.rate <= d.left.size(); s += d.rate) {
    std::vector<float> sec(d.left.begin() + s, d.left.begin() + s + d.rate);
    EXPECT_GT(pcm_probe::db(pcm_probe::rms(sec)), -45.0) << "second " << s / d.rate;
  }
}

TEST_P(MusicTrack, LoopsWithoutAClick) {
  // Played round, the last sample is followed by the first: the jump there
  // must be no larger than the ordinary steps of the music around it.
  Decoded d;
  ASSERT_TRUE(decode(std::string(RX_CONTENT_DIR) + "/data/music/" + GetParam(), d));
  for (const std::vector<float>* ch : {&d.left, &d.right}) {
    pcm_probe::Seam s = pcm_probe::seam(*ch, 1024);
    EXPECT_LE(s.jump, 2.0 * s.local_step);
    EXPECT_LE(s.jump, 0.08);
    // The codec's own error sits on every sample, the seam's included.
    EXPECT_LE(s.bend, 2.0 * s.bend_p999);
    EXPECT_GT(s.mean_step, 0.0);
  }
}

TEST(MusicTracks, VariantsDiffer) {
  // The enhanced and plain variants are different arrangements, not copies.
  for (const char* pair : {"track0_", "track1_"}) {
    Decoded a, b;
    ASSERT_TRUE(decode(std::string(RX_CONTENT_DIR) + "/data/music/" + pair + "0.ogg", a));
    ASSERT_TRUE(decode(std::string(RX_CONTENT_DIR) + "/data/music/" + pair + "1.ogg", b));
    size_t n = std::min(a.left.size(), b.left.size());
    double diff = 0;
    for (size_t i = 0; i < n; ++i) diff += std::fabs(a.left[i] - b.left[i]);
    EXPECT_GT(diff / n, 0.01) << pair;
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, MusicTrack, ::testing::ValuesIn(kTracks));
