// Magnified copies of masked frames (see magnified_frames.h): made on the
// CPU in integer arithmetic, so every renderer gets the same texels, and
// kept by image, frame and factor under a bound on memory.
#include "platform/magnified_frames.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

namespace plat::detail {
namespace {

constexpr size_t keptbytes = 48u << 20;  // bound on the memory the copies hold
constexpr size_t largestcopy = 16u << 20;  // and on one copy
constexpr int largestside = 4096;          // the side every renderer's textures reach

struct Copy {
  std::unique_ptr<Image> image;
  size_t bytes = 0;
  uint64_t used = 0;  // when last asked for, in copies asked for
};

struct KeptCopies {
  std::unordered_map<uint64_t, Copy> copies;  // by image serial, frame and factor
  size_t bytes = 0;
  uint64_t clock = 0;
};

// Never destroyed: shutdown may run from an exit handler after the
// function-local statics are gone, and must still find the copies to drop.
KeptCopies& kept() {
  static KeptCopies* k = new KeptCopies;
  return *k;
}

uint64_t copy_key(uint32_t serial, int frame, int k) {
  return static_cast<uint64_t>(serial) << 32 | static_cast<uint64_t>(static_cast<uint32_t>(frame)) << 3 |
         static_cast<uint64_t>(k);
}

void forget(KeptCopies& kc, std::unordered_map<uint64_t, Copy>::iterator it) {
  for (Frame& fr : it->second.image->frames) destroy_frame_textures(fr);
  kc.bytes -= it->second.bytes;
  kc.copies.erase(it);
}

// Where output texel i of a side magnified k times samples the source: the
// texels on either side (clamped to the edge) and the weight of the second,
// in 2k-ths. Output texel centres sit at (i + 1/2) / k in source units.
struct Tap {
  int first = 0, second = 0, weight = 0;
};

std::vector<Tap> taps(int n, int k) {
  std::vector<Tap> out(static_cast<size_t>(n) * static_cast<size_t>(k));
  const int unit = 2 * k;
  for (int i = 0; i < static_cast<int>(out.size()); ++i) {
    const int at = 2 * i + 1 - k;  // the sample's place, in 2k-ths of a texel from texel 0's centre
    const int lo = at >= 0 ? at / unit : -((-at + unit - 1) / unit);
    Tap& t = out[static_cast<size_t>(i)];
    t.first = std::clamp(lo, 0, n - 1);
    t.second = std::clamp(lo + 1, 0, n - 1);
    t.weight = at - lo * unit;
  }
  return out;
}

// The factor is a constant here, so the plain bilinear mix divides by a
// constant (a shift for 2 and 4).
template <int k>
void magnify_by(const uint32_t* pixels, int w, int h, uint32_t* out) {
  const std::vector<Tap> cols = taps(w, k), rows = taps(h, k);
  constexpr int unit = 2 * k, whole = unit * unit;
  const int W = w * k;
  // Each source row's span of texels that are not clear (first > last when
  // none is): outside the spans of both rows it mixes, an output row is clear.
  std::vector<int> first(static_cast<size_t>(h), w), last(static_cast<size_t>(h), -1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] >> 24) {
        first[static_cast<size_t>(y)] = std::min(first[static_cast<size_t>(y)], x);
        last[static_cast<size_t>(y)] = x;
      }
  for (int Y = 0; Y < h * k; ++Y) {
    const Tap& ty = rows[static_cast<size_t>(Y)];
    const uint32_t* r0 = pixels + static_cast<size_t>(ty.first) * static_cast<size_t>(w);
    const uint32_t* r1 = pixels + static_cast<size_t>(ty.second) * static_cast<size_t>(w);
    const int wy1 = ty.weight, wy0 = unit - wy1;
    uint32_t* o = out + static_cast<size_t>(Y) * static_cast<size_t>(W);
    // Output texels whose taps both lie before the span or both after it.
    const int lo = std::min(first[static_cast<size_t>(ty.first)], first[static_cast<size_t>(ty.second)]);
    const int hi = std::max(last[static_cast<size_t>(ty.first)], last[static_cast<size_t>(ty.second)]);
    const int from = std::clamp((lo - 1) * k, 0, W), to = std::clamp((hi + 2) * k, from, W);
    std::fill(o, o + from, 0u);
    std::fill(o + to, o + W, 0u);
    for (int X = from; X < to; ++X) {
      const Tap& tx = cols[static_cast<size_t>(X)];
      const int wx1 = tx.weight, wx0 = unit - wx1;
      const uint32_t p[4] = {r0[tx.first], r0[tx.second], r1[tx.first], r1[tx.second]};
      if (((p[0] | p[1] | p[2] | p[3]) >> 24) == 0) {
        o[X] = 0;  // all four clear: most of a creature's frame
        continue;
      }
      const int wt[4] = {wx0 * wy0, wx1 * wy0, wx0 * wy1, wx1 * wy1};
      if ((p[0] & p[1] & p[2] & p[3]) >> 24 == 0xFF) {
        // All four opaque: plain bilinear colour.
        int rgb[3] = {whole / 2, whole / 2, whole / 2};
        for (int t = 0; t < 4; ++t)
          for (int c = 0; c < 3; ++c) rgb[c] += wt[t] * static_cast<int>((p[t] >> (16 - 8 * c)) & 0xFF);
        o[X] = 0xFF000000u | static_cast<uint32_t>(rgb[0] / whole) << 16 | static_cast<uint32_t>(rgb[1] / whole) << 8 |
               static_cast<uint32_t>(rgb[2] / whole);
        continue;
      }
      // The mask's bilinear value decides the cut; the colour is the
      // bilinear mix weighted by coverage, so clear texels lend it nothing.
      int cover = 0;
      for (int t = 0; t < 4; ++t) cover += wt[t] * static_cast<int>(p[t] >> 24);
      if (2 * cover < 255 * whole) {
        o[X] = 0;
        continue;
      }
      int rgb[3] = {cover / 2, cover / 2, cover / 2};
      for (int t = 0; t < 4; ++t) {
        const int a = wt[t] * static_cast<int>(p[t] >> 24);
        for (int c = 0; c < 3; ++c) rgb[c] += a * static_cast<int>((p[t] >> (16 - 8 * c)) & 0xFF);
      }
      o[X] = 0xFF000000u | static_cast<uint32_t>(rgb[0] / cover) << 16 | static_cast<uint32_t>(rgb[1] / cover) << 8 |
             static_cast<uint32_t>(rgb[2] / cover);
    }
  }
}

}  // namespace

