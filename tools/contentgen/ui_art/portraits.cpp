// Squad portraits (184 x 184, drawn centred on the console and at half
// scale on the squad screen, tinted by the room's colour) and the creature
// head shown for a fallen member (alien_portrait.cpp). One painted style: gradient-shaded skin,
// soft shadows, and the same armour collar for everyone.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "paint_kit/canvas.h"
#include "console_metal.h"
#include "portrait_parts.h"
#include "ui_art.h"

namespace contentgen::ui {

namespace portrait_parts {

void head_path(cairo_t* cr, const Look& k, double cy) {
  double w = k.half_w, h = k.half_h;
  double jx = 0.66 + 0.2 * k.jaw;
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, centre_x, cy - 4);
  cairo_scale(cr, w * k.crown, h * 0.95);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(cr);
  cairo_curve_to(cr, centre_x + w * 1.02, cy + h * 0.2, centre_x + w * (jx + 0.12), cy + h * 0.48, centre_x + w * jx,
                 cy + h * 0.70);
  cairo_curve_to(cr, centre_x + w * (jx - 0.12), cy + h * 0.9, centre_x + w * 0.34 * k.chin, cy + h, centre_x, cy + h);
  cairo_curve_to(cr, centre_x - w * 0.34 * k.chin, cy + h, centre_x - w * (jx - 0.12), cy + h * 0.9, centre_x - w * jx,
                 cy + h * 0.70);
  cairo_curve_to(cr, centre_x - w * (jx + 0.12), cy + h * 0.48, centre_x - w * 1.02, cy + h * 0.2, centre_x - w * k.crown,
                 cy - 4);
  cairo_close_path(cr);
}

void monitor_finish(Canvas& c, uint32_t seed) {
  cairo_t* cr = c.cr();
  cairo_set_source_rgba(cr, 0, 0, 0, 0.14);
  for (int y = 1; y < portrait_size; y += 3) cairo_rectangle(cr, 0, y, portrait_size, 1);
  cairo_fill(cr);
  cairo_pattern_t* v = cairo_pattern_create_radial(centre_x, 92, 70, centre_x, 92, 135);
  cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.55);
  cairo_set_source(cr, v);
  cairo_paint(cr);
  cairo_pattern_destroy(v);
  speckle(c, seed, 0.04);
}

}  // namespace portrait_parts

