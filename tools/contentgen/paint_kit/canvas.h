// Drawing surface for generated pictures (Cairo) and the deterministic PNG
// writer (png_writer.cpp) that turns it into archive bytes.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "registry.h"

namespace contentgen {

struct Colour {
  int r, g, b;
};
inline constexpr Colour kMagenta{255, 0, 255};
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Straight (not premultiplied) RGBA of one pixel.
  void get_pixel(int x, int y, uint8_t rgba[4]) const;
  void set_pixel(int x, int y, const uint8_t rgba[4]);

  // Encodes the canvas as an RGBA PNG. Pixels with alpha below 128 are
  // written fully transparent in the mask colour, so the picture is
  // transparent whether the loader keys on alpha or on the mask colour.
  Bytes png(Colour mask = kMagenta) const;
  // Encodes as an opaque RGB PNG (composited onto black).
  Bytes png_opaque() const;
  // Encodes a masked picture whose soft edges (alpha below one half) are
  // kept as an ordered dither of half-transparent pixels instead of being
  // cut off, so glows and fades survive a loader that keys on alpha or on
  // magenta.
  Bytes png_dithered() const;
  // Encodes keeping the alpha whole, for pictures the game draws with alpha
  // blending (the loader keeps alpha and clears only the mask colour):
  // fully clear pixels take the mask colour, no opaque one does.
  Bytes png_soft() const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Straight (un-premultiplied) RGBA of a whole surface, row-major, read in
// one pass.
std::vector<uint8_t> straight_rgba(cairo_surface_t* surface, int width, int height);
// Raw RGBA (straight alpha, row-major) to PNG bytes; deterministic.
Bytes encode_png(int width, int height, const std::vector<uint8_t>& rgba, bool with_alpha);

// Small deterministic noise source for grime and texture.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double unit() { return next() / 4294967296.0; }             // [0, 1)
  double range(double a, double b) { return a + (b - a) * unit(); }

 private:
  uint32_t state_;
};

}  // namespace contentgen
