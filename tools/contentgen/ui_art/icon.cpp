// The icon is the title logo cut in two: "RX" stacked over "907" on a
// rounded gunmetal plate. Both halves are replayed from one recording of
// draw_logo(), so they are drawn as vectors at each size (crisp at 16 px)
// and follow any change of the logo. Below 48 px the digits would be a
// blur of three-pixel glyphs, so the small sizes carry "RX" alone, larger.
#include "icon.h"

#include <algorithm>

#include "logo.h"
#include "console_metal.h"
#include "paint_kit/canvas.h"

namespace contentgen::ui {
namespace {

// The two halves as spans of the logo's width, glow included: "RX" on the
// left, then "-", then "907" to the end.
struct Span {
  double from, to;
};
constexpr Span letters_span{-0.016, 0.349};
constexpr Span digits_span{0.478, 1.013};
// Rows of the logo kept, in logo units from its top: the lettering inside
// the logo's own dark well, without the edges of its backing plate.
constexpr double row_top = 4;
constexpr double row_bottom = kLogoHeight - 3;

// Replays the recorded logo so that the span [span.from, span.to] of its
// width and the rows above land in the box (x, y, w, h), scaled by scale
// and centred.
void paint_span(cairo_t* cr, cairo_surface_t* logo, Span span, double scale, double x, double y, double w,
                double h) {
  const double left = span.from * kLogoWidth, right = span.to * kLogoWidth;
  const double sw = (right - left) * scale, sh = (row_bottom - row_top) * scale;
  cairo_save(cr);
  cairo_translate(cr, x + (w - sw) / 2, y + (h - sh) / 2);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -left, -row_top);
  cairo_rectangle(cr, left, row_top, right - left, row_bottom - row_top);
  cairo_clip(cr);
  // The cut ends fade out over a few units, so a glow cut through (the
  // hyphen's, beside the digits) leaves no hard edge.
  const double fade = 6;
  cairo_pattern_t* mask = cairo_pattern_create_linear(left, 0, right, 0);
  const double f = fade / (right - left);
  cairo_pattern_add_color_stop_rgba(mask, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(mask, f, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(mask, 1 - f, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(mask, 1, 0, 0, 0, 0);
  cairo_set_source_surface(cr, logo, 0, 0);
  cairo_mask(cr, mask);
  cairo_pattern_destroy(mask);
  cairo_restore(cr);
}

}  // namespace

std::string icon_file(int size) { return "icons/rx907-" + std::to_string(size) + ".png"; }

Bytes icon_png(int size) {
  cairo_surface_t* logo = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* lc = cairo_create(logo);
  draw_logo(lc, 0, 0, 1);
  cairo_destroy(lc);

  Canvas c(size, size);
  cairo_t* cr = c.cr();
  const double s = size;
  const bool small = size < 48;
  // The plate fills the square; its well holds the lettering.
  const double margin = small ? 0 : s * 0.03;
  const double radius = s * 0.16;
  metal_plate(cr, margin, margin, s - 2 * margin, s - 2 * margin, radius, 907, kGunmetalDark);
  const double inset = small ? s * 0.07 : s * 0.085;
  recess(cr, inset, inset, s - 2 * inset, s - 2 * inset, radius * 0.6, {0.03, 0.045, 0.04});

  const double inner = s - 2 * inset;
  const double rowh = row_bottom - row_top;
  if (small) {
    const double width = (letters_span.to - letters_span.from) * kLogoWidth;
    const double scale = std::min(inner / width, inner / rowh);
    paint_span(cr, logo, letters_span, scale, inset, inset, inner, inner);
  } else {
    const double width = (digits_span.to - digits_span.from) * kLogoWidth;
    const double scale = std::min(inner / width, inner / (2 * rowh));
    paint_span(cr, logo, letters_span, scale, inset, inset, inner, inner / 2);
    paint_span(cr, logo, digits_span, scale, inset, inset + inner / 2, inner, inner / 2);
  }
  cairo_surface_destroy(logo);
  // Desktops blend icons with their alpha: the soft corners stay soft.
  cairo_surface_flush(c.surface());
  return encode_png(size, size, straight_rgba(c.surface(), size, size), true);
}

}  // namespace contentgen::ui