void magnify_masked(const uint32_t* pixels, int w, int h, int k, uint32_t* out) {
  switch (k) {
    case 2: return magnify_by<2>(pixels, w, h, out);
    case 3: return magnify_by<3>(pixels, w, h, out);
    default: return magnify_by<4>(pixels, w, h, out);
  }
}

int magnify_factor(const Image& image, int frame, int blend, float ax, float ay) {
  if (blend != BlendMasked || !image.filtered || image.frames[static_cast<size_t>(frame)].opaque) return 0;
  const float lo = std::min(ax, ay), hi = std::max(ax, ay);
  if (!(lo >= 1.0f && hi > 1.0f) || !std::isfinite(hi)) return 0;
  return static_cast<int>(std::clamp(std::lround(hi), 2L, 4L));
}

Image* magnified_frame(const Image& image, int frame, int k) {
  KeptCopies& kc = kept();
  ++kc.clock;
  // The largest factor up to k that fits the bounds.
  const auto fits = [&image](int f) {
    const size_t bytes = static_cast<size_t>(image.width) * image.height * 4u * static_cast<size_t>(f * f);
    return image.width * f <= largestside && image.height * f <= largestside && bytes <= largestcopy;
  };
  while (k >= 2 && !fits(k)) --k;
  if (k < 2) return nullptr;

  const uint64_t key = copy_key(image.serial, frame, k);
  if (const auto it = kc.copies.find(key); it != kc.copies.end()) {
    it->second.used = kc.clock;
    return it->second.image.get();
  }

  auto big = std::make_unique<Image>();
  big->width = image.width * k, big->height = image.height * k;
  big->hx = image.hx * k, big->hy = image.hy * k;
  big->frames.resize(1);
  Frame& fr = big->frames[0];
  fr.pixels.resize(static_cast<size_t>(big->width) * static_cast<size_t>(big->height));
  magnify_masked(image.frames[static_cast<size_t>(frame)].pixels.data(), image.width, image.height, k,
                 fr.pixels.data());
  fr.opaque = std::all_of(fr.pixels.begin(), fr.pixels.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });

  // Room for it: the copies asked for longest ago go first.
  const size_t bytes = fr.pixels.size() * 4;
  while (kc.bytes + bytes > keptbytes && !kc.copies.empty()) {
    auto oldest = kc.copies.begin();
    for (auto it = kc.copies.begin(); it != kc.copies.end(); ++it)
      if (it->second.used < oldest->second.used) oldest = it;
    forget(kc, oldest);
  }
  Copy& c = kc.copies[key];
  c.image = std::move(big);
  c.bytes = bytes;
  c.used = kc.clock;
  kc.bytes += bytes;
  return c.image.get();
}

void drop_magnified(uint32_t serial) {
  KeptCopies& kc = kept();
  for (auto it = kc.copies.begin(); it != kc.copies.end();) {
    const auto next = std::next(it);
    if (static_cast<uint32_t>(it->first >> 32) == serial) forget(kc, it);
    it = next;
  }
}

void drop_all_magnified() {
  KeptCopies& kc = kept();
  while (!kc.copies.empty()) forget(kc, kc.copies.begin());
}

}  // namespace plat::detail
