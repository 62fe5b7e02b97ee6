// Pixel-exact collision with handles, scale and mirroring.
#include "platform_fixture.h"

namespace {

using namespace plattest;

struct Collide : ::testing::Test {
  void SetUp() override {
    plat::set_mask_colour(255, 0, 255);
    square = plat::load_image(solid_png(dir, "sq.png", 10, 10, kWhite), 1);
    // Opaque on the left half only.
    half = plat::load_image(write_png(dir, "half.png", 10, 10, [](int x, int) { return x < 5 ? kWhite : kMagenta; }), 1);
    ASSERT_NE(square, 0);
    ASSERT_NE(half, 0);
  }
  bool hit(int a, float ax, float asx, int b, float bx, float bsx = 1.0f) {
    return plat::images_collide(a, ax, 0, 0, asx, 1, b, bx, 0, 0, bsx, 1);
  }
  TempDir dir;
  int square = 0, half = 0;
};

TEST_F(Collide, TouchingEdgesDoNotOverlap) {
  EXPECT_TRUE(hit(square, 0, 1, square, 9));
  EXPECT_FALSE(hit(square, 0, 1, square, 10));
  EXPECT_FALSE(hit(square, 0, 1, square, -10));
  EXPECT_TRUE(plat::images_collide(square, 0, 0, 0, 1, 1, square, 0, 9.5f, 0, 1, 1));
  EXPECT_FALSE(plat::images_collide(square, 0, 0, 0, 1, 1, square, 0, 10, 0, 1, 1));
}

TEST_F(Collide, TransparentPixelsNeverCollide) {
  EXPECT_TRUE(hit(half, 0, 1, square, 4));
  EXPECT_FALSE(hit(half, 0, 1, square, 5));  // overlaps only the keyed half
}

TEST_F(Collide, MirroringMovesTheOpaqueHalf) {
  // Mirrored about its handle at x 10 the half image spans 0..10 and its
  // opaque half now lies at 5..10.
  EXPECT_FALSE(hit(half, 10, -1, square, -6));
  EXPECT_TRUE(hit(half, 10, -1, square, -4));
  EXPECT_TRUE(hit(half, 0, 1, square, -6));  // unmirrored the same square hits
  EXPECT_TRUE(hit(square, -6, 1, half, 10, -1.0f) == hit(half, 10, -1, square, -6));
}

TEST_F(Collide, EachImageUsesItsOwnScaleAndHandle) {
  EXPECT_FALSE(hit(square, 0, 1, square, 15));
  EXPECT_TRUE(hit(square, 0, 2, square, 15));
  EXPECT_TRUE(hit(square, 0, 1, square, -15, 2));
  EXPECT_FALSE(hit(square, 0, 0.5f, square, 5));

  plat::set_image_handle(square, 5, 5);  // now centred on its position
  EXPECT_TRUE(hit(square, 0, 1, square, 9));
  EXPECT_FALSE(hit(square, 0, 1, square, 10));
  EXPECT_TRUE(plat::images_collide(square, 0, 0, 0, 1, 1, half, 4, -5, 0, 1, 1));
  EXPECT_FALSE(plat::images_collide(square, 0, 0, 0, 1, 1, half, 5, -5, 0, 1, 1));
  plat::set_image_handle(square, 0, 0);
}

TEST_F(Collide, AbsentImagesFramesOrZeroScaleNeverCollide) {
  EXPECT_FALSE(hit(0, 0, 1, square, 0));
  EXPECT_FALSE(plat::images_collide(square, 0, 0, 1, 1, 1, square, 0, 0, 0, 1, 1));
  EXPECT_FALSE(hit(square, 0, 0, square, 0));
}

}  // namespace
