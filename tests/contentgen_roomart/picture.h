// Decodes generated PNG bytes into straight RGBA for the room art tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // row-major, 4 bytes a pixel
  const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
  bool opaque(int x, int y) const { return at(x, y)[3] >= 128; }
  int luma(int x, int y) const {
    const uint8_t* p = at(x, y);
    return (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000;
  }
  // Share of pixels with alpha of at least one half, in a rectangle.
  double coverage(int x0, int y0, int w, int h) const;
  // Number of distinct colours among the opaque pixels.
  int distinct_colours() const;
};

// An empty picture (width 0) when the bytes are not a PNG.
Picture decode_png(const std::vector<uint8_t>& bytes);
