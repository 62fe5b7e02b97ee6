// numbers.png: heavy digits, every glyph centred in the full 31-pixel cell.
// The sheet is drawn two ways, and its layers are chosen for both:
// - a wide dark drop edge down and to the right, just under half opaque:
//   the masked console counters cut it away, while the score that rises
//   over the room, drawn with alpha blending as it fades, keeps it as a
//   dark bed that parts the digits from brown walls, nest and slime;
// - a thick near-black outline, opaque, so the face holds its shape on any
//   background and at half size;
// - a bevelled amber face, the console's lamp colour: pale gold at the top
//   deepening to amber at the foot, a bright chamfer along its upper-left
//   edges and a darker one along its lower-right, so the rising score reads
//   as the game's own type rather than flat paint. Red and green stay high
//   so the green and red tints the console draws it in keep it bright.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "fonts/bold_font.h"
#include "fonts/sheet.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

constexpr int kCellW = 31, kCellH = 40;
constexpr double kTop = 5.5, kBaseline = 33.5;  // ink rows of a digit
constexpr double kInkW = 21.0;                   // widest digit, outline not counted
constexpr double kOutline = 7.2;                 // stroke width: 3.6 px outside the face
constexpr double kShadowDx = 1.6, kShadowDy = 2.4, kShadowWidth = 10.0;
constexpr double kShadowAlpha = 124 / 255.0;     // just under the masked draw's cut (128)
constexpr int kDash = 10;

void set_font(cairo_t* cr, double size) { set_bold_font(cr, "DejaVu Sans", size); }

// The outline of frame f in its cell, in device space: a digit scaled to
// the ink rows and squeezed to the ink width, or a heavy bar for the dash.
void glyph_path(cairo_t* cr, int f, double height_scale) {
  const double ox = f * kCellW;
  if (f == kDash) {
    const double mid = (kTop + kBaseline) / 2;
    cairo_rectangle(cr, ox + 6.5, mid - 3, kCellW - 13.0, 6);
    return;
  }
  const std::string s(1, static_cast<char>('0' + f));
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  const double sy = height_scale;
  const double sx = std::min(kInkW / e.width, sy * 1.05);
  const double inkw = e.width * sx;
  cairo_save(cr);
  cairo_translate(cr, ox + (kCellW - inkw) / 2 - e.x_bearing * sx, kBaseline);
  cairo_scale(cr, sx, sy);
  cairo_move_to(cr, 0, 0);
  cairo_text_path(cr, s.c_str());
  cairo_restore(cr);
}

// Bevels every face in place: where the faces' coverage (the mask) steps
// up from the upper left the face is lightened, where it steps down toward
// the lower right it is darkened. A pass over the pixels, far cheaper than
// clipping each glyph.
void chamfer_faces(Canvas& c, cairo_surface_t* mask_surface) {
  const int w = c.width(), h = c.height();
  cairo_surface_flush(mask_surface);
  const unsigned char* data = cairo_image_surface_get_data(mask_surface);
  const int stride = cairo_image_surface_get_stride(mask_surface);
  auto m = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h ? 0.0 : data[y * stride + x] / 255.0;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double here = m(x, y);
      if (here <= 0) continue;
      uint8_t px[4];
      c.get_pixel(x, y, px);
      const double lit = std::clamp(0.6 * (here - m(x - 1, y - 1)) + 0.4 * (here - m(x - 2, y - 2)), 0.0, 1.0);
      // Only wholly covered pixels take the shade: the edge pixels, half outline
      // already, would merge into it.
      const double shade = here < 1 ? 0.0 : std::clamp(here - m(x + 1, y + 1), 0.0, 1.0);
      const double to_lit[3] = {1.0, 0.99, 0.88}, to_shade[3] = {0.86, 0.56, 0.1};
      for (int k = 0; k < 3; ++k) {
        double v = px[k] / 255.0;
        v += (to_lit[k] - v) * 0.9 * lit;
        v += (to_shade[k] - v) * 0.6 * shade;
        px[k] = static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
      }
      c.set_pixel(x, y, px);
    }
  cairo_surface_destroy(mask_surface);
}

}  // namespace

Bytes digit_sheet() {
  Canvas c(kCellW * fonttab::digitframes, kCellH);
  cairo_t* cr = c.cr();
  set_font(cr, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "8", &h);
  const double height_scale = (kBaseline - kTop) / h.height;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Every face's outline is gathered here as it is drawn, for the chamfer.
  cairo_surface_t* mask_surface = cairo_image_surface_create(CAIRO_FORMAT_A8, c.width(), c.height());
  cairo_t* mask = cairo_create(mask_surface);
  for (int f = 0; f < fonttab::digitframes; ++f) {
    cairo_save(cr);
    cairo_rectangle(cr, f * kCellW, 0, kCellW, kCellH);
    cairo_clip(cr);
    // Shadow: the glyph moved down-right and thickened, soft and clear of
    // the cell's edge.
    cairo_save(cr);
    cairo_translate(cr, kShadowDx, kShadowDy);
    glyph_path(cr, f, height_scale);
    cairo_restore(cr);
    // Drawn as the one layer in the still empty cell, so the stroke and the
    // fill it overlaps set the same alpha rather than adding up.
    cairo_set_line_width(cr, kShadowWidth);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, kShadowAlpha);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Outline and face.
    glyph_path(cr, f, height_scale);
    cairo_set_line_width(cr, kOutline);
    cairo_set_source_rgb(cr, 0.04, 0.03, 0.02);
    cairo_stroke_preserve(cr);
    // The face: pale gold along the top deepening to amber at the foot,
    // saturated enough to stay a colour when it is drawn half faded, with
    // blue enough left that the counter's fading white-green flash stays
    // a cool green rather than turning olive.
    cairo_pattern_t* face = cairo_pattern_create_linear(0, kTop, 0, kBaseline);
    cairo_pattern_add_color_stop_rgb(face, 0.0, 1.00, 0.97, 0.82);
    cairo_pattern_add_color_stop_rgb(face, 0.45, 1.00, 0.88, 0.52);
    cairo_pattern_add_color_stop_rgb(face, 0.55, 1.00, 0.83, 0.42);
    cairo_pattern_add_color_stop_rgb(face, 1.0, 1.00, 0.72, 0.24);
    cairo_path_t* outline = cairo_copy_path(cr);
    cairo_append_path(mask, outline);
    cairo_path_destroy(outline);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_restore(cr);
  }
  cairo_fill(mask);
  cairo_destroy(mask);
  chamfer_faces(c, mask_surface);
  return c.png_soft();
}

}  // namespace contentgen::fonts
