// The generated console, menu, start-up and portrait pictures: sizes that
// the drawing positions rely on, real content, and transparency where other
// things must show through.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "model_kit/model.h"
#include "rgba_image.h"
#include "ui_art/portrait_roster.h"
#include "ui_art/portrait_skin.h"

namespace {

struct Expected {
  const char* file;
  int w, h;
};

// Sizes follow from where the game draws each picture (strips: whole sheet).
const Expected kSizes[] = {
    {"sm_back.png", 480, 360},    {"sm_tab.png", 310, 56},      {"sm_ticker.png", 34, 17},
    {"startblack.png", 32, 32},   {"icon_1.png", 20, 20},       {"icon_2.png", 20, 20},
    {"icon_3.png", 20, 20},       {"icon_4.png", 20, 20},       {"board_1.png", 1024, 426},
    {"board_2.png", 122, 275},    {"board_3.png", 1024, 67},    {"board2_1.png", 1024, 254},
    {"board2_2.png", 122, 514},   {"mm_back.png", 98, 98},      {"mm_room.png", 20, 20},
    {"mm_you.png", 14, 14},       {"mm_hori.png", 6, 20},       {"mm_vert.png", 20, 6},
    {"musti.png", 84, 84},        {"mm_someone.png", 20, 20},   {"tab.png", 273, 132},
    {"tabx.png", 273, 132},       {"tabz.png", 273, 132},       {"tab2.png", 170, 82},
    {"tab2x.png", 170, 82},       {"tab2z.png", 170, 82},       {"slider_left.png", 422, 275},
    {"slider_right.png", 422, 275}, {"bord_corner.png", 16, 16}, {"bord_line.png", 5, 6},
    {"minicorn.png", 8, 8},       {"minibord.png", 3, 3},       {"minibord_1.png", 3, 3},
    {"heart.png", 300, 12},       {"heart2.png", 180, 8},       {"statborder.png", 172, 17},
    {"blocker.png", 166, 11},     {"statbar.png", 166, 11},     {"facebord.png", 98, 98},
    {"caret.png", 6, 38},         {"backer.png", 512, 384},     {"black.png", 32, 32},
    {"splitter.png", 128, 11},    {"indicator.png", 32, 32},    {"bald.png", 32, 32},
    {"bar_st.png", 194, 10},      {"bar_stx.png", 198, 14},     {"bar_am.png", 24, 174},
    {"bar_amx.png", 24, 174},     {"nametab.png", 376, 56},     {"scoretab.png", 376, 74},
    {"viiva.png", 79, 8},         {"piste.png", 4, 2},          {"piste2.png", 3, 2},
    {"pausetab.png", 164, 64},    {"title.png", 560, 136},      {"mouse.png", 24, 24},
};

const char* kFaces[] = {"marsh", "teller", "quill", "nolan", "okafor", "pryce", "sato", "lund",
                        "ebert", "brody", "vance", "ingram", "yardley", "moreau", "castellan"};

RgbaImage load(const std::string& file) { return decode_rgba_png(read_gfx(file)); }

int opaque_count(const RgbaImage& im, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += im.alpha(x, y) >= 128;
  return n;
}

bool all_transparent(const RgbaImage& im, int x0, int y0, int x1, int y1) {
  return opaque_count(im, x0, y0, x1, y1) == 0;
}

bool all_opaque(const RgbaImage& im) {
  return opaque_count(im, 0, 0, im.width, im.height) == im.width * im.height;
}

int distinct_colours(const RgbaImage& im) {
  std::set<uint32_t> seen;
  for (int y = 0; y < im.height; ++y)
    for (int x = 0; x < im.width; ++x) {
      const uint8_t* p = im.at(x, y);
      if (p[3] >= 128) seen.insert(p[0] << 16 | p[1] << 8 | p[2]);
      if (seen.size() > 16) return 17;
    }
  return static_cast<int>(seen.size());
}

}  // namespace

