// Checks of the generated creature pictures: sizes and handles that the
// drawing code relies on, the warrior's head hit image, and determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "creature_art/creature_sizes.h"
#include "creature_art/pictures.h"
#include "decoded_picture.h"
#include "manifest.h"
#include "registry.h"

namespace cc = contentgen::creatures;
using creature_checks::decode;
using creature_checks::Picture;

namespace {

contentgen::Bytes built_file(const std::string& name) {
  std::string disk = name;
  std::replace(disk.begin(), disk.end(), '\\', '/');
  std::ifstream f(std::filesystem::path(RX_CONTENT_DIR) / disk, std::ios::binary);
  return contentgen::Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Every picture as the build generated it, decoded once per test program.
const std::map<std::string, Picture>& decoded() {
  static const std::map<std::string, Picture> all = [] {
    std::map<std::string, Picture> m;
    for (const auto& p : cc::pictures()) m[p.name] = decode(built_file(p.name));
    return m;
  }();
  return all;
}

const Picture& pic(const std::string& file) { return decoded().at("data\\gfx\\" + file); }

cc::Size intended_size(const std::string& file) {
  auto starts = [&](const char* s) { return file.rfind(s, 0) == 0; };
  if (file == "alien_head.png") return cc::kWarriorHead;
  if (starts("alien_a") || starts("alien_d")) return cc::kWarriorAttack;
  if (starts("alien_c")) return cc::kWarriorCorpse;
  if (starts("alien_")) return cc::kWarriorWalk;
  if (starts("hugger_a") || starts("hugger_d")) return cc::kHuggerAttack;
  if (starts("hugger_c")) return cc::kHuggerCorpse;
  if (starts("hugger_")) return cc::kHuggerWalk;
  if (starts("queen_a") || starts("queen_d")) return cc::kQueenAttack;
  if (starts("queen_")) return cc::kQueenWalk;
  if (starts("egg")) return cc::kEgg;
  if (file == "wren.png") return cc::kWren;
  if (file == "colonist_big.png") return cc::kColonistBig;
  if (starts("colonist_")) return cc::kCocoon;
  return {0, 0};
}

// The shared handle of a kind's attack and death frames, from its first
// attack picture.
std::pair<int, int> attack_handle(const Picture& p, double k) {
  return {p.w / 2, static_cast<int>(p.h * k + 0.5)};
}

int lowest_solid_row(const Picture& p) {
  for (int y = p.h - 1; y >= 0; --y)
    for (int x = 0; x < p.w; ++x)
      if (p.solid(x, y)) return y;
  return -1;
}

}  // namespace

TEST(CreaturePictures, EveryEntryIsInTheArchiveAndDecodesAtItsSize) {
  const auto& names = contentgen::manifest();
  std::set<std::string> seen;
  ASSERT_EQ(cc::pictures().size(), 44u);
  for (const auto& p : cc::pictures()) {
    SCOPED_TRACE(p.name);
    EXPECT_TRUE(std::find(names.begin(), names.end(), p.name) != names.end());
    EXPECT_TRUE(seen.insert(p.name).second) << "listed twice";
    const Picture& d = decoded().at(p.name);
    ASSERT_TRUE(d.ok);
    cc::Size want = intended_size(p.name.substr(9));
    EXPECT_EQ(d.w, want.w);
    EXPECT_EQ(d.h, want.h);
  }
}

TEST(CreaturePictures, AttackHandlesLandOnTheHead) {
  struct Kind {
    const char* first;
    double k;
    int hx, hy;
  };
  const Kind kinds[] = {{"alien_a1.png", 0.127, 278, 63}, {"hugger_a1.png", 0.364, 214, 179},
                        {"queen_a1.png", 0.244, 275, 149}};
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.first);
    const Picture& p = pic(k.first);
    auto [hx, hy] = attack_handle(p, k.k);
    EXPECT_EQ(hx, k.hx);
    EXPECT_EQ(hy, k.hy);
    // The handle point is on the creature's body, not in empty space.
    int solid = 0;
    for (int y = hy - 6; y <= hy + 6; ++y)
      for (int x = hx - 6; x <= hx + 6; ++x) solid += p.solid(x, y);
    EXPECT_GT(solid, 150) << "handle is not on the creature";
  }
  // Death frames share the handle, so they keep the attack frame's size.
  for (int f = 1; f <= 5; ++f) EXPECT_EQ(pic("alien_d" + std::to_string(f) + ".png").w, pic("alien_a1.png").w);
  for (int f = 1; f <= 5; ++f) EXPECT_EQ(pic("queen_d" + std::to_string(f) + ".png").h, pic("queen_a1.png").h);
}

