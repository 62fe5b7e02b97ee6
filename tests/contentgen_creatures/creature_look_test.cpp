// Checks of how the creature pictures read: acid falls as a heavy splash,
// nothing is cut off by its frame's edge, and the colonist close-up is lit
// the dim cold way the rest of the nest is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>
#include <memory>
#include <stdexcept>
#include <string>

#include "paint_kit/canvas.h"
#include "creature_art/creature_brushes.h"
#include "creature_art/death_wound.h"
#include "creature_art/magnified_finish.h"
#include "creature_art/pictures.h"
#include "creature_art/queen_model.h"
#include "creatures/creature_tables.h"
#include "world/room_fields.h"
#include "model_kit/model.h"
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

// The picture as the build wrote it. CreaturePictures checks that the
// build's files are what the painters make, so the checks that look at
// every frame read them instead of painting each frame again.
Picture built(const std::string& file) {
  std::ifstream f(std::string(RX_CONTENT_DIR) + "/data/gfx/" + file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  return decode(bytes);
}

// Yellow-green: green strongest, red well above blue.
bool acid_coloured(const uint8_t* p) { return p[1] > p[0] && p[0] > p[2] + 40 && p[1] > 90; }

// Pale, warm ivory: the teeth, not the blue-white shine of the carapace
// nor the green-grey of the slime.
bool tooth_coloured(const uint8_t* p) {
  return p[0] > 120 && p[1] > 105 && p[0] >= p[1] - 4 && p[0] > p[2] + 12 && p[0] < p[2] + 90;
}

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
    // A heavy spurt, not a few sparks: the goo is torn into a knot, runs
    // and streaking drops rather than one round splat, so it covers less
    // than a splat would, but still thousands of pixels at this reach.
    EXPECT_GT(s.solid, 2000);
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
      Picture p = built(std::string(stem) + std::to_string(f) + ".png");
      ASSERT_TRUE(p.ok);
      long acid = 0;
      for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) acid += p.solid(x, y) && acid_coloured(p.at(x, y));
      // The wound's spurt is torn into drops and runs, so it covers less of
      // the frame than a round splat did, but a frame with no bleeding
      // shows next to none.
      EXPECT_GT(acid, static_cast<long>(p.w) * p.h / 200);
    }
  }
}

TEST(CreatureLook, DeathWoundsSpreadAsTheBodyFalls) {
  // The acid eats outward and runs down to the floor: the last frame shows
  // far more of it than the second, rather than the same splat again.
  const std::pair<const char*, int> kinds[] = {{"alien_d", 5}, {"hugger_d", 4}, {"queen_d", 5}};
  for (const auto& [stem, last] : kinds) {
    SCOPED_TRACE(stem);
    long acid[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
      Picture p = built(std::string(stem) + std::to_string(i == 0 ? 2 : last) + ".png");
      ASSERT_TRUE(p.ok);
      for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) acid[i] += p.solid(x, y) && acid_coloured(p.at(x, y));
    }
    EXPECT_GT(acid[1], acid[0] * 3 / 2);
  }
}

TEST(CreatureLook, QueenLungeKeepsHerTeethInTheCloseView) {
  // Close up, the game draws the lunge frames about their handle at the
  // size of its nearest approach; only the rows the close view shows and
  // the columns within half a view's width (390 px) of the handle are
  // seen. Her bared teeth have to be among them, in both frames.
  namespace qm = cc::queen_model;
  const float scale = creaturesize(kindqueen, 62);
  for (const char* file : {"queen_a1.png", "queen_a2.png"}) {
    SCOPED_TRACE(file);
    Picture p = built(file);
    ASSERT_TRUE(p.ok);
    const int half = static_cast<int>(390 / scale);
    long seen = 0, all = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y) || !tooth_coloured(p.at(x, y))) continue;
        ++all;
        seen += y >= qm::kCloseTop && y <= qm::kCloseBottom && std::abs(x - p.w / 2) <= half - 20;
      }
    // A few pale pixels elsewhere (a strand of slime, a warm glint) pass
    // for teeth; nearly all the rest must be in view.
    EXPECT_GT(seen, 150) << "too few teeth in the close view";
    EXPECT_GE(seen * 5, all * 4) << seen << " of " << all << " tooth-coloured pixels in the close view";
  }
}

