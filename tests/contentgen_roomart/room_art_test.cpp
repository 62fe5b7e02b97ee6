// The room pictures: sizes the drawing code relies on, opacity where the
// game draws them solid, transparent backgrounds where it masks them, and
// byte-identical output from run to run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "creature_art/pictures.h"
#include "picture.h"
#include "tiles_art/room_art.h"

namespace fs = std::filesystem;
using contentgen::roomart::room_art_entries;

namespace {

enum Kind { Opaque, Masked, Blended };
struct Expect {
  int w, h;
  Kind kind;
  int min_colours;
};

// Sizes follow from where each picture is drawn in the room view.
const std::map<std::string, Expect>& expected() {
  static const std::map<std::string, Expect> table = [] {
    std::map<std::string, Expect> t;
    for (int n = 1; n <= 25; ++n) {
      int w = 52;
      if (n == 17 || n == 18) w = 104;
      if (n == 12 || n == 13 || n == 19 || n == 20 || n == 23) w = 156;
      t["tile_" + std::to_string(n) + ".png"] = {w, 208, Opaque, 200};
    }
    t["tile_door1.png"] = {156, 208, Opaque, 200};
    t["tile_door3.png"] = {156, 208, Opaque, 200};
    t["tile_door2.png"] = {52, 208, Opaque, 200};
    t["tile_door4.png"] = {52, 208, Opaque, 200};
    t["tile_door.png"] = {208, 208, Opaque, 200};
    t["floor.png"] = {52, 67, Opaque, 100};
    for (int n = 1; n <= 3; ++n) {
      t["slime_" + std::to_string(n) + ".png"] = {84, 208, Masked, 100};
      t["slime_" + std::to_string(n) + "x.png"] = {84, 208, Masked, 200};
    }
    t["acid_blast_1.png"] = {180, 160, Masked, 100};
    t["acid_blast_2.png"] = {220, 200, Masked, 100};
    t["acid_blast_3.png"] = {250, 230, Masked, 100};
    t["acid_blast_4.png"] = {290, 268, Masked, 100};  // centred on its handle (145, 134)
    t["flash.png"] = {64, 64, Masked, 50};
    t["blood.png"] = {32, 32, Blended, 5};
    t["flashlight.png"] = {180, 180, Masked, 1};  // black: only its alpha matters
    t["alert.png"] = {24, 55, Masked, 10};
    t["bracket.png"] = {32, 6, Masked, 2};
    t["targ_1.png"] = {48, 48, Masked, 5};
    t["targ_2.png"] = {64, 64, Masked, 5};
    t["invalid.png"] = {32, 32, Masked, 5};
    t["reaver.png"] = {3, 3, Opaque, 1};
    t["dot.png"] = {5, 5, Masked, 2};
    return t;
  }();
  return table;
}

Picture make(const std::string& name) {
  for (const auto& e : room_art_entries())
    if (e.name == name) return decode_png(e.make());
  return {};
}

bool fully_opaque(const Picture& p) {
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.at(x, y)[3] != 255) return false;
  return true;
}

}  // namespace

TEST(RoomArt, EveryPictureHasItsSizeAndIsNotBlank) {
  std::map<std::string, int> seen;
  for (const auto& e : room_art_entries()) {
    SCOPED_TRACE(e.name);
    ++seen[e.name];
    auto it = expected().find(e.name);
    ASSERT_NE(it, expected().end()) << "unexpected picture";
    Picture p = decode_png(e.make());
    ASSERT_GT(p.width, 0) << "not a PNG";
    EXPECT_EQ(p.width, it->second.w);
    EXPECT_EQ(p.height, it->second.h);
    EXPECT_GE(p.distinct_colours(), it->second.min_colours);
    EXPECT_GT(p.coverage(0, 0, p.width, p.height), 0.02);
    if (it->second.kind == Opaque) {
      EXPECT_TRUE(fully_opaque(p)) << "drawn solid, must have no holes";
    }
  }
  for (const auto& [name, e] : expected()) EXPECT_EQ(seen[name], 1) << name;
}

TEST(RoomArt, MaskedPicturesHaveTransparentMagentaBackgrounds) {
  for (const auto& [name, e] : expected()) {
    if (e.kind != Masked || name == "bracket.png") continue;  // the bracket is a solid line with ticks
    SCOPED_TRACE(name);
    Picture p = make(name);
    ASSERT_EQ(p.width, e.w);
    // Slime hangs from the ceiling trim, so only its bottom corners are
    // open; everything else has all four corners clear.
    const bool hangs = name.rfind("slime_", 0) == 0;
    const bool edge_dark = name == "flashlight.png";
    if (!hangs && !edge_dark) {
      for (auto [x, y] : {std::pair{0, 0}, {p.width - 1, 0}, {0, p.height - 1}, {p.width - 1, p.height - 1}}) {
        EXPECT_FALSE(p.opaque(x, y)) << "corner " << x << "," << y;
        const uint8_t* px = p.at(x, y);
        EXPECT_TRUE(px[0] == 255 && px[1] == 0 && px[2] == 255) << "transparent pixels carry the mask colour";
      }
    }
    EXPECT_LT(p.coverage(0, 0, p.width, p.height), 0.95) << "a masked picture should show what is behind it";
  }
}

