// The direct software copies against SDL's own software renderer: the same
// random copies (sizes, fractional places, scales, clips reaching past the
// target, every blend, colour and alpha modulation, texels of every alpha)
// drawn both ways onto the same random target must leave identical pixels,
// alpha included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/pixel_ops.h"
#include "platform/soft_copy.h"

namespace {

using plat::detail::SoftCopy;

constexpr int kW = 160, kH = 120;

struct Surfaces {
  SDL_Surface* sdl = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* ours = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* renderer = sdl ? SDL_CreateSoftwareRenderer(sdl) : nullptr;
  ~Surfaces() {
    if (renderer) SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(sdl);
    SDL_FreeSurface(ours);
  }
  uint32_t* px(SDL_Surface* s) { return static_cast<uint32_t*>(s->pixels); }
  void sync() { std::memcpy(ours->pixels, sdl->pixels, static_cast<size_t>(sdl->pitch) * kH); }
  // The first pixel that differs, or -1.
  int first_difference() {
    for (int i = 0; i < kW * kH; ++i)
      if (px(sdl)[i] != px(ours)[i]) return i;
    return -1;
  }
};

uint32_t random_texel(std::mt19937& rng) {
  const uint32_t rgb = rng() & 0xFFFFFFu;
  switch (rng() % 4) {
    case 0: return rgb;                       // clear
    case 1:
    case 2: return 0xFF000000u | rgb;         // opaque
    default: return (rng() & 0xFFu) << 24 | rgb;  // any alpha
  }
}

std::string describe(const SoftCopy& c, const SDL_Rect& clip) {
  std::ostringstream o;
  o << "texture " << c.tex_w << "x" << c.tex_h << " src " << c.src.x << "," << c.src.y << " " << c.src.w << "x"
    << c.src.h << " dst " << c.dst.x << "," << c.dst.y << " " << c.dst.w << "x" << c.dst.h << " blend "
    << c.blend << " mod " << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a) << " smooth "
    << c.smooth << " mirror " << c.mirror_x << c.mirror_y << " opaque " << c.opaque << " clip " << clip.x << "," << clip.y << " " << clip.w << "x" << clip.h;
  return o.str();
}