TEST(CreaturePictures, WarriorHeadImageIsTheHeadOfEveryWalkFrame) {
  const Picture& head = pic("alien_head.png");
  int head_px = 0, minx = head.w, maxx = -1, miny = head.h, maxy = -1;
  for (int y = 0; y < head.h; ++y)
    for (int x = 0; x < head.w; ++x)
      if (head.solid(x, y)) {
        ++head_px;
        minx = std::min(minx, x), maxx = std::max(maxx, x);
        miny = std::min(miny, y), maxy = std::max(maxy, y);
      }
  // Large enough to aim at: the old 50 x 50 shot box had about this much.
  ASSERT_GT(head_px, 1200);
  // The heavy skull of the close-up, not a small knob on a long neck.
  EXPECT_GT(head_px, 2100);
  // It must overlap the area right of and below its placement point.
  EXPECT_LT(minx, 10);
  EXPECT_LT(miny, 10);

  for (int f = 1; f <= 3; ++f) {
    SCOPED_TRACE(f);
    const Picture& walk = pic("alien_" + std::to_string(f) + ".png");
    int outside = 0;
    for (int y = 0; y < head.h; ++y)
      for (int x = 0; x < head.w; ++x)
        if (head.solid(x, y) && !walk.solid(x + cc::kHeadOffsetX, y + cc::kHeadOffsetY)) ++outside;
    EXPECT_EQ(outside, 0) << "head pixels where the walking warrior has none";
    // Within the head's box, the walk frame's pixels are mostly head.
    int frame_px = 0, covered = 0;
    for (int y = miny; y <= maxy; ++y)
      for (int x = minx; x <= maxx; ++x)
        if (walk.solid(x + cc::kHeadOffsetX, y + cc::kHeadOffsetY)) {
          ++frame_px;
          covered += head.solid(x, y);
        }
    EXPECT_GT(covered, frame_px * 0.8);
  }
}

TEST(CreaturePictures, RoamingFramesStandOnTheFloorAndWalk) {
  struct Kind {
    const char* stem;
    int y;  // drawing y of the frame's top in the room band
  };
  for (const Kind& k : {Kind{"alien_", 110}, Kind{"hugger_", 264}, Kind{"queen_", 12}}) {
    SCOPED_TRACE(k.stem);
    for (int f = 1; f <= 3; ++f) {
      const Picture& p = pic(std::string(k.stem) + std::to_string(f) + ".png");
      int bottom = k.y + lowest_solid_row(p);
      EXPECT_GE(bottom, cc::kFloorY - 3);
      EXPECT_LE(bottom, cc::kFloorY);
    }
    // The stride frames differ from the passing frame and from each other.
    const Picture& a = pic(std::string(k.stem) + "1.png");
    const Picture& b = pic(std::string(k.stem) + "2.png");
    const Picture& c = pic(std::string(k.stem) + "3.png");
    auto differing = [](const Picture& u, const Picture& v) {
      int n = 0;
      for (int y = 0; y < u.h; ++y)
        for (int x = 0; x < u.w; ++x) n += u.solid(x, y) != v.solid(x, y);
      return n;
    };
    EXPECT_GT(differing(a, b), 100);
    EXPECT_GT(differing(a, c), 100);
    // The warrior's two contacts must not be near mirror images of each
    // other (same outline, near and far legs swapped): played 1, 2, 3, 2
    // that reads as a body bobbing in place rather than striding.
    if (std::string(k.stem) == "alien_") EXPECT_GT(differing(a, c), 3500);
  }
  EXPECT_EQ(216 + lowest_solid_row(pic("egg.png")), cc::kFloorY);
  EXPECT_LE(std::abs(154 + lowest_solid_row(pic("wren.png")) - cc::kFloorY), 3);
}

