// Hair and headgear of the squad portraits: the cut of each member's hair,
// falling behind the head or lying over it, and the helmet, beret, cap or
// headset some of them wear.
#include <cmath>

#include "paint_kit/canvas.h"
#include "portrait_parts.h"

namespace contentgen::ui::portrait_parts {

void fill_linear_v(cairo_t* cr, double y0, double y1, Rgb a, Rgb b) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

namespace {

// Strokes the current path with a soft dark edge, kept for a clip after.
void outline_preserve(cairo_t* cr, const Look& k) {
  cairo_set_line_width(cr, 1.6);
  set_rgb(cr, scaled(k.hair, 0.3), 0.7);
  cairo_stroke_preserve(cr);
}

void helmet(cairo_t* cr, const Look& k, double cy, uint32_t seed) {
  double w = k.half_w + 9, rim = cy - 13;
  Rgb base = k.armour;
  // Chin straps first so the shell covers their tops. They run down behind
  // the jaw and meet under the chin, never across the face.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, portrait_size, portrait_size);
  head_path(cr, k, cy);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, centre_x + side * (k.half_w + 3), rim);
    cairo_curve_to(cr, centre_x + side * (k.half_w + 5), cy + 18, centre_x + side * k.half_w * 0.9, cy + k.half_h + 2,
                   centre_x + side * k.half_w * 0.3, cy + k.half_h + 6);
    cairo_set_line_width(cr, 3.2);
    cairo_set_source_rgb(cr, 0.07, 0.07, 0.06);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, centre_x - 5, cy + k.half_h + 3, 10, 5);
  cairo_set_source_rgb(cr, 0.45, 0.45, 0.42);
  cairo_fill(cr);
  cairo_restore(cr);
  // Shell.
  cairo_move_to(cr, centre_x - w, rim + 4);
  cairo_curve_to(cr, centre_x - w - 2, cy - k.half_h - 18, centre_x + w + 2, cy - k.half_h - 18, centre_x + w, rim + 4);
  cairo_curve_to(cr, centre_x + w * 0.5, rim - 1, centre_x - w * 0.5, rim - 1, centre_x - w, rim + 4);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(centre_x - 12, cy - k.half_h - 4, 3, centre_x, cy - 20, w * 1.4);
  Rgb hi = scaled(base, 2.1), lo = scaled(base, 0.5);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, base.r * 1.15, base.g * 1.15, base.b * 1.15);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Scratches.
  Noise n(seed);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 9; ++i) {
    double x = centre_x + (n.unit() * 2 - 1) * w * 0.8, y = rim - 8 - n.unit() * 30;
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + n.range(-6, 6), y + n.range(-3, 3));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Rim band and a lamp on the side.
  cairo_move_to(cr, centre_x - w, rim + 4);
  cairo_curve_to(cr, centre_x - w * 0.5, rim - 1, centre_x + w * 0.5, rim - 1, centre_x + w, rim + 4);
  cairo_set_line_width(cr, 4);
  set_rgb(cr, scaled(base, 0.55));
  cairo_stroke(cr);
  metal_plate(cr, centre_x + w - 13, rim - 18, 11, 11, 2, seed + 1, {0.25, 0.27, 0.28});
  led(cr, centre_x + w - 7.5, rim - 12.5, 2.2, kPhosphor);
}

void beret(cairo_t* cr, const Look& k, double cy) {
  double top = cy - k.half_h - 2;
  cairo_move_to(cr, centre_x - k.half_w - 4, top + 22);
  cairo_curve_to(cr, centre_x - k.half_w - 6, top - 8, centre_x + k.half_w + 22, top - 14, centre_x + k.half_w + 16, top + 12);
  cairo_curve_to(cr, centre_x + k.half_w + 8, top + 20, centre_x, top + 16, centre_x - k.half_w - 4, top + 22);
  cairo_close_path(cr);
  fill_linear_v(cr, top - 12, top + 22, {0.16, 0.34, 0.22}, {0.05, 0.12, 0.07});
  cairo_move_to(cr, centre_x - k.half_w - 4, top + 22);
  cairo_curve_to(cr, centre_x - 8, top + 16, centre_x + k.half_w, top + 18, centre_x + k.half_w + 10, top + 16);
  cairo_set_line_width(cr, 3);
  cairo_set_source_rgb(cr, 0.05, 0.08, 0.05);
  cairo_stroke(cr);
  cairo_arc(cr, centre_x - 12, top + 10, 4, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.8, 0.7, 0.3);
  cairo_fill(cr);
}

