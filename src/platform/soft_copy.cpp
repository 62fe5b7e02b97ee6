// Texture copies into the software target, pixel for pixel as SDL's software
// renderer makes them (see soft_copy.h), without its per-copy set-up, scratch
// surfaces and per-channel general loops.
//
// What SDL does, and so what this does:
//  - the float destination is cut to integers, each of x, y, w, h truncated;
//  - a copy of the source's own size is clipped to the clip rectangle and
//    blitted; an opaque copy with no modulation is a plain copy, a blended one
//    with no modulation uses the fast per-pixel alpha blend (which divides by
//    256, and copies opaque texels whole), everything else the general
//    arithmetic (divisions by 255, premultiplied source);
//  - a scaled copy samples the nearest texel stepping in 16.16 fixed point
//    from half a step in. If it reaches outside the target it is first scaled
//    whole and then blitted as an unscaled copy; otherwise the rectangles are
//    clipped in floating point, rounded, and the scale runs on what is left;
//  - a mirrored copy is cropped or scaled whole (modulated there when it is
//    not blended), mirrored, and blitted unscaled. Unblended, SDL clears the
//    area and rebuilds alpha and colour in three passes, which for an opaque
//    texture comes to the plain copy.
#include "platform/soft_copy.h"

#include "platform/pixel_ops.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace plat::detail {
namespace {

using namespace pixel_ops;

// Which of SDL's blitters a copy would run.
enum class Blitter { Copy, PixelAlpha, General };

// A rectangle of the target and, per target column and row, the source
// column and row it shows. An unscaled copy reads consecutive columns from
// col0 and needs no table.
struct Mapping {
  int x = 0, y = 0, w = 0, h = 0;  // in the target
  bool consecutive = false;
  int col0 = 0;
  std::vector<int> cols, rows;     // source coordinates, w (unless consecutive) and h of them
};

// Nearest-neighbour sampling of a source span of n texels onto m pixels,
// from half a step in; first is the source coordinate of the span's start.
void sample(std::vector<int>& out, int first, int n, int m) {
  out.resize(static_cast<size_t>(m));
  const int inc = (n << 16) / m;
  uint32_t pos = static_cast<uint32_t>(inc / 2);
  for (int i = 0; i < m; ++i, pos += static_cast<uint32_t>(inc))
    out[static_cast<size_t>(i)] = first + static_cast<int>(pos >> 16);
}

// Calls op(texel, target pixel) over the mapping.
template <typename Op>
void for_each_pixel(SDL_Surface* t, const SoftCopy& c, const Mapping& m, Op op) {
  for (int j = 0; j < m.h; ++j) {
    uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(t->pixels) + (m.y + j) * t->pitch) + m.x;
    const uint32_t* src = c.pixels + static_cast<size_t>(m.rows[static_cast<size_t>(j)]) * static_cast<size_t>(c.tex_w);
    if (m.consecutive) {
      src += m.col0;
      for (int i = 0; i < m.w; ++i) op(src[i], row[i]);
    } else {
      const int* cols = m.cols.data();
      for (int i = 0; i < m.w; ++i) op(src[cols[i]], row[i]);
    }
  }
}

#if RX_PIXEL_OPS_AVX2
// Runs of eight pixels of one row: the general blitter or the per-pixel
// alpha blend; cols null for consecutive texels. Returns how many were done.
template <SDL_BlendMode Blend>
RX_AVX2 int general_row_eight(uint32_t* row, const uint32_t* src, const int* cols, int w, const int16_t* mod16) {
  const __m256i mod = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mod16)));
  int i = 0;
  for (; i + 8 <= w; i += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
    const __m256i s = cols ? _mm256_i32gather_epi32(reinterpret_cast<const int*>(src),
                                                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cols + i)), 4)
                           : _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), general_eight<Blend>(s, d, mod));
  }
  return i;
}

RX_AVX2 int pixel_alpha_row_eight(uint32_t* row, const uint32_t* src, const int* cols, int w) {
  int i = 0;
  for (; i + 8 <= w; i += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
    const __m256i s = cols ? _mm256_i32gather_epi32(reinterpret_cast<const int*>(src),
                                                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cols + i)), 4)
                           : _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), pixel_alpha_eight(s, d));
  }
  return i;
}
#endif

