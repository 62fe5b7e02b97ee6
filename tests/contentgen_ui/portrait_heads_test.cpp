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

// A bare head facing the viewer is taller than wide, about two wide to
// three tall from the crown to the chin, with the eyes near half its
// height: broad, short heads read as balls with a face painted on.
TEST(PortraitHeads, EveryBareHeadIsTallerThanWideWithTheEyesHalfWayDown) {
  for (int i = 0; i < 15; ++i) {
    const BareHead h = bare_head(i);
    Face f = ui::roster_face(i);
    f.turn = 0;
    const model::Xf view = model::place({92, 84, 0}, {}, 0.9f);
    int top = -1;
    for (int y = 0; y < kSize && top < 0; ++y)
      for (int x = 0; x < kSize; ++x)
        if (h.mask[y * kSize + x]) {
          top = y;
          break;
        }
    const int eye = static_cast<int>(view.point(ui::portrait_model::eye_middle(f, 1)).y);
    // The breadth across the cheekbones, a little under the eyes.
    const int row = eye + 8;
    int left = kSize / 2, right = kSize / 2;
    while (left > 0 && h.mask[row * kSize + left - 1]) --left;
    while (right < kSize - 1 && h.mask[row * kSize + right + 1]) ++right;
    const double height = h.chin_row - top, width = right - left + 1;
    EXPECT_LT(width / height, 0.85) << ui::kRosterFaces[i] << "'s head is as wide as it is tall";
    EXPECT_GT(width / height, 0.5) << ui::kRosterFaces[i] << "'s head is a narrow wedge";
    EXPECT_NEAR((eye - top) / height, 0.5, 0.06) << ui::kRosterFaces[i] << "'s eyes are not half way down";
  }
}

// Every member looks into the camera, both eyes the same way: under the
// portrait's view (the head's own small lean aside) each pupil lies over
// the middle of its eyeball. A gaze that followed the head's turn put the
// irises off to one side and the crew looked past the player.
TEST(PortraitHeads, BothEyesLookIntoTheCamera) {
  for (int i = 0; i < 15; ++i) {
    const Face f = ui::roster_face(i);
    const model::Xf view = model::place({92, 84, 0}, model::rot_y(f.turn) * model::rot_x(-0.05f), 0.9f);
    for (int side = -1; side <= 1; side += 2) {
      const model::V3 pupil = view.point(ui::portrait_model::pupil(f, side));
      const model::V3 middle = view.point(ui::portrait_model::eye_middle(f, side));
      EXPECT_NEAR(pupil.x, middle.x, 0.3) << ui::kRosterFaces[i] << (side < 0 ? " left" : " right");
      EXPECT_NEAR(pupil.y, middle.y, 0.3) << ui::kRosterFaces[i] << (side < 0 ? " left" : " right");
    }
  }
}

// The crew do not all wear one face: the brows, the mouth's corners and
// the head's pose set several expressions, and some members raise one
// brow. Counted over the roster, so one member's change cannot hide it.
TEST(PortraitHeads, TheCrewWearMoreThanOneExpression) {
  int raised = 0, smiling = 0, frowning = 0, level = 0;
  for (int i = 0; i < 15; ++i) {
    const Face f = ui::roster_face(i);
    model::V3 left[3], right[3];
    ui::portrait_model::brow_line(f, -1, left);
    ui::portrait_model::brow_line(f, 1, right);
    raised += std::abs(left[1].y - right[1].y) > 2;
    smiling += f.smile > 0.2f, frowning += f.frown > 0.3f;
    level += std::abs(f.smile) < 0.1f;
  }
  EXPECT_GE(raised, 3);
  EXPECT_GE(smiling, 3);
  EXPECT_GE(frowning, 3);
  EXPECT_GE(level, 2);
}