TEST(RoomArt, SlimeCoversTheWholeSlotAndSpreadsOntoNeighbours) {
  // The wall tile under a slimed slot is not drawn, so the solid growth
  // must hide the slot entirely (x 16..67 with the 16 px handle).
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    Picture solid = make("slime_" + std::to_string(n) + "x.png");
    Picture film = make("slime_" + std::to_string(n) + ".png");
    EXPECT_DOUBLE_EQ(solid.coverage(16, 0, 52, 208), 1.0);
    EXPECT_GT(film.coverage(0, 0, 16, 208), 0.05);
    EXPECT_GT(film.coverage(68, 0, 16, 208), 0.05);
    EXPECT_LT(film.coverage(0, 100, 16, 100), 0.6) << "the overhang should let the neighbour show";
  }
  // The three growth levels are different pictures.
  EXPECT_NE(make("slime_1x.png").rgba, make("slime_2x.png").rgba);
  EXPECT_NE(make("slime_2x.png").rgba, make("slime_3x.png").rgba);
}

TEST(RoomArt, GrowthStagesStayApartUnderATintAndTheHeapedStageJoinsInARow) {
  // A red, green or blue room keeps one channel: in each, the first stage's
  // thin runs must leave the slot light and mostly bare, the second stage's
  // membrane must cover much more of it and sit well below in value, and
  // still above the dark heaped third stage, or two stages read as one.
  Picture runs = make("slime_1x.png"), crust = make("slime_2x.png"), heap = make("slime_3x.png");
  for (int ch = 0; ch < 3; ++ch) {
    double sr = 0, sc = 0, sh = 0, dark_r = 0, dark_c = 0, light_c = 0, light_h = 0;
    for (int y = 0; y < 208; ++y)
      for (int x = 16; x < 68; ++x) {
        sr += runs.at(x, y)[ch], sc += crust.at(x, y)[ch], sh += heap.at(x, y)[ch];
        dark_r += runs.at(x, y)[ch] < 64, dark_c += crust.at(x, y)[ch] < 64;
        light_c += crust.at(x, y)[ch] > 110, light_h += heap.at(x, y)[ch] > 110;
      }
    const double n = 52 * 208;
    EXPECT_GT((sr - sc) / n, 40) << "channel " << ch;
    EXPECT_GT((dark_c - dark_r) / n, 0.1) << "channel " << ch;
    // Lit through a 175 tint (a red or blue room, or the lamp in a dark
    // one), neighbouring stages stay 20 levels apart, and the membrane's
    // holes and rims keep much of it light where the heap is a curtain.
    const double lit = 175.0 / 255;
    EXPECT_GT(lit * (sr - sc) / n, 20) << "channel " << ch;
    EXPECT_GT(lit * (sc - sh) / n, 20) << "channel " << ch;
    EXPECT_GT((light_c - light_h) / n, 0.3) << "channel " << ch;
  }
  // In a row each picture's overhang lies over its neighbour's slot: it
  // must be that slot's own growth, or every seam shows.
  double diff = 0;
  int n = 0;
  for (int y = 0; y < 208; ++y)
    for (int x = 0; x < 84; ++x) {
      if ((x >= 16 && x < 68) || !heap.opaque(x, y)) continue;
      const int twin = x < 16 ? x + 52 : x - 52;
      for (int ch = 0; ch < 3; ++ch) diff += std::abs(heap.at(x, y)[ch] - heap.at(twin, y)[ch]);
      n += 3;
    }
  ASSERT_GT(n, 3 * 208 * 8) << "the heap reaches past its slot";
  EXPECT_LT(diff / n, 4.0);
  // Alone, its sides are ragged, not the slot's straight edge.
  int nearest = 84, farthest = 0;
  for (int y = 40; y < 170; ++y) {
    int x = 0;
    while (x < 16 && !heap.opaque(x, y)) ++x;
    nearest = std::min(nearest, x), farthest = std::max(farthest, x);
  }
  EXPECT_GE(farthest - nearest, 6);
}

TEST(RoomArt, HeapedGrowthKeepsItsMidTonesInEveryChannel) {
  // A room tint only scales each channel down: a heap drawn as a near-black
  // mass with a few streaks of shine turns to mud under a red, brown or
  // pink light. Its forms must be carried by mid-tones in every channel,
  // with only its clefts near black.
  Picture heap = make("slime_3x.png");
  for (int ch = 0; ch < 3; ++ch) {
    double black = 0, mid = 0;
    for (int y = 0; y < 208; ++y)
      for (int x = 16; x < 68; ++x) {
        const int v = heap.at(x, y)[ch];
        black += v < 24, mid += v >= 40 && v < 150;
      }
    const double n = 52 * 208;
    EXPECT_LT(black / n, 0.2) << "channel " << ch;
    EXPECT_GT(mid / n, 0.5) << "channel " << ch;
  }
}