namespace {

using namespace portrait_parts;


const Rgb olive{0.28, 0.31, 0.22}, slate{0.22, 0.25, 0.30}, sand{0.36, 0.32, 0.24};

const Look member_looks[15] = {
    // Marsh
    {false, {0.86, 0.66, 0.52}, {0.30, 0.20, 0.12}, {0.30, 0.45, 0.55}, hair_crew, gear_helmet, beard_stubble, 33, 42, 0.9, 3.6, 0.35, -0.1, false, false, olive},
    // Teller
    {false, {0.42, 0.27, 0.18}, {0.08, 0.06, 0.05}, {0.25, 0.15, 0.08}, hair_bald, gear_none, beard_goatee, 35, 42, 0.8, 3.8, 0.2, 0.15, true, true, slate},
    // Quill
    {false, {0.95, 0.78, 0.68}, {0.72, 0.32, 0.12}, {0.35, 0.55, 0.35}, hair_side_part, gear_none, beard_none, 30, 41, 0.3, 2.6, -0.15, 0.3, false, false, sand},
    // Nolan
    {false, {0.78, 0.57, 0.40}, {0.10, 0.08, 0.07}, {0.28, 0.18, 0.10}, hair_buzz, gear_cap, beard_moustache, 34, 41, 0.7, 3.4, 0.1, 0.0, false, false, olive},
    // Okafor
    {true, {0.36, 0.22, 0.15}, {0.06, 0.05, 0.05}, {0.22, 0.13, 0.07}, hair_braids, gear_headset, beard_none, 30, 41, 0.25, 2.6, 0.0, 0.2, false, false, slate},
    // Pryce
    {false, {0.88, 0.70, 0.60}, {0.62, 0.62, 0.60}, {0.40, 0.50, 0.58}, hair_buzz, gear_none, beard_full, 34, 43, 0.8, 3.6, 0.3, -0.05, false, true, olive},
    // Sato
    {true, {0.93, 0.79, 0.64}, {0.05, 0.05, 0.06}, {0.18, 0.11, 0.07}, hair_bob, gear_none, beard_none, 29, 40, 0.2, 2.4, 0.05, 0.1, false, false, slate},
    // Lund
    {false, {0.96, 0.82, 0.74}, {0.88, 0.78, 0.50}, {0.35, 0.55, 0.75}, hair_crew, gear_none, beard_none, 34, 43, 1.0, 2.8, 0.25, -0.2, false, false, slate},
    // Ebert
    {false, {0.90, 0.72, 0.60}, {0.34, 0.22, 0.12}, {0.38, 0.30, 0.18}, hair_mohawk, gear_none, beard_stubble, 31, 42, 0.6, 3.2, 0.4, 0.35, true, false, sand},
    // Brody
    {false, {0.55, 0.36, 0.24}, {0.07, 0.06, 0.05}, {0.22, 0.13, 0.07}, hair_buzz, gear_helmet, beard_full, 36, 43, 1.0, 4.2, 0.3, 0.0, false, false, olive},
    // Vance
    {false, {0.80, 0.62, 0.46}, {0.16, 0.12, 0.10}, {0.30, 0.38, 0.30}, hair_receding, gear_none, beard_moustache, 32, 43, 0.6, 3.0, 0.1, -0.25, false, true, slate},
    // Ingram
    {true, {0.93, 0.76, 0.66}, {0.85, 0.70, 0.40}, {0.30, 0.50, 0.62}, hair_long, gear_none, beard_none, 30, 41, 0.3, 2.4, 0.2, 0.0, false, false, olive},
    // Yardley
    {false, {0.94, 0.70, 0.60}, {0.52, 0.24, 0.12}, {0.32, 0.42, 0.30}, hair_curly, gear_none, beard_moustache, 33, 41, 0.5, 3.0, -0.1, 0.25, false, false, sand},
    // Moreau
    {true, {0.72, 0.52, 0.38}, {0.22, 0.13, 0.08}, {0.28, 0.20, 0.10}, hair_ponytail, gear_beret, beard_none, 30, 41, 0.2, 2.6, 0.15, 0.15, false, false, slate},
    // Castellan
    {false, {0.74, 0.53, 0.36}, {0.09, 0.08, 0.08}, {0.18, 0.12, 0.08}, hair_crew, gear_helmet, beard_goatee, 34, 42, 0.85, 4.4, 0.45, -0.15, true, true, olive},
};

void backdrop(cairo_t* cr, uint32_t seed) {
  cairo_pattern_t* g = cairo_pattern_create_radial(centre_x, 80, 10, centre_x, 90, 140);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.21, 0.20);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.045, 0.045);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // A bulkhead seam and a lamp behind the figure, different per member.
  Noise n(seed);
  double sx = 20 + n.unit() * 30;
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_rectangle(cr, sx, 0, 2, portrait_size);
  cairo_rectangle(cr, portrait_size - sx, 0, 2, portrait_size);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.05);
  cairo_rectangle(cr, sx + 2, 0, 1, portrait_size);
  cairo_rectangle(cr, portrait_size - sx + 2, 0, 1, portrait_size);
  cairo_fill(cr);
}

