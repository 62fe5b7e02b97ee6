// The icon is the title logo cut in two: "RX" stacked over "907" on a
// rounded gunmetal plate. Both halves are replayed from one recording of
// draw_logo(), so they are drawn as vectors at each size and follow any
// change of the logo; each half is centred on where its lettering really
// lies, measured from the recording, with a margin all round. At 16 and
// 32 px the logo's strokes and glow would be a blur and the digits
// unreadable, so the small sizes carry "RX" alone, drawn for the pixel
// grid: whole-pixel strokes at 32, set pixel by pixel at 16, no glow.
#include "icon.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "logo.h"
#include "console_metal.h"
#include "paint_kit/canvas.h"

namespace contentgen::ui {
namespace {

// Where one half of the lettering lies in the logo, in logo units: a box
// with, optionally, a notch cut from one side where the hyphen (and its
// glow) stands between the halves.
struct Half {
  double left, right;
  double notch_from, notch_to;  // the notch's columns; equal when none
};
// The lettering's rows inside the logo's own dark well, without the edges
// of its backing plate; the notch's rows hold the hyphen and its glow.
constexpr double row_top = 4;
constexpr double row_bottom = kLogoHeight - 3;
constexpr double notch_top = 40, notch_bottom = 75;
constexpr Half letters_half{10, 192, 168, 192};
constexpr Half digits_half{200, 450, 200, 225.5};
// The glow reaches this far past the lettering's metal, in logo units.
constexpr double glow_reach = 8;

// The half as a path: its box, and the notch cut out of it when filled or
// clipped with the even-odd rule.
void half_path(cairo_t* cr, const Half& h) {
  cairo_rectangle(cr, h.left, row_top, h.right - h.left, row_bottom - row_top);
  if (h.notch_to > h.notch_from)
    cairo_rectangle(cr, h.notch_from, notch_top, h.notch_to - h.notch_from, notch_bottom - notch_top);
}

// The recorded logo drawn into an image at scale, its origin at (fx, fy)
// in the image. The halves are cut from this image rather than from the
// recording: cairo fails filling a notched path from a recording surface.
cairo_surface_t* logo_image(cairo_surface_t* logo, double scale, double fx, double fy) {
  const int w = static_cast<int>(std::ceil(kLogoWidth * scale)) + 2;
  const int h = static_cast<int>(std::ceil(kLogoHeight * scale)) + 2;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(image);
  cairo_translate(cr, fx, fy);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, kLogoWidth, kLogoHeight);
  cairo_set_source_surface(cr, logo, 0, 0);
  cairo_fill(cr);
  cairo_destroy(cr);
  return image;
}

// Fills the half at scale with its origin at device point (dx, dy), from
// the logo drawn for that place.
void fill_half(cairo_t* cr, cairo_surface_t* logo, const Half& h, double scale, double dx, double dy) {
  const double ix = std::floor(dx), iy = std::floor(dy);
  cairo_surface_t* image = logo_image(logo, scale, dx - ix, dy - iy);
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  cairo_scale(cr, scale, scale);
  half_path(cr, h);
  cairo_restore(cr);  // the path stays where it was built
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_surface(cr, image, ix, iy);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_surface_destroy(image);
}

// The lettering's lit metal within a half, found by drawing the half and
// looking for bright pixels (the well and the glow are dark).
struct Box {
  double x0, y0, x1, y1;
  double w() const { return x1 - x0; }
  double h() const { return y1 - y0; }
};
Box metal_box(cairo_surface_t* logo, const Half& h) {
  constexpr double k = 2;  // pixels per logo unit
  const int w = static_cast<int>(std::ceil(kLogoWidth * k)) + 2;
  const int ht = static_cast<int>(std::ceil(kLogoHeight * k)) + 2;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, ht);
  cairo_t* cr = cairo_create(s);
  fill_half(cr, logo, h, k, 0, 0);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  int x0 = w, y0 = ht, x1 = -1, y1 = -1;
  for (int y = 0; y < ht; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (std::min({r, g, b}) < 90) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  cairo_surface_destroy(s);
  if (x1 < 0) return Box{h.left, row_top, h.right, row_bottom};
  return Box{x0 / k, y0 / k, (x1 + 1) / k, (y1 + 1) / k};
}

// The half of the logo at scale, its metal centred on (cx, cy).
void paint_half(cairo_t* cr, cairo_surface_t* logo, const Half& h, const Box& metal, double scale, double cx,
                double cy) {
  fill_half(cr, logo, h, scale, cx - scale * (metal.x0 + metal.x1) / 2, cy - scale * (metal.y0 + metal.y1) / 2);
}

// The logo's letter forms, as centre lines in a unit box (x right, y down).
void small_r(cairo_t* cr, double x, double y, double w, double h) {
  auto m = [&](double u, double v) { cairo_move_to(cr, x + u * w, y + v * h); };
  auto l = [&](double u, double v) { cairo_line_to(cr, x + u * w, y + v * h); };
  m(0, 1), l(0, 0), l(0.72, 0), l(1, 0.16), l(1, 0.36), l(0.72, 0.52), l(0, 0.52);
  m(0.48, 0.52), l(1, 1);
}
void small_x(cairo_t* cr, double x, double y, double w, double h) {
  auto m = [&](double u, double v) { cairo_move_to(cr, x + u * w, y + v * h); };
  auto l = [&](double u, double v) { cairo_line_to(cr, x + u * w, y + v * h); };
  m(0, 0), l(1, 1);
  m(1, 0), l(0, 1);
}

// "RX" for 16 px, set pixel by pixel: at that size drawn strokes run
// together. Two-pixel stems, one-pixel gaps.
constexpr const char* tiny_rx[] = {
    "####...##.##",
    "##.##..##.##",
    "##.##..##.##",
    "##.##...###.",
    "####.....#..",
    "###.....###.",
    "##.#...##.##",
    "##.##..##.##",
    "##.##..##.##",
    "##.##..##.##",
};
void paint_tiny(cairo_t* cr, int size) {
  const int w = static_cast<int>(std::char_traits<char>::length(tiny_rx[0]));
  const int h = static_cast<int>(std::size(tiny_rx));
  const int left = (size - w) / 2, top = (size - h) / 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (tiny_rx[y][x] == '#') cairo_rectangle(cr, left + x, top + y, 1, 1);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.98, 0.97);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.80, 0.84, 0.83);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.66, 0.66);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// "RX" for 32 px: strokes of whole pixels on whole-pixel centre
