// The per-pixel arithmetic of the direct software copies (soft_copy.cpp):
// SDL's general blitter (divisions by 255 on a premultiplied source) and its
// fast per-pixel alpha blend (divisions by 256), one pixel at a time and,
// where SSE2 is there, four at a time with the same results.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/internal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define RX_PIXEL_OPS_SSE2 1
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace plat::detail::pixel_ops {

// x * y / 255, rounded down, for every pair of channel values: the general
// blitter's every product, looked up instead of divided.
struct Products {
  uint8_t of[256][256];
  Products() {
    for (int x = 0; x < 256; ++x)
      for (int y = 0; y < 256; ++y) of[x][y] = static_cast<uint8_t>(x * y / 255);
  }
};
inline const Products& products() {
  static const Products table;
  return table;
}

// The general blitter's arithmetic for one texel over one target pixel.
template <SDL_BlendMode Blend, bool Colour, bool Alpha>
inline uint32_t general(const Products& p, uint32_t s, uint32_t d, uint32_t mr, uint32_t mg, uint32_t mb,
                        uint32_t ma) {
  uint32_t sr = s >> 16 & 0xFF, sg = s >> 8 & 0xFF, sb = s & 0xFF, sa = s >> 24;
  if constexpr (Colour) {
    sr = p.of[sr][mr];
    sg = p.of[sg][mg];
    sb = p.of[sb][mb];
  }
  if constexpr (Alpha) sa = p.of[sa][ma];
  if constexpr (Blend == SDL_BLENDMODE_NONE) {
    return sa << 24 | sr << 16 | sg << 8 | sb;
  } else {
    uint32_t dr = d >> 16 & 0xFF, dg = d >> 8 & 0xFF, db = d & 0xFF, da = d >> 24;
    if constexpr (Blend == SDL_BLENDMODE_BLEND || Blend == SDL_BLENDMODE_ADD) {
      if (sa < 255) {
        sr = p.of[sr][sa];
        sg = p.of[sg][sa];
        sb = p.of[sb][sa];
      }
    }
    if constexpr (Blend == SDL_BLENDMODE_BLEND) {
      const uint32_t na = 255 - sa;
      dr = sr + p.of[na][dr];
      dg = sg + p.of[na][dg];
      db = sb + p.of[na][db];
      da = sa + p.of[na][da];
    } else if constexpr (Blend == SDL_BLENDMODE_ADD) {
      dr = std::min<uint32_t>(sr + dr, 255);
      dg = std::min<uint32_t>(sg + dg, 255);
      db = std::min<uint32_t>(sb + db, 255);
    } else if constexpr (Blend == SDL_BLENDMODE_MOD) {
      dr = p.of[sr][dr];
      dg = p.of[sg][dg];
      db = p.of[sb][db];
    } else {  // multiply
      dr = std::min<uint32_t>((sr * dr + dr * (255 - sa)) / 255, 255);
      dg = std::min<uint32_t>((sg * dg + dg * (255 - sa)) / 255, 255);
      db = std::min<uint32_t>((sb * db + db * (255 - sa)) / 255, 255);
      da = std::min<uint32_t>((sa * da + da * (255 - sa)) / 255, 255);
    }
    return da << 24 | dr << 16 | dg << 8 | db;
  }
}

// The fast per-pixel alpha blend of an unmodulated copy: an opaque texel is
// copied whole, a clear one leaves the target, and anything between mixes
// each channel as (s * a >> 8) + (d * (255 - a) >> 8), the alpha channel
// with s's alpha taken at full weight.
inline uint32_t pixel_alpha(uint32_t s, uint32_t d) {
  const uint32_t a = s >> 24;
  if (a == 0) return d;
  if (a == 255) return s;
  const uint32_t na = 255 - a;
  const uint32_t r = ((s >> 16 & 0xFF) * a >> 8) + ((d >> 16 & 0xFF) * na >> 8);
  const uint32_t g = ((s >> 8 & 0xFF) * a >> 8) + ((d >> 8 & 0xFF) * na >> 8);
  const uint32_t b = ((s & 0xFF) * a >> 8) + ((d & 0xFF) * na >> 8);
  const uint32_t al = (a * 255 >> 8) + ((d >> 24) * na >> 8);
  return al << 24 | r << 16 | g << 8 | b;
}

#if RX_PIXEL_OPS_SSE2

// Sixteen-bit lanes hold one channel each, B G R A B G R A: two pixels.
inline __m128i div255(__m128i x) {
  // x / 255 rounded down, exact for every x up to 65534.
  return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_set1_epi16(1)), _mm_srli_epi16(x, 8)), 8);
}
inline __m128i alpha_lanes() { return _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0); }
// Each pixel's alpha in all four of its lanes.
inline __m128i spread_alpha(__m128i x) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(x, 0xFF), 0xFF); }
// x with its alpha lanes set to 255.
inline __m128i opaque_lanes(__m128i x) {
  return _mm_or_si128(_mm_andnot_si128(alpha_lanes(), x), _mm_and_si128(alpha_lanes(), _mm_set1_epi16(255)));
}