TEST(RoomArt, HiveResinStaysDarkTissueWithWhiteWetShineInEveryChannel) {
  // A room's tint multiplies the walls: it can darken them but never
  // lighten them, so the hive resin must be dark by itself, with few pale
  // mid-tones (those turn into a flat candy colour under a red or pink
  // tint) and a few near-white glints in every channel to read wet, but
  // no more than a few: rows of white streaks read as tubing.
  for (const char* name : {"tile_22.png", "tile_23.png"}) {
    SCOPED_TRACE(name);
    Picture p = make(name);
    for (int ch = 0; ch < 3; ++ch) {
      double dark = 0, pale = 0, shine = 0;
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
          const int v = p.at(x, y)[ch];
          dark += v < 60, pale += v >= 90 && v < 200, shine += v >= 220;
        }
      const double n = static_cast<double>(p.width) * p.height;
      EXPECT_GT(dark / n, 0.68) << "channel " << ch;
      EXPECT_LT(pale / n, 0.08) << "channel " << ch;
      EXPECT_GT(shine / n, 0.008) << "channel " << ch;
      EXPECT_LT(shine / n, 0.03) << "channel " << ch;
    }
  }
}

TEST(RoomArt, DoorPanelButtonSitsWhereShotsLockTheDoor) {
  // A shot between view y 149 and 195 hits the panel: picture rows 82..128.
  // The coloured parts of the panel (button, guard stripes, lamps) must
  // centre on that band so the player aims at the button.
  Picture shut = make("tile_door2.png"), open = make("tile_door4.png");
  for (const Picture* p : {&shut, &open}) {
    double sum = 0, count = 0;
    for (int y = 0; y < p->height; ++y)
      for (int x = 0; x < p->width; ++x) {
        const uint8_t* c = p->at(x, y);
        int spread = std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]});
        if (spread > 80) sum += y, ++count;
      }
    ASSERT_GT(count, 150) << "the panel needs a coloured button";
    EXPECT_GT(sum / count, 82);
    EXPECT_LT(sum / count, 128);
  }
  int differing = 0;
  for (int y = 82; y < 128; ++y)
    for (int x = 0; x < 52; ++x) differing += shut.luma(x, y) != open.luma(x, y);
  EXPECT_GT(differing, 200) << "shut and open panels should look different at the button";
}

// The far rows of the deck, toward the wall, must not flip light and dark
// from one pixel row to the next: a view scaled to another screen beats
// such rows against its own pixels into a shimmering band under the room.
TEST(RoomArt, DeckFarRowsHoldNoPixelFinePattern) {
  Picture p = make("floor.png");
  ASSERT_EQ(p.height, 67);
  std::vector<double> row(20, 0.0);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < p.width; ++x) row[y] += p.luma(x, y);
    row[y] /= p.width;
  }
  double flip = 0;
  for (int y = 1; y + 1 < 20; ++y) flip += std::fabs(row[y] - (row[y - 1] + row[y + 1]) / 2);
  flip /= 18;
  EXPECT_LT(flip, 22.0) << "mean row-to-row swing of the far deck rows, out of 255";
}

// The deck is drawn once per slot: a column of the near deck much lighter
// or darker than the rest, a heavy bar at the slot's edge above all, shows
// as a stripe every 52 px and the floor reads as one tile repeated.
TEST(RoomArt, DeckNearRowsShowNoColumnThatRepeatsEverySlot) {
  Picture p = make("floor.png");
  ASSERT_EQ(p.width, 52);
  std::vector<double> col(p.width, 0.0);
  double all = 0;
  for (int x = 0; x < p.width; ++x) {
    for (int y = 34; y < p.height; ++y) col[x] += p.luma(x, y);
    col[x] /= p.height - 34;
    all += col[x] / p.width;
  }
  const auto [lo, hi] = std::minmax_element(col.begin(), col.end());
  EXPECT_LT(*hi - *lo, 95) << "spread of the near deck's column means, out of 255";
  EXPECT_NEAR((col.front() + col.back()) / 2, all, 25) << "the slot's edge columns against the deck";
}

// Repeated across the view, a deck whose rows are each one even tone reads
// as a striped carpet, not as metal plates: most of its variation must lie
// within the rows (joints toward the wall, treads, bolts, grime), not from
// one row to the next.
TEST(RoomArt, DeckVariesWithinItsRowsNotOnlyFromRowToRow) {
  Picture p = make("floor.png");
  double sum = 0, sum2 = 0, rows2 = 0;
  for (int y = 0; y < p.height; ++y) {
    double row = 0;
    for (int x = 0; x < p.width; ++x) {
      const double v = p.luma(x, y);
      row += v, sum += v, sum2 += v * v;
    }
    row /= p.width;
    rows2 += row * row * p.width;
  }
  const double n = static_cast<double>(p.width) * p.height, mean = sum / n;
  const double total = sum2 / n - mean * mean, between_rows = rows2 / n - mean * mean;
  ASSERT_GT(total, 100.0) << "the deck needs some relief";
  EXPECT_LT(between_rows / total, 0.6) << "share of the deck's variance that is row against row";
}

