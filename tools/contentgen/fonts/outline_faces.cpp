// The large faces: DejaVu outlines squeezed into each glyph's advance
// width, filled in bevelled brushed metal (the draw colour tints it) with
// a dark rim, on a transparent background.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "fonts/bold_font.h"
#include "fonts/sheet.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

// Frame order of the large map: blank, A..Z, & . :, 1..9, 0, -, Ä Ö Å.
std::string large_glyph_utf8(int frame) {
  if (frame == 0) return "";
  if (frame <= 26) return std::string(1, static_cast<char>('A' + frame - 1));
  switch (frame) {
    case 27: return "&";
    case 28: return ".";
    case 29: return ":";
    case 39: return "0";
    case 40: return "-";
    case 41: return "\xC3\x84";  // Ä in UTF-8 for Cairo
    case 42: return "\xC3\x96";  // Ö
    case 43: return "\xC3\x85";  // Å
    default: return std::string(1, static_cast<char>('1' + frame - 30));
  }
}

struct Face {
  const char* family;
  int cellw, cellh, frames;
  double cap_height;   // pixels
  double baseline;     // pixel row
  double max_stretch;  // narrow glyphs are widened at most this much
  double embolden = 0;  // pixels of extra ink round each outline
};

void set_font(cairo_t* cr, const Face& face, double size) { set_bold_font(cr, face.family, size); }

Bytes outline_sheet(const Face& face) {
  Canvas c(face.cellw * face.frames, face.cellh);
  cairo_t* cr = c.cr();
  // Font size giving the wanted capital height.
  set_font(cr, face, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "H", &h);
  double size = 100 * face.cap_height / -h.y_bearing;
  set_font(cr, face, size);

  for (int f = 1; f < face.frames; ++f) {
    std::string s = large_glyph_utf8(f);
    // The monospaced I is a full-width bar with serifs that runs into
    // whatever frame stands left of a name; it is drawn as a plain stem
    // from the proportional face, centred in its advance.
    const bool plain_i = s == "I" && std::string(face.family).find("Mono") != std::string::npos;
    if (plain_i) set_font(cr, {"DejaVu Sans", face.cellw, face.cellh, face.frames, face.cap_height, face.baseline, 1.0, 0}, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    int advance = fonttab::widths_large[f];
    // The rim takes a pixel each side, extra ink as much again.
    double room = advance - 2.0 - 2 * face.embolden;
    // The dash is drawn long, to fill its wide advance like the digits.
    double stretch = f == 40 ? 2.0 : plain_i ? 1.0 : face.max_stretch;
    double sx = std::min(room / e.width, stretch);
    double inkw = e.width * sx;
    double x0 = f * face.cellw + 1 + face.embolden + (room - inkw) / 2;
    // Tall marks (the ring of Å) are squeezed down to stay inside the cell.
    double top = face.baseline + e.y_bearing;
    double sy = top < 1.5 ? (face.baseline - 1.5) / -e.y_bearing : 1.0;
    // Capitals stand on the baseline: one whose ink drops below it (the J
    // of the bold face) is squeezed up to end there; the Q keeps its tail.
    double dy = 0;
    const double below = e.y_bearing + e.height;
    if (f >= 1 && f <= 26 && s != "Q" && below > 0.5) {
      sy = std::min(sy, -e.y_bearing / e.height);
      dy = -below * sy;
    }

    cairo_save(cr);
    cairo_rectangle(cr, f * face.cellw, 0, advance, face.cellh);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, x0 - e.x_bearing * sx, face.baseline + dy);
    cairo_scale(cr, sx, sy);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, s.c_str());
    cairo_restore(cr);  // path kept in device space; rim width uniform

    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.4 + 2 * face.embolden);
    cairo_set_source_rgb(cr, 0.07, 0.07, 0.08);
    cairo_stroke_preserve(cr);
    // Brushed metal: pale steel at the top warming down to a brass grey,
    // a darker horizon line across the middle so even dimmed text keeps its
    // letters' weight and edges. Blue stays high enough for a cyan tint.
    double y_top = face.baseline - face.cap_height;
    cairo_pattern_t* grad = cairo_pattern_create_linear(0, y_top, 0, face.baseline);
    cairo_pattern_add_color_stop_rgb(grad, 0, 1, 1, 0.98);
    cairo_pattern_add_color_stop_rgb(grad, 0.2, 0.95, 0.95, 0.94);
    cairo_pattern_add_color_stop_rgb(grad, 0.47, 0.91, 0.88, 0.82);
    cairo_pattern_add_color_stop_rgb(grad, 0.53, 0.76, 0.70, 0.60);
    cairo_pattern_add_color_stop_rgb(grad, 1, 0.93, 0.84, 0.68);
    cairo_set_source(cr, grad);
    cairo_fill_preserve(cr);
    if (face.embolden > 0) {
      cairo_set_line_width(cr, 2 * face.embolden);
      cairo_stroke_preserve(cr);
    }
    cairo_pattern_destroy(grad);
    cairo_path_t* outline = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // The brushing: faint streaks along each row, lighter and darker.
    Noise grain(0xB7A5u + static_cast<uint32_t>(f));
    for (int row = static_cast<int>(y_top) - 2; row <= static_cast<int>(face.baseline) + 3; ++row) {
      const double v = grain.range(-1, 1);
      if (v > 0) cairo_set_source_rgba(cr, 1, 1, 1, 0.08 * v);
      else cairo_set_source_rgba(cr, 0.2, 0.15, 0.1, -0.09 * v);
      cairo_rectangle(cr, f * face.cellw, row, advance, 1);
      cairo_fill(cr);
    }
    // A bevel: shade on the lower edges (the outline moved up-left) and a
    // thin highlight along the upper ones (moved down-right), inside the rim.
    cairo_set_line_width(cr, 1.6);
    cairo_save(cr);
    cairo_translate(cr, -0.8, -1.0);
    cairo_append_path(cr, outline);
    cairo_set_source_rgba(cr, 0.40, 0.36, 0.32, 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_translate(cr, 0.5, 0.9);
    cairo_append_path(cr, outline);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A stencil seam across the upper third, clear of every crossbar: a
    // dark cut with a lit lip under it, so the letters read as plates cut
    // from the hull, like the title's, and keep their edge when dimmed.
    // The second face is drawn too small to carry it.
    if (face.cap_height > 20) {
      const double seam = std::round(y_top + face.cap_height * 0.3);
      cairo_set_source_rgb(cr, 0.07, 0.07, 0.08);
      cairo_rectangle(cr, f * face.cellw, seam, advance, 1.5);
      cairo_fill(cr);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
      cairo_rectangle(cr, f * face.cellw, seam + 1.5, advance, 0.8);
      cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_path_destroy(outline);
    cairo_restore(cr);
    if (plain_i) set_font(cr, face, size);
  }
  return c.png();
}

}  // namespace

Bytes large_font_sheet() {
  // Capitals stand 2 px below the cell's top (baseline 26): text is placed
  // by its cell's top, so empty rows above the capitals push every line
  // down into whatever sits under it.
  return outline_sheet({"DejaVu Sans", 29, 35, fonttab::largeframes, 24, 26, 1.12, 0});
}

Bytes second_face_sheet() {
  // Drawn at under half size for the two-player tab names, so its strokes
  // are thickened to stay solid there.
  return outline_sheet({"DejaVu Sans Mono", 23, 28, fonttab::largeframes2, 18, 24, 1.35, 0.8});
}

}  // namespace contentgen::fonts