// Two pixels of the general blitter; mod holds the colour and alpha
// modulation per lane (255 where there is none).
template <SDL_BlendMode Blend>
inline __m128i general_two(__m128i s, __m128i d, __m128i mod) {
  s = div255(_mm_mullo_epi16(s, mod));
  if constexpr (Blend == SDL_BLENDMODE_NONE) {
    return s;
  } else if constexpr (Blend == SDL_BLENDMODE_MOD) {
    return div255(_mm_mullo_epi16(opaque_lanes(s), d));
  } else {
    const __m128i a = spread_alpha(s);
    const __m128i premultiplied = div255(_mm_mullo_epi16(s, opaque_lanes(a)));
    if constexpr (Blend == SDL_BLENDMODE_BLEND) {
      return _mm_add_epi16(premultiplied, div255(_mm_mullo_epi16(d, _mm_sub_epi16(_mm_set1_epi16(255), a))));
    } else {  // add: the target keeps its alpha; packing saturates the sum
      return _mm_add_epi16(_mm_andnot_si128(alpha_lanes(), premultiplied), d);
    }
  }
}

// Four pixels of the general blitter (not multiply, which stays scalar).
template <SDL_BlendMode Blend>
inline __m128i general_four(__m128i s, __m128i d, __m128i mod) {
  const __m128i zero = _mm_setzero_si128();
  if constexpr (Blend == SDL_BLENDMODE_BLEND || Blend == SDL_BLENDMODE_ADD) {
    // Four clear texels leave the target as it is.
    const __m128i clear = _mm_cmpeq_epi32(_mm_srli_epi32(s, 24), zero);
    if (_mm_movemask_epi8(clear) == 0xFFFF) return d;
  }
  const __m128i lo = general_two<Blend>(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero), mod);
  const __m128i hi = general_two<Blend>(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero), mod);
  return _mm_packus_epi16(lo, hi);
}

// Four pixels of the per-pixel alpha blend.
inline __m128i pixel_alpha_four(__m128i s, __m128i d) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i a4 = _mm_srli_epi32(s, 24);
  const __m128i clear = _mm_cmpeq_epi32(a4, zero);
  const __m128i opaque = _mm_cmpeq_epi32(a4, _mm_set1_epi32(255));
  const int clear_bits = _mm_movemask_epi8(clear), opaque_bits = _mm_movemask_epi8(opaque);
  if (clear_bits == 0xFFFF) return d;
  if (opaque_bits == 0xFFFF) return s;
  const auto mix = [](__m128i s2, __m128i d2) {
    const __m128i a = spread_alpha(s2);
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(opaque_lanes(s2), a), 8),
                         _mm_srli_epi16(_mm_mullo_epi16(d2, _mm_sub_epi16(_mm_set1_epi16(255), a)), 8));
  };
  const __m128i mixed = _mm_packus_epi16(mix(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero)),
                                         mix(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero)));
  const __m128i kept = _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, mixed));
  return _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, kept));
}

#endif

#if RX_PIXEL_OPS_SSE2 && defined(__x86_64__) && defined(__GNUC__)
// The same arithmetic eight pixels at a time, where the processor has AVX2:
// every step works within 128-bit halves, so the halves are the four-pixel
// code side by side and give the same bits.
#define RX_PIXEL_OPS_AVX2 1
#define RX_AVX2 __attribute__((target("avx2")))

inline bool has_avx2() {
  static const bool yes = __builtin_cpu_supports("avx2");
  return yes;
}