// Laid slot after slot, the deck repeats every 52 px whatever is drawn;
// what must not happen is a shorter repeat inside the slot (plates half a
// slot wide, a tread lattice four to a slot), a joint running down the
// whole deck at one place, or a joint across the deck as one unbroken dark
// row: any of these reads as a grid ruled over the floor.
TEST(RoomArt, DeckShowsNoGridInsideTheSlot) {
  Picture p = make("floor.png");
  ASSERT_EQ(p.width, 52);
  // Autocorrelation of the near deck along the row, each row's mean taken
  // out, at every shift a player could see as a repeat inside the slot.
  std::vector<std::vector<double>> rows;
  double power = 0;
  for (int y = 34; y < p.height; ++y) {
    std::vector<double> r(p.width);
    double mean = 0;
    for (int x = 0; x < p.width; ++x) mean += (r[x] = p.luma(x, y)) / p.width;
    for (double& v : r) v -= mean, power += v * v;
    rows.push_back(r);
  }
  ASSERT_GT(power, 0);
  for (int lag = 4; lag <= 48; ++lag) {
    double sum = 0;
    for (const auto& r : rows)
      for (int x = 0; x < p.width; ++x) sum += r[x] * r[(x + lag) % p.width];
    EXPECT_LT(sum / power, 0.35) << "the near deck repeats at a shift of " << lag << " px";
  }
  // No column of the whole deck well darker than the columns round it.
  std::vector<double> col(p.width, 0.0);
  for (int x = 0; x < p.width; ++x) {
    for (int y = 0; y < p.height; ++y) col[x] += p.luma(x, y);
    col[x] /= p.height;
  }
  for (int x = 0; x < p.width; ++x) {
    double around = 0;
    for (int d = -3; d <= 3; ++d) around += col[(x + d + p.width) % p.width] / 7;
    EXPECT_GT(col[x] - around, -15) << "a joint down the whole deck at column " << x;
  }
  // Below the shadow at the wall's foot, no row is dark across almost its
  // whole width.
  for (int y = 3; y < p.height; ++y) {
    std::vector<int> near;
    for (int yy = std::max(0, y - 3); yy <= std::min(p.height - 1, y + 3); ++yy)
      for (int x = 0; x < p.width; ++x) near.push_back(p.luma(x, yy));
    std::nth_element(near.begin(), near.begin() + near.size() / 2, near.end());
    const double median = near[near.size() / 2];
    int dark = 0;
    for (int x = 0; x < p.width; ++x) dark += p.luma(x, y) < 0.55 * median;
    EXPECT_LT(dark, 0.7 * p.width) << "an unbroken dark joint across the deck at row " << y;
  }
}

// A doorway is one wall picture among the rest: paler than every wall
// tile, it looks lit from another scene. It is told instead by its shape and
// by lights of a colour the grey walls lack.
TEST(RoomArt, DoorsSitInTheWallsValueRangeAndCarryColouredLights) {
  auto mean_luma = [](const Picture& p) {
    double s = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) s += p.luma(x, y);
    return s / (static_cast<double>(p.width) * p.height);
  };
  double lightest_wall = 0;
  for (int t = 1; t <= 25; ++t)
    if (t < 21 || t > 23) lightest_wall = std::max(lightest_wall, mean_luma(make("tile_" + std::to_string(t) + ".png")));
  for (const char* name : {"tile_door.png", "tile_door1.png", "tile_door2.png", "tile_door3.png", "tile_door4.png"}) {
    SCOPED_TRACE(name);
    const double luma = mean_luma(make(name));
    EXPECT_LT(luma, lightest_wall + 6);
    EXPECT_GT(luma, 115);
  }
  for (const char* name : {"tile_door.png", "tile_door1.png", "tile_door3.png"}) {
    SCOPED_TRACE(name);
    Picture p = make(name);
    int amber = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint8_t* c = p.at(x, y);
        amber += c[0] > 200 && c[0] - c[2] > 90 && c[1] > c[2] + 40;
      }
    EXPECT_GT(amber, 60) << "amber guide lights on the door posts";
  }
}

TEST(RoomArt, FlashlightIsClearInTheMiddleAndDarkAtTheEdge) {
  Picture p = make("flashlight.png");
  ASSERT_EQ(p.width, 180);
  EXPECT_DOUBLE_EQ(p.coverage(70, 70, 40, 40), 0.0);
  for (auto [x, y] : {std::pair{0, 0}, {179, 0}, {0, 179}, {179, 179}}) {
    EXPECT_TRUE(p.opaque(x, y));
    EXPECT_LT(p.luma(x, y), 10);
  }
  // Coverage grows from the centre outwards.
  double inner = p.coverage(50, 50, 80, 80), ring = p.coverage(20, 20, 140, 140), all = p.coverage(0, 0, 180, 180);
  EXPECT_LT(inner, ring);
  EXPECT_LT(ring, all);
}

TEST(RoomArt, FlashlightLightsACreatureUnderTheSightNearlyInFull) {
  // The sight is on a creature, which stands about 90 px tall round it: a
  // small hot spot in a dim spill lights only its middle and leaves the
  // rest a shadow in the dark. Within 45 px of the middle the beam gives
  // nearly the full light of the lit pass.
  Picture p = make("flashlight.png");
  ASSERT_EQ(p.width, 180);
  double light = 0, n = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (std::hypot(x + 0.5 - 90, y + 0.5 - 90) < 45) light += 1 - p.at(x, y)[3] / 255.0, n += 1;
  EXPECT_GT(light / n, 0.85);
}