// lines, cut flat at the cap line and the baseline as the logo's are.
void paint_small(cairo_t* cr, int size) {
  const double stroke = 3;
  const double height = 18;  // cap line to baseline, ink
  const double letter = 10;  // each letter's ink width
  const double gap = 2;
  const double ink_w = 2 * letter + gap;
  const double left = std::floor((size - ink_w) / 2);
  const double top = std::floor((size - height) / 2);
  // Centre lines half a stroke inside the ink; odd strokes sit on pixel
  // centres, even ones on pixel edges.
  const double half = stroke / 2;
  const double lw = letter - stroke;
  cairo_save(cr);
  cairo_rectangle(cr, 0, top, size, height);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  small_r(cr, left + half, top + half, lw, height - stroke);
  // The X's arms run past the cap line and the baseline and are cut there.
  small_x(cr, left + letter + gap + half, top - half, lw, height);
  cairo_set_line_width(cr, stroke + 1);
  cairo_set_source_rgb(cr, 0.01, 0.02, 0.015);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, stroke);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + height);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.98, 0.97);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.80, 0.84, 0.83);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.66, 0.66);
  cairo_set_source(cr, g);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace

std::string icon_file(int size) { return "icons/rx907-" + std::to_string(size) + ".png"; }

Bytes icon_png(int size) {
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  const double s = size;
  const bool small = size < 48;
  // The plate fills the square; its well holds the lettering.
  const double margin = small ? 0 : s * 0.03;
  const double radius = s * 0.16;
  metal_plate(cr, margin, margin, s - 2 * margin, s - 2 * margin, radius, 907, kGunmetalDark);
  const double inset = small ? std::max(1.0, std::round(s * 0.06)) : s * 0.085;
  recess(cr, inset, inset, s - 2 * inset, s - 2 * inset, radius * 0.6, {0.03, 0.045, 0.04});

  if (size <= 16) {
    paint_tiny(cr, size);
  } else if (small) {
    paint_small(cr, size);
  } else {
    cairo_surface_t* logo = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* lc = cairo_create(logo);
    draw_logo(lc, 0, 0, 1);
    cairo_destroy(lc);
    const Box letters = metal_box(logo, letters_half), digits = metal_box(logo, digits_half);
    // One scale for both halves, so that the letters match: the wider half
    // and the two rows, glow included, fit the well less a margin.
    const double inner = s - 2 * inset;
    const double room = inner * 0.86;
    const double row_gap = 0.08;  // between the rows, in rows' heights
    const double wide = std::max(letters.w(), digits.w()) + 2 * glow_reach;
    const double tall = letters.h() + digits.h() + 4 * glow_reach;
    const double scale = std::min(room / wide, room / (tall * (1 + row_gap)));
    const double rows_h = (tall * (1 + row_gap)) * scale;
    const double top = inset + (inner - rows_h) / 2;
    const double letters_cy = top + (letters.h() / 2 + glow_reach) * scale;
    const double digits_cy = top + rows_h - (digits.h() / 2 + glow_reach) * scale;
    paint_half(cr, logo, letters_half, letters, scale, s / 2, letters_cy);
    paint_half(cr, logo, digits_half, digits, scale, s / 2, digits_cy);
    cairo_surface_destroy(logo);
  }
  // Desktops blend icons with their alpha: the soft corners stay soft.
  cairo_surface_flush(c.surface());
  return encode_png(size, size, straight_rgba(c.surface(), size, size), true);
}

}  // namespace contentgen::ui