RX_AVX2 inline __m256i div255_wide(__m256i x) {
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(x, _mm256_set1_epi16(1)), _mm256_srli_epi16(x, 8)), 8);
}
RX_AVX2 inline __m256i alpha_lanes_wide() { return _mm256_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0); }
RX_AVX2 inline __m256i spread_alpha_wide(__m256i x) {
  return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(x, 0xFF), 0xFF);
}
RX_AVX2 inline __m256i opaque_lanes_wide(__m256i x) {
  return _mm256_or_si256(_mm256_andnot_si256(alpha_lanes_wide(), x),
                         _mm256_and_si256(alpha_lanes_wide(), _mm256_set1_epi16(255)));
}

template <SDL_BlendMode Blend>
RX_AVX2 inline __m256i general_four_wide(__m256i s, __m256i d, __m256i mod) {
  s = div255_wide(_mm256_mullo_epi16(s, mod));
  if constexpr (Blend == SDL_BLENDMODE_NONE) {
    return s;
  } else if constexpr (Blend == SDL_BLENDMODE_MOD) {
    return div255_wide(_mm256_mullo_epi16(opaque_lanes_wide(s), d));
  } else {
    const __m256i a = spread_alpha_wide(s);
    const __m256i premultiplied = div255_wide(_mm256_mullo_epi16(s, opaque_lanes_wide(a)));
    if constexpr (Blend == SDL_BLENDMODE_BLEND) {
      return _mm256_add_epi16(premultiplied,
                              div255_wide(_mm256_mullo_epi16(d, _mm256_sub_epi16(_mm256_set1_epi16(255), a))));
    } else {
      return _mm256_add_epi16(_mm256_andnot_si256(alpha_lanes_wide(), premultiplied), d);
    }
  }
}

// Eight pixels of the general blitter (not multiply).
template <SDL_BlendMode Blend>
RX_AVX2 inline __m256i general_eight(__m256i s, __m256i d, __m256i mod) {
  const __m256i zero = _mm256_setzero_si256();
  if constexpr (Blend == SDL_BLENDMODE_BLEND || Blend == SDL_BLENDMODE_ADD) {
    const __m256i clear = _mm256_cmpeq_epi32(_mm256_srli_epi32(s, 24), zero);
    if (_mm256_movemask_epi8(clear) == -1) return d;
  }
  const __m256i lo = general_four_wide<Blend>(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero), mod);
  const __m256i hi = general_four_wide<Blend>(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero), mod);
  return _mm256_packus_epi16(lo, hi);
}

// Eight pixels of the per-pixel alpha blend.
RX_AVX2 inline __m256i pixel_alpha_eight(__m256i s, __m256i d) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i a8 = _mm256_srli_epi32(s, 24);
  const __m256i clear = _mm256_cmpeq_epi32(a8, zero);
  const __m256i opaque = _mm256_cmpeq_epi32(a8, _mm256_set1_epi32(255));
  if (_mm256_movemask_epi8(clear) == -1) return d;
  if (_mm256_movemask_epi8(opaque) == -1) return s;
  const __m256i s_lo = _mm256_unpacklo_epi8(s, zero), d_lo = _mm256_unpacklo_epi8(d, zero);
  const __m256i s_hi = _mm256_unpackhi_epi8(s, zero), d_hi = _mm256_unpackhi_epi8(d, zero);
  const __m256i a_lo = spread_alpha_wide(s_lo), a_hi = spread_alpha_wide(s_hi);
  const __m256i full = _mm256_set1_epi16(255);
  const __m256i lo = _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(opaque_lanes_wide(s_lo), a_lo), 8),
                                      _mm256_srli_epi16(_mm256_mullo_epi16(d_lo, _mm256_sub_epi16(full, a_lo)), 8));
  const __m256i hi = _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(opaque_lanes_wide(s_hi), a_hi), 8),
                                      _mm256_srli_epi16(_mm256_mullo_epi16(d_hi, _mm256_sub_epi16(full, a_hi)), 8));
  const __m256i mixed = _mm256_packus_epi16(lo, hi);
  const __m256i kept = _mm256_or_si256(_mm256_and_si256(opaque, s), _mm256_andnot_si256(opaque, mixed));
  return _mm256_or_si256(_mm256_and_si256(clear, d), _mm256_andnot_si256(clear, kept));
}
#endif

}  // namespace plat::detail::pixel_ops