TEST(RoomArt, FlashlightShapesItsBeamWithoutAVeilOverWhatItLights) {
  // Blended over the lit pass: any light of its own lays a veil over the
  // walls and flattens their texture. Two wall shades one to three apart
  // must stay close to one to three wherever the beam reaches. And a torch
  // throws a hot spot, a dimmer spill and a brighter ring at the spill's
  // edge, not a plain fade.
  Picture p = make("flashlight.png");
  ASSERT_EQ(p.width, 180);
  double worst = 3;
  std::vector<double> light(91, 0), count(91, 0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* px = p.at(x, y);
      const double a = px[3] / 255.0, own = p.luma(x, y) * a;
      if (a < 0.5) worst = std::min(worst, ((1 - a) * 120 + own) / ((1 - a) * 40 + own));
      const int r = static_cast<int>(std::hypot(x + 0.5 - 90, y + 0.5 - 90));
      if (r <= 90) light[r] += 1 - a, count[r] += 1;
    }
  EXPECT_GT(worst, 2.7) << "the contrast left of a 1:3 pair of wall shades";
  auto band = [&](int r0, int r1) {
    double sum = 0, n = 0;
    for (int r = r0; r <= r1; ++r) sum += light[r], n += count[r];
    return sum / n;
  };
  EXPECT_GT(band(0, 12), band(45, 55) * 1.4) << "a hot spot brighter than the spill";
  EXPECT_GT(band(67, 71), band(57, 61) + 0.04) << "a brighter ring at the spill's edge";
}

TEST(RoomArt, ShotFlashLeavesDarkSmokeAndAcidFlecks) {
  // A round striking plate or chitin leaves a puff of dark smoke and knocks
  // out flecks of acid; a burst of clean fire alone reads as a cartoon star
  // at every size it is drawn.
  Picture flash;
  for (const auto& e : contentgen::creatures::effect_pictures())
    if (e.name == "data\\gfx\\blast.png") flash = decode_png(e.make());
  ASSERT_EQ(flash.width, 64);
  int acid = 0, smoke = 0;
  for (int y = 0; y < flash.height; ++y)
    for (int x = 0; x < flash.width; ++x) {
      const uint8_t* px = flash.at(x, y);
      acid += px[3] >= 128 && px[1] > px[0] + 60 && px[1] > px[2] + 60;
      smoke += px[3] >= 100 && flash.luma(x, y) < 60;
    }
  EXPECT_GE(acid, 8) << "acid-green flecks";
  EXPECT_GE(smoke, 150) << "dark smoke";
}