// Upper torso: body armour with shoulder plates, a collar and a green ID
// strip.
void torso(cairo_t* cr, const Look& k, double chin) {
  double neck_w = k.female ? 13 : 16;
  cairo_rectangle(cr, centre_x - neck_w, chin - 22, neck_w * 2, 60);
  fill_linear_v(cr, chin - 22, chin + 30, scaled(k.skin, 0.62), scaled(k.skin, 0.85));
  double top = chin + 14;
  cairo_move_to(cr, -4, portrait_size + 2);
  cairo_curve_to(cr, -4, top + 22, 18, top + 4, 50, top);
  cairo_line_to(cr, portrait_size - 50, top);
  cairo_curve_to(cr, portrait_size - 18, top + 4, portrait_size + 4, top + 22, portrait_size + 4, portrait_size + 2);
  cairo_close_path(cr);
  fill_linear_v(cr, top, portrait_size, scaled(k.armour, 1.35), scaled(k.armour, 0.6));
  // Shoulder plates.
  for (int side = -1; side <= 1; side += 2) {
    double sx = centre_x + side * 68;
    cairo_save(cr);
    cairo_translate(cr, sx, top + 24);
    cairo_scale(cr, 30, 18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(sx - side * 8, top + 14, 2, sx, top + 24, 32);
    Rgb hi = scaled(k.armour, 1.8), lo = scaled(k.armour, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  // Collar ring.
  cairo_save(cr);
  cairo_translate(cr, centre_x, top + 2);
  cairo_scale(cr, neck_w + 14, 11);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  cairo_set_line_width(cr, 7);
  set_rgb(cr, scaled(k.armour, 0.7));
  cairo_stroke(cr);
  // Chest strap and ID strip.
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.04, 0.8);
  cairo_set_line_width(cr, 6);
  cairo_move_to(cr, centre_x - 56, top + 8);
  cairo_line_to(cr, centre_x - 22, portrait_size);
  cairo_stroke(cr);
  cairo_rectangle(cr, centre_x + 22, top + 26, 26, 6);
  set_rgb(cr, kPhosphorDim);
  cairo_fill(cr);
  cairo_rectangle(cr, centre_x + 23, top + 27, 10, 4);
  set_rgb(cr, kPhosphor);
  cairo_fill(cr);
}

void ears(cairo_t* cr, const Look& k, double cy) {
  for (int side = -1; side <= 1; side += 2) {
    double ex = centre_x + side * (k.half_w - 1);
    cairo_save(cr);
    cairo_translate(cr, ex, cy + 3);
    cairo_scale(cr, 6.5, 11);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    set_rgb(cr, scaled(k.skin, 0.85));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, ex + side * 1.5, cy + 3);
    cairo_scale(cr, 3, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    set_rgb(cr, scaled(k.skin, 0.62));
    cairo_fill(cr);
  }
}

void shade_head(cairo_t* cr, const Look& k, double cy) {
  head_path(cr, k, cy);
  Rgb hi = mix(k.skin, {1, 0.95, 0.9}, 0.25), lo = scaled(k.skin, 0.68);
  cairo_pattern_t* g = cairo_pattern_create_radial(centre_x - 10, cy - 14, 4, centre_x, cy, k.half_h * 1.25);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.55, k.skin.r, k.skin.g, k.skin.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  // The far side of the face in shadow (light from the upper left).
  cairo_save(cr);
  cairo_clip(cr);
  cairo_pattern_t* s = cairo_pattern_create_linear(centre_x - 4, 0, centre_x + k.half_w, 0);
  cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(s, 1, 0.1, 0.04, 0.02, 0.32);
  cairo_set_source(cr, s);
  cairo_paint(cr);
  cairo_pattern_destroy(s);
  // Warm cheeks.
  for (int side = -1; side <= 1; side += 2) {
    double x = centre_x + side * k.half_w * 0.55, y = cy + 12;
    cairo_pattern_t* c = cairo_pattern_create_radial(x, y, 0, x, y, 11);
    cairo_pattern_add_color_stop_rgba(c, 0, 0.75, 0.25, 0.2, k.female ? 0.16 : 0.09);
    cairo_pattern_add_color_stop_rgba(c, 1, 0.75, 0.25, 0.2, 0);
    cairo_set_source(cr, c);
    cairo_paint(cr);
    cairo_pattern_destroy(c);
  }
  cairo_restore(cr);
}

// What makes each face its own, beside the look above: the shape of the
// eyes, nose and mouth and the set of the expression.
struct Features {
  double eye_w, eye_h;   // eye opening, times the standard
  double eye_tilt;       // radians; > 0 lifts the outer corners
  double nose_len, nose_w;
  double mouth_w, lip;   // mouth width and lip fullness, times the standard
  double smirk;          // > 0 lifts the right corner and drops the left
  // The set of the face, beside the brows' tilt and the mouth's corners.
  double lid = 0;        // > 0 the upper lids droop over the iris; < 0 wide open
  double brow_lift = 0;  // raises one brow: > 0 the right, < 0 the left
  double teeth = 0;      // > 0 parts the lips over the teeth
};

// Each member's expression, strong enough to read at half size under a
// tint: the brows' tilt (> 0 scowling), the mouth's corners and smirk, the
// lids, one brow raised, and teeth shown.
struct Expression {
  double brow_tilt, smile, smirk, lid, brow_lift, teeth;
};
const Expression member_expressions[15] = {
    {0.55, -0.30, 0.00, 0.35, 0.0, 0.0},    // Marsh: grim
    {0.10, 0.10, 0.65, 0.10, 1.0, 0.0},     // Teller: knowing smirk, one brow up
    {-0.45, 0.10, 0.00, -0.55, 0.0, 0.35},  // Quill: wide-eyed, lips parted
    {0.05, -0.25, -0.10, 0.50, 0.0, 0.0},   // Nolan: heavy-lidded, tired
    {0.30, 0.20, 0.10, 0.10, 0.0, 0.0},     // Okafor: set and steady
    {0.20, -0.20, -0.25, 0.45, 0.0, 0.0},   // Pryce: weary
    {0.00, 0.25, 0.25, 0.00, -0.6, 0.0},    // Sato: amused
    {0.35, -0.05, 0.00, 0.25, 0.0, 0.0},    // Lund: stern
    {0.15, 0.35, 0.55, 0.05, 1.0, 0.8},     // Ebert: crooked grin
    {0.90, -0.40, 0.00, 0.30, 0.0, 0.0},    // Brody: scowl
    {0.55, -0.20, -0.50, 0.35, 0.0, 0.25},  // Vance: sneer
    {-0.10, 0.55, 0.10, 0.00, 0.0, 0.75},   // Ingram: open smile
    {-0.55, 0.00, 0.00, -0.65, 0.0, 0.55},  // Yardley: startled
    {0.10, 0.15, -0.40, 0.20, -0.8, 0.0},   // Moreau: cool half smile
    {0.75, -0.35, 0.10, 0.45, 0.0, 0.0},    // Castellan: hard scowl
};

const Features member_features[15] = {
    {1.00, 0.80, 0.00, 1.00, 1.10, 1.00, 0.8, 0.0},    // Marsh: level squint
    {0.95, 1.00, 0.10, 0.90, 1.35, 1.10, 1.3, 0.35},   // Teller: broad nose, full lips, half grin
    {1.10, 1.20, 0.12, 0.85, 0.85, 0.90, 1.1, 0.0},    // Quill: wide bright eyes, small nose
    {0.90, 0.85, -0.08, 1.15, 1.05, 1.05, 0.8, -0.2},  // Nolan: long nose, drooping eyes
    {1.05, 1.05, 0.15, 0.95, 1.25, 1.00, 1.4, 0.1},    // Okafor: almond eyes, full lips
    {0.85, 0.70, -0.05, 1.20, 1.15, 0.95, 0.7, -0.3},  // Pryce: narrow tired eyes, long nose
    {1.15, 0.80, 0.20, 0.85, 0.95, 0.85, 1.0, 0.2},    // Sato: long almond eyes, slight smile
    {0.90, 0.95, 0.00, 1.05, 0.95, 1.10, 0.7, 0.0},    // Lund: thin straight mouth
    {1.00, 1.10, -0.06, 1.00, 1.00, 1.15, 0.9, 0.5},   // Ebert: crooked grin
    {0.85, 0.75, 0.05, 1.00, 1.40, 1.05, 1.1, -0.1},   // Brody: hooded eyes, wide nose
    {0.95, 0.90, -0.12, 1.25, 0.90, 0.90, 0.7, -0.35}, // Vance: hawk nose, sour mouth
    {1.10, 1.15, 0.05, 0.90, 0.90, 0.95, 1.2, 0.25},   // Ingram: open eyes, quick smile
    {1.00, 1.25, 0.00, 0.95, 1.10, 1.20, 1.0, 0.0},    // Yardley: wide-eyed, broad mouth
    {1.05, 0.90, 0.18, 1.10, 0.90, 0.90, 1.2, -0.15},  // Moreau: upturned eyes, narrow nose
    {0.80, 0.65, 0.00, 1.10, 1.20, 1.00, 0.7, -0.25},  // Castellan: hard squint
};

void eyes(cairo_t* cr, const Look& k, const Features& f, double ey) {
  double dx = k.half_w * 0.42;
  double rx = (k.female ? 6.6 : 6.0) * f.eye_w, ry = (k.female ? 3.4 : 3.0) * f.eye_h;
  // Wide eyes open taller with the white showing over the iris.
  if (f.lid < 0) ry *= 1 - f.lid * 0.7;
  for (int side = -1; side <= 1; side += 2) {
    double x = centre_x + side * dx;
    // Tilt each eye about its centre (outer corners up for a positive tilt).
    cairo_save(cr);
    cairo_translate(cr, x, ey);
    cairo_rotate(cr, -side * f.eye_tilt);
    cairo_translate(cr, -x, -ey);
    // Socket shadow.
    cairo_pattern_t* s = cairo_pattern_create_radial(x, ey - 1, 1, x, ey - 1, 11);
    cairo_pattern_add_color_stop_rgba(s, 0, 0.2, 0.08, 0.05, 0.35);
    cairo_pattern_add_color_stop_rgba(s, 1, 0.2, 0.08, 0.05, 0);
    cairo_set_source(cr, s);
    cairo_arc(cr, x, ey - 1, 11, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(s);
    // White, iris, pupil, glint.
    cairo_save(cr);
    cairo_translate(cr, x, ey);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0.88, 0.86, 0.82);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    cairo_arc(cr, x + 0.5, ey, 2.9, 0, 2 * M_PI);
    set_rgb(cr, k.iris);
    cairo_fill(cr);
    cairo_arc(cr, x + 0.5, ey, 1.3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_arc(cr, x - 0.6, ey - 1, 0.8, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    // A drooping lid covers the top of the eye, down over the iris.
    const double lid = std::max(0.0, f.lid) * ry * 1.6;
    if (lid > 0) {
      cairo_save(cr);
      cairo_translate(cr, x, ey);
      cairo_scale(cr, rx + 0.5, ry + 0.5);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_clip(cr);
      cairo_rectangle(cr, x - rx - 1, ey - ry - 1, 2 * rx + 2, lid + 1);
      set_rgb(cr, scaled(k.skin, 0.72));
      cairo_fill(cr);
      cairo_reset_clip(cr);
    }
    // Upper lid (heavier with lashes for the women).
    const double top = ey - ry * 1.5 + lid * 1.3;
    cairo_move_to(cr, x - rx - 0.5, ey + 0.5);
    cairo_curve_to(cr, x - rx * 0.5, top, x + rx * 0.5, top, x + rx + 0.5, ey + 0.2);
    cairo_set_line_width(cr, k.female ? 1.8 : 1.3);
    cairo_set_source_rgb(cr, 0.1, 0.06, 0.05);
    cairo_stroke(cr);
    if (k.female) {
      cairo_move_to(cr, x + side * rx, ey - 0.5);
      cairo_line_to(cr, x + side * (rx + 2), ey - 2);
      cairo_stroke(cr);
    }
    // Lower lid.
    cairo_move_to(cr, x - rx * 0.8, ey + ry * 0.9);
    cairo_curve_to(cr, x - rx * 0.3, ey + ry * 1.4, x + rx * 0.3, ey + ry * 1.4, x + rx * 0.8, ey + ry * 0.9);
    cairo_set_line_width(cr, 0.8);
    set_rgb(cr, scaled(k.skin, 0.6), 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (k.lined) {
      cairo_move_to(cr, x + side * (rx + 1), ey + 1);
      cairo_line_to(cr, x + side * (rx + 4), ey + 3);
      cairo_move_to(cr, x - rx * 0.6, ey + ry + 3);
      cairo_curve_to(cr, x - 2, ey + ry + 4.5, x + 2, ey + ry + 4.5, x + rx * 0.6, ey + ry + 3);
      cairo_set_line_width(cr, 0.8);
      set_rgb(cr, scaled(k.skin, 0.7), 0.8);
      cairo_stroke(cr);
    }
    // Brow.
    double inner = x - side * rx * 0.9, outer = x + side * rx * 1.3;
    // Brows rise over wide eyes, and one rises alone for a raised brow.
    const double lift = std::max(0.0, -f.lid) * 4 + (f.brow_lift * side > 0 ? std::fabs(f.brow_lift) * 4.5 : 0);
    double by = ey - 8 - lift;
    cairo_move_to(cr, inner, by + k.brow_tilt * 4);
    cairo_curve_to(cr, inner + side * 4, by - 3.5 - lift * 0.3, outer - side * 4, by - 3.5 - k.brow_tilt - lift * 0.3,
                   outer, by + 0.5 + lift * 0.2);
    cairo_set_line_width(cr, k.brow);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Darker than the hair, so fair brows still show on fair skin under a tint.
    set_rgb(cr, mix(scaled(k.hair, 0.75), {0.10, 0.07, 0.05}, 0.35));
    cairo_stroke(cr);
  }
  // Forehead lines for the older faces.
  if (k.lined) {
    cairo_set_line_width(cr, 0.9);
    set_rgb(cr, scaled(k.skin, 0.72), 0.8);
    for (int i = 0; i < 2; ++i) {
      double y = ey - 17 - i * 4;
      cairo_move_to(cr, centre_x - 12, y);
      cairo_curve_to(cr, centre_x - 4, y - 1.5, centre_x + 4, y - 1.5, centre_x + 12, y);
      cairo_stroke(cr);
    }
  }
}

void nose_and_mouth(cairo_t* cr, const Look& k, const Features& f, double ey, double my) {
  // Bridge shadow on the far side and the tip, shaped by the nose's length
  // and width.
  const double tip = ey + 18 * f.nose_len, nw = f.nose_w;
  cairo_move_to(cr, centre_x + 3, ey + 1);
  cairo_curve_to(cr, centre_x + 4, ey + 8, centre_x + 6 * nw, tip - 4, centre_x + 6 * nw, tip);
  cairo_set_line_width(cr, 2.2);
  set_rgb(cr, scaled(k.skin, 0.7), 0.7);
  cairo_stroke(cr);
  cairo_move_to(cr, centre_x - 6 * nw, tip);
  cairo_curve_to(cr, centre_x - 3 * nw, tip + 4, centre_x + 3 * nw, tip + 4, centre_x + 7 * nw, tip);
  cairo_set_line_width(cr, 1.4);
  set_rgb(cr, scaled(k.skin, 0.55), 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, centre_x - 1, tip - 3, 2.5 * nw, 0, 2 * M_PI);
  set_rgb(cr, mix(k.skin, {1, 1, 1}, 0.25), 0.6);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_arc(cr, centre_x + side * 3.5 * nw, tip + 1.5, 1.3 * nw, 0, 2 * M_PI);
    set_rgb(cr, scaled(k.skin, 0.35), 0.8);
    cairo_fill(cr);
  }
  // Lips: width, fullness and a corner lifted on one side for a smirk.
  double mw = k.half_w * (k.female ? 0.36 : 0.38) * f.mouth_w;
  const double cl = -k.smile * 3 + f.smirk * 2.5, cr_ = -k.smile * 3 - f.smirk * 2.5;
  const double gap = f.teeth * 6;  // how far the lips part
  const double upper = 3.5 * f.lip, lower = (k.female ? 6 : 4.5) * f.lip + gap;
  Rgb lip = mix(k.skin, {0.7, 0.25, 0.25}, k.female ? 0.42 : 0.22);
  cairo_move_to(cr, centre_x - mw, my + cl);
  cairo_curve_to(cr, centre_x - mw * 0.5, my - upper, centre_x - 1, my - upper + 0.5, centre_x, my - upper + 1.5);
  cairo_curve_to(cr, centre_x + 1, my - upper + 0.5, centre_x + mw * 0.5, my - upper, centre_x + mw, my + cr_);
  cairo_curve_to(cr, centre_x + mw * 0.5, my + lower, centre_x - mw * 0.5, my + lower, centre_x - mw, my + cl);
  cairo_close_path(cr);
  set_rgb(cr, lip);
  cairo_fill(cr);
  const double c = (cl + cr_) / 2;
  if (gap > 0) {
    // The mouth's opening: dark inside, the upper teeth along its top.
    auto opening = [&] {
      cairo_move_to(cr, centre_x - mw * 0.85, my + cl * 0.85);
      cairo_curve_to(cr, centre_x - mw * 0.4, my + 0.5 + (cl - c) * 0.3, centre_x + mw * 0.4, my + 0.5 + (cr_ - c) * 0.3,
                     centre_x + mw * 0.85, my + cr_ * 0.85);
      cairo_curve_to(cr, centre_x + mw * 0.4, my + gap + 1, centre_x - mw * 0.4, my + gap + 1, centre_x - mw * 0.85,
                     my + cl * 0.85);
      cairo_close_path(cr);
    };
    opening();
    cairo_set_source_rgb(cr, 0.16, 0.05, 0.05);
    cairo_fill(cr);
    cairo_save(cr);
    opening();
    cairo_clip(cr);
    cairo_rectangle(cr, centre_x - mw, my - 4, 2 * mw, 4 + 0.5 + gap * 0.45);
    cairo_set_source_rgb(cr, 0.93, 0.91, 0.86);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.6);
    cairo_set_source_rgba(cr, 0.4, 0.35, 0.3, 0.7);
    for (double t = -0.6; t <= 0.61; t += 0.3) {
      cairo_move_to(cr, centre_x + mw * t, my - 3);
      cairo_line_to(cr, centre_x + mw * t, my + gap * 0.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  cairo_move_to(cr, centre_x - mw, my + cl);
  cairo_curve_to(cr, centre_x - mw * 0.4, my + 0.8 + (cl - c) * 0.3, centre_x + mw * 0.4, my + 0.8 + (cr_ - c) * 0.3, centre_x + mw,
                 my + cr_);
  cairo_set_line_width(cr, 1.3);
  set_rgb(cr, scaled(lip, 0.4));
  cairo_stroke(cr);
  cairo_move_to(cr, centre_x - mw * 0.4, my + 3 + gap);
  cairo_curve_to(cr, centre_x - 2, my + 4 + gap, centre_x + 2, my + 4 + gap, centre_x + mw * 0.4, my + 3 + gap);
  cairo_set_line_width(cr, 1.2);
  set_rgb(cr, mix(lip, {1, 1, 1}, 0.25), 0.6);
  cairo_stroke(cr);
}

// Facial hair as shaded masses: a soft shadow of stubble over the jaw, a
// goatee on the chin, or a full beard lit from above and darkening down,
// with a few combed strands and a soft edge on the cheeks.
void facial_hair(cairo_t* cr, const Look& k, double cy, double my, uint32_t seed) {
  if (k.beard == beard_none || k.beard == beard_moustache) return;
  const Rgb hc = k.hair;
  const double w = k.half_w, h = k.half_h;
  cairo_save(cr);
  head_path(cr, k, cy);
  cairo_clip(cr);
  // The region the hair grows on, as a path.
  auto region = [&](double top, double side) {
    cairo_new_path(cr);
    cairo_move_to(cr, centre_x - w * side - 2, top);
    cairo_curve_to(cr, centre_x - w * side * 0.6, my - 6, centre_x + w * side * 0.6, my - 6, centre_x + w * side + 2, top);
    cairo_line_to(cr, centre_x + w * side, cy + h + 10);
    cairo_line_to(cr, centre_x - w * side, cy + h + 10);
    cairo_close_path(cr);
  };
  auto mass = [&](double top_y, Rgb top, Rgb bottom, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top_y, 0, cy + h + 4);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(g, 0.35, top.r, top.g, top.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r, bottom.g, bottom.b, alpha);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_new_path(cr);
  };
  if (k.beard == beard_stubble) {
    region(cy + 4, 1.0);
    mass(cy + 4, scaled(hc, 0.7), scaled(hc, 0.55), 0.30);
  } else if (k.beard == beard_goatee) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, centre_x, my + 9);
    cairo_scale(cr, w * 0.3, h * 0.34);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    mass(my + 2, scaled(hc, 0.95), scaled(hc, 0.6), 0.9);
  } else {
    region(cy + 2, 1.0);
    mass(cy + 2, mix(hc, {1, 1, 1}, 0.12), scaled(hc, 0.55), 0.92);
    // Combed strands: darker and lighter curves following the jaw down.
    Noise n(seed);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 22; ++i) {
      const double x = centre_x + (n.unit() * 2 - 1) * w * 0.9, y = my + n.range(-2, h * 0.4);
      const double lean = (x - centre_x) / w * 3;
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + lean, y + 4, x + lean * 1.5, y + 8, x + lean * 1.2, y + 12);
      set_rgb(cr, i % 3 == 0 ? mix(hc, {1, 1, 1}, 0.3) : scaled(hc, 0.45), 0.5);
      cairo_set_line_width(cr, 1.1);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
  if (k.beard == beard_full) {
    // The beard spills a little under the chin.
    cairo_save(cr);
    cairo_translate(cr, centre_x, cy + h - 2);
    cairo_scale(cr, w * 0.55, 8);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    set_rgb(cr, scaled(hc, 0.6), 0.9);
    cairo_fill(cr);
  }
}

void moustache(cairo_t* cr, const Look& k, double my) {
  if (k.beard != beard_moustache && k.beard != beard_full && k.beard != beard_goatee) return;
  double mw = k.half_w * 0.45;
  cairo_move_to(cr, centre_x - mw, my + 2);
  cairo_curve_to(cr, centre_x - mw * 0.7, my - 7, centre_x - 3, my - 8, centre_x, my - 5.5);
  cairo_curve_to(cr, centre_x + 3, my - 8, centre_x + mw * 0.7, my - 7, centre_x + mw, my + 2);
  cairo_curve_to(cr, centre_x + mw * 0.6, my - 2.5, centre_x - mw * 0.6, my - 2.5, centre_x - mw, my + 2);
  cairo_close_path(cr);
  set_rgb(cr, scaled(k.hair, 0.9));
  cairo_fill(cr);
}

void scar(cairo_t* cr, const Look& k, double ey) {
  double x = centre_x + k.half_w * 0.5;
  cairo_move_to(cr, x - 3, ey - 14);
  cairo_line_to(cr, x + 4, ey + 10);
  cairo_set_line_width(cr, 1.6);
  set_rgb(cr, mix(k.skin, {0.9, 0.6, 0.6}, 0.45));
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {
    double t = i / 3.0;
    double sx = x - 3 + 7 * t, sy = ey - 14 + 24 * t;
    cairo_move_to(cr, sx - 2, sy + 0.6);
    cairo_line_to(cr, sx + 2, sy - 0.6);
  }
  cairo_set_line_width(cr, 0.8);
  set_rgb(cr, scaled(k.skin, 0.65));
  cairo_stroke(cr);
}

// The console multiplies a portrait by the room's tint, which keeps only one
// or two channels: a face painted in warm skin tones has almost nothing in
// blue, and in red its features all sit near the top. So every channel is
// drawn towards the pixel's brightness, keeping a little of its colour, and
// the brightness is lifted through the mids; each channel then carries the
// whole face, light and shade, eyes, brows and mouth. A dark-skinned face
// is brought part of the way towards the others' brightness (its lit side
// measured over the face), so that it still shows its features under a
// red or blue tint while staying darker than the fair faces; a fair face is
// brought down a little, so a red tint does not flatten it to one tone.
void ready_for_tints(Canvas& c) {
  constexpr double keep_colour = 0.4, lift = 0.82, lit_target = 0.85, least_gain = 0.85, most_gain = 2.0;
  auto lum_of = [](const uint8_t px[4]) { return (0.3 * px[0] + 0.55 * px[1] + 0.15 * px[2]) / 255.0; };
  std::vector<double> face;
  for (int y = 50; y < 130; ++y)
    for (int x = 62; x < 122; ++x) {
      uint8_t px[4];
      c.get_pixel(x, y, px);
      face.push_back(lum_of(px));
    }
  const auto lit = face.begin() + static_cast<std::ptrdiff_t>(face.size() * 0.95);
  std::nth_element(face.begin(), lit, face.end());
  const double gain = std::clamp(std::sqrt(lit_target / std::max(*lit, 0.05)), least_gain, most_gain);
  for (int y = 0; y < portrait_size; ++y)
    for (int x = 0; x < portrait_size; ++x) {
      uint8_t px[4];
      c.get_pixel(x, y, px);
      const double r = px[0] / 255.0 * gain, g = px[1] / 255.0 * gain, b = px[2] / 255.0 * gain;
      const double lum = 0.3 * r + 0.55 * g + 0.15 * b;
      for (int i = 0; i < 3; ++i) {
        const double v = lum + ((i == 0 ? r : i == 1 ? g : b) - lum) * keep_colour;
        px[i] = static_cast<uint8_t>(std::lround(255 * std::pow(std::clamp(v, 0.0, 1.0), lift)));
      }
      c.set_pixel(x, y, px);
    }
}

// How each member's head and build differ from the plain oval: head width
// and height, crown and chin width, shoulder breadth, and the tilt of the
// head (radians, + to the picture's right), so that no two share an outline.
struct Build {
  double w, h, crown, chin, shoulders, tilt;
};
const Build member_builds[15] = {
    {1.06, 1.00, 0.96, 1.30, 1.10, 0.00},   // Marsh: square-jawed, broad
    {1.10, 0.96, 1.04, 1.10, 1.15, -0.05},  // Teller: round shaven dome, heavy-set
    {0.90, 1.04, 1.00, 0.70, 0.90, 0.06},   // Quill: narrow, pointed chin, slight
    {1.00, 1.08, 0.92, 1.00, 1.00, -0.03},  // Nolan: long face
    {0.94, 0.98, 1.02, 0.85, 0.92, 0.08},   // Okafor: heart-shaped, head cocked
    {1.04, 1.06, 0.94, 1.20, 1.05, 0.00},   // Pryce: long, bearded, square
    {0.92, 0.92, 1.06, 0.80, 0.88, -0.07},  // Sato: small round face
    {1.08, 1.02, 0.94, 1.35, 1.12, 0.00},   // Lund: broad square jaw
    {0.88, 1.10, 0.90, 0.90, 0.95, 0.10},   // Ebert: narrow long head, tilted grin
    {1.14, 1.00, 0.98, 1.25, 1.20, 0.00},   // Brody: wide, the broadest build
    {0.92, 1.12, 0.88, 0.75, 0.95, -0.04},  // Vance: gaunt and long
    {0.94, 1.00, 1.02, 0.80, 0.90, 0.05},   // Ingram: oval, small chin
    {1.02, 0.94, 1.08, 1.00, 1.00, 0.04},   // Yardley: round, full cheeks
    {0.92, 1.04, 1.00, 0.78, 0.90, -0.06},  // Moreau: fine features
    {1.08, 1.04, 0.92, 1.30, 1.10, 0.00},   // Castellan: hard, square
};

Bytes portrait(int index) {
  Look k = member_looks[index];
  const Build& b = member_builds[index];
  k.half_w *= b.w;
  k.half_h *= b.h;
  k.crown = b.crown;
  k.chin = b.chin;
  k.shoulders = b.shoulders;
  uint32_t seed = 500 + index * 17;
  Canvas c(portrait_size, portrait_size);
  cairo_t* cr = c.cr();
  double cy = 86;
  double ey = cy + 2;
  double my = cy + k.half_h * 0.58;
  backdrop(cr, seed);
  // The figure fills the frame: head and shoulders, cropped at the chest.
  cairo_translate(cr, centre_x, 100);
  cairo_scale(cr, 1.2, 1.2);
  cairo_translate(cr, -centre_x, -100);
  // The head turns about the neck.
  auto turn_head = [&] {
    cairo_translate(cr, centre_x, cy + k.half_h);
    cairo_rotate(cr, b.tilt);
    cairo_translate(cr, -centre_x, -(cy + k.half_h));
  };
  cairo_save(cr);
  turn_head();
  hair(cr, k, cy, true, seed + 1);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, centre_x, portrait_size);
  cairo_scale(cr, k.shoulders, 1);
  cairo_translate(cr, -centre_x, -portrait_size);
  torso(cr, k, cy + k.half_h);
  cairo_restore(cr);
  turn_head();
  ears(cr, k, cy);
  shade_head(cr, k, cy);
  facial_hair(cr, k, cy, my, seed + 2);
  const Expression& e = member_expressions[index];
  k.brow_tilt = e.brow_tilt;
  k.smile = e.smile;
  Features f = member_features[index];
  f.smirk = e.smirk, f.lid = e.lid, f.brow_lift = e.brow_lift, f.teeth = e.teeth;
  eyes(cr, k, f, ey);
  nose_and_mouth(cr, k, f, ey, my);
  moustache(cr, k, my);
  if (k.scar) scar(cr, k, ey);
  if (k.gear != gear_helmet) hair(cr, k, cy, false, seed + 3);
  headgear(cr, k, cy, seed + 4);
  cairo_identity_matrix(cr);
  ready_for_tints(c);
  monitor_finish(c, seed + 5);
  return c.png();
}

}  // namespace

void add_portraits(Registry& reg) {
  for (int i = 0; i < 15; ++i)
    reg.add(gfx(std::string("face_") + kRosterFaces[i] + ".png"), [i] { return portrait(i); });
  reg.add(gfx("face_alien.png"), alien_portrait);
}

}  // namespace contentgen::ui