TEST(UiPictures, DecodeAtTheirLayoutSizesWithRealContent) {
  // Solid fills by design; everything else must be drawn, not flat.
  const std::set<std::string> solid = {"black.png", "startblack.png", "blocker.png"};
  for (const auto& e : kSizes) {
    SCOPED_TRACE(e.file);
    RgbaImage im = load(e.file);
    ASSERT_TRUE(im.ok());
    EXPECT_EQ(im.width, e.w);
    EXPECT_EQ(im.height, e.h);
    EXPECT_GT(opaque_count(im, 0, 0, im.width, im.height), 0);
    if (solid.count(e.file)) {
      EXPECT_TRUE(all_opaque(im));
      EXPECT_EQ(distinct_colours(im), 1);
    } else if (im.width * im.height >= 64) {
      EXPECT_GT(distinct_colours(im), 2);
    }
  }
}

TEST(UiPictures, PortraitsAreFifteenDistinctOpaqueFacesPlusTheCreature) {
  std::vector<RgbaImage> faces;
  for (const char* n : kFaces) faces.push_back(load(std::string("face_") + n + ".png"));
  faces.push_back(load("face_alien.png"));
  for (size_t i = 0; i < faces.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(faces[i].ok());
    EXPECT_EQ(faces[i].width, 184);
    EXPECT_EQ(faces[i].height, 184);
    EXPECT_TRUE(all_opaque(faces[i]));
    EXPECT_GT(distinct_colours(faces[i]), 16);
  }
  // Any two must differ clearly, not by a few pixels of noise.
  for (size_t a = 0; a < faces.size(); ++a)
    for (size_t b = a + 1; b < faces.size(); ++b) {
      int differing = 0;
      for (size_t i = 0; i < faces[a].pixels.size(); i += 4) {
        int d = 0;
        for (int c = 0; c < 3; ++c) d += std::abs(faces[a].pixels[i + c] - faces[b].pixels[i + c]);
        differing += d > 40;
      }
      EXPECT_GT(differing, 184 * 184 / 20) << kFaces[a < 15 ? a : 0] << " vs " << b;
    }
}

// The console multiplies a portrait by the room's tint; a red or a blue room
// keeps one channel at 175/255. Every face, the creature's too, must stay
// bright overall and, in either room, keep enough light and enough light
// and shade in that channel to read.
TEST(UiPictures, PortraitsStayBrightAndModelledUnderRedAndBlueRooms) {
  std::vector<std::string> names;
  for (const char* n : kFaces) names.push_back(std::string("face_") + n + ".png");
  names.push_back("face_alien.png");
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const RgbaImage im = load(name);
    ASSERT_TRUE(im.ok());
    const double n = static_cast<double>(im.width) * im.height;
    double luminance = 0, sum[2] = {0, 0}, squares[2] = {0, 0};
    for (size_t i = 0; i < im.pixels.size(); i += 4) {
      const uint8_t* p = &im.pixels[i];
      luminance += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
      for (int k = 0; k < 2; ++k) {
        const double lit = p[k == 0 ? 0 : 2] * 175.0 / 255.0;  // red room: red; blue room: blue
        sum[k] += lit;
        squares[k] += lit * lit;
      }
    }
    EXPECT_GE(luminance / n, 80.0);
    for (int k = 0; k < 2; ++k) {
      SCOPED_TRACE(k == 0 ? "red room" : "blue room");
      const double mean = sum[k] / n, spread = std::sqrt(squares[k] / n - mean * mean);
      EXPECT_GE(mean, 55.0);
      EXPECT_GE(spread, 30.0);
    }
    if (name == "face_alien.png") continue;
    // The face itself, not only the lit wall against the dark behind it,
    // keeps its light and shade: the middle of the picture, where the
    // crew's features sit, spreads widely in either room's channel.
    constexpr int kFrom = 50, kTo = 134;
    for (int k = 0; k < 2; ++k) {
      SCOPED_TRACE(k == 0 ? "face, red room" : "face, blue room");
      double fs = 0, fq = 0;
      for (int y = kFrom; y < kTo; ++y)
        for (int x = kFrom; x < kTo; ++x) {
          const double lit = im.pixels[(static_cast<size_t>(y) * im.width + x) * 4 + (k == 0 ? 0 : 2)] * 175.0 / 255.0;
          fs += lit, fq += lit * lit;
        }
      const double fn = (kTo - kFrom) * (kTo - kFrom), fm = fs / fn;
      EXPECT_GE(std::sqrt(fq / fn - fm * fm), 36.0);
    }
  }
}