#if RX_PIXEL_OPS_AVX2
// Runs of eight pixels of a blended fill with one colour.
RX_AVX2 int fill_row_eight(uint32_t* row, uint32_t colour, int w, const int16_t* mod16) {
  const __m256i texel = _mm256_set1_epi32(static_cast<int>(colour));
  const __m256i mod = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mod16)));
  int i = 0;
  for (; i + 8 <= w; i += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), general_eight<SDL_BLENDMODE_BLEND>(texel, d, mod));
  }
  return i;
}
#endif

#if RX_PIXEL_OPS_SSE2
// Calls wide(target row, texels, columns or null, width) first on each row,
// which returns how many pixels it did; then four(texels, target pixels) on
// runs of four pixels and op(texel, target pixel) on what is left.
template <typename Wide, typename Four, typename Op>
void for_each_four(SDL_Surface* t, const SoftCopy& c, const Mapping& m, Wide wide, Four four, Op op) {
  for (int j = 0; j < m.h; ++j) {
    uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(t->pixels) + (m.y + j) * t->pitch) + m.x;
    const uint32_t* src = c.pixels + static_cast<size_t>(m.rows[static_cast<size_t>(j)]) * static_cast<size_t>(c.tex_w);
    int i = 0;
    if (m.consecutive) {
      src += m.col0;
      i = wide(row, src, nullptr, m.w);
      for (; i + 4 <= m.w; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), four(s, d));
      }
      for (; i < m.w; ++i) op(src[i], row[i]);
    } else {
      const int* cols = m.cols.data();
      i = wide(row, src, cols, m.w);
      for (; i + 4 <= m.w; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const __m128i s = _mm_set_epi32(static_cast<int>(src[cols[i + 3]]), static_cast<int>(src[cols[i + 2]]),
                                        static_cast<int>(src[cols[i + 1]]), static_cast<int>(src[cols[i]]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), four(s, d));
      }
      for (; i < m.w; ++i) op(src[cols[i]], row[i]);
    }
  }
}
#endif

template <SDL_BlendMode Blend, bool Colour, bool Alpha>
void run_general(SDL_Surface* t, const SoftCopy& c, const Mapping& m) {
  const uint32_t mr = c.r, mg = c.g, mb = c.b, ma = c.a;
  const Products& p = products();
  const auto op = [&p, mr, mg, mb, ma](uint32_t s, uint32_t& d) {
    // A clear texel leaves a blended or added-to pixel as it was; an opaque
    // one, unfaded, replaces a blended pixel.
    if constexpr (Blend == SDL_BLENDMODE_BLEND || Blend == SDL_BLENDMODE_ADD) {
      if ((s >> 24) == 0) return;
    }
    if constexpr (Blend == SDL_BLENDMODE_BLEND && !Alpha) {
      if ((s >> 24) == 255) {
        d = general<SDL_BLENDMODE_NONE, Colour, false>(p, s, d, mr, mg, mb, ma);
        return;
      }
    }
    d = general<Blend, Colour, Alpha>(p, s, d, mr, mg, mb, ma);
  };
#if RX_PIXEL_OPS_SSE2
  if constexpr (Blend != SDL_BLENDMODE_MUL) {
    const short a = static_cast<short>(Alpha ? ma : 255);
    const __m128i mod = _mm_set_epi16(a, static_cast<short>(mr), static_cast<short>(mg), static_cast<short>(mb), a,
                                      static_cast<short>(mr), static_cast<short>(mg), static_cast<short>(mb));
    alignas(16) int16_t mod16[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(mod16), mod);
    const auto wide = [&mod16](uint32_t* row, const uint32_t* src, const int* cols, int w) {
#if RX_PIXEL_OPS_AVX2
      if (has_avx2()) return general_row_eight<Blend>(row, src, cols, w, mod16);
#endif
      (void)row, (void)src, (void)cols, (void)w, (void)mod16;
      return 0;
    };
    return for_each_four(t, c, m, wide, [mod](__m128i s, __m128i d) { return general_four<Blend>(s, d, mod); }, op);
  }
#endif
  for_each_pixel(t, c, m, op);
}

template <SDL_BlendMode Blend>
void run_general_mods(SDL_Surface* t, const SoftCopy& c, const Mapping& m) {
  const bool colour = (c.r & c.g & c.b) != 255, alpha = c.a != 255;
  if (colour && alpha) return run_general<Blend, true, true>(t, c, m);
  if (colour) return run_general<Blend, true, false>(t, c, m);
  if (alpha) return run_general<Blend, false, true>(t, c, m);
  run_general<Blend, false, false>(t, c, m);
}

