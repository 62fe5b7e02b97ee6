// numbers.png: heavy digits, every glyph centred in the full 31-pixel cell.
// The sheet is drawn two ways, and its layers are chosen for both:
// - a wide dark drop edge down and to the right, just under half opaque:
//   the masked console counters cut it away, while the score that rises
//   over the room, drawn with alpha blending as it fades, keeps it as a
//   dark bed that parts the digits from brown walls, nest and slime;
// - a thick near-black outline, opaque, so the face holds its shape on any
//   background and at half size;
// - a bright face, white at the top through pale yellow to a saturated
//   amber at the foot: as far from the outline as the sheet allows, so the
//   fading score keeps its contrast against the wall it crosses. Red and
//   green stay high so the green and red tints the console draws it in
//   keep it bright.
#include <cairo.h>

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

}  // namespace

Bytes digit_sheet() {
  Canvas c(kCellW * fonttab::digitframes, kCellH);
  cairo_t* cr = c.cr();
  set_font(cr, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "8", &h);
  const double height_scale = (kBaseline - kTop) / h.height;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
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
    // The face's modelling lies in its gradient alone (a clip to the glyph
    // for a bevel would cost more than the rest of the sheet): a near-white
    // glint along the top, gold, a slightly darker horizon under the middle
    // and warm amber at the foot.
    cairo_pattern_t* face = cairo_pattern_create_linear(0, kTop, 0, kBaseline);
    cairo_pattern_add_color_stop_rgb(face, 0.0, 1.00, 1.00, 1.00);
    cairo_pattern_add_color_stop_rgb(face, 0.3, 1.00, 1.00, 0.92);
    cairo_pattern_add_color_stop_rgb(face, 0.5, 1.00, 0.98, 0.74);
    cairo_pattern_add_color_stop_rgb(face, 0.56, 1.00, 0.93, 0.60);
    cairo_pattern_add_color_stop_rgb(face, 0.7, 1.00, 0.95, 0.62);
    cairo_pattern_add_color_stop_rgb(face, 1.0, 1.00, 0.84, 0.36);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_restore(cr);
  }
  return c.png_soft();
}

}  // namespace contentgen::fonts