TEST(CreatureLook, NoCreatureFrameIsCutByItsLeftRightOrTopEdge) {
  // The game draws whole sprites on screen (an attack starts small, with
  // the whole frame in view), so a pose running off an edge shows as a
  // straight cut. The bottom edge is the floor and may be touched.
  const std::string kinds[] = {"alien_", "hugger_", "queen_"};
  int frames = 0;
  for (const auto& p : cc::pictures()) {
    const std::string file = p.name.substr(p.name.rfind('\\') + 1);
    if (file == "alien_head.png") continue;  // a crop of the walking head, not a frame of a strip
    bool creature = false;
    for (const auto& k : kinds) creature |= file.rfind(k, 0) == 0;
    if (!creature) continue;
    SCOPED_TRACE(file);
    Picture pic = built(file);
    ASSERT_TRUE(pic.ok);
    ++frames;
    int left = 0, right = 0, top = 0;
    for (int y = 0; y < pic.h; ++y) left += pic.solid(0, y), right += pic.solid(pic.w - 1, y);
    for (int x = 0; x < pic.w; ++x) top += pic.solid(x, 0);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(top, 0);
  }
  EXPECT_EQ(frames, 3 + 2 + 4 + 5 + 3 + 1 + 3 + 4 + 3 + 2 + 5);
}

TEST(CreatureLook, EdgeCheckRejectsCutsButNotTheFloor) {
  auto with_pixel = [](int x, int y) {
    auto c = std::make_unique<contentgen::Canvas>(20, 10);
    cairo_rectangle(c->cr(), x, y, 1, 1);
    cairo_fill(c->cr());
    return c;
  };
  EXPECT_NO_THROW(cc::require_clear_edges(*with_pixel(10, 5), "inside"));
  EXPECT_NO_THROW(cc::require_clear_edges(*with_pixel(10, 9), "on the floor"));
  EXPECT_THROW(cc::require_clear_edges(*with_pixel(0, 5), "left"), std::runtime_error);
  EXPECT_THROW(cc::require_clear_edges(*with_pixel(19, 5), "right"), std::runtime_error);
  EXPECT_THROW(cc::require_clear_edges(*with_pixel(10, 0), "top"), std::runtime_error);
}

