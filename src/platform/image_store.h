// Loaded images: pixels kept in memory (for collision, pixel reads and
// rebuilding textures) and textures created lazily per renderer.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/internal.h"

namespace plat::detail {

// A texture plus the modulation last pushed to it, so a draw only calls
// into SDL for what actually changed.
struct TextureSlot {
  SDL_Texture* tex = nullptr;
  uint32_t generation = 0;
  int r = -1, g = -1, b = -1, a = -1;
  int mode = -1;
  int scale = -1;  // SDL_ScaleMode last set
};

struct Frame {
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, cell sized
  std::vector<uint8_t> solid;    // 1 where alpha >= 128 (collision)
  bool opaque = true;            // every pixel has alpha 255
  bool flat = false;             // every pixel is the same (a fill image)
  TextureSlot normal;            // as loaded
  TextureSlot keyed;             // alpha forced to 0 or 255 (masked blend)
  // The texture's pixels where they differ from `pixels` (keyed, or edges
  // bled for filtering), made on first use by the direct software copies.
  std::vector<uint32_t> keyed_texels, bled_texels;
};

struct Image {
  uint32_t serial = 0;        // never reused by another image
  int width = 0, height = 0;  // one cell
  bool filtered = false;
  bool partial_alpha = false;  // some alpha strictly between 0 and 255
  int hx = 0, hy = 0;
  std::vector<Frame> frames;
};

Image* find_image(int handle);
// Destroys the frame's textures that belong to the current renderer.
void destroy_frame_textures(Frame& fr);
// The frame's texture for the current renderer (nullptr without one).
SDL_Texture* frame_texture(Image& image, int frame, bool keyed, TextureSlot*& slot);
// The pixels of the frame's texture (keyed or as loaded), tex_w a row; they
// live as long as the image.
const uint32_t* texture_pixels(Image& image, int frame, bool keyed);

}  // namespace plat::detail