// Runs random copies of the kinds chosen by pick, mirrored ones among them
// when asked, smoothly sampled scaled ones when asked; returns how many were
// drawn.
template <typename Pick>
int compare_random_copies(unsigned seed, int trials, Pick pick, bool mirrors = false, bool smooth = false) {
  Surfaces s;
  EXPECT_TRUE(s.renderer);
  if (!s.renderer) return 0;
  std::mt19937 rng(seed);
  for (int i = 0; i < kW * kH; ++i) s.px(s.sdl)[i] = rng();
  s.sync();
  const SDL_BlendMode blends[] = {SDL_BLENDMODE_NONE, SDL_BLENDMODE_BLEND, SDL_BLENDMODE_ADD, SDL_BLENDMODE_MOD,
                                  SDL_BLENDMODE_MUL};
  int drawn = 0;
  for (int t = 0; t < trials; ++t) {
    SoftCopy c;
    c.tex_w = 1 + static_cast<int>(rng() % 40), c.tex_h = 1 + static_cast<int>(rng() % 40);
    std::vector<uint32_t> texels(static_cast<size_t>(c.tex_w * c.tex_h));
    c.opaque = rng() % 3 == 0;
    for (auto& p : texels) p = c.opaque ? 0xFF000000u | random_texel(rng) : random_texel(rng);
    c.pixels = texels.data();
    c.src.x = static_cast<int>(rng() % c.tex_w), c.src.y = static_cast<int>(rng() % c.tex_h);
    c.src.w = 1 + static_cast<int>(rng() % (c.tex_w - c.src.x));
    c.src.h = 1 + static_cast<int>(rng() % (c.tex_h - c.src.y));
    float sx = 1, sy = 1;
    pick(rng, sx, sy);
    c.dst.x = static_cast<float>(static_cast<int>(rng() % 240) - 60) + (rng() % 4) * 0.25f;
    c.dst.y = static_cast<float>(static_cast<int>(rng() % 180) - 45) + (rng() % 4) * 0.3f;
    c.dst.w = c.src.w * sx, c.dst.h = c.src.h * sy;
    c.blend = blends[rng() % 5];
    if (rng() % 2) c.r = static_cast<uint8_t>(rng()), c.g = static_cast<uint8_t>(rng()), c.b = static_cast<uint8_t>(rng());
    if (rng() % 2) c.a = static_cast<uint8_t>(rng());
    c.smooth = smooth || ((sx == 1 && sy == 1) && rng() % 2);
    // Named texels are kept stretched: a few names, so some copies reuse a
    // stretch made by an earlier one of the same texels.
    if (smooth && rng() % 2) {
      const unsigned name = rng() % 3;
      std::mt19937 named(name);
      c.tex_w = 24, c.tex_h = 20;
      texels.resize(24 * 20);
      for (auto& p : texels) p = c.opaque ? 0xFF000000u | random_texel(named) : random_texel(named);
      c.pixels = texels.data();
      c.texels_id = 100 + name * 2 + c.opaque;  // the same name only for the same texels
      c.src = SDL_Rect{static_cast<int>(rng() % 2), 0, 20 + static_cast<int>(rng() % 2), 20};
      c.dst.w = c.src.w * sx, c.dst.h = c.src.h * sy;
    }
    if (mirrors) {
      c.mirror_x = rng() % 2;
      c.mirror_y = !c.mirror_x || rng() % 2;
    }
    SDL_Rect clip{static_cast<int>(rng() % 100) - 20, static_cast<int>(rng() % 80) - 20, 40 + static_cast<int>(rng() % 140),
                  30 + static_cast<int>(rng() % 110)};

    SDL_Texture* tex = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, c.tex_w, c.tex_h);
    EXPECT_TRUE(tex);
    if (!tex) return drawn;
    SDL_UpdateTexture(tex, nullptr, texels.data(), c.tex_w * 4);
    SDL_SetTextureScaleMode(tex, c.smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(tex, c.blend);
    SDL_SetTextureColorMod(tex, c.r, c.g, c.b);
    SDL_SetTextureAlphaMod(tex, c.a);
    SDL_RenderSetClipRect(s.renderer, &clip);
    if (c.mirror_x || c.mirror_y) {
      const SDL_FPoint centre{c.dst.w / 2, c.dst.h / 3};
      const int flip = (c.mirror_x ? SDL_FLIP_HORIZONTAL : 0) | (c.mirror_y ? SDL_FLIP_VERTICAL : 0);
      SDL_RenderCopyExF(s.renderer, tex, &c.src, &c.dst, 0.0, &centre, static_cast<SDL_RendererFlip>(flip));
    } else {
      SDL_RenderCopyF(s.renderer, tex, &c.src, &c.dst);
    }
    SDL_RenderFlush(s.renderer);
    SDL_DestroyTexture(tex);

    if (!plat::detail::soft_copy(s.ours, clip, c)) {
      s.sync();
      continue;
    }
    ++drawn;
    const int at = s.first_difference();
    if (at >= 0) {
      ADD_FAILURE() << "trial " << t << ": " << describe(c, clip) << "\n  pixel " << at % kW << "," << at / kW
                    << " SDL " << std::hex << s.px(s.sdl)[at] << " ours " << s.px(s.ours)[at];
      return drawn;
    }
  }
  return drawn;
}

TEST(SoftCopy, UnscaledCopiesMatchSdlInEveryBlendAndModulation) {
  const int drawn = compare_random_copies(1, 3000, [](std::mt19937&, float&, float&) {});
  EXPECT_EQ(drawn, 3000);
}

TEST(SoftCopy, NearestScaledCopiesMatchSdlInsideAndAcrossTheTargetEdge) {
  const float scales[] = {0.5f, 2.0f, 3.0f, 0.66f, 1.37f, 1.0f, 0.25f, 2.5f};
  const int drawn = compare_random_copies(2, 3000, [&](std::mt19937& rng, float& sx, float& sy) {
    sx = scales[rng() % 8];
    sy = rng() % 3 ? sx : scales[rng() % 8];
    if (rng() % 4 == 0) sx = 0.2f + (rng() % 1000) * 0.004f;
  });
  EXPECT_GT(drawn, 2900);  // only the few unscaled, smoothly sampled ones are left to SDL
}

TEST(SoftCopy, MirroredCopiesMatchSdlsUnrotatedCopyEx) {
  const float scales[] = {1.0f, 1.0f, 0.5f, 2.0f, 0.66f, 1.5f};
  const int drawn = compare_random_copies(
      3, 3000,
      [&](std::mt19937& rng, float& sx, float& sy) {
        sx = scales[rng() % 6];
        sy = rng() % 2 ? sx : scales[rng() % 6];
      },
      true);
  // Unblended copies of textures with clear texels, and smoothly scaled
  // ones, are left to SDL.
  EXPECT_GT(drawn, 1500);
}

