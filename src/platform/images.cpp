// Image loading (PNG via libpng, mask-colour keying, strips cut into cells),
// handles, pixel reads and the per-renderer texture cache.
#include <algorithm>
#include <memory>

#include "platform/image_store.h"
#include "platform/magnified_frames.h"
#include "platform/platform.h"
#include "platform/png_codec.h"
#include "platform/soft_copy.h"

namespace plat {
namespace detail {
namespace {

std::vector<std::unique_ptr<Image>>& images() {
  static std::vector<std::unique_ptr<Image>> list;
  return list;
}

uint32_t mask_rgb = 0x000000;  // black until the game picks another

void destroy_slot(TextureSlot& slot) {
  if (slot.tex && slot.generation == display().generation && display().renderer)
    SDL_DestroyTexture(slot.tex);
  slot = TextureSlot{};
}

// Transparent pixels take the average colour of their opaque neighbours so
// that smoothing at the edges does not pull in the key colour or black.
void bleed_edges(std::vector<uint32_t>& px, int w, int h) {
  std::vector<uint32_t> out = px;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if ((px[y * w + x] >> 24) != 0) continue;
      unsigned r = 0, g = 0, b = 0, n = 0;
      const int nb[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
      for (const auto& d : nb) {
        const int nx = x + d[0], ny = y + d[1];
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        const uint32_t p = px[ny * w + nx];
        if ((p >> 24) == 0) continue;
        r += (p >> 16) & 0xFF, g += (p >> 8) & 0xFF, b += p & 0xFF, ++n;
      }
      if (n) out[y * w + x] = ((r / n) << 16) | ((g / n) << 8) | (b / n);
    }
  px.swap(out);
}

int store(std::unique_ptr<Image> image) {
  static uint32_t serials = 0;
  image->serial = ++serials;
  images().push_back(std::move(image));
  return static_cast<int>(images().size());
}

// Decodes name and applies the mask colour; false when it cannot be read.
bool load_pixels(const std::string& name, int flags, RgbaImage& pic) {
  std::vector<uint8_t> bytes;
  if (!read_whole(name, bytes)) return false;
  if (!decode_png(bytes.data(), bytes.size(), pic)) return false;
  if (flags == -1) flags = 3;
  if (flags & 1)
    for (uint32_t& p : pic.pixels)
      if ((p & 0xFFFFFF) == mask_rgb) p = 0;
  return true;
}

std::unique_ptr<Image> cut(const RgbaImage& pic, int cellw, int cellh, int first, int count, int flags) {
  if (flags == -1) flags = 3;
  auto image = std::make_unique<Image>();
  image->width = cellw;
  image->height = cellh;
  image->filtered = (flags & 2) != 0;
  const int cols = pic.width / cellw, rows = pic.height / cellh;
  const long long cells = static_cast<long long>(cols) * rows;
  if (first < 0 || first >= cells) return nullptr;
  const long long available = cells - first;
  const long long n = count <= 0 ? available : std::min<long long>(count, available);
  image->frames.resize(static_cast<size_t>(n));
  for (long long f = 0; f < n; ++f) {
    const long long cell = first + f;
    const int cx = static_cast<int>(cell % cols) * cellw, cy = static_cast<int>(cell / cols) * cellh;
    Frame& fr = image->frames[f];
    fr.pixels.resize(static_cast<size_t>(cellw) * cellh);
    fr.solid.resize(fr.pixels.size());
    for (int y = 0; y < cellh; ++y)
      for (int x = 0; x < cellw; ++x) {
        const uint32_t p = pic.pixels[static_cast<size_t>(cy + y) * pic.width + cx + x];
        const uint32_t a = p >> 24;
        fr.pixels[static_cast<size_t>(y) * cellw + x] = p;
        fr.solid[static_cast<size_t>(y) * cellw + x] = a >= 128;
        if (a != 0 && a != 255) image->partial_alpha = true;
        if (a != 255) fr.opaque = false;
      }
    fr.flat = std::all_of(fr.pixels.begin(), fr.pixels.end(), [&](uint32_t p) { return p == fr.pixels[0]; });
  }
  return image;
}

// The pixels a frame's texture is made of: keyed ones have their alpha
// forced to 0 or 255, filtered ones their edges bled.
std::vector<uint32_t> upload_pixels(const Image& image, const Frame& fr, bool keyed) {
  std::vector<uint32_t> upload = fr.pixels;
  if (keyed)
    for (size_t i = 0; i < upload.size(); ++i)
      upload[i] = fr.solid[i] ? (upload[i] | 0xFF000000u) : 0;
  if (image.filtered) bleed_edges(upload, image.width, image.height);
  return upload;
}

// Fills slot with a texture of the frame's size holding these pixels,
// reusing the slot's texture when it is still the current renderer's.
SDL_Texture* upload_texture(const Image& image, TextureSlot& slot, const std::vector<uint32_t>& upload) {
  SDL_Renderer* r = display().renderer;
  if (!(slot.tex && slot.generation == display().generation)) {
    slot = TextureSlot{};
    slot.tex = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, image.width,
                                 image.height);
    if (!slot.tex) return nullptr;
    slot.scale = image.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    SDL_SetTextureScaleMode(slot.tex, static_cast<SDL_ScaleMode>(slot.scale));
    slot.generation = display().generation;
  }
  SDL_UpdateTexture(slot.tex, nullptr, upload.data(), image.width * 4);
  return slot.tex;
}

}  // namespace

void destroy_frame_textures(Frame& fr) {
  destroy_slot(fr.normal);
  destroy_slot(fr.keyed);
}

Image* find_image(int handle) {
  if (handle <= 0 || handle > static_cast<int>(images().size())) return nullptr;
  return images()[handle - 1].get();
}

SDL_Texture* frame_texture(Image& image, int frame, bool keyed, TextureSlot*& slot) {
  if (!display().renderer) return nullptr;
  Frame& fr = image.frames[frame];
  slot = keyed ? &fr.keyed : &fr.normal;
  if (slot->tex && slot->generation == display().generation) return slot->tex;
  return upload_texture(image, *slot, upload_pixels(image, fr, keyed));
}

const uint32_t* texture_pixels(Image& image, int frame, bool keyed) {
  Frame& fr = image.frames[frame];
  if (!keyed && !image.filtered) return fr.pixels.data();
  std::vector<uint32_t>& texels = keyed ? fr.keyed_texels : fr.bled_texels;
  if (texels.empty()) texels = upload_pixels(image, fr, keyed);
  return texels.data();
}

void drop_image_textures() {
  drop_kept_stretches();
  drop_all_magnified();
  for (auto& image : images()) {
    if (!image) continue;
    for (Frame& fr : image->frames) {
      destroy_frame_textures(fr);
    }
  }
}

}  // namespace detail