void run(SDL_Surface* t, const SoftCopy& c, const Mapping& m, Blitter blitter) {
  if (m.w <= 0 || m.h <= 0) return;
  if (blitter == Blitter::Copy && m.consecutive) {
    for (int j = 0; j < m.h; ++j)
      std::memcpy(reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(t->pixels) + (m.y + j) * t->pitch) + m.x,
                  c.pixels + static_cast<size_t>(m.rows[static_cast<size_t>(j)]) * static_cast<size_t>(c.tex_w) + m.col0,
                  static_cast<size_t>(m.w) * 4);
    return;
  }
  if (blitter == Blitter::Copy) return for_each_pixel(t, c, m, [](uint32_t s, uint32_t& d) { d = s; });
  if (blitter == Blitter::PixelAlpha) {
    const auto op = [](uint32_t s, uint32_t& d) { d = pixel_alpha(s, d); };
#if RX_PIXEL_OPS_SSE2
    const auto wide = [](uint32_t* row, const uint32_t* src, const int* cols, int w) {
#if RX_PIXEL_OPS_AVX2
      if (has_avx2()) return pixel_alpha_row_eight(row, src, cols, w);
#endif
      (void)row, (void)src, (void)cols, (void)w;
      return 0;
    };
    return for_each_four(t, c, m, wide, [](__m128i s, __m128i d) { return pixel_alpha_four(s, d); }, op);
#else
    return for_each_pixel(t, c, m, op);
#endif
  }
  switch (c.blend) {
    case SDL_BLENDMODE_NONE: return run_general_mods<SDL_BLENDMODE_NONE>(t, c, m);
    case SDL_BLENDMODE_BLEND: return run_general_mods<SDL_BLENDMODE_BLEND>(t, c, m);
    case SDL_BLENDMODE_ADD: return run_general_mods<SDL_BLENDMODE_ADD>(t, c, m);
    case SDL_BLENDMODE_MOD: return run_general_mods<SDL_BLENDMODE_MOD>(t, c, m);
    default: return run_general_mods<SDL_BLENDMODE_MUL>(t, c, m);
  }
}

// The blitter an unscaled copy runs with.
Blitter unscaled_blitter(const SoftCopy& c) {
  const bool modulated = (c.r & c.g & c.b) != 255 || c.a != 255;
  if (modulated) return Blitter::General;
  if (c.blend == SDL_BLENDMODE_NONE) return Blitter::Copy;
  if (c.blend == SDL_BLENDMODE_BLEND) return Blitter::PixelAlpha;
  return Blitter::General;
}

// An unscaled blit of w x h to target (dx, dy), clipped to clip as SDL
// clips it. Target column i and row j (counted from the unclipped corner)
// show the source column cols[i] (or col0 + i without a table) and row rows[j].
Mapping clip_unscaled(int dx, int dy, int w, int h, const SDL_Rect& clip, int col0, const std::vector<int>* cols,
                      const std::vector<int>& rows) {
  Mapping m;
  int skip_x = 0, skip_y = 0;
  if (dx < clip.x) skip_x = clip.x - dx, w -= skip_x, dx = clip.x;
  if (dx + w > clip.x + clip.w) w = clip.x + clip.w - dx;
  if (dy < clip.y) skip_y = clip.y - dy, h -= skip_y, dy = clip.y;
  if (dy + h > clip.y + clip.h) h = clip.y + clip.h - dy;
  if (w <= 0 || h <= 0) return m;
  m.x = dx, m.y = dy, m.w = w, m.h = h;
  if (cols) {
    m.cols.assign(cols->begin() + skip_x, cols->begin() + skip_x + w);
  } else {
    m.consecutive = true;
    m.col0 = col0 + skip_x;
  }
  m.rows.assign(rows.begin() + skip_y, rows.begin() + skip_y + h);
  return m;
}