TEST(SoftCopy, FilledRectanglesMatchSdlOpaqueAndBlended) {
  Surfaces s;
  ASSERT_TRUE(s.renderer);
  std::mt19937 rng(4);
  for (int i = 0; i < kW * kH; ++i) s.px(s.sdl)[i] = rng();
  s.sync();
  for (int t = 0; t < 2000; ++t) {
    const SDL_FRect rect{static_cast<float>(static_cast<int>(rng() % 220) - 40) + (rng() % 5) * 0.2f,
                         static_cast<float>(static_cast<int>(rng() % 160) - 30) + (rng() % 5) * 0.2f,
                         (rng() % 90) * 0.7f, (rng() % 70) * 0.9f};
    const uint8_t r = static_cast<uint8_t>(rng()), g = static_cast<uint8_t>(rng()), b = static_cast<uint8_t>(rng());
    const uint8_t a = rng() % 3 == 0 ? 255 : static_cast<uint8_t>(rng());
    const SDL_Rect clip{static_cast<int>(rng() % 100) - 20, static_cast<int>(rng() % 80) - 20,
                        40 + static_cast<int>(rng() % 140), 30 + static_cast<int>(rng() % 110)};
    SDL_RenderSetClipRect(s.renderer, &clip);
    SDL_SetRenderDrawBlendMode(s.renderer, a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(s.renderer, r, g, b, a);
    SDL_RenderFillRectF(s.renderer, &rect);
    SDL_RenderFlush(s.renderer);
    ASSERT_TRUE(plat::detail::soft_fill(s.ours, clip, rect, r, g, b, a));
    const int at = s.first_difference();
    ASSERT_LT(at, 0) << "fill " << t << " at " << rect.x << "," << rect.y << " " << rect.w << "x" << rect.h << " colour "
                     << int(r) << "," << int(g) << "," << int(b) << "," << int(a) << ": pixel " << at % kW << ","
                     << at / kW << " SDL " << std::hex << s.px(s.sdl)[at] << " ours " << s.px(s.ours)[at];
  }
}

TEST(SoftCopy, PlacesNoIntegerHoldsAndOversizedTexturesAreLeftToSdl) {
  Surfaces s;
  std::vector<uint32_t> wide(40000, 0xFF808080u);
  SoftCopy c;
  c.pixels = wide.data(), c.tex_w = 40000, c.tex_h = 1, c.src = {0, 0, 40000, 1}, c.dst = {0, 0, 100, 1};
  const SDL_Rect all{0, 0, kW, kH};
  for (int i = 0; i < kW * kH; ++i) s.px(s.ours)[i] = 0x12345678u;
  EXPECT_FALSE(plat::detail::soft_copy(s.ours, all, c)) << "a scale step past 16.16";
  c.tex_w = c.src.w = 100;
  const float bad[] = {std::nanf(""), INFINITY, -INFINITY, 1.0e12f};
  for (float v : bad) {
    c.dst = {v, 0, 100, 1};
    EXPECT_FALSE(plat::detail::soft_copy(s.ours, all, c)) << v;
    c.dst = {0, 0, v, 1};
    EXPECT_FALSE(plat::detail::soft_copy(s.ours, all, c)) << v;
    EXPECT_FALSE(plat::detail::soft_fill(s.ours, all, SDL_FRect{0, v, 10, 10}, 1, 2, 3, 128)) << v;
  }
  for (int i = 0; i < kW * kH; ++i) ASSERT_EQ(s.px(s.ours)[i], 0x12345678u) << "nothing drawn";
}

#if RX_PIXEL_OPS_SSE2
// Four pixels at a time against one at a time, over every texel alpha, with
// and without each modulation, in every blend the four-wide path covers.
template <SDL_BlendMode Blend, bool Colour, bool Alpha>
void compare_four_wide(std::mt19937& rng) {
  using namespace plat::detail::pixel_ops;
  const Products& p = products();
  const uint32_t mr = Colour ? rng() & 0xFF : 255, mg = Colour ? rng() & 0xFF : 255, mb = Colour ? rng() & 0xFF : 255;
  const uint32_t ma = Alpha ? rng() & 0xFF : 255;
  const auto s16 = [](uint32_t v) { return static_cast<short>(v); };
  const __m128i mod = _mm_set_epi16(s16(ma), s16(mr), s16(mg), s16(mb), s16(ma), s16(mr), s16(mg), s16(mb));
  for (uint32_t alpha = 0; alpha < 256; alpha += 4) {
    uint32_t s[4], d[4], four[4];
    for (int k = 0; k < 4; ++k) s[k] = (alpha + k) << 24 | (rng() & 0xFFFFFF), d[k] = rng();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(four),
                     general_four<Blend>(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s)),
                                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(d)), mod));
    for (int k = 0; k < 4; ++k)
      ASSERT_EQ(four[k], (general<Blend, Colour, Alpha>(p, s[k], d[k], mr, mg, mb, ma)))
          << "blend " << Blend << " texel " << std::hex << s[k] << " over " << d[k];
    if constexpr (Blend == SDL_BLENDMODE_BLEND && !Colour && !Alpha) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(four),
                       pixel_alpha_four(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s)),
                                        _mm_loadu_si128(reinterpret_cast<const __m128i*>(d))));
      for (int k = 0; k < 4; ++k) ASSERT_EQ(four[k], pixel_alpha(s[k], d[k])) << std::hex << s[k] << " over " << d[k];
    }
  }
}