TEST(RoomArt, GenerationIsByteIdenticalAndMatchesTheBuiltContent) {
  const fs::path dir = fs::path(RX_CONTENT_DIR) / "data" / "gfx";
  for (const auto& e : room_art_entries()) {
    SCOPED_TRACE(e.name);
    const auto first = e.make();
    EXPECT_EQ(first, e.make());
    std::ifstream f(dir / e.name, std::ios::binary);
    ASSERT_TRUE(f) << "the content generator did not write this picture";
    std::vector<uint8_t> built((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(built, first) << "the archive holds a different picture";
  }
}

TEST(RoomArt, CentredPicturesBalanceOnTheirHandle) {
  // These are placed by a centred handle (acid_blast_4 by (145, 134), its
  // centre): the painted mass must sit around it, or splashes and sights
  // would appear beside the point they mark.
  for (const char* name : {"acid_blast_1.png", "acid_blast_2.png", "acid_blast_3.png", "acid_blast_4.png",
                           "targ_1.png", "targ_2.png", "invalid.png", "dot.png"}) {
    SCOPED_TRACE(name);
    Picture p = make(name);
    ASSERT_GT(p.width, 0);
    double sx = 0, sy = 0, count = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.opaque(x, y)) sx += x, sy += y, ++count;
    ASSERT_GT(count, 0);
    EXPECT_NEAR(sx / count, p.width / 2, p.width * 0.1);
    EXPECT_NEAR(sy / count, p.height / 2, p.height * 0.1);
  }
  Picture last = make("acid_blast_4.png");
  EXPECT_EQ(last.width / 2, 145);
  EXPECT_EQ(last.height / 2, 134);
}

TEST(RoomArt, ShotFlashHasAWideWhiteHotCoreAndNeverShowsItsSquare) {
  // The flash grows from a fifth of its size, so a hit only reads as one
  // when a broad part of it is solid near-white inside a wide warm bloom
  // (a dark corridor shows little else of it); and rotated at random, any
  // light at its border would draw the square's edge.
  Picture flash;
  for (const auto& e : contentgen::creatures::effect_pictures())
    if (e.name == "data\\gfx\\blast.png") flash = decode_png(e.make());
  ASSERT_EQ(flash.width, 64);
  int hot = 0, lit_border = 0, bloom = 0, dense = 0;
  for (int y = 0; y < flash.height; ++y)
    for (int x = 0; x < flash.width; ++x) {
      const uint8_t* px = flash.at(x, y);
      if (px[3] >= 240 && std::min({px[0], px[1], px[2]}) >= 200) ++hot;
      dense += px[3] >= 200;
      // The glow round the core: warm light at least a quarter opaque.
      if (px[3] >= 64 && px[0] > px[2] + 60) ++bloom;
      const bool border = x == 0 || y == 0 || x == flash.width - 1 || y == flash.height - 1;
      if (border && px[3] > 0) ++lit_border;
    }
  EXPECT_GE(hot, 280) << "white-hot pixels";
  EXPECT_GE(bloom, 900) << "an orange bloom over much of the picture, not a small spark";
  // Over a lit wall only the near-opaque part shows: the core and its
  // tongues of fire must fill a good share of the frame, not a small star.
  EXPECT_GE(dense, 900) << "near-opaque fire";
  EXPECT_EQ(lit_border, 0);
}

TEST(RoomArt, ShotFlashIsFireCoolingToADeepRedRim) {
  // Rendered fire cools from white through orange to a smoky deep red at
  // its edge; a flash that only ever reaches orange reads as a flat
  // cartoon burst beside the lit creatures.
  Picture flash;
  for (const auto& e : contentgen::creatures::effect_pictures())
    if (e.name == "data\\gfx\\blast.png") flash = decode_png(e.make());
  ASSERT_EQ(flash.width, 64);
  int deep_red = 0;
  for (int y = 0; y < flash.height; ++y)
    for (int x = 0; x < flash.width; ++x) {
      const uint8_t* px = flash.at(x, y);
      deep_red += px[3] >= 64 && px[0] >= 110 && px[1] < px[0] * 0.3;
    }
  EXPECT_GE(deep_red, 100);
}

TEST(RoomArt, ShotFlashIsAStarOfSpikesNotARoundBall) {
  // Scaled up to twice its size, a round ball of fire reads as a soft blob;
  // the strike must be a star: its solid outline, walked round the centre,
  // reaches much further along a few sharp spikes than it does between them.
  Picture flash;
  for (const auto& e : contentgen::creatures::effect_pictures())
    if (e.name == "data\\gfx\\blast.png") flash = decode_png(e.make());
  ASSERT_EQ(flash.width, 64);
  constexpr int rays = 180;
  std::vector<double> reach(rays, 0);
  for (int k = 0; k < rays; ++k)
    for (int step = 0; step < 320; ++step) {
      const double t = 2 * M_PI * k / rays, r = step / 10.0;
      const int x = static_cast<int>(32 + r * std::cos(t)), y = static_cast<int>(32 + r * std::sin(t));
      if (x >= 0 && y >= 0 && x < 64 && y < 64 && flash.at(x, y)[3] >= 160) reach[k] = r;
    }
  int spikes = 0;
  for (int k = 0; k < rays; ++k) {
    double hi = 0, lo = 1e9;
    for (int d = -6; d <= 6; ++d) hi = std::max(hi, reach[(k + d + rays) % rays]), lo = std::min(lo, reach[(k + d + rays) % rays]);
    spikes += reach[k] == hi && hi - lo >= 4;
  }
  std::vector<double> sorted = reach;
  std::nth_element(sorted.begin(), sorted.begin() + rays / 2, sorted.end());
  const double median = sorted[rays / 2], longest = *std::max_element(reach.begin(), reach.end());
  EXPECT_GE(spikes, 6) << "a ring of spikes";
  EXPECT_GE(longest, 1.35 * median) << "spikes standing well out of the fire, not bites in a ball";
  EXPECT_GE(longest, 26) << "one long spike reaching near the edge";
}

TEST(RoomArt, SlimeOnTheNeighboursChangesShapeWithItsStage) {
  // Beside the slot only the goo's overhangs show. The first stage there
  // is thin runs; the second and third hang broad sheets and tongues that
  // fill an overhang's width somewhere; and each stage covers more.
  auto widest = [](const Picture& p, int x0, int x1) {
    int best = 0;
    for (int y = 30; y < 150; ++y)
      for (int x = x0, run = 0; x < x1; ++x) run = p.at(x, y)[3] >= 128 ? run + 1 : 0, best = std::max(best, run);
    return best;
  };
  double last = 0;
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    Picture film = make("slime_" + std::to_string(n) + ".png");
    const int left = widest(film, 0, 16), right = widest(film, 68, 84);
    if (n == 1) {
      EXPECT_LE(std::max(left, right), 10) << "thin runs, not a sheet";
    } else {
      EXPECT_GE(std::min(left, right), 12) << "a broad mass on each side";
    }
    const double cover = film.coverage(0, 0, 16, 208) + film.coverage(68, 0, 16, 208);
    EXPECT_GT(cover, last + 0.05);
    last = cover;
  }
}

TEST(RoomArt, AlarmIconIsADarkMarkOnAYellowPlateThatSurvivesTheConsoleTint) {
  // The console draws the icon masked and multiplied by yellow, the view
  // untinted: a plate without holes, and a mark read in red and green
  // alone (blue is lost to the tint), a long bar over a separate dot.
  Picture p = make("alert.png");
  ASSERT_EQ(p.width, 24);
  for (int y = 4; y < p.height - 4; ++y)
    for (int x = 4; x < p.width - 4; ++x) ASSERT_TRUE(p.opaque(x, y)) << x << "," << y;
  std::vector<int> dark_runs;
  int run = 0, yellow = 0;
  for (int y = 11; y < p.height - 11; ++y) {  // the middle column, stripes at the ends left out
    const uint8_t* px = p.at(p.width / 2, y);
    const bool dark = std::max(px[0], px[1]) < 70, lit = std::min(px[0], px[1]) > 170;
    yellow += lit && px[2] < px[1] - 60;
    if (dark) ++run;
    if (!dark && run > 0) dark_runs.push_back(run), run = 0;
  }
  ASSERT_EQ(dark_runs.size(), 2u) << "a bar and a dot";
  EXPECT_GE(dark_runs[0], 16);
  EXPECT_GE(dark_runs[1], 4);
  EXPECT_GE(yellow, 3) << "yellow plate between and round them";
}

