// Loading every image and sound headless through the real platform layer,
// then checking handles, frames, reference points and a drawn frame.
#include <gtest/gtest.h>

#include <cstdlib>

#include "state/archive.h"
#include "state/asset_handles.h"
#include "state/asset_plan.h"
#include "state/assets.h"
#include "image_sizes.h"
#include "platform/platform.h"

namespace {

class AssetLoading : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    register_embedded_archive();
    ASSERT_TRUE(plat::init(true));
    ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, plat::RendererSoftware));
    audio_ok = plat::audio_open();
    gfxmissing = 0;
    sfxmissing = 0;
    load_fonts();
    load_all_assets();
    missing_after_load = gfxmissing + sfxmissing;
  }
  static void TearDownTestSuite() { plat::shutdown(); }
  void SetUp() override {
    gfxmissing = 0;
    sfxmissing = 0;
  }
  static bool shipped(const std::string& name) { return archive_find(name) != nullptr; }
  static inline bool audio_ok = false;
  static inline int missing_after_load = -1;
};

int channel_gap(uint32_t a, uint32_t b) {
  int gap = 0;
  for (int shift : {0, 8, 16}) gap = std::max(gap, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
  return gap;
}

}  // namespace

TEST_F(AssetLoading, ShippedEntriesLoadAndMissingOnesStayZeroWithoutWarning) {
  EXPECT_EQ(missing_after_load, 0) << "loading raised a missing-file warning";
  for (const auto* plan : {&font_load_plan(), &image_load_plan()})
    for (const ImageLoad& l : *plan) {
      if (shipped("data\\gfx\\" + l.file)) {
        EXPECT_NE(*l.slot, 0) << l.file;
        EXPECT_TRUE(plat::image_exists(*l.slot)) << l.file;
      } else {
        EXPECT_EQ(*l.slot, 0) << l.file;
      }
    }
  EXPECT_NE(tileimg[25], 0);
  EXPECT_EQ(tileimg[26], 0);
  EXPECT_EQ(tileimg[50], 0);
  ASSERT_TRUE(audio_ok) << "the dummy audio driver should open";
  for (const SoundLoad& s : sound_load_plan()) {
    if (shipped("data\\sfx\\" + s.file)) {
      EXPECT_NE(*s.slot, 0) << s.file;
      EXPECT_GT(plat::sound_length_ms(*s.slot), 50) << s.file;
    } else {
      EXPECT_EQ(*s.slot, 0) << s.file;
    }
  }
  EXPECT_EQ(attacksounds[4], 0);
  EXPECT_EQ(deathsounds[5][deathnear], 0);
  EXPECT_NE(deathsounds[6][deathnear], 0);
}

TEST_F(AssetLoading, ImagesHaveTheirCellSizesAndFrameCounts) {
  for (const auto* plan : {&font_load_plan(), &image_load_plan()})
    for (const ImageLoad& l : *plan) {
      if (!*l.slot) continue;
      const contentgen::ImageSize* size = contentgen::find_image_size(l.file);
      ASSERT_NE(size, nullptr) << l.file;
      EXPECT_EQ(plat::image_frames(*l.slot), size->frames) << l.file;
      EXPECT_EQ(plat::image_width(*l.slot), size->cellw) << l.file;
      EXPECT_EQ(plat::image_height(*l.slot), size->cellh) << l.file;
    }
  EXPECT_EQ(plat::image_frames(img_font3), 100);
  EXPECT_EQ(plat::image_frames(img_heart), 5);
  EXPECT_EQ(plat::image_width(img_heart2), 36);
}

TEST_F(AssetLoading, CreatureAttackAndDeathFramesShareTheirKindsHandle) {
  struct Kind {
    int kind, hx, hy, attacks, deaths;
  } kinds[] = {{1, 278, 63, 2, 5}, {2, 214, 179, 1, 4}, {3, 275, 149, 2, 5}};
  for (const Kind& k : kinds) {
    for (int row : {2, 4})
      for (int f = 1; f <= (row == 2 ? k.attacks : k.deaths); ++f) {
        int image = creatureimg[k.kind][row][f];
        ASSERT_NE(image, 0) << "kind " << k.kind << " row " << row << " frame " << f;
        EXPECT_EQ(plat::image_handle_x(image), k.hx) << "kind " << k.kind << " row " << row;
        EXPECT_EQ(plat::image_handle_y(image), k.hy) << "kind " << k.kind << " row " << row;
      }
  }
  // Roaming frames and corpses keep their own handles.
  EXPECT_EQ(plat::image_handle_x(creatureimg[1][1][2]), 102);
  EXPECT_EQ(plat::image_handle_x(creatureimg[1][3][4]), 136);
  EXPECT_EQ(plat::image_handle_y(creatureimg[2][3][1]), 53);
  EXPECT_EQ(plat::image_handle_x(creatureimg[5][1][1]), 24);
  EXPECT_EQ(creatureimg[3][3][1], 0);  // a queen leaves no corpse
}