template <SDL_BlendMode Blend>
void compare_four_wide_mods(std::mt19937& rng) {
  compare_four_wide<Blend, false, false>(rng);
  compare_four_wide<Blend, true, false>(rng);
  compare_four_wide<Blend, false, true>(rng);
  compare_four_wide<Blend, true, true>(rng);
}

TEST(PixelOps, FourAtATimeGivesWhatOneAtATimeGives) {
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    compare_four_wide_mods<SDL_BLENDMODE_NONE>(rng);
    compare_four_wide_mods<SDL_BLENDMODE_BLEND>(rng);
    compare_four_wide_mods<SDL_BLENDMODE_ADD>(rng);
    compare_four_wide_mods<SDL_BLENDMODE_MOD>(rng);
  }
}

TEST(PixelOps, DivisionBy255HoldsForEveryProductOfTwoChannels) {
  using plat::detail::pixel_ops::div255;
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 256; y += 8) {
      alignas(16) uint16_t in[8], out[8];
      for (int k = 0; k < 8; ++k) in[k] = static_cast<uint16_t>(x * (y + k));
      _mm_store_si128(reinterpret_cast<__m128i*>(out), div255(_mm_load_si128(reinterpret_cast<const __m128i*>(in))));
      for (int k = 0; k < 8; ++k) ASSERT_EQ(out[k], x * (y + k) / 255) << x << " * " << y + k;
    }
}
#endif

TEST(SoftCopy, SmoothlyScaledCopiesMatchSdlInsideAndAcrossTheTargetEdge) {
  const float scales[] = {2.0f, 0.5f, 1.5f, 0.66f, 3.0f};
  const int drawn = compare_random_copies(
      5, 3000,
      [&](std::mt19937& rng, float& sx, float& sy) {
        sx = scales[rng() % 5];
        sy = rng() % 3 ? sx : scales[rng() % 5];
      },
      false, true);
  EXPECT_EQ(drawn, 3000);
  plat::detail::drop_kept_stretches();
}

// More distinct stretches than are kept, then the first ones again: every
// copy still shows its own texels once older stretches have been let go.
TEST(SoftCopy, KeptStretchesStayTrueWhenTheirBoundIsPassed) {
  Surfaces s;
  ASSERT_TRUE(s.renderer);
  std::mt19937 rng(6);
  std::vector<uint32_t> texels[2];
  SDL_Texture* tex[2];
  for (int k = 0; k < 2; ++k) {
    texels[k].resize(24 * 20);
    for (auto& p : texels[k]) p = 0xFF000000u | random_texel(rng);
    tex[k] = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 24, 20);
    ASSERT_TRUE(tex[k]);
    SDL_UpdateTexture(tex[k], nullptr, texels[k].data(), 24 * 4);
    SDL_SetTextureScaleMode(tex[k], SDL_ScaleModeLinear);
    SDL_SetTextureBlendMode(tex[k], SDL_BLENDMODE_NONE);
  }
  const SDL_Rect clip{0, 0, kW, kH};
  SDL_RenderSetClipRect(s.renderer, &clip);
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 1500; i += round + 1) {
      const int k = i % 2;
      SoftCopy c;
      c.pixels = texels[k].data(), c.tex_w = 24, c.tex_h = 20, c.src = {0, 0, 24, 20}, c.smooth = true, c.opaque = true;
      c.texels_id = 1000 + static_cast<uint64_t>(k);
      c.dst = SDL_FRect{static_cast<float>(i % 50), static_cast<float>(i % 30), 30.0f + i % 70, 25.0f + (i / 70) % 60};
      SDL_RenderCopyF(s.renderer, tex[k], &c.src, &c.dst);
      SDL_RenderFlush(s.renderer);
      ASSERT_TRUE(plat::detail::soft_copy(s.ours, clip, c));
      const int at = s.first_difference();
      ASSERT_LT(at, 0) << "round " << round << " copy " << i;
    }
  for (SDL_Texture* t : tex) SDL_DestroyTexture(t);
  plat::detail::drop_kept_stretches();
}

TEST(SoftCopy, SmoothlyScaledMirroredCopiesAreLeftToSdl) {
  Surfaces s;
  uint32_t texel = 0xFF102030u;
  SoftCopy c;
  c.pixels = &texel, c.tex_w = c.tex_h = 1, c.src = {0, 0, 1, 1}, c.dst = {10, 10, 4, 4}, c.smooth = true;
  s.px(s.ours)[10 * kW + 10] = 0;
  c.mirror_x = true;
  EXPECT_FALSE(plat::detail::soft_copy(s.ours, SDL_Rect{0, 0, kW, kH}, c));
  EXPECT_EQ(s.px(s.ours)[10 * kW + 10], 0u);
}

}  // namespace
