// A roaming warrior dies only when the probe touches the opaque pixels of
// its head, with the real pictures loaded through the headless platform.
#include "creature_world.h"

#include "state/archive.h"
#include "state/assets.h"
#include "platform/platform.h"

namespace creaturetest {
namespace {

constexpr int R = 60;

class WarriorHead : public CreatureWorld {
 protected:
  static void SetUpTestSuite() {
    register_embedded_archive();
    ASSERT_TRUE(plat::init(true));
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, plat::RendererSoftware));
    }
    plat::set_mask_colour(255, 0, 255);
    img_reaver = plat::load_image("incbin::data\\gfx\\reaver.png", 1);
    img_alien_head = plat::load_image("incbin::data\\gfx\\alien_head.png", -1);
  }
  static bool opaque(int image, int x, int y) {
    if (x < 0 || y < 0 || x >= plat::image_width(image) || y >= plat::image_height(image)) return false;
    return (plat::image_pixel(image, 0, x, y) >> 24) != 0;
  }
  // An opaque head pixel in the middle of a solid 9 x 9 patch, so that the
  // probe's one opaque pixel lands on the head whichever way it is mirrored.
  static bool solidheadpixel(int& hx, int& hy) {
    for (int y = 4; y < plat::image_height(img_alien_head) - 4; ++y)
      for (int x = 4; x < plat::image_width(img_alien_head) - 4; ++x) {
        bool solid = true;
        for (int dy = -4; dy <= 4 && solid; ++dy)
          for (int dx = -4; dx <= 4 && solid; ++dx) solid = opaque(img_alien_head, x + dx, y + dy);
        if (solid) {
          hx = x;
          hy = y;
          return true;
        }
      }
    return false;
  }
  static bool probepixel(int& px, int& py) {
    for (int y = 0; y < plat::image_height(img_reaver); ++y)
      for (int x = 0; x < plat::image_width(img_reaver); ++x)
        if (opaque(img_reaver, x, y)) {
          px = x;
          py = y;
          return true;
        }
    return false;
  }
  // Shot position that puts the probe's opaque pixel on head pixel (hx, hy)
  // of a warrior at cx facing dir.
  static void aim(int cx, int dir, int hx, int hy, int& sx, int& sy) {
    int px = 0, py = 0;
    ASSERT_TRUE(probepixel(px, py));
    int hh = plat::image_handle_x(img_alien_head);
    int headx = dir == 1 ? cx + 18 - hh + hx : cx - 18 + hh - hx;
    sx = headx - px + plat::image_handle_x(img_reaver);
    sy = 120 + hy - plat::image_handle_y(img_alien_head) - py + plat::image_handle_y(img_reaver);
  }
};

TEST_F(WarriorHead, ShotOnTheHeadKillsAndBesideItProvokes) {
  ASSERT_NE(img_reaver, 0);
  ASSERT_NE(img_alien_head, 0);
  putmember(1, R);
  int hx = 0, hy = 0;
  ASSERT_TRUE(solidheadpixel(hx, hy));
  int sx = 0, sy = 0;
  aim(1200, 1, hx, hy, sx, sy);

  placecreature(R, kindwarrior, 1200, 1);
  EXPECT_EQ(shootcreature(1, 1, sx, sy), 1);
  EXPECT_EQ(creature(R)[ckiller], 1);

  // Beside the head, past its right edge.
  placecreature(R, kindwarrior, 1200, 1);
  int beside = 1200 + 18 + plat::image_width(img_alien_head) + 4;
  EXPECT_EQ(shootcreature(1, 1, beside, sy), 0);
  EXPECT_EQ(creature(R)[ckiller], 0);
  EXPECT_EQ(creature(R)[cmode], attacking);
}

TEST_F(WarriorHead, HeadIsMirroredForTheOtherDirection) {
  putmember(1, R);
  int hx = 0, hy = 0;
  ASSERT_TRUE(solidheadpixel(hx, hy));
  int sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
  aim(1200, 1, hx, hy, sx1, sy1);
  aim(1200, 2, hx, hy, sx2, sy2);

  placecreature(R, kindwarrior, 1200, 2);
  EXPECT_EQ(shootcreature(1, 1, sx2, sy2), 1) << "mirrored head at the left of cx";
  placecreature(R, kindwarrior, 1200, 2);
  EXPECT_EQ(shootcreature(1, 1, sx1, sy1), 0) << "where the unmirrored head would be";
}

TEST_F(WarriorHead, HeadAcrossTheSeamIsHit) {
  putmember(1, R);
  int hx = 0, hy = 0;
  ASSERT_TRUE(solidheadpixel(hx, hy));
  int sx = 0, sy = 0;
  aim(3320, 1, hx, hy, sx, sy);
  placecreature(R, kindwarrior, 3320, 1);
  EXPECT_EQ(shootcreature(1, 1, sx - looplength, sy), 1);
}

}  // namespace
}  // namespace creaturetest
