// Checks of how the creature pictures read: acid falls as a heavy splash,
// nothing is cut off by its frame's edge, and the colonist close-up is lit
// the dim cold way the rest of the nest is.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "paint_kit/canvas.h"
#include "creature_art/paint.h"
#include "creature_art/pictures.h"
#include "decoded_picture.h"

namespace cc = contentgen::creatures;
using creature_checks::decode;
using creature_checks::Picture;

namespace {

Picture make(const std::string& file) {
  for (const auto& p : cc::pictures())
    if (p.name == "data\\gfx\\" + file) return decode(p.make());
  return {};
}

// Yellow-green: green strongest, red well above blue.
bool acid_coloured(const uint8_t* p) { return p[1] > p[0] && p[0] > p[2] + 40 && p[1] > 90; }

struct Spread {
  long above = 0, below = 0, acid = 0, solid = 0;
};

Spread measure_paint(contentgen::Canvas& c, double origin_y) {
  Picture p = decode(c.png());
  Spread s;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      if (!p.solid(x, y)) continue;
      ++s.solid;
      s.acid += acid_coloured(p.at(x, y));
      (y < origin_y ? s.above : s.below) += 1;
    }
  return s;
}

}  // namespace

TEST(CreatureLook, AcidSplashIsHeavyAndFallsDownward) {
  for (double lift : {0.0, 0.8}) {
    SCOPED_TRACE(lift);
    contentgen::Canvas c(400, 400);
    cc::acid_splash(c.cr(), {200, 150}, 80, 901, lift);
    Spread s = measure_paint(c, 150);
    // A thick splash, not a few sparks.
    EXPECT_GT(s.solid, 4000);
    EXPECT_GT(s.acid, s.solid * 6 / 10) << "acid should read yellow-green";
    EXPECT_GT(s.below, s.above) << "the goo should mostly fall";
  }
  // Even when drawn on a tipped-over body, the goo falls down the picture.
  contentgen::Canvas c(400, 400);
  cairo_translate(c.cr(), 200, 200);
  cairo_rotate(c.cr(), M_PI);
  cc::acid_splash(c.cr(), {0, 0}, 60, 77, 0.0);
  Spread s = measure_paint(c, 200);
  EXPECT_GT(s.below, s.above * 2);
}

TEST(CreatureLook, AcidRunsOnlyRunDown) {
  contentgen::Canvas c(200, 300);
  cc::acid_runs(c.cr(), {100, 60}, 30, 180, 4, 5, 11);
  Spread s = measure_paint(c, 40);  // trails start a little either side of `from`
  EXPECT_GT(s.below, 600);
  EXPECT_EQ(s.above, 0);
}

TEST(CreatureLook, DeathFramesBleedAcid) {
  for (const char* stem : {"alien_d", "hugger_d", "queen_d"}) {
    SCOPED_TRACE(stem);
    for (int f = 1; f <= 3; ++f) {
      Picture p = make(std::string(stem) + std::to_string(f) + ".png");
      long acid = 0;
      for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) acid += p.solid(x, y) && acid_coloured(p.at(x, y));
      EXPECT_GT(acid, static_cast<long>(p.w) * p.h / 100);
    }
  }
}

TEST(CreatureLook, NothingIsCutOffAtTheTopOfItsFrame) {
  // Crests, fingers and skulls that run off the top edge show as flat cuts.
  for (const char* file : {"queen_1.png", "queen_2.png", "queen_3.png", "hugger_a1.png", "alien_1.png",
                           "alien_2.png", "alien_3.png"}) {
    SCOPED_TRACE(file);
    Picture p = make(file);
    ASSERT_TRUE(p.ok);
    int top = 0;
    for (int x = 0; x < p.w; ++x) top += p.solid(x, 0);
    EXPECT_LT(top, 4);
  }
}

TEST(CreatureLook, ColonistCloseUpIsDimAndCold) {
  Picture p = make("colonist_big.png");
  ASSERT_TRUE(p.ok);
  double r = 0, g = 0, b = 0, centre = 0, edge = 0;
  long nc = 0, ne = 0;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      const uint8_t* px = p.at(x, y);
      r += px[0], g += px[1], b += px[2];
      double lum = 0.3 * px[0] + 0.59 * px[1] + 0.11 * px[2];
      bool in_centre = std::abs(x - p.w * 0.56) < p.w * 0.15 && std::abs(y - p.h * 0.45) < p.h * 0.2;
      bool at_edge = x < p.w / 10 || x >= p.w * 9 / 10 || y < p.h / 10 || y >= p.h * 9 / 10;
      if (in_centre) centre += lum, ++nc;
      if (at_edge) edge += lum, ++ne;
    }
  double n = static_cast<double>(p.w) * p.h;
  r /= n, g /= n, b /= n;
  // Green-blue cast, and dim overall.
  EXPECT_GT(g, r);
  EXPECT_GT(b, r);
  EXPECT_LT((r + g + b) / 3, 90);
  // The face in the middle is what the light finds; the edges sink away.
  EXPECT_GT(centre / nc, 2.0 * edge / ne);
}