// The crew are different people, not one face recoloured: the skin the
// finished portraits show runs from pale to deep brown. The tint pass once
// lifted every dark skin up to nearly the pale ones' tone.
TEST(UiPictures, PortraitSkinsSpanPaleToDeep) {
  double darkest = 1e9, palest = 0;
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(kFaces[i]);
    const RgbaImage im = load(std::string("face_") + kFaces[i] + ".png");
    ASSERT_TRUE(im.ok());
    const contentgen::ui::portrait_model::Face f = contentgen::ui::roster_face(i);
    const contentgen::model::Xf view =
        contentgen::model::place({92, 84, 0}, contentgen::model::rot_y(f.turn) * contentgen::model::rot_x(-0.05f), 0.9f);
    contentgen::model::Model m;
    contentgen::ui::portrait_model::build(m, f, view);
    const std::vector<float> skin = contentgen::ui::portrait_skin::skin_mask(
        contentgen::model::coverage(m, 184, 184, 2), contentgen::model::tag_map(m, 184, 184), 184, 184,
        view.point(contentgen::ui::portrait_model::chin_bottom(f)).y, {});
    double red = 0, weight = 0;
    for (size_t p = 0; p < skin.size(); ++p) red += im.pixels[p * 4] * skin[p], weight += skin[p];
    ASSERT_GT(weight, 1000);
    darkest = std::min(darkest, red / weight), palest = std::max(palest, red / weight);
  }
  EXPECT_LT(darkest, 0.6 * palest);
}

// Under each eye the lower lid and the socket sit in the skin's own tone or
// darker, never paler than the cheek below them: a lit lid roll or the
// eyeball's white showing under the opening reads as a pale band, the
// look of a doll.
TEST(UiPictures, PortraitsShowNoPaleBandUnderTheEyes) {
  namespace pm = contentgen::ui::portrait_model;
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(kFaces[i]);
    const RgbaImage im = load(std::string("face_") + kFaces[i] + ".png");
    ASSERT_TRUE(im.ok());
    const pm::Face f = contentgen::ui::roster_face(i);
    const contentgen::model::Xf view =
        contentgen::model::place({92, 84, 0}, contentgen::model::rot_y(f.turn) * contentgen::model::rot_x(-0.05f), 0.9f);
    const contentgen::model::Xf head = contentgen::ui::roster_head(i, view);
    // The mean luminance over a strip across the eye, `from` to `to` head
    // units below the lower lid's edge.
    auto strip = [&](int side, float from, float to) {
      const contentgen::model::V3 e = pm::eye_middle(f, side);
      double sum = 0;
      int n = 0;
      for (float y = from; y <= to; y += 0.5f)
        for (float x = -8; x <= 8; x += 0.5f) {
          const contentgen::model::V3 p = head.point({e.x + x, pm::lid_bottom(f) + y, e.z + 9});
          const uint8_t* px = im.at(static_cast<int>(p.x), static_cast<int>(p.y));
          sum += 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2], ++n;
        }
      return sum / n;
    };
    for (int side = -1; side <= 1; side += 2) {
      SCOPED_TRACE(side < 0 ? "left eye" : "right eye");
      EXPECT_LE(strip(side, 1, 5), strip(side, 11, 16) + 4);
    }
  }
}