TEST(CreatureLook, FittingShrinksOnlyPosesThatOverflowAndKeepsThePivot) {
  const cc::Pt pivot{50, 20};
  // Fits already: drawn exactly as without fitting.
  auto small = [](cairo_t* cr) {
    cairo_rectangle(cr, 30, 10, 40, 60);
    cairo_fill(cr);
  };
  contentgen::Canvas plain(100, 80), fitted(100, 80);
  small(plain.cr());
  cc::draw_fitted(fitted, pivot, small);
  EXPECT_EQ(plain.png(), fitted.png());
  // Reaches 30 px past the left edge and 10 px over the top: shrunk about
  // the pivot until both clear the margin, the pivot itself unmoved.
  auto wide = [](cairo_t* cr) {
    cairo_rectangle(cr, -30, -10, 120, 200);
    cairo_fill(cr);
    cairo_rectangle(cr, 49, 19, 2, 2);  // marks the pivot
    cairo_fill(cr);
  };
  contentgen::Canvas c(100, 80);
  cc::draw_fitted(c, pivot, wide);
  EXPECT_NO_THROW(cc::require_clear_edges(c, "fitted"));
  Picture p = decode(c.png());
  ASSERT_TRUE(p.ok);
  EXPECT_TRUE(p.solid(50, 20));
  EXPECT_TRUE(p.solid(5, 40));   // still reaches close to the left edge
  EXPECT_FALSE(p.solid(1, 40));  // but keeps the margin
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

// The dark rim follows the sprite's own mask: the pixels just inside a
// body's outline fall, its middle keeps its light, its coverage is
// untouched, and a limb two pixels across is not blackened.
TEST(CreatureLook, SpritesEndInADarkRimThatSparesThinLimbs) {
  namespace md = contentgen::model;
  md::Model m;
  const md::Material pale{0.7f, 0.7f, 0.7f, 0.2f, 20, 0.0f, 0};
  m.sphere({30, 30, 0}, 20, pale);
  m.capsule({60, 10, 0}, {60, 50, 0}, 1.0f, 1.0f, pale);
  auto draw = [&](float edge) {
    contentgen::Canvas c(72, 60);
    md::RenderOptions o;
    o.edge_shade = edge;
    md::render(m, c, o);
    return decode(c.png());
  };
  const Picture plain = draw(0), rimmed = draw(0.45f);
  auto lum = [](const Picture& p, int x, int y) { return p.at(x, y)[0] + p.at(x, y)[1] + p.at(x, y)[2]; };
  for (int y = 0; y < plain.h; ++y)
    for (int x = 0; x < plain.w; ++x) ASSERT_EQ(plain.at(x, y)[3], rimmed.at(x, y)[3]) << x << "," << y;
  // The sphere's right edge on its middle row, and its lit middle.
  int edge = 49;
  while (edge > 30 && !plain.solid(edge, 30)) --edge;
  EXPECT_LT(lum(rimmed, edge, 30), 0.75 * lum(plain, edge, 30));
  EXPECT_EQ(lum(rimmed, 25, 25), lum(plain, 25, 25));
  // The thin limb's brightest pixel across its middle row.
  int thin_plain = 0, thin_rimmed = 0;
  for (int x = 56; x <= 64; ++x) thin_plain = std::max(thin_plain, lum(plain, x, 30)),
                                  thin_rimmed = std::max(thin_rimmed, lum(rimmed, x, 30));
  EXPECT_GT(thin_plain, 60);
  EXPECT_GT(thin_rimmed, 0.8 * thin_plain);
}

// The coverage and tags a render gathers from its own rays are what the
// separate passes would give, at any supersample, and gathering them
// leaves the picture as it was.
TEST(CreatureLook, RenderMapsMatchTheSeparatePasses) {
  namespace md = contentgen::model;
  md::Model m;
  md::Material skin{0.7f, 0.5f, 0.4f, 0.3f, 20, 0.5f, 0};
  skin.tag = 0.5f;
  md::Material cloth{0.2f, 0.3f, 0.5f, 0.1f, 10, 0.5f, 0};
  cloth.tag = -1.0f;
  m.set_skin(0.2f, 3.0f);
  m.sphere({28, 26, 0}, 16, skin);
  m.capsule({20, 40, 0}, {50, 52, 4}, 7.0f, 4.0f, cloth, 5.0f, 3.0f, 0.4f);
  m.ellipsoid({44, 20, 6}, {9, 5, 6}, md::rot_z(0.4f), cloth, 4.0f);
  constexpr int w = 64, h = 60;
  for (int ss : {1, 2, 3}) {
    md::RenderOptions o;
    o.supersample = ss;
    contentgen::Canvas plain(w, h), mapped(w, h);
    md::render(m, plain, o);
    md::RenderMaps maps;
    md::render(m, mapped, o, maps);
    EXPECT_EQ(plain.png(), mapped.png()) << ss;
    EXPECT_EQ(maps.coverage, md::coverage(m, w, h, ss)) << ss;
    EXPECT_EQ(maps.tags, md::tag_map(m, w, h, ss)) << ss;
  }
}

// A magnified frame: a lone bright pixel in a flat body is pulled to its
// surroundings, a stray pixel off the outline is cleared, the outline ends
// darker than the middle, and a clear picture stays clear.
TEST(CreatureLook, MagnifiedFramesLoseSpeckleAndGetADarkRim) {
  contentgen::Canvas c(40, 40);
  const uint8_t grey[4] = {100, 100, 100, 255}, white[4] = {255, 255, 255, 255};
  for (int y = 5; y < 35; ++y)
    for (int x = 5; x < 35; ++x) c.set_pixel(x, y, grey);
  c.set_pixel(20, 20, white);
  c.set_pixel(1, 1, white);
  cc::finish_for_magnifying(c);
  uint8_t px[4];
  c.get_pixel(20, 20, px);
  EXPECT_LT(px[0], 160) << "speckle kept";
  c.get_pixel(1, 1, px);
  EXPECT_LT(px[3], 128) << "stray pixel kept";
  uint8_t edge[4], mid[4];
  c.get_pixel(5, 20, edge);
  c.get_pixel(12, 20, mid);
  EXPECT_EQ(edge[3], 255);
  EXPECT_LT(edge[0] + 20, mid[0]);
  EXPECT_EQ(mid[0], 100);
  contentgen::Canvas empty(8, 8);
  cc::finish_for_magnifying(empty);
  empty.get_pixel(4, 4, px);
  EXPECT_EQ(px[3], 0);
}

namespace {

double luminance(const uint8_t* p) { return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]; }

}  // namespace

