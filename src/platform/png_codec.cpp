#include "platform/png_codec.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace plat::detail {
namespace {

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

void read_from_memory(png_structp png, png_bytep dst, png_size_t n) {
  auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (n > r->size - r->pos) png_error(png, "read past end of data");
  std::memcpy(dst, r->data + r->pos, n);
  r->pos += n;
}

void swallow_warning(png_structp, png_const_charp) {}

// Quiet failure: unwind to the setjmp in run_decode/run_encode.
[[noreturn]] void fail_quietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Everything that must survive a longjmp lives outside the function that
// calls setjmp, so no local object is left in an indeterminate state.
struct DecodeJob {
  MemoryReader reader;
  std::vector<uint8_t> rgba;
  std::vector<png_bytep> rows;
  png_uint_32 width = 0, height = 0;
};

bool run_decode(png_structp png, png_infop info, DecodeJob& job) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &job.reader, read_from_memory);
  png_set_user_limits(png, max_png_side, max_png_side);
  png_set_chunk_malloc_max(png, 64 * 1024 * 1024);
  png_read_info(png, info);

  job.width = png_get_image_width(png, info);
  job.height = png_get_image_height(png, info);
  if (job.width == 0 || job.height == 0) return false;
  if (static_cast<long long>(job.width) * job.height > max_png_pixels) return false;

  const int colour = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (colour == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colour == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(job.width) * 4) return false;

  job.rgba.resize(static_cast<size_t>(job.width) * job.height * 4);
  job.rows.resize(job.height);
  for (png_uint_32 y = 0; y < job.height; ++y)
    job.rows[y] = job.rgba.data() + static_cast<size_t>(y) * job.width * 4;
  png_read_image(png, job.rows.data());
  png_read_end(png, nullptr);
  return true;
}

struct WriteJob {
  FILE* file = nullptr;
  int channels = 3;
  std::vector<uint8_t> rgb;
  std::vector<png_bytep> rows;
};

bool run_encode(png_structp png, png_infop info, WriteJob& job, int width, int height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, job.file);
  png_set_IHDR(png, info, width, height, 8, job.channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, job.rows.data());
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool decode_png(const uint8_t* data, size_t size, RgbaImage& out) {
  out = RgbaImage{};
  if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail_quietly, swallow_warning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  DecodeJob job;
  job.reader = {data, size, 0};
  const bool ok = run_decode(png, info, job);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return false;

  out.width = static_cast<int>(job.width);
  out.height = static_cast<int>(job.height);
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  const uint8_t* p = job.rgba.data();
  for (uint32_t& px : out.pixels) {
    px = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    p += 4;
  }
  return true;
}

namespace {

bool write_png(const std::string& path, int width, int height, const uint32_t* argb, int channels) {
  if (width <= 0 || height <= 0 || !argb) return false;
  WriteJob job;
  job.channels = channels;
  const size_t n = static_cast<size_t>(width) * height;
  job.rgb.resize(n * channels);
  for (size_t i = 0; i < n; ++i) {
    uint8_t* o = &job.rgb[i * channels];
    o[0] = static_cast<uint8_t>(argb[i] >> 16);
    o[1] = static_cast<uint8_t>(argb[i] >> 8);
    o[2] = static_cast<uint8_t>(argb[i]);
    if (channels == 4) o[3] = static_cast<uint8_t>(argb[i] >> 24);
  }
  job.rows.resize(height);
  for (int y = 0; y < height; ++y)
    job.rows[y] = job.rgb.data() + static_cast<size_t>(y) * width * channels;

  job.file = std::fopen(path.c_str(), "wb");
  if (!job.file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fail_quietly, swallow_warning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = png && info && run_encode(png, info, job, width, height);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(job.file) != 0) ok = false;
  if (!ok) std::remove(path.c_str());
  return ok;
}

}  // namespace

bool write_png_rgb(const std::string& path, int width, int height, const uint32_t* argb) {
  return write_png(path, width, height, argb, 3);
}

bool write_png_rgba(const std::string& path, int width, int height, const uint32_t* argb) {
  return write_png(path, width, height, argb, 4);
}

}  // namespace plat::detail