TEST(CreaturePictures, PicturesAreNotBlank) {
  for (const auto& [name, p] : decoded()) {
    SCOPED_TRACE(name);
    long solid = 0, clear = 0;
    std::set<uint32_t> colours;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        if (p.solid(x, y)) {
          ++solid;
          const uint8_t* c = p.at(x, y);
          colours.insert((c[0] >> 3) << 10 | (c[1] >> 3) << 5 | (c[2] >> 3));
        } else {
          ++clear;
        }
      }
    long total = static_cast<long>(p.w) * p.h;
    EXPECT_GT(solid, total / 12) << "too little drawn";
    EXPECT_GT(colours.size(), 40u) << "flat colour, no shading";
    if (name.find("colonist_big") != std::string::npos)
      EXPECT_EQ(clear, 0) << "the close-up fills the screen";
    else
      EXPECT_GT(clear, total / 20) << "a masked picture needs a see-through background";
  }
}

TEST(CreaturePictures, TheBuildShipsThePaintedPicturesNotStandIns) {
  // Every archive name starts as a plain placeholder that the art replaces;
  // a creature that failed to register would ship as its placeholder. That
  // the build's files are what the painters make, byte for byte, is the
  // content repeat check's job (a whole second run of the generator).
  contentgen::Registry stand_ins;
  contentgen::register_placeholders(stand_ins);
  for (const auto& p : cc::pictures()) {
    SCOPED_TRACE(p.name);
    contentgen::Bytes built = built_file(p.name);
    ASSERT_FALSE(built.empty()) << "not generated into the content folder";
    const contentgen::Generator* plain = stand_ins.find(p.name);
    ASSERT_NE(plain, nullptr);
    EXPECT_NE((*plain)(), built) << "the placeholder was shipped";
  }
}

TEST(CreaturePictures, EffectsKeepTheirSizesLieFlatOrCentreAndMatchTheBuiltContent) {
  // The puddle is drawn from its top-middle onto the floor line, the flash
  // centred on the shot point and rotated: the puddle must stay a thin
  // strip on the deck, the flash balanced on its middle.
  for (const auto& e : cc::effect_pictures()) {
    SCOPED_TRACE(e.name);
    const contentgen::Bytes built = built_file(e.name);
    ASSERT_FALSE(built.empty());
    EXPECT_EQ(e.make(), built);
    const Picture p = decode(built);
    long n = 0;
    double sx = 0, sy = 0;
    int top = p.h, bottom = -1;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (p.solid(x, y)) ++n, sx += x, sy += y, top = std::min(top, y), bottom = std::max(bottom, y);
    ASSERT_GT(n, 0);
    if (e.name.find("acid_1") != std::string::npos) {
      EXPECT_EQ(p.w, 144);
      EXPECT_EQ(p.h, 44);
      EXPECT_LT(bottom - top, 30) << "a puddle seen across the floor is a thin ellipse";
      EXPECT_NEAR(sx / n, 72, 8);
    } else {
      EXPECT_EQ(p.w, 64);
      EXPECT_EQ(p.h, 64);
      EXPECT_NEAR(sx / n, 32, 4);
      EXPECT_NEAR(sy / n, 32, 4);
    }
  }
}