using detail::find_image;

void set_mask_colour(int r, int g, int b) {
  detail::mask_rgb = (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}

int load_image(const std::string& name, int flags) {
  detail::RgbaImage pic;
  if (!detail::load_pixels(name, flags, pic)) return 0;
  auto image = detail::cut(pic, pic.width, pic.height, 0, 1, flags);
  return image ? detail::store(std::move(image)) : 0;
}

int load_anim_image(const std::string& name, int cellw, int cellh, int first, int count, int flags) {
  if (cellw <= 0 || cellh <= 0) return 0;
  detail::RgbaImage pic;
  if (!detail::load_pixels(name, flags, pic)) return 0;
  auto image = detail::cut(pic, cellw, cellh, first, count, flags);
  return image ? detail::store(std::move(image)) : 0;
}

void free_image(int image) {
  detail::Image* im = find_image(image);
  if (!im) return;
  for (detail::Frame& fr : im->frames) {
    detail::destroy_frame_textures(fr);
  }
  detail::drop_kept_stretches();
  detail::drop_magnified(im->serial);
  detail::images()[image - 1].reset();
}

bool image_exists(int image) { return find_image(image) != nullptr; }
int image_width(int image) {
  const auto* im = find_image(image);
  return im ? im->width : 0;
}
int image_height(int image) {
  const auto* im = find_image(image);
  return im ? im->height : 0;
}
int image_frames(int image) {
  const auto* im = find_image(image);
  return im ? static_cast<int>(im->frames.size()) : 0;
}

void set_image_handle(int image, int hx, int hy) {
  if (auto* im = find_image(image)) im->hx = hx, im->hy = hy;
}
void centre_image_handle(int image) {
  if (auto* im = find_image(image)) im->hx = im->width / 2, im->hy = im->height / 2;
}
int image_handle_x(int image) {
  const auto* im = find_image(image);
  return im ? im->hx : 0;
}
int image_handle_y(int image) {
  const auto* im = find_image(image);
  return im ? im->hy : 0;
}

uint32_t image_pixel(int image, int frame, int x, int y) {
  const auto* im = find_image(image);
  if (!im || frame < 0 || frame >= static_cast<int>(im->frames.size())) return 0;
  if (x < 0 || y < 0 || x >= im->width || y >= im->height) return 0;
  return im->frames[frame].pixels[static_cast<size_t>(y) * im->width + x];
}

}  // namespace plat