TEST(RoomArt, WallsAreMostlyNeutralSoTheRoomTintColoursThem) {
  // The view multiplies walls by the room tint; strongly coloured walls
  // would go black in rooms whose tint lacks their colour.
  double all_light = 0, all_n = 0;
  for (int t = 1; t <= 25; ++t) {
    SCOPED_TRACE(t);
    Picture p = make("tile_" + std::to_string(t) + ".png");
    double chroma = 0, light = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint8_t* c = p.at(x, y);
        chroma += std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]});
        light += p.luma(x, y);
      }
    const double n = static_cast<double>(p.width) * p.height;
    EXPECT_LT(chroma / n, 30) << "mean colour spread";
    // Bright enough to read in a red or blue room (a tint keeps only some
    // channels, so those show a third of the light), dark enough to keep
    // deep seams and bright bevels; the lamp tile glows, the resin tiles
    // are darker growth.
    const bool lamp = t == 7;
    EXPECT_GT(light / n, t >= 21 && t <= 23 ? 40 : 110);
    EXPECT_LT(light / n, lamp ? 240 : 200);
    all_light += light, all_n += n;
  }
  EXPECT_GE(all_light / all_n, 115) << "the wall set as a whole";
}

TEST(RoomArt, MetalWallFacesAreNotWashedOutToWhite) {
  // A red or blue room keeps one channel: a face lit to pure white there
  // turns into one flat patch of the tint's full colour. Only thin edges,
  // rivet heads and lamps may reach the top of the range.
  double clipped = 0, n = 0;
  for (int t = 1; t <= 25; ++t) {
    if (t >= 21 && t <= 23) continue;  // resin
    Picture p = make("tile_" + std::to_string(t) + ".png");
    for (int y = 14; y < 190; ++y)
      for (int x = 0; x < p.width; ++x) clipped += p.at(x, y)[0] >= 250, n += 1;
  }
  EXPECT_LT(clipped / n, 0.1) << "share of the panels' red channel at full value";
}

TEST(RoomArt, WallTilesAreLitFromTheCeilingIntoAShadowAtTheDeck) {
  // The lamps hang along the ceiling: every wall picture is brightest
  // under the trim, no brighter at mid-height, and falls into a contact
  // shadow just above the baseboard, so the wall stands on the deck
  // instead of floating as one flat grey. The resin tiles are dark
  // tissue and are left out; tile 21's resin hangs from the ceiling.
  for (int t = 1; t <= 25; ++t) {
    if (t >= 22 && t <= 23) continue;
    SCOPED_TRACE(t);
    Picture p = make("tile_" + std::to_string(t) + ".png");
    auto band = [&](int y0, int y1) {
      double s = 0;
      for (int y = y0; y < y1; ++y)
        for (int x = 0; x < p.width; ++x) s += p.luma(x, y);
      return s / ((y1 - y0) * p.width);
    };
    const double upper = band(20, 60), middle = band(100, 140), foot = band(176, 190);
    if (t != 21) {
      EXPECT_LT(middle, upper * 1.1);
    }
    EXPECT_LT(foot, upper * (t == 21 ? 0.95 : 0.6)) << "the contact shadow at the deck";
  }
}

TEST(RoomArt, LampTileGlowsAroundItsBulb) {
  // The light around the bulb is well above the same tile's lower wall.
  Picture p = make("tile_7.png");
  auto mean = [&](int x0, int y0, int w, int h) {
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) sum += p.luma(x, y);
    return sum / (w * h);
  };
  const double around_bulb = mean(4, 40, 44, 40), lower_wall = mean(4, 140, 44, 40);
  EXPECT_GT(around_bulb, lower_wall + 40);
}

