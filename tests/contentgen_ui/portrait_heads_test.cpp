// The crew's portraits are told apart by their heads and not only by their
// hair: with hair, beard and headgear taken off and every head turned to
// face the viewer, any two bare heads still differ in outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model_kit/model.h"
#include "ui_art/portrait_roster.h"
#include "ui_art/ui_art.h"

namespace {

using namespace contentgen;
using ui::portrait_model::Face;

constexpr int kSize = 184;

struct BareHead {
  std::vector<uint8_t> mask;
  int chin_row;  // the picture row of the chin's underside
};

BareHead bare_head(int index) {
  Face f = ui::roster_face(index);
  f.hair_style = ui::portrait_model::Hair::bald;
  f.beard = ui::portrait_model::Beard::none;
  f.gear = ui::portrait_model::Gear::none;
  f.turn = 0;
  const model::Xf view = model::place({92, 84, 0}, {}, 0.9f);
  model::Model m;
  ui::portrait_model::build(m, f, view);
  return {model::coverage(m, kSize, kSize, 1),
          static_cast<int>(view.point(ui::portrait_model::chin_bottom(f)).y)};
}

}  // namespace

TEST(PortraitHeads, EveryBareHeadHasItsOwnOutline) {
  std::vector<BareHead> heads;
  for (int i = 0; i < 15; ++i) heads.push_back(bare_head(i));
  for (int a = 0; a < 15; ++a)
    for (int b = a + 1; b < 15; ++b) {
      // Above the higher chin only: below it the shoulders and clothes differ
      // whatever the heads are.
      const int rows = std::min(heads[a].chin_row, heads[b].chin_row);
      int differing = 0;
      for (int i = 0; i < rows * kSize; ++i) differing += heads[a].mask[i] != heads[b].mask[i];
      EXPECT_GT(differing, 150) << ui::kRosterFaces[a] << " and " << ui::kRosterFaces[b] << " share a head";
    }
}

// A mouth whose corners sit at different heights reads as a sneer or a
// lopsided mask; whatever the head's turn, each member's lips meet level
// unless the member wears a wry half smile, which is taken out here.
TEST(PortraitHeads, MouthCornersSitLevelInEveryTurnedHead) {
  for (int i = 0; i < 15; ++i) {
    Face f = ui::roster_face(i);
    f.smirk = 0;
    const model::Xf view = model::place({92, 84, 0}, model::rot_y(f.turn) * model::rot_x(-0.05f), 0.9f);
    model::V3 lips[3];
    ui::portrait_model::mouth_line(f, lips);
    const model::V3 left = view.point(lips[0]), right = view.point(lips[2]);
    EXPECT_NEAR(left.y, right.y, 0.5) << ui::kRosterFaces[i];
    EXPECT_GT(std::abs(right.x - left.x), 27) << ui::kRosterFaces[i] << "'s mouth is pinched";
  }
}

// Facing the viewer, a bare head is the same on both sides of its middle:
// a part built on one side only shows as a dent or a lump in the skull, a
// lopsided jaw or an ear out of line.
TEST(PortraitHeads, EveryBareHeadIsMirrorSymmetric) {
  for (int i = 0; i < 15; ++i) {
    const BareHead h = bare_head(i);
    int differing = 0;
    for (int y = 0; y < h.chin_row; ++y)
      for (int x = 0; x < kSize / 2; ++x) differing += h.mask[y * kSize + x] != h.mask[y * kSize + kSize - 1 - x];
    EXPECT_LT(differing, 12) << ui::kRosterFaces[i] << "'s head is lopsided";
  }
}