// The roaming hugger is seen small on the floor: it must fill enough of its
// strip to read as a body on fingers, and its flesh must stay dark enough
// under its rim, with real contrast, not wash out to a pale grey twig.
TEST(CreatureLook, RoamingHuggerReadsAsABodyNotAPaleTwig) {
  for (int f = 1; f <= 3; ++f) {
    SCOPED_TRACE(f);
    const Picture p = built("hugger_" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    long solid = 0;
    double sum = 0, sum2 = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y)) continue;
        const double l = luminance(p.at(x, y));
        ++solid, sum += l, sum2 += l * l;
      }
    ASSERT_GT(solid, 0);
    int minx = p.w, maxx = -1;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (p.solid(x, y)) minx = std::min(minx, x), maxx = std::max(maxx, x);
    const double mean = sum / solid, spread = std::sqrt(sum2 / solid - mean * mean);
    // A small palm on long slender fingers covers fewer pixels than a fat
    // sac did, but still far more than a speck.
    EXPECT_GT(solid, 1200) << "too small to read on the floor";
    EXPECT_GT(maxx - minx, 110) << "huddled into a speck instead of sprawled across the floor";
    EXPECT_LT(mean, 105) << "washed out pale";
    EXPECT_GT(spread, 32) << "flat: no dark joints against a bright rim";
    // Its outermost pixels are dark all round, so the pale body stands off
    // red and pink walls.
    long edge = 0, dark = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y)) continue;
        const bool inner = x > 0 && y > 0 && x + 1 < p.w && y + 1 < p.h && p.solid(x - 1, y) && p.solid(x + 1, y) &&
                           p.solid(x, y - 1) && p.solid(x, y + 1);
        if (inner) continue;
        ++edge, dark += luminance(p.at(x, y)) < 40;
      }
    EXPECT_GT(dark, edge * 8 / 10) << "no dark outline to hold it off a tinted wall";
  }
}

// The egg's hatching must be seen from one frame to the next: across the
// crown (its top third) most pixels change from each stage to the next, as
// the petals part, fold flat and peel down.
TEST(CreatureLook, EggCrownChangesVisiblyThroughTheHatching) {
  const char* stages[] = {"egg.png", "egg_c1.png", "egg_c2.png", "egg_c3.png"};
  for (int i = 0; i + 1 < 4; ++i) {
    SCOPED_TRACE(stages[i + 1]);
    const Picture a = built(stages[i]), b = built(stages[i + 1]);
    ASSERT_TRUE(a.ok && b.ok);
    ASSERT_EQ(a.w, b.w);
    ASSERT_EQ(a.h, b.h);
    long crown = 0, changed = 0;
    for (int y = 0; y < a.h / 3; ++y)
      for (int x = 0; x < a.w; ++x) {
        const bool sa = a.solid(x, y), sb = b.solid(x, y);
        if (!sa && !sb) continue;
        ++crown;
        changed += sa != sb || std::fabs(luminance(a.at(x, y)) - luminance(b.at(x, y))) > 40;
      }
    ASSERT_GT(crown, 0);
    EXPECT_GT(static_cast<double>(changed) / crown, 0.5);
  }
}

// A sealed egg is alive inside: a faint green-gold glow shows along the
// cross-shaped slit over its crown, not only a leathery brown dome.
TEST(CreatureLook, SealedEggGlowsAlongItsSlit) {
  const Picture p = built("egg.png");
  ASSERT_TRUE(p.ok);
  long glow = 0;
  for (int y = 0; y < p.h / 3; ++y)
    for (int x = 0; x < p.w; ++x) {
      if (!p.solid(x, y)) continue;
      const uint8_t* c = p.at(x, y);
      glow += c[1] > c[0] && c[1] > c[2] + 30 && c[1] > 70;
    }
  EXPECT_GT(glow, 15) << "no glow along the slit";
}