TEST(CreaturePictures, AcidPuddleLiesFlatWithABrightCoreASoftEdgeAndGlints) {
  // Drawn blended and dimmed by the game, the puddle carries its own values:
  // it must not touch the picture's edges (a cut outline shows as a straight
  // border on the deck), must glow acid green in the middle, must fade out
  // into the deck through a dark wet meniscus that runs round the whole
  // edge (dark only below would read as a hovering saucer's shadow), and
  // must hold glints near white and specular dots on bubbles.
  const Picture p = decode(built_file("data\\gfx\\acid_1.png"));
  ASSERT_TRUE(p.ok);
  constexpr int middle_row = 19;  // the pool's centre line, far edge above it
  int edge_ink = 0, solid = 0, soft = 0, dark = 0, glints = 0, acid = 0, dark_far = 0, dark_near = 0;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      const uint8_t* px = p.at(x, y);
      if ((x == 0 || y == 0 || x == p.w - 1 || y == p.h - 1) && px[3] > 0) ++edge_ink;
      if (px[3] > 0 && px[3] < 128) ++soft;
      if (px[3] < 128) continue;
      ++solid;
      const int hi = std::max({px[0], px[1], px[2]}), lo = std::min({px[0], px[1], px[2]});
      dark += hi < 60;
      if (hi < 60) (y < middle_row ? dark_far : dark_near) += 1;
      glints += lo > 200;
      acid += px[1] > 200 && px[1] > px[2] + 100 && px[1] >= px[0];
    }
  EXPECT_EQ(edge_ink, 0);
  ASSERT_GT(solid, 600);
  EXPECT_GT(acid, solid / 5) << "a bright acid-green core";
  EXPECT_GT(dark, solid / 50) << "a dark wet rim";
  EXPECT_LT(dark, solid / 3) << "a rim line, not a dark pool";
  EXPECT_GT(dark_far * 2, dark_near) << "the rim runs round the far edge too, not only below";
  EXPECT_GT(soft, solid / 4) << "a soft edge fading into the deck";
  EXPECT_GT(glints, 12) << "sheen, wet lip and specular dots";
  EXPECT_LT(glints, solid / 4) << "highlights, not a white puddle";
  // The light breaks into many separate glints (the lamp in the surface,
  // each bubble's crown, the drops), not one streak and a few specks.
  std::vector<uint8_t> seen(static_cast<size_t>(p.w) * p.h, 0);
  auto glint = [&](int x, int y) {
    const uint8_t* px = p.at(x, y);
    return px[3] >= 128 && std::min({px[0], px[1], px[2]}) > 200;
  };
  int spots = 0;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      if (!glint(x, y) || seen[y * p.w + x]) continue;
      ++spots;
      std::vector<std::pair<int, int>> stack{{x, y}};
      seen[y * p.w + x] = 1;
      while (!stack.empty()) {
        const auto [cx, cy] = stack.back();
        stack.pop_back();
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = cx + dx, ny = cy + dy;
          if (nx < 0 || ny < 0 || nx >= p.w || ny >= p.h || seen[ny * p.w + nx] || !glint(nx, ny)) continue;
          seen[ny * p.w + nx] = 1;
          stack.push_back({nx, ny});
        }
      }
    }
  EXPECT_GE(spots, 10) << "separate glints on the surface and its bubbles";
}

TEST(CreaturePictures, AcidPuddleIsTheCreaturesYellowOliveAcidNotLime) {
  // The puddle lies beside the death strips' spurts: a lime pool (red far
  // under green) reads as a cartoon beside their yellow-olive acid.
  const Picture p = decode(built_file("data\\gfx\\acid_1.png"));
  ASSERT_TRUE(p.ok);
  double r = 0, g = 0;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x)
      if (const uint8_t* px = p.at(x, y); px[3] >= 128) r += px[0], g += px[1];
  ASSERT_GT(g, 0);
  EXPECT_GT(r / g, 0.72);
  EXPECT_LT(r / g, 0.92) << "still green acid, not yellow";
}