TEST(RoomArt, WallsAndGrowthKeepTheirShapesInEveryChannel) {
  // A red, green or blue room multiplies the walls by a tint that keeps
  // one channel: each channel alone must still show the plates, seams and
  // lumps, not one flat colour.
  std::vector<std::string> names = {"tile_door1.png", "tile_door2.png", "tile_door3.png", "tile_door4.png",
                                    "floor.png",      "slime_2x.png",   "slime_3x.png"};
  for (int t = 1; t <= 25; ++t) names.push_back("tile_" + std::to_string(t) + ".png");
  double spread_sum = 0, fine_sum = 0;
  int spreads = 0;
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    Picture p = make(name);
    for (int ch = 0; ch < 3; ++ch) {
      // Fine relief: how far each pixel stands from its 3 x 3 neighbourhood.
      double f2 = 0, fn = 0;
      for (int y = 1; y + 1 < p.height; ++y)
        for (int x = 1; x + 1 < p.width; ++x) {
          if (!p.opaque(x, y)) continue;
          double around = 0;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) around += p.at(x + dx, y + dy)[ch];
          const double d = p.at(x, y)[ch] - around / 9;
          f2 += d * d, fn += 1;
        }
      fine_sum += std::sqrt(f2 / fn);
      double s = 0, s2 = 0, n = 0;
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
          if (p.opaque(x, y)) {
            const double v = p.at(x, y)[ch];
            s += v, s2 += v * v, n += 1;
          }
      const double mean = s / n, spread = std::sqrt(s2 / n - mean * mean);
      // The hive tissue is dark with only a few glints: less spread.
      EXPECT_GT(spread, name == "tile_22.png" || name == "tile_23.png" ? 30 : 50) << "channel " << ch;
      spread_sum += spread, ++spreads;
    }
  }
  EXPECT_GT(spread_sum / spreads, 66) << "the set as a whole";
  // Seams, grooves and rivets must stay sharp in every channel, not be
  // lifted into a flat wash.
  EXPECT_GT(fine_sum / spreads, 40) << "fine relief of the set";
  // Growth repeats slot by slot: no column of the slot may stand out
  // lighter or darker, or a row of it shows stripes.
  for (const char* name : {"slime_2x.png", "slime_3x.png"}) {
    SCOPED_TRACE(name);
    Picture p = make(name);
    double col[52] = {}, cnt[52] = {}, all = 0, all_n = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.opaque(x, y)) col[(x + 52 - 16) % 52] += p.luma(x, y), cnt[(x + 52 - 16) % 52] += 1;
    for (int g = 0; g < 52; ++g) all += col[g], all_n += cnt[g];
    for (int g = 0; g < 52; ++g) EXPECT_NEAR(col[g] / cnt[g], all / all_n, all / all_n * 0.06) << "column " << g;
  }
}

TEST(RoomArt, HurtFloodIsBlendedThickAtTheRimAndThinInTheMiddle) {
  // Stretched over the whole view and alpha blended: an opaque picture
  // would lay a flat sheet over the view and hide what struck the member.
  // It must let the middle through, close in from every side, and carry
  // no clear pixel whose edge would draw a box inside the view.
  Picture p = make("blood.png");
  ASSERT_EQ(p.width, 32);
  int lo = 255, hi = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) lo = std::min<int>(lo, p.at(x, y)[3]), hi = std::max<int>(hi, p.at(x, y)[3]);
  EXPECT_GT(lo, 40) << "a clear patch would show the flood's outline";
  EXPECT_LT(p.at(16, 16)[3], 150) << "the middle lets the view through";
  for (auto [x, y] : {std::pair{0, 16}, {31, 16}, {16, 0}, {16, 31}, {0, 0}, {31, 31}})
    EXPECT_GT(p.at(x, y)[3], p.at(16, 16)[3] + 70) << "thicker at the rim " << x << "," << y;
}

TEST(RoomArt, HurtFloodIsStreaksAlongTheRowsNotAWallOfTiles) {
  // The game stretches each texel unfiltered to a 24 x 9 dash: a flood
  // whose thick part fills the inside shows as a wall of red tiles. Inside
  // the outer four texels only a few streaks may be thick, and they run
  // along the rows more than down the columns.
  Picture p = make("blood.png");
  ASSERT_EQ(p.width, 32);
  int thick = 0, across = 0, down = 0;
  auto heavy = [&](int x, int y) { return p.at(x, y)[3] >= 160; };
  for (int y = 4; y < 28; ++y)
    for (int x = 4; x < 28; ++x) {
      if (!heavy(x, y)) continue;
      ++thick;
      across += x + 1 < 28 && heavy(x + 1, y);
      down += y + 1 < 28 && heavy(x, y + 1);
    }
  EXPECT_LT(thick, 24 * 24 / 5) << "thick texels inside the rim";
  EXPECT_GT(thick, 24) << "streaks reach inside the rim";
  EXPECT_GT(across, down * 1.2) << "thick neighbours along the rows against down the columns";
}

TEST(RoomArt, HurtFloodIsBloodRedAndKeepsItsTextureInTheRedChannel) {
  // The game multiplies it by a deep red, so only its red channel reaches
  // the screen: a grey picture reads as a grey blotch everywhere else it is
  // seen, and a flat red one loses its clots once tinted.
  Picture p = make("blood.png");
  int grey_px = 0, lo = 255, hi = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* px = p.at(x, y);
      grey_px += px[0] <= px[1] + px[2] + 60;
      lo = std::min<int>(lo, px[0]), hi = std::max<int>(hi, px[0]);
    }
  EXPECT_EQ(grey_px, 0) << "every pixel blood red";
  EXPECT_GE(hi - lo, 100) << "dark pools and bright thin film in the red channel";
}

TEST(RoomArt, MuzzleFlashIsAConeThrownForwardNotTheStrikesBall) {
  // The muzzle flash must not be the strike again: its fire is thrown to
  // one side from a white-hot root at the muzzle, left of the middle.
  Picture p = make("flash.png");
  int left = 0, right = 0, hot = 0;
  double hot_x = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* px = p.at(x, y);
      if (px[3] >= 128) (x < p.width / 2 ? left : right) += 1;
      if (px[3] >= 200 && std::min({px[0], px[1], px[2]}) >= 200) ++hot, hot_x += x;
    }
  EXPECT_LT(left, right * 0.7) << "most of the fire ahead of the middle";
  ASSERT_GT(hot, 20);
  EXPECT_LT(hot_x / hot, 28) << "the hot core at the muzzle, behind the flame";
}