TEST(UiPictures, FrameCoversItsAreaWhileOverlaysLetTheViewThrough) {
  // The frame hides the side panels parked beneath it: no holes.
  for (const char* f : {"board_1.png", "board_2.png", "board_3.png", "board2_1.png", "board2_2.png"}) {
    SCOPED_TRACE(f);
    EXPECT_TRUE(all_opaque(load(f)));
  }
  // Minimap bezel: open where the blended backdrop shows the view.
  RgbaImage mm = load("mm_back.png");
  EXPECT_TRUE(all_transparent(mm, 8, 8, 90, 90));
  EXPECT_EQ(opaque_count(mm, 8, 0, 90, 6), 82 * 6);
  EXPECT_EQ(opaque_count(mm, 0, 8, 6, 90), 82 * 6);
  // Side panels meet edge to edge in the middle of the view: the left one's
  // last 32 columns and the right one's first 32 are open.
  RgbaImage left = load("slider_left.png"), right = load("slider_right.png");
  EXPECT_TRUE(all_transparent(left, 390, 0, 422, 275));
  EXPECT_EQ(opaque_count(left, 0, 0, 390, 275), 390 * 275);
  EXPECT_TRUE(all_transparent(right, 0, 0, 32, 275));
  EXPECT_EQ(opaque_count(right, 32, 0, 422, 275), 390 * 275);
  // Attribute frame is open over the bar; passage marks leave the gaps'
  // ends open.
  EXPECT_TRUE(all_transparent(load("statborder.png"), 4, 4, 167, 14));
  EXPECT_TRUE(all_transparent(load("mm_hori.png"), 0, 0, 6, 5));
  EXPECT_TRUE(all_transparent(load("mm_vert.png"), 0, 0, 5, 6));
  EXPECT_TRUE(all_transparent(load("bord_corner.png"), 8, 8, 16, 16));
  // Hearts: frame f shows f + 1 hearts, each in its fifth of the cell.
  for (const char* f : {"heart.png", "heart2.png"}) {
    SCOPED_TRACE(f);
    RgbaImage h = load(f);
    int cell = h.width / 5, slot = cell / 5;
    for (int frame = 0; frame < 5; ++frame)
      for (int k = 0; k < 5; ++k) {
        int x0 = frame * cell + k * slot;
        int n = opaque_count(h, x0, 0, x0 + slot, h.height);
        if (k <= frame) EXPECT_GT(n, slot * h.height / 3) << frame << "/" << k;
        else EXPECT_EQ(n, 0) << frame << "/" << k;
        // A heart fills about half its slot: the console shows them small,
        // and one drawn with room to spare in its slot reads as a dot. The
        // small strip's rounded corners take a larger share of its slot.
        if (k <= frame) EXPECT_GE(n, slot * h.height * (h.height >= 12 ? 0.5 : 0.4)) << frame << "/" << k;
      }
  }
}

TEST(UiPictures, TransparentPixelsCarryTheKeyColourTheyAreLoadedWith) {
  struct Key {
    const char* file;
    uint8_t r, g, b;
  };
  // The start-up window keys its background on black, its other pictures
  // on white; everything else on magenta.
  const Key keys[] = {{"sm_back.png", 0, 0, 0},       {"sm_tab.png", 255, 255, 255},
                      {"sm_ticker.png", 255, 255, 255}, {"mm_back.png", 255, 0, 255},
                      {"slider_left.png", 255, 0, 255}, {"heart.png", 255, 0, 255}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.file);
    RgbaImage im = load(k.file);
    int transparent = 0, opaque_key = 0;
    for (int y = 0; y < im.height; ++y)
      for (int x = 0; x < im.width; ++x) {
        const uint8_t* p = im.at(x, y);
        bool key = p[0] == k.r && p[1] == k.g && p[2] == k.b;
        if (p[3] == 0) {
          ++transparent;
          EXPECT_TRUE(key) << x << "," << y;
        } else {
          opaque_key += key;
        }
      }
    EXPECT_GT(transparent, 0);
    EXPECT_EQ(opaque_key, 0);  // a drawn pixel in the key colour would vanish
  }
}
