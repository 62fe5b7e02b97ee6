// The acid puddle a dead creature leaves on the deck, and the flash of a
// shot, modelled with the creatures' acid and light.
#include <cmath>

#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

Bytes acid_puddle() {
  // Drawn with its top at the floor line's 12 rows above, so the puddle
  // lies flat on the deck just in front of where the creature fell.
  Canvas c(144, 44);
  acid_pool(c.cr(), 72, 16, 66, 10.5, 0xAC1Du, 1);
  return c.png();
}

Bytes shot_flash() {
  // Drawn centred on the shot point, rotated at random and growing as it
  // ages: a ragged ball of burning propellant, white-hot in the middle,
  // orange and smoky at its edge, with sparks streaking out of it.
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  Noise n(0xB1A57u);
  const double cx = 32, cy = 32;
  // Sparks first, under the fire.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 9; ++i) {
    const double a = n.range(0, 2 * M_PI), r0 = n.range(8, 12), r1 = n.range(18, 30);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx + std::cos(a) * r0, cy + std::sin(a) * r0,
                                                     cx + std::cos(a) * r1, cy + std::sin(a) * r1);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.85, 0.45, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.45, 0.10, 0.0);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, n.range(0.8, 1.6));
    cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0);
    cairo_line_to(cr, cx + std::cos(a) * r1, cy + std::sin(a) * r1);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
  }
  // Three ragged layers of fire, each smaller and hotter.
  struct Layer {
    double reach, r, g, b, a;
  };
  const Layer layers[] = {{24, 0.55, 0.20, 0.06, 0.55}, {19, 0.95, 0.45, 0.10, 0.85}, {13, 1.0, 0.78, 0.35, 0.95},
                          {7, 1.0, 0.97, 0.85, 1.0}};
  for (const Layer& l : layers) {
    const paint::SplatRim rim(n, 5, 0.16, 0.45, 0.2, 0.45);
    cairo_new_path(cr);
    for (int i = 0; i <= 72; ++i) {
      const double a = 2 * M_PI * i / 72, r = l.reach * rim(a) / 1.25;
      const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, l.reach * 1.2);
    cairo_pattern_add_color_stop_rgba(g, 0, l.r, l.g, l.b, l.a);
    cairo_pattern_add_color_stop_rgba(g, 0.7, l.r, l.g, l.b, l.a * 0.8);
    cairo_pattern_add_color_stop_rgba(g, 1, l.r * 0.7, l.g * 0.6, l.b * 0.5, l.a * 0.2);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  return c.png();
}

const std::vector<Picture>& effect_pictures() {
  static const std::vector<Picture> list = {{"data\\gfx\\acid_1.png", [] { return acid_puddle(); }},
                                            {"data\\gfx\\blast.png", [] { return shot_flash(); }}};
  return list;
}

}  // namespace contentgen::creatures
