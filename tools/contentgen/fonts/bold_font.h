// Selects a bold face at a size, drawn with grey antialiasing and no
// hinting: the glyphs are scaled and squeezed into cells afterwards, so
// they must keep the shapes of the outline, not of the pixel grid.
#pragma once

#include <cairo.h>

namespace contentgen::fonts {

inline void set_bold_font(cairo_t* cr, const char* family, double size) {
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
}

}  // namespace contentgen::fonts
