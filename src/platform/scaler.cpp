// The frame scaled onto the window's pixels by the processor (see scaler.h).
#include "platform/scaler.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define RX_SCALER_SSE2 1
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define RX_SCALER_AVX2 1
#endif

namespace plat::detail {
namespace {

uint32_t* row_of(const PixelRect& p, int y) {
  return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(p.pixels) + static_cast<size_t>(y) * p.pitch);
}

// a and b mixed channel by channel, b weighing w 256ths, rounded.
inline uint32_t mix(uint32_t a, uint32_t b, uint32_t w) {
  const uint32_t v = 256 - w;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t c = ((a >> shift & 0xFF) * v + (b >> shift & 0xFF) * w + 128) >> 8;
    out |= c << shift;
  }
  return out;
}

#if RX_SCALER_AVX2
// Eight pixels at a time where the processor has AVX2 (the same arithmetic
// as the narrower paths, so the same pixels).
bool has_avx2() {
  static const bool yes = __builtin_cpu_supports("avx2");
  return yes;
}

// Target pixels [0, n) of one row scaled across, four at a time; returns
// how many were done. mix4 holds, per four pixels, the weights of pixels 0
// and 2, then of 1 and 3, each as (256 - w) x 4, w x 4.
__attribute__((target("avx2"))) int across_avx2(const uint32_t* in, const int* first, const uint16_t* mix4,
                                                 uint32_t* out, int n) {
  const __m256i zero = _mm256_setzero_si256(), half = _mm256_set1_epi16(128);
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128i at = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + i));
    // Four pixel pairs (a, b): pairs 0 and 1 in the low lane, 2 and 3 in the high.
    const __m256i pairs = _mm256_i32gather_epi64(reinterpret_cast<const long long*>(in), at, 4);
    const __m256i* w = reinterpret_cast<const __m256i*>(mix4) + i / 2;
    __m256i even = _mm256_mullo_epi16(_mm256_unpacklo_epi8(pairs, zero), _mm256_loadu_si256(w));
    __m256i odd = _mm256_mullo_epi16(_mm256_unpackhi_epi8(pairs, zero), _mm256_loadu_si256(w + 1));
    even = _mm256_add_epi16(even, _mm256_srli_si256(even, 8));
    odd = _mm256_add_epi16(odd, _mm256_srli_si256(odd, 8));
    __m256i sum = _mm256_unpacklo_epi64(even, odd);  // pixels 0, 1 | 2, 3
    sum = _mm256_srli_epi16(_mm256_add_epi16(sum, half), 8);
    sum = _mm256_permute4x64_epi64(_mm256_packus_epi16(sum, sum), 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm256_castsi256_si128(sum));
  }
  return i;
}

// Rows a and b mixed, b weighing w 256ths, eight pixels at a time; returns
// how many were done. The target row is written around the cache once it
// is aligned: nothing reads it back before the window system does, and the
// window's pixels are far more than the cache holds.
__attribute__((target("avx2"))) int down_avx2(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out,
                                               int n) {
  const __m256i zero = _mm256_setzero_si256(), half = _mm256_set1_epi16(128);
  const __m256i wa = _mm256_set1_epi16(static_cast<short>(256 - w)), wb = _mm256_set1_epi16(static_cast<short>(w));
  int i = 0;
  while (i < n && (reinterpret_cast<uintptr_t>(out + i) & 31) != 0) {
    out[i] = mix(a[i], b[i], w);
    ++i;
  }
  for (; i + 8 <= n; i += 8) {
    const __m256i pa = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
    const __m256i pb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
    __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(pa, zero), wa),
                                  _mm256_mullo_epi16(_mm256_unpacklo_epi8(pb, zero), wb));
    __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(pa, zero), wa),
                                  _mm256_mullo_epi16(_mm256_unpackhi_epi8(pb, zero), wb));
    lo = _mm256_srli_epi16(_mm256_add_epi16(lo, half), 8);
    hi = _mm256_srli_epi16(_mm256_add_epi16(hi, half), 8);
    _mm256_stream_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
  }
  return i;
}
#endif

}  // namespace