void headset(cairo_t* cr, const Look& k, double cy) {
  cairo_save(cr);
  cairo_translate(cr, centre_x, cy - 2);
  cairo_scale(cr, k.half_w + 4, k.half_h + 4);
  cairo_arc(cr, 0, 0, 1, M_PI * 1.05, M_PI * 1.95);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3.5);
  cairo_set_source_rgb(cr, 0.10, 0.11, 0.12);
  cairo_stroke(cr);
  double ex = centre_x - k.half_w - 2;
  metal_plate(cr, ex - 7, cy - 8, 13, 22, 4, 7, {0.20, 0.22, 0.23});
  cairo_move_to(cr, ex, cy + 10);
  cairo_curve_to(cr, ex + 2, cy + 30, centre_x - 20, cy + 30, centre_x - 12, cy + 27);
  cairo_set_line_width(cr, 2);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
  cairo_stroke(cr);
  cairo_arc(cr, centre_x - 11, cy + 27, 2.6, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.08);
  cairo_fill(cr);
  led(cr, ex - 0.5, cy + 2, 1.6, kPhosphor);
}

// A soft field cap: a flat-topped crown, a band, and a peak that throws a
// shadow across the brow.
void cap(cairo_t* cr, const Look& k, double cy) {
  const double w = k.half_w, band = cy - k.half_h * 0.42;
  const Rgb cloth = scaled(k.armour, 1.25);
  cairo_move_to(cr, centre_x - w - 3, band + 2);
  cairo_curve_to(cr, centre_x - w - 3, cy - k.half_h - 4, centre_x - w * 0.6, cy - k.half_h - 10, centre_x,
                 cy - k.half_h - 10);
  cairo_curve_to(cr, centre_x + w * 0.6, cy - k.half_h - 10, centre_x + w + 3, cy - k.half_h - 4, centre_x + w + 3,
                 band + 2);
  cairo_close_path(cr);
  fill_linear_v(cr, cy - k.half_h - 10, band, scaled(cloth, 1.3), scaled(cloth, 0.7));
  // Shadow of the peak over the brow.
  cairo_rectangle(cr, centre_x - w, band + 2, 2 * w, 12);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, band + 2, 0, band + 14);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Band and peak.
  cairo_rectangle(cr, centre_x - w - 3, band - 3, 2 * w + 6, 5);
  set_rgb(cr, scaled(cloth, 0.55));
  cairo_fill(cr);
  cairo_move_to(cr, centre_x - w * 0.85, band + 1);
  cairo_curve_to(cr, centre_x - w * 0.5, band + 12, centre_x + w * 0.5, band + 12, centre_x + w * 0.85, band + 1);
  cairo_close_path(cr);
  fill_linear_v(cr, band, band + 10, scaled(cloth, 0.5), scaled(cloth, 0.3));
  cairo_move_to(cr, centre_x - w * 0.7, band + 5);
  cairo_curve_to(cr, centre_x - w * 0.3, band + 10, centre_x + w * 0.3, band + 10, centre_x + w * 0.7, band + 5);
  cairo_set_line_width(cr, 1);
  set_rgb(cr, scaled(cloth, 1.4), 0.6);
  cairo_stroke(cr);
}

}  // namespace