TEST_F(AssetLoading, ConsoleAndEffectHandles) {
  auto handle = [](int image) {
    return std::make_pair(plat::image_handle_x(image), plat::image_handle_y(image));
  };
  using P = std::pair<int, int>;
  EXPECT_EQ(handle(sliderimg[1]), P(0, 0));
  EXPECT_EQ(handle(sliderimg[2]), P(421, 0));
  EXPECT_EQ(handle(acidblastimg[4]), P(145, 134));
  EXPECT_EQ(handle(acidimg[1]), P(72, 0));
  EXPECT_EQ(handle(img_bar_am), P(12, 174));
  EXPECT_EQ(handle(img_bar_amx), P(12, 174));
  EXPECT_EQ(handle(img_bar_st), P(0, 0));
  EXPECT_EQ(handle(img_splitter), P(0, 5));
  EXPECT_EQ(handle(img_pausetab), P(82, 0));
  EXPECT_EQ(handle(slimeimg[2][3]), P(16, 0));
  // Centred pictures: whole-pixel halves of their size.
  for (int image : {targimg[1], targimg[3], minimapimg[3], faceimg[16], acidblastimg[2], img_blast,
                    img_dot, img_bald, img_indicator})
    EXPECT_EQ(handle(image), P(plat::image_width(image) / 2, plat::image_height(image) / 2));
  EXPECT_EQ(handle(tileimg[1]), P(0, 0));
}

TEST_F(AssetLoading, GuardedHandleCallsWarnOnAbsentPictures) {
  asset_set_handle(tileimg[26], 3, 4);
  EXPECT_EQ(gfxmissing, 100);
  gfxmissing = 0;
  asset_centre_handle(0);
  EXPECT_EQ(gfxmissing, 100);
  gfxmissing = 0;
  int image = iconimg[2];
  asset_set_handle(image, 3, 4);
  EXPECT_EQ(gfxmissing, 0);
  EXPECT_EQ(plat::image_handle_x(image), 3);
  EXPECT_EQ(plat::image_handle_y(image), 4);
  asset_centre_handle(image);
  EXPECT_EQ(plat::image_handle_x(image), plat::image_width(image) / 2);
  asset_set_handle(image, 0, 0);
}

TEST_F(AssetLoading, WarriorAttackFrameIsPlacedByItsHandle) {
  const int image = creatureimg[1][2][1];
  const int x = 400, y = 250;
  plat::set_cls_colour(0, 0, 0);
  plat::cls();
  plat::set_blend(plat::BlendMasked);
  plat::set_colour(255, 255, 255);
  plat::set_alpha(1.0f);
  plat::set_scale(1, 1);
  plat::draw_image(image, x, y, 0);
  std::vector<uint32_t> screen;
  int w = 0, h = 0;
  ASSERT_TRUE(plat::read_back_buffer(screen, w, h));
  ASSERT_EQ(w, 1024);
  auto at = [&](int sx, int sy) { return screen[static_cast<size_t>(sy) * w + sx]; };
  uint32_t handle_pixel = plat::image_pixel(image, 0, 278, 63);
  ASSERT_GE(handle_pixel >> 24, 128u) << "the handle point should be on the creature";
  EXPECT_LE(channel_gap(at(x, y), handle_pixel), 2);
  // The whole frame lines up, not just one pixel: every opaque pixel on a
  // coarse grid is where the handle puts it, every clear one shows black.
  int iw = plat::image_width(image), ih = plat::image_height(image), wrong = 0, opaque = 0;
  for (int py = 0; py < ih; py += 7)
    for (int px = 0; px < iw; px += 7) {
      int sx = x - 278 + px, sy = y - 63 + py;
      if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
      uint32_t want = plat::image_pixel(image, 0, px, py);
      uint32_t got = at(sx, sy);
      if (want >> 24 >= 128) {
        ++opaque;
        wrong += channel_gap(got, want) > 2;
      } else {
        wrong += (got & 0xFFFFFF) != 0;
      }
    }
  EXPECT_GT(opaque, 100);
  EXPECT_EQ(wrong, 0);
}
