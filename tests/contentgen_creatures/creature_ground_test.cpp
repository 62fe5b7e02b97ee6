// Checks that the creatures stand in the room: a soft shadow on the deck
// under every standing frame, the warrior's tail carried low instead of
// raised behind it like an arm, and a cocoon whose burst changes its shape.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "creature_art/contact_shadow.h"
#include "paint_kit/canvas.h"
#include "decoded_picture.h"

namespace cc = contentgen::creatures;
using creature_checks::decode;
using creature_checks::Picture;

namespace {

Picture built(const std::string& file) {
  std::ifstream f(std::string(RX_CONTENT_DIR) + "/data/gfx/" + file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  return decode(bytes);
}

// A drawn pixel with clear pixels left and right of it: the dots of a
// dithered shade, which a body's own pixels almost never are.
bool lone_dot(const Picture& p, int x, int y) { return p.solid(x, y) && !p.solid(x - 1, y) && !p.solid(x + 1, y); }

}  // namespace

// The shade is laid only on clear pixels of the last rows, near the feet,
// as a dither that thins out away from them; a part that does not reach
// the floor (a tail held up) casts none.
TEST(CreatureGround, ContactShadowDithersNearTheFeetOnly) {
  const int w = 120, h = 30;
  contentgen::Canvas c(w, h);
  const uint8_t body[4] = {200, 180, 160, 255};
  for (int y = 20; y < h; ++y)
    for (int x = 60; x < 66; ++x) c.set_pixel(x, y, body);  // a leg standing on the floor
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 14; ++x) c.set_pixel(x, y, body);  // a part held clear of it
  const std::vector<uint8_t> before = decode(c.png()).rgba;
  cc::ShadowShape s;
  s.depth = 6, s.reach = 12;
  cc::contact_shadow(c, s);
  const Picture p = decode(c.png());
  ASSERT_TRUE(p.ok);
  // Dots per column beside the leg and more than the reach away from it.
  long near = 0, far = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* a = &before[(static_cast<size_t>(y) * w + x) * 4];
      const uint8_t* b = p.at(x, y);
      if (a[3] >= 128) {
        ASSERT_EQ(std::vector<uint8_t>(a, a + 4), std::vector<uint8_t>(b, b + 4)) << "drawn over " << x << "," << y;
        continue;
      }
      if (b[3] < 128) continue;
      EXPECT_GE(y, h - s.depth) << "shade above the floor rows";
      EXPECT_LT(b[0] + b[1] + b[2], 60) << "shade not dark";
      EXPECT_TRUE(x >= 60 - 2 * s.reach && x < 66 + 2 * s.reach) << "shade away from the feet at " << x;
      EXPECT_FALSE(x < 20) << "shade under the raised part at " << x;
      if ((x >= 54 && x < 60) || (x >= 66 && x < 72)) ++near;
      else if (x < 60 - s.reach || x >= 66 + s.reach) ++far;
    }
  EXPECT_GT(near, 20);
  // 12 columns beside the leg against the 24 columns of the outer rings.
  EXPECT_GT(near * 24, far * 12 * 2) << "the shade should thicken toward the feet";
  // Soft, not a slab: right beside the leg some pixels stay clear.
  long clear = 0;
  for (int y = h - 3; y < h; ++y)
    for (int x = 54; x < 60; ++x) clear += !p.solid(x, y);
  EXPECT_GT(clear, 0);
  EXPECT_LT(clear, 18);
}

// Every frame that stands on the floor carries that shade in its last
// rows: without it the creature looks pasted onto the wall behind it.
TEST(CreatureGround, StandingFramesCastASoftShadow) {
  const std::vector<std::string> frames = {"alien_1.png",  "alien_2.png",  "alien_3.png",  "queen_1.png",
                                           "queen_2.png",  "queen_3.png",  "hugger_1.png", "hugger_2.png",
                                           "hugger_3.png", "wren.png"};
  for (const std::string& f : frames) {
    SCOPED_TRACE(f);
    const Picture p = built(f);
    ASSERT_TRUE(p.ok);
    long floor = 0, legs = 0;
    for (int x = 1; x + 1 < p.w; ++x) {
      for (int y = p.h - 6; y < p.h; ++y) floor += lone_dot(p, x, y);
      for (int y = p.h - 14; y < p.h - 8; ++y) legs += lone_dot(p, x, y);
    }
    EXPECT_GT(floor, 12) << "no soft shadow on the floor";
    EXPECT_GT(floor, legs * 3) << "the shade should lie on the floor, not climb the legs";
  }
}

// Behind the hips and above them the walking warrior shows nothing: a tail
// raised there reads as a stiff arm held up behind its back.
TEST(CreatureGround, WarriorWalksWithItsTailLow) {
  for (int f = 1; f <= 3; ++f) {
    SCOPED_TRACE(f);
    const Picture p = built("alien_" + std::to_string(f) + ".png");
    ASSERT_TRUE(p.ok);
    long raised = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 36; ++x) raised += p.solid(x, y);
    EXPECT_EQ(raised, 0);
  }
}

// The burst cocoon is not the whole one with blood painted on: the head
// has dropped and the strands to the wall have torn, so the outline
// itself changes between the two pictures.
TEST(CreatureGround, BurstCocoonChangesItsOutline) {
  const Picture a = built("colonist_1.png"), b = built("colonist_2.png");
  ASSERT_TRUE(a.ok && b.ok);
  ASSERT_EQ(a.w, b.w);
  ASSERT_EQ(a.h, b.h);
  long changed = 0, either = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x) {
      changed += a.solid(x, y) != b.solid(x, y);
      either += a.solid(x, y) || b.solid(x, y);
    }
  ASSERT_GT(either, 0);
  EXPECT_GT(changed * 100, either * 2) << changed << " of " << either << " pixels change";
}