void SmoothScaler::prepare(int sw, int sh, int dw, int dh) {
  if (sw == sw_ && sh == sh_ && dw == dw_ && dh == dh_) return;
  sw_ = sw, sh_ = sh, dw_ = dw, dh_ = dh;
  // Target pixel i's centre lies at source position (i + 0.5) * s / n - 0.5,
  // taken in 256ths and held inside the picture; a last pixel is mixed as
  // the one before it with all the weight on the last.
  const auto taps = [](Taps& t, int s, int n) {
    t.first.resize(static_cast<size_t>(n));
    t.weight.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      const long long num = (2LL * i + 1) * s * 256 - 256LL * n;
      long long at = num <= 0 ? 0 : (num + n) / (2LL * n);
      at = std::min<long long>(at, 256LL * (s - 1));
      int first = static_cast<int>(at >> 8), weight = static_cast<int>(at & 255);
      if (first >= s - 1 && s >= 2) first = s - 2, weight = 256;
      if (s < 2) first = 0, weight = 0;
      t.first[static_cast<size_t>(i)] = first;
      t.weight[static_cast<size_t>(i)] = static_cast<uint16_t>(weight);
    }
  };
  taps(cols_, sw, dw);
  taps(rows_, sh, dh);
  colmix_.resize(static_cast<size_t>(dw) * 8);
  for (int i = 0; i < dw; ++i)
    for (int k = 0; k < 4; ++k) {
      colmix_[static_cast<size_t>(i) * 8 + k] = static_cast<uint16_t>(256 - cols_.weight[static_cast<size_t>(i)]);
      colmix_[static_cast<size_t>(i) * 8 + 4 + k] = cols_.weight[static_cast<size_t>(i)];
    }
  // The same weights by fours: pixels 0 and 2, then 1 and 3.
  mix4_.assign(static_cast<size_t>((dw + 3) / 4) * 32, 0);
  for (int i = 0; i < dw; ++i) {
    const int group = i / 4, k = i % 4;
    const size_t at = static_cast<size_t>(group) * 32 + (k % 2) * 16 + (k / 2) * 8;
    std::memcpy(&mix4_[at], &colmix_[static_cast<size_t>(i) * 8], 16);
  }
  for (auto& c : cache_) c.assign(static_cast<size_t>(dw) + 4, 0);
  cached_[0] = cached_[1] = -1;
}

// Source row `row` scaled across to the target's width, from the cache when
// one of the two cached rows is it.
const uint32_t* SmoothScaler::across(const PixelRect& src, int row) {
  for (int k = 0; k < 2; ++k)
    if (cached_[k] == row) return cache_[k].data();
  // Rows come in rising order: replace the lower of the two.
  const int k = cached_[0] < cached_[1] ? 0 : 1;
  cached_[k] = row;
  uint32_t* out = cache_[k].data();
  const uint32_t* in = row_of(src, row);
  const int* first = cols_.first.data();
  int i = 0;
  if (sw_ >= 2) {
#if RX_SCALER_AVX2
    if (has_avx2()) i = across_avx2(in, first, mix4_.data(), out, dw_);
#endif
#if RX_SCALER_SSE2
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(128);
    const __m128i* weights = reinterpret_cast<const __m128i*>(colmix_.data());
    for (; i + 2 <= dw_; i += 2) {
      // Each pixel pair (a, b) as eight 16-bit channels, times (256 - w, w).
      __m128i p0 = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + first[i])), zero);
      __m128i p1 = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + first[i + 1])), zero);
      p0 = _mm_mullo_epi16(p0, _mm_loadu_si128(weights + i));
      p1 = _mm_mullo_epi16(p1, _mm_loadu_si128(weights + i + 1));
      __m128i sum = _mm_add_epi16(_mm_unpacklo_epi64(p0, p1), _mm_unpackhi_epi64(p0, p1));
      sum = _mm_srli_epi16(_mm_add_epi16(sum, half), 8);
      _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(sum, sum));
    }
