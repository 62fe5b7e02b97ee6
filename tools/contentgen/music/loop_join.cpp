#include "music/loop_join.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "music/ogg_writer.h"

namespace contentgen::music {

namespace {

struct MemFile {
  const Bytes* bytes;
  size_t at = 0;
};

size_t mem_read(void* dst, size_t size, size_t count, void* src) {
  auto* f = static_cast<MemFile*>(src);
  size_t want = size * count, left = f->bytes->size() - f->at, n = std::min(want, left);
  std::memcpy(dst, f->bytes->data() + f->at, n);
  f->at += n;
  return size ? n / size : 0;
}

int mem_seek(void* src, ogg_int64_t off, int whence) {
  auto* f = static_cast<MemFile*>(src);
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(f->at)
                                                                  : static_cast<ogg_int64_t>(f->bytes->size());
  ogg_int64_t to = base + off;
  if (to < 0 || to > static_cast<ogg_int64_t>(f->bytes->size())) return -1;
  f->at = static_cast<size_t>(to);
  return 0;
}

long mem_tell(void* src) { return static_cast<long>(static_cast<MemFile*>(src)->at); }

// Reads `count` frames from `from` into per-channel buffers.
bool read_frames(OggVorbis_File& vf, ogg_int64_t from, long count, int channels, std::vector<std::vector<float>>& out) {
  if (ov_pcm_seek(&vf, from) != 0) return false;
  out.assign(static_cast<size_t>(channels), {});
  while (static_cast<long>(out[0].size()) < count) {
    float** pcm;
    int section;
    long n = ov_read_float(&vf, &pcm, static_cast<int>(count - static_cast<long>(out[0].size())), &section);
    if (n <= 0) return false;
    for (int c = 0; c < channels; ++c) out[static_cast<size_t>(c)].insert(out[static_cast<size_t>(c)].end(), pcm[c], pcm[c] + n);
  }
  return true;
}

// How far the rougher of step and bend at the wrap exceeds its bound (<= 0
// when smooth), over all channels; a large value when it does not decode.
double join_excess(const Bytes& ogg) {
  constexpr double kUndecodable = 1e9;
  MemFile file{&ogg};
  ov_callbacks cb{mem_read, mem_seek, nullptr, mem_tell};
  OggVorbis_File vf;
  if (ov_open_callbacks(&file, &vf, nullptr, 0, cb) != 0) return kUndecodable;
  double excess = kUndecodable;
  const ogg_int64_t total = ov_pcm_total(&vf, -1);
  const int channels = ov_info(&vf, -1)->channels;
  std::vector<std::vector<float>> tail, head;
  if (total > 4 * kJoinSpan && read_frames(vf, total - kJoinSpan, kJoinSpan, channels, tail) &&
      read_frames(vf, 0, kJoinSpan, channels, head)) {
    excess = -kUndecodable;
    for (int c = 0; c < channels; ++c) {
      // The wrap seen as one run: tail then head; the join is between
      // index kJoinSpan-1 and kJoinSpan.
      std::vector<float> run = tail[static_cast<size_t>(c)];
      run.insert(run.end(), head[static_cast<size_t>(c)].begin(), head[static_cast<size_t>(c)].end());
      const size_t j = static_cast<size_t>(kJoinSpan);
      auto step = [&](size_t i) { return std::fabs(static_cast<double>(run[i + 1]) - run[i]); };
      auto bend = [&](size_t i) { return std::fabs(static_cast<double>(run[i - 1]) - 2.0 * run[i] + run[i + 1]); };
      double max_step = 0, max_bend = 0;
      for (size_t i = 1; i + 1 < run.size(); ++i) {
        if (i != j - 1) max_step = std::max(max_step, step(i));
        if (i != j - 1 && i != j) max_bend = std::max(max_bend, bend(i));
      }
      excess = std::max(excess, step(j - 1) - max_step);
      excess = std::max(excess, std::max(bend(j - 1), bend(j)) - max_bend);
    }
  }
  ov_clear(&vf);
  return excess;
}

}  // namespace

bool decoded_join_is_smooth(const Bytes& ogg) { return join_excess(ogg) <= 0.0; }

Bytes encode_loop_ogg(const dsp::Buf& left, const dsp::Buf& right, int rate, float quality) {
  // Ways to end the fed-again opening, in samples of fade (0: the opening
  // in full); the first that decodes smoothly is kept.
  constexpr size_t kFades[] = {64, 512, 0, 256, 2048, 1024, 192, 768};
  Bytes best;
  double best_excess = 0;
  bool first = true;
  for (size_t fade : kFades) {
    Bytes out = encode_ogg(left, right, rate, quality, true, fade);
    const double excess = join_excess(out);
    if (first || excess < best_excess) {
      best = std::move(out);
      best_excess = excess;
      first = false;
    }
    if (best_excess <= 0.0) break;
  }
  return best;
}

}  // namespace contentgen::music