// Blown up in her lunge, her plate must still catch the light in small
// sharp glints, as the warrior's does; flattening every bright pixel into
// its neighbours leaves a dull, soft grain that reads as an enlarged
// picture.
TEST(CreatureLook, QueenLungeCatchesTheLightInGlints) {
  for (const char* file : {"queen_a1.png", "queen_a2.png"}) {
    SCOPED_TRACE(file);
    const Picture p = built(file);
    ASSERT_TRUE(p.ok);
    long solid = 0, glint = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y)) continue;
        ++solid;
        glint += luminance(p.at(x, y)) > 150;
      }
    ASSERT_GT(solid, 20000);
    EXPECT_GT(glint * 100, solid) << glint << " bright pixels of " << solid;
  }
}

// The warrior's lunge comes at the viewer jaws first: what shows between
// the jaws is a near-black throat, so no fleshy red tongue fills its mouth,
// and the glassy teeth stay the brightest thing about the head.
TEST(CreatureLook, WarriorLungeShowsADarkThroatNotARedTongue) {
  for (int f = 1; f <= 2; ++f) {
    SCOPED_TRACE(f);
    const Picture p = built("alien_a" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    long red = 0, solid = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y)) continue;
        const uint8_t* c = p.at(x, y);
        ++solid;
        red += c[0] > 70 && c[0] > 2 * c[1] && c[0] > 1.6 * c[2];
      }
    ASSERT_GT(solid, 10000);
    EXPECT_LT(red, 60) << "a red tongue in the mouth";
  }
}

// In a red room her black plate is multiplied toward nothing: she has to
// carry her light in highlights and rim, not in a greyed body. Her walk
// frames' solid pixels must be bright on average while the middle of them
// stays dark plate.
TEST(CreatureLook, QueenCarriesHerLightInHighlights) {
  for (int f = 1; f <= 3; ++f) {
    SCOPED_TRACE(f);
    const Picture p = built("queen_" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    std::vector<double> l;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (p.solid(x, y)) l.push_back(luminance(p.at(x, y)));
    ASSERT_GT(l.size(), 5000u);
    double sum = 0;
    for (double v : l) sum += v;
    std::nth_element(l.begin(), l.begin() + l.size() / 2, l.end());
    EXPECT_GT(sum / l.size(), 45) << "too dark to read under a room's tint";
    EXPECT_LT(l[l.size() / 2], 60) << "her plate greyed instead of lit";
  }
}

// Each kind of body opens its own wound, and the droplets thrown off it
// are left behind the way the body moves.
TEST(CreatureLook, DeathWoundsDifferByKindAndTrailTheFall) {
  auto draw = [](cc::WoundKind kind, contentgen::paint::Pt fall) {
    contentgen::Canvas c(300, 300);
    cairo_rectangle(c.cr(), 60, 60, 180, 180);  // the body the wound sits on
    cairo_set_source_rgb(c.cr(), 0.2, 0.2, 0.25);
    cairo_fill(c.cr());
    cc::death_wound(c.cr(), {150, 120}, 30, 41, 0.5, 290, {kind, 0.3, fall});
    return decode(c.png());
  };
  const Picture torn = draw(cc::WoundKind::torn_chitin, {0, 10});
  const Picture sac = draw(cc::WoundKind::burst_sac, {0, 10});
  const Picture split = draw(cc::WoundKind::split, {0, 10});
  auto differ = [](const Picture& a, const Picture& b) {
    long n = 0;
    for (int y = 60; y < 180; ++y)
      for (int x = 60; x < 240; ++x) n += std::fabs(luminance(a.at(x, y)) - luminance(b.at(x, y))) > 30;
    return n;
  };
  EXPECT_GT(differ(torn, sac), 800);
  EXPECT_GT(differ(torn, split), 800);
  EXPECT_GT(differ(sac, split), 800);
  // Acid left and right of the wound, outside its runs.
  auto sides = [](const Picture& p, long& left, long& right) {
    left = right = 0;
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 300; ++x) {
        if (!acid_coloured(p.at(x, y)) || !p.solid(x, y)) continue;
        if (x < 150 - 36) ++left;
        if (x > 150 + 36) ++right;
      }
  };
  long l1, r1, l2, r2;
  sides(draw(cc::WoundKind::split, {30, 0}), l1, r1);
  sides(draw(cc::WoundKind::split, {-30, 0}), l2, r2);
  EXPECT_GT(l1, r1) << "moving right, the spray should trail to the left";
  EXPECT_GT(r2, l2) << "moving left, the spray should trail to the right";
}