// A scaled copy that lies inside the target: the float clipping of SDL's
// scaled blit, then the scale on the clipped rectangles.
Mapping clip_scaled(const SoftCopy& c, const SDL_Rect& d, const SDL_Rect& clip, SDL_Rect* kept_src = nullptr) {
  Mapping m;
  const double scale_w = static_cast<double>(d.w) / c.src.w;
  const double scale_h = static_cast<double>(d.h) / c.src.h;
  double sx0 = c.src.x, sy0 = c.src.y, sx1 = sx0 + c.src.w, sy1 = sy0 + c.src.h;
  double dx0 = d.x - clip.x, dy0 = d.y - clip.y, dx1 = dx0 + d.w, dy1 = dy0 + d.h;
  if (dx0 < 0) sx0 -= dx0 / scale_w, dx0 = 0;
  if (dx1 > clip.w) sx1 -= (dx1 - clip.w) / scale_w, dx1 = clip.w;
  if (dy0 < 0) sy0 -= dy0 / scale_h, dy0 = 0;
  if (dy1 > clip.h) sy1 -= (dy1 - clip.h) / scale_h, dy1 = clip.h;
  dx0 += clip.x, dx1 += clip.x, dy0 += clip.y, dy1 += clip.y;

  SDL_Rect fs{static_cast<int>(std::round(sx0)), static_cast<int>(std::round(sy0)),
              static_cast<int>(std::round(sx1 - sx0)), static_cast<int>(std::round(sy1 - sy0))};
  SDL_Rect fd{static_cast<int>(std::round(dx0)), static_cast<int>(std::round(dy0)),
              static_cast<int>(std::round(dx1 - dx0)), static_cast<int>(std::round(dy1 - dy0))};
  const SDL_Rect whole{0, 0, c.tex_w, c.tex_h};
  if (!SDL_IntersectRect(&whole, &fs, &fs)) return m;
  if (!SDL_IntersectRect(&clip, &fd, &fd)) return m;
  if (fd.w == 0 || fd.h == 0 || fs.w <= 0 || fs.h <= 0) return m;
  m.x = fd.x, m.y = fd.y, m.w = fd.w, m.h = fd.h;
  if (kept_src) {
    *kept_src = fs;  // a smooth copy stretches this part to the mapping's size
    return m;
  }
  sample(m.cols, fs.x, fs.w, fd.w);
  sample(m.rows, fs.y, fs.h, fd.h);
  return m;
}

// Smooth stretches kept for reuse: the source rectangle of named texels
// stretched to one size.
struct Stretch {
  uint64_t texels_id = 0;
  SDL_Rect src{0, 0, 0, 0};
  int w = 0, h = 0;
  uint64_t used = 0;  // when last drawn, in stretches asked for
  std::vector<uint32_t> pixels;
};

constexpr size_t keptbytes = 48u << 20;  // bound on the memory the kept stretches hold
constexpr size_t keptcount = 1024;       // and on how many there are

struct KeptStretches {
  std::vector<Stretch> list;
  std::unordered_multimap<uint64_t, size_t> where;  // key -> index in list
  size_t bytes = 0;
  uint64_t clock = 0;
};

uint64_t stretch_key(uint64_t texels_id, const SDL_Rect& src, int w, int h) {
  uint64_t k = texels_id * 0x9E3779B97F4A7C15ull;
  for (const int v : {src.x, src.y, src.w, src.h, w, h}) k = (k ^ static_cast<uint32_t>(v)) * 0x100000001B3ull;
  return k;
}

// Never destroyed: shutdown may run from an exit handler after the
// function-local statics are gone, and must still find the cache to empty.
KeptStretches& kept() {
  static KeptStretches* k = new KeptStretches;
  return *k;
}