TEST(CreaturePictures, TheRoamingQueenOutweighsAWarriorWithHerCrownInView) {
  // She is the nest's mother: every roaming frame covers far more of the
  // screen than the warrior's, so a lean redraw cannot shrink her back;
  // yet drawn at y 12 the rows above the band's top (y 67) are never
  // shown, so nothing of her, her crest least of all, may lie in them.
  constexpr int kHiddenRows = 67 - 12;
  auto area = [](const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) n += p.solid(x, y);
    return n;
  };
  for (int f = 1; f <= 3; ++f) {
    SCOPED_TRACE(f);
    const Picture& q = pic("queen_" + std::to_string(f) + ".png");
    EXPECT_GT(area(q), 1.6 * area(pic("alien_" + std::to_string(f) + ".png")));
    int hidden = 0;
    for (int y = 0; y < kHiddenRows; ++y)
      for (int x = 0; x < q.w; ++x) hidden += q.solid(x, y);
    EXPECT_EQ(hidden, 0);
  }
}

TEST(CreaturePictures, CorpsesAreCutWholeOrClearAsTheGameDrawsThem) {
  // Corpses are drawn masked: a pixel under half cover vanishes and one
  // over it is drawn solid. Half-clear pixels in the file are a haze that
  // the game never shows, and their straight colour (a translucent pool's
  // pale green) is not what the painter saw. Every pixel is whole or
  // clear, and the silhouette is ringed in a dark line, not a pale fringe.
  for (const char* stem : {"alien_c", "hugger_c"})
    for (int i = 1; i <= (stem[0] == 'a' ? 4 : 3); ++i) {
      const std::string file = stem + std::to_string(i) + ".png";
      SCOPED_TRACE(file);
      const Picture& p = pic(file);
      int partial = 0, rim = 0, dark_rim = 0;
      for (int y = 1; y + 1 < p.h; ++y)
        for (int x = 1; x + 1 < p.w; ++x) {
          const uint8_t* px = p.at(x, y);
          partial += px[3] > 0 && px[3] < 255;
          if (px[3] != 255) continue;
          // An outermost pixel: a clear one beside it.
          const bool edge = p.at(x - 1, y)[3] == 0 || p.at(x + 1, y)[3] == 0 || p.at(x, y - 1)[3] == 0 ||
                            p.at(x, y + 1)[3] == 0;
          if (!edge) continue;
          ++rim;
          dark_rim += std::max({px[0], px[1], px[2]}) < 40;
        }
      EXPECT_EQ(partial, 0);
      ASSERT_GT(rim, 0);
      EXPECT_GT(dark_rim, rim * 9 / 10) << "a dark line round the body";
    }
}


TEST(CreaturePictures, CorpsesKeepABrightCrestForTheDarkRooms) {
  // A dark room multiplies a corpse by a twentieth: a body of dark chitin
  // then sinks into the deck. Just under the dark line along its top, most
  // columns carry a pale wet crest that still shows there.
  for (const char* stem : {"alien_c", "hugger_c"})
    for (int i = 1; i <= (stem[0] == 'a' ? 4 : 3); ++i) {
      const std::string file = stem + std::to_string(i) + ".png";
      SCOPED_TRACE(file);
      const Picture& p = pic(file);
      int columns = 0, crested = 0;
      for (int x = 1; x + 1 < p.w; ++x) {
        int y = 1;
        while (y + 1 < p.h && p.at(x, y)[3] == 0) ++y;
        // Past the dark line to the first pixel of the body.
        while (y + 1 < p.h && p.at(x, y)[3] == 255 && std::max({p.at(x, y)[0], p.at(x, y)[1], p.at(x, y)[2]}) < 40) ++y;
        if (y + 1 >= p.h || p.at(x, y)[3] != 255) continue;
        ++columns;
        const uint8_t* px = p.at(x, y);
        crested += (px[0] * 299 + px[1] * 587 + px[2] * 114) / 1000 >= 120;
      }
      ASSERT_GT(columns, 20);
      EXPECT_GT(crested, columns * 7 / 10);
    }
}