// Hair on top of the head; 'behind' draws the parts that fall behind it.
void hair(cairo_t* cr, const Look& k, double cy, bool behind, uint32_t seed) {
  double w = k.half_w, h = k.half_h;
  Rgb hc = k.hair, hl = mix(k.hair, {1, 1, 1}, 0.3), dk = scaled(k.hair, 0.6);
  if (behind) {
    if (k.hair_style == hair_bob) {
      cairo_move_to(cr, centre_x - w - 9, cy - 10);
      cairo_curve_to(cr, centre_x - w - 14, cy + 20, centre_x - w - 8, cy + 34, centre_x - w + 2, cy + 36);
      cairo_line_to(cr, centre_x + w - 2, cy + 36);
      cairo_curve_to(cr, centre_x + w + 8, cy + 34, centre_x + w + 14, cy + 20, centre_x + w + 9, cy - 10);
      cairo_close_path(cr);
      fill_linear_v(cr, cy - 10, cy + 36, hc, dk);
    } else if (k.hair_style == hair_ponytail) {
      cairo_move_to(cr, centre_x + w - 4, cy - 6);
      cairo_curve_to(cr, centre_x + w + 20, cy + 10, centre_x + w + 14, cy + 50, centre_x + w + 24, cy + 72);
      cairo_curve_to(cr, centre_x + w + 8, cy + 56, centre_x + w + 2, cy + 30, centre_x + w - 6, cy + 14);
      cairo_close_path(cr);
      fill_linear_v(cr, cy - 6, cy + 72, hc, dk);
    } else if (k.hair_style == hair_long) {
      // A fall of hair behind the head, down past the shoulders, its ends uneven.
      cairo_move_to(cr, centre_x - w - 8, cy - h * 0.5);
      cairo_curve_to(cr, centre_x - w - 16, cy + 20, centre_x - w - 18, cy + 50, centre_x - w - 12, cy + 72);
      cairo_curve_to(cr, centre_x - w + 2, cy + 66, centre_x - 10, cy + 74, centre_x, cy + 68);
      cairo_curve_to(cr, centre_x + 10, cy + 74, centre_x + w - 2, cy + 66, centre_x + w + 12, cy + 72);
      cairo_curve_to(cr, centre_x + w + 18, cy + 50, centre_x + w + 16, cy + 20, centre_x + w + 8, cy - h * 0.5);
      cairo_close_path(cr);
      fill_linear_v(cr, cy - h, cy + 72, hc, scaled(dk, 0.8));
    } else if (k.hair_style == hair_braids) {
      // Two plaits hanging behind the shoulders.
      for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 11; ++i) {
          const double t = i / 10.0;
          const double x = centre_x + side * (w + 3 + 6 * t), y = cy - 2 + t * 74;
          cairo_save(cr);
          cairo_translate(cr, x, y);
          cairo_rotate(cr, side * (i % 2 ? 0.5 : -0.5));
          cairo_scale(cr, 4.2 - t, 3.6);
          cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
          cairo_restore(cr);
          fill_linear_v(cr, y - 4, y + 4, hl, dk);
        }
      }
    } else if (k.hair_style == hair_bun) {
      cairo_arc(cr, centre_x + 4, cy - h - 4, 13, 0, 2 * M_PI);
      cairo_pattern_t* g = cairo_pattern_create_radial(centre_x, cy - h - 9, 1, centre_x + 4, cy - h - 4, 13);
      cairo_pattern_add_color_stop_rgb(g, 0, hl.r, hl.g, hl.b);
      cairo_pattern_add_color_stop_rgb(g, 1, dk.r, dk.g, dk.b);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
    return;
  }
  if (k.hair_style == hair_bald) {
    cairo_save(cr);
    cairo_translate(cr, centre_x - 8, cy - h * 0.75);
    cairo_scale(cr, 12, 6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_fill(cr);
    return;
  }
  const bool tight = k.hair_style == hair_buzz || k.hair_style == hair_braids || k.hair_style == hair_receding;
  double vol = tight ? 1.5 : k.hair_style == hair_curly ? 9 : k.hair_style == hair_mohawk ? 0 : 5;
  double line = cy - h * (k.hair_style == hair_receding ? 0.62 : tight ? 0.42 : 0.38);
  cairo_save(cr);
  if (k.hair_style == hair_mohawk) {
    // Shaved sides, a crest on top.
    head_path(cr, k, cy);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, portrait_size, line + 2);
    set_rgb(cr, dk, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, centre_x - 9, line + 2);
    cairo_curve_to(cr, centre_x - 12, cy - h - 6, centre_x - 4, cy - h - 16, centre_x + 2, cy - h - 16);
    cairo_curve_to(cr, centre_x + 10, cy - h - 14, centre_x + 12, cy - h - 2, centre_x + 9, line + 2);
    cairo_close_path(cr);
    fill_linear_v(cr, cy - h - 16, line, hl, hc);
    return;
  }
  // Cap of hair: an ellipse over the skull cut off at the hairline.
  cairo_move_to(cr, centre_x - w - vol * 0.4, cy + (k.hair_style == hair_bob || k.hair_style == hair_side_part ? 2 : -6));
  cairo_curve_to(cr, centre_x - w - vol * 1.2, cy - h * 1.3 - vol * 1.3, centre_x + w + vol * 1.2,
                 cy - h * 1.3 - vol * 1.3, centre_x + w + vol * 0.4, cy + (k.hair_style == hair_bob ? 2 : -6));
  cairo_curve_to(cr, centre_x + w * 0.9, cy - 10, centre_x + w * 0.7, line, centre_x + w * 0.35, line);
  if (k.hair_style == hair_side_part || k.hair_style == hair_bob) {
    // A fringe sweeping across the forehead.
    cairo_curve_to(cr, centre_x, line + 8, centre_x - w * 0.5, line + 10, centre_x - w * 0.85, line + 14);
  } else if (k.hair_style == hair_receding) {
    // Bare temples and a peak in the middle.
    cairo_curve_to(cr, centre_x + 5, line + 11, centre_x - 5, line + 11, centre_x - w * 0.35, line);
  } else if (k.hair_style == hair_long) {
    // Parted in the middle, falling away to both sides.
    cairo_curve_to(cr, centre_x + 8, line + 4, centre_x + 2, line - 4, centre_x, line - 6);
    cairo_curve_to(cr, centre_x - 2, line - 4, centre_x - 8, line + 4, centre_x - w * 0.35, line);
  } else {
    cairo_curve_to(cr, centre_x + 6, line - 2, centre_x - 6, line - 2, centre_x - w * 0.35, line);
  }
  cairo_curve_to(cr, centre_x - w * 0.7, line, centre_x - w * 0.9, cy - 10,
                 centre_x - w - vol * 0.4, cy + (k.hair_style == hair_bob || k.hair_style == hair_side_part ? 2 : -6));
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(centre_x - 10, cy - h, 2, centre_x, cy - h * 0.5, h);
  cairo_pattern_add_color_stop_rgb(g, 0, hl.r, hl.g, hl.b);
  cairo_pattern_add_color_stop_rgb(g, 0.6, hc.r, hc.g, hc.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dk.r, dk.g, dk.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  // A dark edge keeps fair hair apart from the skin when a tint leaves one channel.
  outline_preserve(cr, k);
  cairo_clip(cr);
  if (k.hair_style == hair_braids) {
    // Rows plaited tight from the hairline back over the crown.
    for (int row = -3; row <= 3; ++row) {
      const double x0 = centre_x + row * w * 0.22, x1 = centre_x + row * w * 0.12;
      for (int i = 0; i < 8; ++i) {
        const double t = i / 7.0;
        const double x = x0 + (x1 - x0) * t, y = line + 2 - t * (line + 2 - (cy - h - 4));
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, i % 2 ? 0.6 : -0.6);
        cairo_scale(cr, 2.6, 3.4);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        set_rgb(cr, hl, 0.55);
        cairo_fill(cr);
      }
      cairo_move_to(cr, x0 + w * 0.11, line + 2);
      cairo_line_to(cr, x1 + w * 0.06, cy - h - 4);
      cairo_set_line_width(cr, 1.1);
      set_rgb(cr, scaled(dk, 0.5), 0.8);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    return;
  }
  // Strands or curls.
  Noise n(seed);
  cairo_set_line_width(cr, k.hair_style == hair_curly ? 1.6 : 1.0);
  for (int i = 0; i < 70; ++i) {
    double x = centre_x + (n.unit() * 2 - 1) * (w + vol);
    double y = cy - h - vol + n.unit() * (h * 0.9);
    set_rgb(cr, n.unit() < 0.5 ? hl : dk, 0.5);
    if (k.hair_style == hair_curly) {
      cairo_arc(cr, x, y, 2 + n.unit() * 2, 0, 2 * M_PI);
    } else {
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + 3, y + 4, x + 5, y + 8, x + 4 + (x - centre_x) * 0.1, y + 12);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  if (k.hair_style == hair_long) {
    // Locks framing the face from the temples, over the ears and down to the jaw.
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, centre_x + side * w * 0.6, line + 1);
      cairo_curve_to(cr, centre_x + side * (w + 4), line, centre_x + side * (w + 6), cy + 20, centre_x + side * (w + 9), cy + 52);
      cairo_curve_to(cr, centre_x + side * (w + 2), cy + 44, centre_x + side * (w - 2), cy + 20, centre_x + side * (w - 3), cy - 6);
      cairo_curve_to(cr, centre_x + side * (w - 4), cy - 16, centre_x + side * w * 0.8, line + 6, centre_x + side * w * 0.6, line + 1);
      cairo_close_path(cr);
      fill_linear_v(cr, line, cy + 52, hl, dk);
    }
  }
}

void headgear(cairo_t* cr, const Look& k, double cy, uint32_t seed) {
  if (k.gear == gear_helmet) helmet(cr, k, cy, seed);
  if (k.gear == gear_beret) beret(cr, k, cy);
  if (k.gear == gear_headset) headset(cr, k, cy);
  if (k.gear == gear_cap) cap(cr, k, cy);
}

}  // namespace contentgen::ui::portrait_parts