// SDL's linear stretch of c.src to w x h, into out.
bool stretch(const SoftCopy& c, int w, int h, std::vector<uint32_t>& out) {
  out.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  SDL_Surface* from = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(c.pixels), c.tex_w, c.tex_h, 32,
                                                          c.tex_w * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* to = SDL_CreateRGBSurfaceWithFormatFrom(out.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_Rect src = c.src;
  const bool ok = from && to && SDL_SoftStretchLinear(from, &src, to, nullptr) == 0;
  if (from) SDL_FreeSurface(from);
  if (to) SDL_FreeSurface(to);
  return ok;
}

// The stretch of c.src to w x h: a kept one, or a new one (kept when its
// texels are named). Null when SDL cannot make it.
const uint32_t* stretched(const SoftCopy& c, int w, int h) {
  KeptStretches& k = kept();
  ++k.clock;
  const uint64_t key = stretch_key(c.texels_id, c.src, w, h);
  if (c.texels_id) {
    const auto [from, to] = k.where.equal_range(key);
    for (auto it = from; it != to; ++it) {
      Stretch& s = k.list[it->second];
      if (s.texels_id == c.texels_id && s.w == w && s.h == h && SDL_RectEquals(&s.src, &c.src)) {
        s.used = k.clock;
        return s.pixels.data();
      }
    }
  }
  thread_local std::vector<uint32_t> scratch;
  const size_t bytes = static_cast<size_t>(w) * static_cast<size_t>(h) * 4;
  if (!c.texels_id || bytes > keptbytes / 4) return stretch(c, w, h, scratch) ? scratch.data() : nullptr;
  // Make room: when full, the half drawn longest ago goes (in one pass, so
  // copies that never recur, such as a scrolling view's clipped pieces,
  // cost little to let go).
  if (k.bytes + bytes > keptbytes || k.list.size() >= keptcount) {
    std::sort(k.list.begin(), k.list.end(), [](const Stretch& a, const Stretch& b) { return a.used > b.used; });
    k.list.resize(k.list.size() / 2);
    k.bytes = 0;
    for (const Stretch& s : k.list) k.bytes += s.pixels.size() * 4;
    while (k.bytes + bytes > keptbytes && !k.list.empty()) {
      k.bytes -= k.list.back().pixels.size() * 4;
      k.list.pop_back();
    }
    k.where.clear();
    for (size_t i = 0; i < k.list.size(); ++i)
      k.where.emplace(stretch_key(k.list[i].texels_id, k.list[i].src, k.list[i].w, k.list[i].h), i);
  }
  Stretch s;
  s.texels_id = c.texels_id, s.src = c.src, s.w = w, s.h = h, s.used = k.clock;
  if (!stretch(c, w, h, s.pixels)) return nullptr;
  k.bytes += bytes;
  k.where.emplace(key, k.list.size());
  k.list.push_back(std::move(s));
  return k.list.back().pixels.data();
}

constexpr int largest_step = 32767;

// Whether every edge of a float rectangle converts to an int.
bool placeable(const SDL_FRect& r) {
  const auto fits = [](float v) { return std::isfinite(v) && std::fabs(v) < 1.0e8f; };
  return fits(r.x) && fits(r.y) && fits(r.w) && fits(r.h) && fits(r.x + r.w) && fits(r.y + r.h);
}

}  // namespace

bool soft_copy(SDL_Surface* target, const SDL_Rect& clip_rect, const SoftCopy& c) {
  if (!target || !target->pixels || target->format->format != SDL_PIXELFORMAT_ARGB8888) return false;
  switch (c.blend) {
    case SDL_BLENDMODE_NONE:
    case SDL_BLENDMODE_BLEND:
    case SDL_BLENDMODE_ADD:
    case SDL_BLENDMODE_MOD:
    case SDL_BLENDMODE_MUL: break;
    default: return false;
  }
  if (c.src.w <= 0 || c.src.h <= 0 || c.src.x < 0 || c.src.y < 0 || c.src.x + c.src.w > c.tex_w ||
      c.src.y + c.src.h > c.tex_h)
    return false;
  // Sizes the 16.16 steps cannot hold, and places no integer can, stay SDL's.
  if (c.src.w > largest_step || c.src.h > largest_step || !placeable(c.dst)) return false;
  const SDL_Rect d{static_cast<int>(c.dst.x), static_cast<int>(c.dst.y), static_cast<int>(c.dst.w),
                   static_cast<int>(c.dst.h)};
  if (d.w > largest_step || d.h > largest_step) return false;
  const bool scaled = d.w != c.src.w || d.h != c.src.h;
  const bool mirrored = c.mirror_x || c.mirror_y;
  if (scaled && c.smooth && mirrored) return false;
  if (mirrored && c.blend == SDL_BLENDMODE_NONE && !c.opaque) return false;

  const SDL_Rect whole{0, 0, target->w, target->h};
  SDL_Rect clip;
  if (!SDL_IntersectRect(&clip_rect, &whole, &clip)) return true;  // nothing shows

  if (scaled && c.smooth) {
    // SDL stretches the source to the destination's size and copies that
    // unscaled, clipped, when the copy reaches outside the target. Inside
    // it, the rectangles are clipped in floating point first, and the part
    // of the source left is stretched to the part of the destination left
    // and copied there.
    if (d.w <= 0 || d.h <= 0) return true;
    const bool outside = d.x < 0 || d.y < 0 || d.x + d.w > target->w || d.y + d.h > target->h;
    SDL_Rect part = c.src, at = d;
    if (!outside) {
      const Mapping m = clip_scaled(c, d, clip, &part);
      if (m.w <= 0 || m.h <= 0) return true;
      at = SDL_Rect{m.x, m.y, m.w, m.h};
    }
    SoftCopy piece = c;
    piece.src = part;
    piece.pixels = stretched(piece, at.w, at.h);
    if (!piece.pixels) return false;
    piece.tex_w = at.w, piece.tex_h = at.h;
    piece.src = SDL_Rect{0, 0, at.w, at.h};
    std::vector<int> rows(static_cast<size_t>(at.h));
    for (int j = 0; j < at.h; ++j) rows[static_cast<size_t>(j)] = j;
    run(target, piece, clip_unscaled(at.x, at.y, at.w, at.h, clip, 0, nullptr, rows), unscaled_blitter(c));
    return true;
  }

  if (mirrored) {
    if (d.w <= 0 || d.h <= 0) return true;
    std::vector<int> cols, rows;
    sample(cols, c.src.x, c.src.w, d.w);
    sample(rows, c.src.y, c.src.h, d.h);
    if (c.mirror_x) std::reverse(cols.begin(), cols.end());
    if (c.mirror_y) std::reverse(rows.begin(), rows.end());
    run(target, c, clip_unscaled(d.x, d.y, d.w, d.h, clip, 0, &cols, rows), unscaled_blitter(c));
    return true;
  }

  if (!scaled) {
    std::vector<int> rows(static_cast<size_t>(d.h));
    for (int j = 0; j < d.h; ++j) rows[static_cast<size_t>(j)] = c.src.y + j;
    run(target, c, clip_unscaled(d.x, d.y, d.w, d.h, clip, c.src.x, nullptr, rows), unscaled_blitter(c));
    return true;
  }
  if (d.w <= 0 || d.h <= 0) return true;
  const bool outside = d.x < 0 || d.y < 0 || d.x + d.w > target->w || d.y + d.h > target->h;
  if (outside) {
    // Scaled whole (an exact nearest-texel copy), then blitted unscaled.
    std::vector<int> cols, rows;
    sample(cols, c.src.x, c.src.w, d.w);
    sample(rows, c.src.y, c.src.h, d.h);
    run(target, c, clip_unscaled(d.x, d.y, d.w, d.h, clip, 0, &cols, rows), unscaled_blitter(c));
    return true;
  }
  const Mapping m = clip_scaled(c, d, clip);
  const bool modulated = (c.r & c.g & c.b) != 255 || c.a != 255;
  run(target, c, m, !modulated && c.blend == SDL_BLENDMODE_NONE ? Blitter::Copy : Blitter::General);
  return true;
}

