// Scaling the finished 1024 x 768 frame onto the window's pixels, done by the
// processor: smooth (bilinear, the picture's pixel centres spread evenly over
// the target, the edges held) or sharp (nearest pixel).
//
// Smooth scaling runs in two fixed passes with weights worked out once per
// size: each source row the target needs is scaled across into a row cache,
// then each target row mixes the two cached rows around it. The weights are
// in 256ths and each pass rounds, so a channel may differ from the exact
// bilinear value by up to 2.
#pragma once

#include <cstdint>
#include <vector>

namespace plat::detail {

// A picture in memory, 32 bits a pixel (0xAARRGGBB; the alpha byte is
// carried along), pitch bytes from one row to the next.
struct PixelRect {
  uint32_t* pixels = nullptr;
  int w = 0, h = 0;
  int pitch = 0;
};

class SmoothScaler {
 public:
  // Scales all of src onto all of dst.
  void scale(const PixelRect& src, const PixelRect& dst);

 private:
  // Per target column and row: the first of the two source pixels mixed,
  // and the weight of the second, 0..256.
  struct Taps {
    std::vector<int> first;
    std::vector<uint16_t> weight;
  };
  void prepare(int sw, int sh, int dw, int dh);
  const uint32_t* across(const PixelRect& src, int row);

  int sw_ = 0, sh_ = 0, dw_ = 0, dh_ = 0;
  Taps cols_, rows_;
  // Each column's pair of weights laid out for four channels at once.
  std::vector<uint16_t> colmix_, mix4_;
  // Two source rows scaled across, and which rows they are (-1: none).
  std::vector<uint32_t> cache_[2];
  int cached_[2] = {-1, -1};
};

// Scales all of src onto all of dst, each target pixel the source pixel its
// centre falls in; a row the same as the one above is copied.
void scale_sharp(const PixelRect& src, const PixelRect& dst);

}  // namespace plat::detail