#endif
    for (; i < dw_; ++i) out[i] = mix(in[first[i]], in[first[i] + 1], cols_.weight[static_cast<size_t>(i)]);
  } else {
    for (; i < dw_; ++i) out[i] = in[0];
  }
  return out;
}

void SmoothScaler::scale(const PixelRect& src, const PixelRect& dst) {
  if (!src.pixels || !dst.pixels || src.w <= 0 || src.h <= 0 || dst.w <= 0 || dst.h <= 0) return;
  prepare(src.w, src.h, dst.w, dst.h);
  cached_[0] = cached_[1] = -1;  // the source changed since the last call
  const size_t bytes = static_cast<size_t>(dst.w) * 4;
  for (int y = 0; y < dst.h; ++y) {
    const int first = rows_.first[static_cast<size_t>(y)];
    const uint32_t w = rows_.weight[static_cast<size_t>(y)];
    uint32_t* out = row_of(dst, y);
    if (w == 0 || sh_ < 2) {
      std::memcpy(out, across(src, first), bytes);
      continue;
    }
    const uint32_t* a = across(src, first);
    const uint32_t* b = across(src, first + 1);
    if (w == 256) {
      std::memcpy(out, b, bytes);
      continue;
    }
    int i = 0;
#if RX_SCALER_AVX2
    if (has_avx2()) i = down_avx2(a, b, w, out, dst.w);
#endif
#if RX_SCALER_SSE2
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(128);
    const __m128i wa = _mm_set1_epi16(static_cast<short>(256 - w)), wb = _mm_set1_epi16(static_cast<short>(w));
    for (; i + 4 <= dst.w; i += 4) {
      const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
      const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
      __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(pa, zero), wa),
                                 _mm_mullo_epi16(_mm_unpacklo_epi8(pb, zero), wb));
      __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(pa, zero), wa),
                                 _mm_mullo_epi16(_mm_unpackhi_epi8(pb, zero), wb));
      lo = _mm_srli_epi16(_mm_add_epi16(lo, half), 8);
      hi = _mm_srli_epi16(_mm_add_epi16(hi, half), 8);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < dst.w; ++i) out[i] = mix(a[i], b[i], w);
  }
#if RX_SCALER_AVX2
  _mm_sfence();  // the streamed rows are in memory before the window system reads them
#endif
}

void scale_sharp(const PixelRect& src, const PixelRect& dst) {
  if (!src.pixels || !dst.pixels || src.w <= 0 || src.h <= 0 || dst.w <= 0 || dst.h <= 0) return;
  thread_local std::vector<int> cols;
  cols.resize(static_cast<size_t>(dst.w));
  for (int i = 0; i < dst.w; ++i)
    cols[static_cast<size_t>(i)] = static_cast<int>((2LL * i + 1) * src.w / (2LL * dst.w));
  const size_t bytes = static_cast<size_t>(dst.w) * 4;
  int last = -1;
  for (int y = 0; y < dst.h; ++y) {
    const int sy = static_cast<int>((2LL * y + 1) * src.h / (2LL * dst.h));
    uint32_t* out = row_of(dst, y);
    if (sy == last) {
      std::memcpy(out, row_of(dst, y - 1), bytes);
      continue;
    }
    last = sy;
    const uint32_t* in = row_of(src, sy);
    if (dst.w == src.w) {
      std::memcpy(out, in, bytes);
    } else if (dst.w == 2 * src.w) {
      for (int i = 0; i < src.w; ++i) out[2 * i] = out[2 * i + 1] = in[i];
    } else {
      const int* c = cols.data();
      for (int i = 0; i < dst.w; ++i) out[i] = in[c[i]];
    }
  }
}

}  // namespace plat::detail