void drop_kept_stretches() {
  KeptStretches& k = kept();
  k.list.clear();
  k.where.clear();
  k.bytes = 0;
}

bool soft_fill(SDL_Surface* target, const SDL_Rect& clip_rect, const SDL_FRect& rect, uint8_t r, uint8_t g, uint8_t b,
               uint8_t a) {
  if (!target || !target->pixels || target->format->format != SDL_PIXELFORMAT_ARGB8888) return false;
  if (!placeable(rect)) return false;
  // The renderer's integer rectangle: truncated, at least one pixel each way.
  const SDL_Rect whole{0, 0, target->w, target->h};
  SDL_Rect clip, area{static_cast<int>(rect.x), static_cast<int>(rect.y), std::max(static_cast<int>(rect.w), 1),
                      std::max(static_cast<int>(rect.h), 1)};
  if (!SDL_IntersectRect(&clip_rect, &whole, &clip) || !SDL_IntersectRect(&area, &clip, &area)) return true;
  const uint32_t colour = static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
  for (int y = area.y; y < area.y + area.h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target->pixels) + y * target->pitch) + area.x;
    if (a == 255) {
      std::fill(row, row + area.w, colour);
      continue;
    }
    // A blended fill is the general blend of a flat texel.
    const Products& p = products();
    int i = 0;
#if RX_PIXEL_OPS_AVX2
    if (has_avx2()) {
      alignas(16) static const int16_t none16[8] = {255, 255, 255, 255, 255, 255, 255, 255};
      i = fill_row_eight(row, colour, area.w, none16);
    }
#endif
#if RX_PIXEL_OPS_SSE2
    const __m128i texel = _mm_set1_epi32(static_cast<int>(colour)), none = _mm_set1_epi16(255);
    for (; i + 4 <= area.w; i += 4) {
      const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), general_four<SDL_BLENDMODE_BLEND>(texel, d, none));
    }
#endif
    for (; i < area.w; ++i) row[i] = general<SDL_BLENDMODE_BLEND, false, false>(p, colour, row[i], 255, 255, 255, 255);
  }
  return true;
}

}  // namespace plat::detail
