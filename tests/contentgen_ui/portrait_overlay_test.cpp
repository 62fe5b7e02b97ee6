// What is painted over one material of a rendered portrait stays on it:
// the model kit's tag map marks only the tagged material's pixels, and the
// hair's strands touch no pixel outside the hair's mask.
#include <gtest/gtest.h>

#include <vector>

#include "model_kit/model.h"
#include "ui_art/portrait_hair.h"
#include "ui_art/portrait_roster.h"

namespace {

using namespace contentgen;

TEST(PortraitOverlay, TagMapMarksOnlyTheTaggedMaterial) {
  model::Model m;
  model::Material hair{0.3f, 0.2f, 0.1f, 0.2f, 10, 0.5f, 0};
  hair.tag = 1;
  const model::Material skin{0.8f, 0.6f, 0.5f, 0.2f, 10, 0.5f, 0};
  m.sphere({20, 20, 0}, 12, hair);
  m.sphere({60, 20, 0}, 12, skin);
  const std::vector<float> tags = model::tag_map(m, 80, 40);
  EXPECT_NEAR(tags[20 * 80 + 20], 1.0f, 1e-3f);  // the tagged ball's middle
  EXPECT_NEAR(tags[20 * 80 + 60], 0.0f, 1e-3f);  // the untagged one's
  EXPECT_NEAR(tags[2 * 80 + 40], 0.0f, 1e-3f);   // nothing hit
}

TEST(PortraitOverlay, StrandsStayInsideTheHairMask) {
  constexpr int w = 64, h = 64;
  Canvas c(w, h);
  cairo_set_source_rgb(c.cr(), 0.4, 0.3, 0.2);
  cairo_paint(c.cr());
  // The top half is hair, the bottom half is not.
  std::vector<float> mask(static_cast<size_t>(w) * h, 0.0f);
  for (int i = 0; i < w * h / 2; ++i) mask[i] = 1;
  uint8_t before[4];
  c.get_pixel(0, 0, before);
  const ui::portrait_model::Face f = ui::roster_face(0);
  ui::portrait_hair::strands(c, f, mask, {32, 0, 0}, 7);
  int touched_outside = 0, touched_inside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t p[4];
      c.get_pixel(x, y, p);
      const bool changed = p[0] != before[0] || p[1] != before[1] || p[2] != before[2];
      (y < h / 2 ? touched_inside : touched_outside) += changed;
    }
  EXPECT_EQ(touched_outside, 0);
  EXPECT_GT(touched_inside, w * h / 8);  // the strands are there
}

}  // namespace