// A red room multiplies away her blue and green: her crest, the top rows of
// the lunge frames, has to keep its ribbing in the red channel alone, as
// pale ribs over darker webs, rather than sinking into one flat dark shape.
TEST(CreatureLook, QueenCrestKeepsItsRibsUnderARedRoom) {
  for (const char* file : {"queen_a1.png", "queen_a2.png"}) {
    SCOPED_TRACE(file);
    const Picture p = built(file);
    ASSERT_TRUE(p.ok);
    std::vector<int> red;
    for (int y = 0; y < 200 && y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (p.solid(x, y)) red.push_back(p.at(x, y)[0] * 175 / 255);
    ASSERT_GT(red.size(), 10000u);
    std::sort(red.begin(), red.end());
    const int low = red[red.size() / 10], high = red[red.size() * 9 / 10];
    EXPECT_GE(high - low, 45) << "crest flat under red: " << low << ".." << high;
  }
}

// Crisping a magnified frame: a soft step inside the body gets steeper, a
// flat body stays flat right up to its outline (no halo from the clear
// room), a dark body is not pushed to black, and alpha is untouched.
TEST(CreatureLook, SharpeningSteepensSoftEdgesWithoutHalos) {
  contentgen::Canvas c(40, 30);
  for (int y = 5; y < 25; ++y)
    for (int x = 5; x < 35; ++x) {
      // 20 on the left, 120 on the right, a four-pixel ramp between.
      const int v = x < 18 ? 20 : x >= 22 ? 120 : 20 + (x - 17) * 20;
      const uint8_t px[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(v), 255};
      c.set_pixel(x, y, px);
    }
  uint8_t before[4], after[4];
  c.get_pixel(18, 15, before);
  const int step_before = before[0];
  cc::sharpen_for_magnifying(c, 1.2f, 1.3f);
  c.get_pixel(18, 15, after);
  EXPECT_LT(after[0], step_before) << "the dark side of the ramp was not steepened";
  c.get_pixel(21, 15, after);
  EXPECT_GT(after[0], 100) << "the light side of the ramp was not steepened";
  // Flat areas and the outline keep their values; the dark side stays above black.
  for (int x : {5, 6, 10}) {
    c.get_pixel(x, 15, after);
    EXPECT_EQ(after[0], 20) << x;
  }
  c.get_pixel(17, 15, after);
  EXPECT_GT(after[0], 10);
  c.get_pixel(34, 15, after);
  EXPECT_EQ(after[0], 120);
  c.get_pixel(2, 2, after);
  EXPECT_EQ(after[3], 0);
  c.get_pixel(20, 15, after);
  EXPECT_EQ(after[3], 255);
}

// The warrior seen lunging is the animal that roams: its body must not come
// out markedly paler or bluer than the roaming frames'.
TEST(CreatureLook, LungingWarriorHasTheRoamingWarriorsValueAndHue) {
  auto mean = [](const Picture& p, double& lum, double& blue) {
    double l = 0, b = 0;
    long n = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (!p.solid(x, y)) continue;
        const uint8_t* c = p.at(x, y);
        l += 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2];
        b += c[2] - c[0];
        ++n;
      }
    lum = n ? l / n : 0, blue = n ? b / n : 0;
  };
  double roam_lum = 0, roam_blue = 0;
  for (int f = 1; f <= 3; ++f) {
    const Picture p = built("alien_" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    double l, b;
    mean(p, l, b);
    roam_lum += l / 3, roam_blue += b / 3;
  }
  for (int f = 1; f <= 2; ++f) {
    SCOPED_TRACE(f);
    const Picture p = built("alien_a" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    double l, b;
    mean(p, l, b);
    EXPECT_LT(l, roam_lum * 1.15) << "paler than the roaming warrior";
    EXPECT_GT(l, roam_lum * 0.8) << "darker than the roaming warrior";
    EXPECT_LT(b, roam_blue + 4) << "bluer than the roaming warrior";
  }
}
