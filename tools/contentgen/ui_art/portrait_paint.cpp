#include "portrait_paint.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "paint_kit/shapes.h"

namespace contentgen::ui::portrait_paint {

namespace {

using model::V3;
using model::Xf;
using paint::Rgb;
using portrait_model::Face;

// Pixels per head unit at the portrait's usual placement, so that lines
// keep their weight if the head is placed larger or smaller.
double weight(const Xf& view) { return view.s / 0.7; }

void curve(cairo_t* cr, const Xf& view, const V3 pts[3]) {
  const V3 a = view.point(pts[0]), b = view.point(pts[1]), c = view.point(pts[2]);
  cairo_move_to(cr, a.x, a.y);
  // Through the middle point: the control point lies twice as far out.
  cairo_curve_to(cr, a.x + (b.x - a.x) * 1.33, a.y + (b.y - a.y) * 1.33, c.x + (b.x - c.x) * 1.33,
                 c.y + (b.y - c.y) * 1.33, c.x, c.y);
}

using paint::soft_oval;

// The jaw's shadow on the neck: separates the head from the column below.
void chin_shadow(cairo_t* cr, const Face& f, const Xf& view) {
  const V3 p = view.point(portrait_model::chin_bottom(f));
  const double rx = portrait_model::neck_radius(f) * view.s * 1.1, ry = 9 * weight(view);
  soft_oval(cr, p.x, p.y + ry * 0.9, 0, rx, ry, {0.05, 0.03, 0.03}, 0.5, -0.4);
  // A tighter, darker core right under the jaw's edge: the jaw casts a
  // crisp shadow on the throat instead of fading into it.
  soft_oval(cr, p.x - 2 * weight(view), p.y + ry * 0.45, 0, rx * 0.85, ry * 0.45, {0.04, 0.02, 0.02}, 0.45, -0.6);
  // The neck's sides turning away from the light, so it reads as a column
  // under the jaw and not as a flat blurred plate.
  const double w = weight(view), nr = portrait_model::neck_radius(f);
  for (int side = -1; side <= 1; side += 2) {
    const double x = p.x + side * nr * view.s * 0.75;
    // Short and faint: a long dark one runs down over the collar as a
    // smudge beside the throat.
    soft_oval(cr, x, p.y + ry * 1.8, 0, 6 * w, 9 * w, {0.06, 0.04, 0.04}, side > 0 ? 0.24 : 0.14, 0);
  }
  // The two muscles running from behind the ears down to the notch between
  // the collarbones: each a lit band on its front with a shaded groove
  // inside it, and the hollow of the throat between them.
  // Only where the throat shows: over a collar, a seal or a scarf they
  // are smudges on the cloth.
  const bool throat = f.neck == portrait_model::Neck::open || f.neck == portrait_model::Neck::hood;
  if (!throat) return;
  const V3 notch = view.point({0, 96, 4});
  for (int side = -1; side <= 1; side += 2) {
    const V3 top = view.point({side * 0.8f * static_cast<float>(nr), 62, -6});
    const double mx = (top.x + notch.x) / 2 + side * 3 * w, my = (top.y + notch.y) / 2;
    const double angle = std::atan2(notch.y - top.y, notch.x - top.x);
    const double len = std::hypot(notch.x - top.x, notch.y - top.y) * 0.5;
    const Rgb lit = paint::mix(f.skin, {1, 0.95, 0.9}, 0.35);
    soft_oval(cr, mx, my, angle, len, 2.6 * w, lit, side < 0 ? 0.22 : 0.1, 0);
    soft_oval(cr, mx - side * 3.4 * w, my, angle, len * 0.8, 1.8 * w, paint::scaled(f.skin, 0.3), 0.22, 0);
  }
  soft_oval(cr, notch.x, notch.y - 4 * w, 0, 4.5 * w, 3.5 * w, paint::scaled(f.skin, 0.3), 0.3, 0.3);
}

// Eyebrows as short hairs laid along the brow ridge, slanting up and out,
// denser and longer at the inner end: the modelled brow sinks into the
// ridge's shadow at this size, and the brows carry most of a face's
// expression; single strokes would read as drawn on.
void brows(cairo_t* cr, const Face& f, const Xf& view) {
  const Rgb col = paint::mix(paint::scaled(f.hair, 0.55), paint::scaled(f.skin, 0.45), 0.3);
  const double w = weight(view);
  Noise n(static_cast<uint32_t>(f.skin.r * 1000 + f.brow * 97));
  for (int side = -1; side <= 1; side += 2) {
    V3 b[3];
    portrait_model::brow_line(f, side, b);
    V3 p[3];
    for (int i = 0; i < 3; ++i) p[i] = view.point(b[i]);
    // A quadratic through the three points.
    const double cx = 2 * p[1].x - (p[0].x + p[2].x) / 2, cy = 2 * p[1].y - (p[0].y + p[2].y) / 2;
    const double out = p[2].x > p[0].x ? 1 : -1;
    // The ridge's soft shade under the hairs, so they sit in the skin and
    // not on it.
    const Rgb under = paint::scaled(f.skin, 0.55);
    soft_oval(cr, p[1].x, p[1].y + 0.8 * w, std::atan2(p[2].y - p[0].y, p[2].x - p[0].x),
              std::hypot(p[2].x - p[0].x, p[2].y - p[0].y) * 0.5, (2.2 + 1.2 * f.brow) * w, under, 0.18, 0);
    // Many fine hairs scattered through the brow's depth, which thins from
    // the inner end to the tail; the inner ones stand up, the rest lie
    // along the ridge toward the temple. Each hair differs a little in
    // tone, so the brow reads as hair and not as a stroke of paint.
    const int hairs = 34 + static_cast<int>(26 * f.brow);
    for (int i = 0; i < hairs; ++i) {
      const double t = n.unit();
      const double x = (1 - t) * (1 - t) * p[0].x + 2 * t * (1 - t) * cx + t * t * p[2].x;
      const double depth = (1.0 + 0.8 * f.brow) * (1 - 0.6 * t) * w;
      const double y = (1 - t) * (1 - t) * p[0].y + 2 * t * (1 - t) * cy + t * t * p[2].y + n.range(-1, 1) * depth;
      const double len = (2.2 - 0.9 * t + 0.6 * f.brow) * w * n.range(0.7, 1.1);
      const double a = -1.1 + 0.95 * t + n.range(-0.25, 0.25);
      const Rgb hair = paint::mix(col, paint::scaled(f.skin, 0.6), n.range(0, 0.35));
      cairo_set_line_width(cr, n.range(0.35, 0.55) * w);
      cairo_set_source_rgba(cr, hair.r, hair.g, hair.b, (0.42 - 0.2 * t) * n.range(0.6, 1.0));
      cairo_move_to(cr, x - out * std::cos(a) * len * 0.5, y - std::sin(a) * len * 0.5);
      cairo_line_to(cr, x + out * std::cos(a) * len * 0.5, y + std::sin(a) * len * 0.5);
      cairo_stroke(cr);
    }
  }
}

// The folds beside the mouth and the dark seam of the lips, in the skin's
// own shadow colour. No line is drawn over the upper lid: at this size any
// fold there reads as a second eye over the first; the socket's soft shade
// carries it instead.
void creases(cairo_t* cr, const Face& f, const Xf& view) {
  const Rgb shade = paint::scaled(f.skin, 0.35);
  V3 m[3];
  portrait_model::mouth_line(f, m);
  // The folds from the nose's wings to beside the mouth's corners: a soft,
  // faint band of shade, alike on both sides, deeper with the years.
  if (f.beard != portrait_model::Beard::full)
    for (int side = -1; side <= 1; side += 2) {
      const V3 wing = portrait_model::nostril(f, side), corner = m[side < 0 ? 0 : 2];
      const V3 fold[3] = {{wing.x + side * 6.5f, wing.y - 3, wing.z - 6},
                          {(wing.x + corner.x) / 2 + side * 6.5f, (wing.y + corner.y) / 2, corner.z - 1},
                          {corner.x + side * 4, corner.y + 2, corner.z - 3}};
      cairo_set_line_width(cr, 3.2 * weight(view));
      cairo_set_source_rgba(cr, shade.r, shade.g, shade.b, 0.06 + 0.14 * f.age + (f.lined ? 0.05 : 0));
      curve(cr, view, fold);
      cairo_stroke(cr);
    }
  // The parting: a soft band of shade with a finer dark core, and darker
  // soft corners where the lips turn in, so the mouth is a meeting of two
  // volumes and not a slit cut across the face.
  const Rgb seam = paint::mix(paint::scaled(f.skin, 0.18), {0.15, 0.03, 0.03}, 0.3);
  for (const auto& [width, alpha] : {std::pair{2.6, 0.3}, std::pair{0.9, 0.7}}) {
    cairo_set_source_rgba(cr, seam.r, seam.g, seam.b, alpha);
    cairo_set_line_width(cr, width * weight(view));
    curve(cr, view, m);
    cairo_stroke(cr);
  }
  for (int i : {0, 2}) {
    const V3 p = view.point(m[i]);
    soft_oval(cr, p.x, p.y, 0, 2.6 * weight(view), 1.8 * weight(view), seam, 0.45, 0);
  }
  // The soft shade under the lower lip, where the chin turns in below it:
  // it sets the lip forward as a volume.
  // A soft oval, not a stroke: a stroke's ends read as a flat bar.
  const V3 under = view.point({m[1].x, m[1].y + 10.5f, m[1].z - 2});
  soft_oval(cr, under.x, under.y, 0, 10 * weight(view), 3.2 * weight(view), shade, 0.32, -0.3);
}

// The lips painted as two shapes over the modelled mouth: the upper lip
// turned down from the key light, in its own deeper shade, its top edge
// rising to the two peaks of a bow either side of a dip under the nose;
// the lower lip fuller and lit, with a moist highlight. A moustache hides
// the upper lip, so only the lower one is painted under it.
// Thin lips thin most in the upper lip, which sets the mouth in a line.
void lips(cairo_t* cr, const Face& f, const Xf& view) {
  V3 m[3];
  portrait_model::mouth_line(f, m);
  const V3 l = view.point(m[0]), c = view.point(m[1]), r = view.point(m[2]);
  const double s = view.s, up = 6.2 * std::pow(f.lips, 1.3f) * s, down = 7.0 * f.lips * s, half = (r.x - l.x) / 2;
  // A deep skin's lips stay near its own tone: a pale rose on a dark face
  // reads as paint.
  const double rose = 0.22 + 0.28 * std::clamp((f.skin.r - 0.3) / 0.6, 0.0, 1.0);
  const Rgb lip = paint::mix(f.skin, {0.66, 0.26, 0.26}, rose);
  // Its lower lip a little darker on a deep skin, whose forms are pulled
  // apart harder afterwards and would lift a lip beside a dark beard pale.
  const double deep = std::clamp((0.9 - f.skin.r) / 0.5, 0.0, 1.0);
  // The upper lip's shade held nearer the skin on a deep skin: at the
  // full depth it reads as a dark red gash once the tones are spread.
  const Rgb upper = paint::scaled(lip, 0.62 + 0.14 * deep), lower = paint::scaled(paint::mix(lip, {1, 0.86, 0.8}, 0.08), 1 - 0.25 * deep);
  // The parting, through the three points of the mouth line.
  auto parting = [&] {
    cairo_curve_to(cr, l.x + (c.x - l.x) * 0.66, c.y, r.x - (r.x - c.x) * 0.66, c.y, r.x, r.y);
  };
  const bool hidden = f.beard == portrait_model::Beard::moustache || f.beard == portrait_model::Beard::goatee ||
                      f.beard == portrait_model::Beard::full;
  if (!hidden) {
    const double peak = c.y - up, dip = c.y - up * 0.6, px = 0.3 * half;
    cairo_move_to(cr, l.x, l.y);
    cairo_curve_to(cr, l.x + half * 0.35, l.y - up * 0.3, c.x - px - half * 0.2, peak, c.x - px, peak);
    cairo_curve_to(cr, c.x - px * 0.5, peak, c.x - px * 0.25, dip, c.x, dip);
    cairo_curve_to(cr, c.x + px * 0.25, dip, c.x + px * 0.5, peak, c.x + px, peak);
    cairo_curve_to(cr, c.x + px + half * 0.2, peak, r.x - half * 0.35, r.y - up * 0.3, r.x, r.y);
    cairo_curve_to(cr, r.x - (r.x - c.x) * 0.66, c.y, l.x + (c.x - l.x) * 0.66, c.y, l.x, l.y);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, upper.r, upper.g, upper.b, 0.85);
    cairo_fill(cr);
  }
  // The lower lip: full in the middle, thinning to the corners.
  cairo_move_to(cr, l.x, l.y);
  parting();
  cairo_curve_to(cr, r.x - half * 0.2, r.y + down * 0.8, c.x + half * 0.45, c.y + down, c.x, c.y + down);
  cairo_curve_to(cr, c.x - half * 0.45, c.y + down, l.x + half * 0.2, l.y + down * 0.8, l.x, l.y);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, lower.r, lower.g, lower.b, 0.8);
  cairo_fill(cr);
  // The lower lip's underside turning away from the light: a soft shade
  // along its lower half gives it a rounded volume.
  soft_oval(cr, c.x, c.y + down * 0.85, 0, half * 0.6, down * 0.35, paint::scaled(lip, 0.45), 0.3, 0);
  // Its highlight, a faint soft spot toward the key light's side: a bright
  // one glazes the lip like wax.
  const double hx = c.x - half * 0.15, hy = c.y + down * 0.45;
  cairo_pattern_t* g = cairo_pattern_create_radial(hx, hy, 0, hx, hy, half * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.93, 0.88, 0.32);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.93, 0.88, 0);
  cairo_set_source(cr, g);
  cairo_save(cr);
  cairo_translate(cr, hx, hy);
  cairo_scale(cr, 1, 0.35);
  cairo_translate(cr, -hx, -hy);
  cairo_arc(cr, hx, hy, half * 0.45, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// The hollow under each cheekbone, deeper on a bony or older face, so the
// bone stands out by its shade as well as by its outline.
void cheek_hollows(cairo_t* cr, const Face& f, const Xf& view) {
  const Rgb dark = paint::scaled(f.skin, 0.3);
  const double w = weight(view), depth = 0.05 + 0.14 * f.cheekbones + 0.06 * f.age;
  for (int side = -1; side <= 1; side += 2) {
    const V3 p = view.point({side * 30 * f.width, 22 - 7 * f.cheek_height, 30});
    soft_oval(cr, p.x, p.y, side * 0.5, 9 * w, 5 * w, dark, depth, 0);
    // The bone's top catching the key light above the hollow.
    // Low and out on the bone, clear of the lower lid: nearer the eye it
    // joins the lid into one pale band.
    const V3 q = view.point({side * 34 * f.width, 11 - 5 * f.cheek_height, 38});
    const double r = 6 * w;
    cairo_pattern_t* g = cairo_pattern_create_radial(q.x, q.y, 0, q.x, q.y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.88, 0.06 + 0.2 * f.cheekbones);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.88, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, q.x, q.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

// A day's stubble: fine dark specks over the jaw, the chin and the upper
// lip, thinning toward the cheeks and clear of the lips themselves.
void stubble(cairo_t* cr, const Face& f, const Xf& view) {
  if (f.beard != portrait_model::Beard::stubble) return;
  const Rgb col = paint::mix(paint::scaled(f.hair, 0.5), paint::scaled(f.skin, 0.3), 0.4);
  V3 lips[3];
  portrait_model::mouth_line(f, lips);
  const V3 mouth = view.point(lips[1]);
  const V3 centre = view.point({0, 34 * f.length, 44});
  const double rx = 34 * f.width * view.s, ry = 30 * f.length * view.s, w = weight(view);
  Noise n(static_cast<uint32_t>(f.skin.g * 1000 + 31));
  for (int i = 0; i < 900; ++i) {
    const double a = n.range(0, 2 * M_PI), r = std::sqrt(n.unit());
    const double x = centre.x + std::cos(a) * r * rx, y = centre.y + std::sin(a) * r * ry;
    if (y < centre.y - ry * 0.35 && std::fabs(x - mouth.x) > rx * 0.45) continue;  // the cheeks stay clear
    const double dx = (x - mouth.x) / (rx * 0.55), dy = (y - mouth.y) / (2.4 * w);
    if (dx * dx + dy * dy < 1) continue;  // the lips
    cairo_set_source_rgba(cr, col.r, col.g, col.b, 0.10 + 0.22 * (1 - r));
    cairo_rectangle(cr, x, y, 0.7 * w, 0.7 * w);
    cairo_fill(cr);
  }
}

// Each eye painted into the modelled socket, where the render alone gives
// a dark slit at this size: an almond of white shaded under the upper lid,
// the iris with a darker ring and a lighter crescent opposite the key, the
// pupil, a catchlight toward the key light, and the lash line along the
// upper lid. Both irises sit where the shared gaze puts them.
void eyes(cairo_t* cr, const Face& f, const Xf& view) {
  const double w = weight(view);
  const Rgb iris = paint::mix(paint::scaled(f.iris, 1.2), {0.42, 0.36, 0.28}, 0.3);
  const Rgb lash = paint::mix(paint::scaled(f.hair, 0.3), {0.05, 0.04, 0.04}, 0.6);
  // The whites take on the skin's colour and sit well below its lit tone,
  // matte: paper-white almonds stare out of a face like a doll's.
  const Rgb white = paint::scaled(paint::mix({0.84, 0.81, 0.77}, f.skin, 0.38), 0.8);
  for (int side = -1; side <= 1; side += 2) {
    const V3 c = portrait_model::eye_middle(f, side);
    const float lid_top = portrait_model::lid_top(f), lid_bottom = portrait_model::lid_bottom(f);
    const float mid = (lid_top + lid_bottom) / 2, half = (lid_bottom - lid_top) / 2;
    // The opening's rim on the eyeball: upper arc inner to outer, then the
    // lower arc back. The upper lid peaks a little toward the nose.
    auto rim_point = [&](float t, float dir) {
      const float x = t * portrait_model::kEyeRadius, bulge = 1 - t * t;
      const float y = mid + dir * half * bulge * (dir < 0 ? 1 + 0.15f * side * -t : 1.0f);
      const float dz2 = portrait_model::kEyeRadius * portrait_model::kEyeRadius - x * x - (y - c.y) * (y - c.y);
      return view.point({c.x + x, y, c.z + std::sqrt(std::max(0.0f, dz2)) + 0.3f});
    };
    // The socket's shade under the brow, over the upper lid: it sets the
    // eye back into the head instead of on its surface.
    {
      // Deep enough to sink the lid's bulge, which lit alone reads as a
      // second, swollen eye over the first.
      // One broad, soft shade: the only crease over the eye. A tighter or
      // darker one draws a second outline round the socket.
      const V3 s = view.point({c.x, lid_top - 4.0f, c.z + 6});
      const Rgb dark = paint::scaled(f.skin, 0.4);
      soft_oval(cr, s.x, s.y, 0, 15.5 * w, 8 * w, dark, 0.3, 0);
    }
    constexpr int kSteps = 10;
    cairo_new_path(cr);
    for (int i = 0; i <= kSteps; ++i) {
      const V3 p = rim_point(-1 + 2.0f * i / kSteps, -1);
      i == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
    }
    for (int i = kSteps - 1; i > 0; --i) {
      const V3 p = rim_point(-1 + 2.0f * i / kSteps, 1);
      cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const V3 top = view.point({c.x, lid_top, c.z + 9}), bottom = view.point({c.x, lid_bottom, c.z + 9});
    cairo_pattern_t* g = cairo_pattern_create_linear(top.x, top.y, bottom.x, bottom.y);
    cairo_pattern_add_color_stop_rgb(g, 0, white.r * 0.45, white.g * 0.43, white.b * 0.42);
    cairo_pattern_add_color_stop_rgb(g, 0.5, white.r * 0.86, white.g * 0.86, white.b * 0.86);
    cairo_pattern_add_color_stop_rgb(g, 1, white.r * 0.7, white.g * 0.69, white.b * 0.69);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The white darkens toward both corners, where the ball turns away
    // into the socket: a round eye, not a flat almond.
    {
      const V3 mid_pt = view.point({c.x, mid, c.z + 9});
      const double rx = 13 * w;
      g = cairo_pattern_create_radial(mid_pt.x, mid_pt.y, rx * 0.25, mid_pt.x, mid_pt.y, rx);
      cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.06, 0.05, 0);
      cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.06, 0.05, 0.6);
      cairo_set_source(cr, g);
      cairo_paint(cr);
      cairo_pattern_destroy(g);
    }
    // The iris rides a little high, its top just under the upper lid's
    // edge, so that no white shows above it.
    V3 p = view.point(portrait_model::pupil(f, side));
    p.y -= 0.9 * view.s;
    const double ir = 5.4 * view.s;
    g = cairo_pattern_create_radial(p.x + 0.3 * ir, p.y + 0.4 * ir, 0, p.x, p.y, ir);
    cairo_pattern_add_color_stop_rgb(g, 0, iris.r * 1.12, iris.g * 1.12, iris.b * 1.12);
    cairo_pattern_add_color_stop_rgb(g, 0.7, iris.r, iris.g, iris.b);
    cairo_pattern_add_color_stop_rgb(g, 1, iris.r * 0.45, iris.g * 0.45, iris.b * 0.45);
    cairo_set_source(cr, g);
    cairo_arc(cr, p.x, p.y, ir, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
    cairo_arc(cr, p.x, p.y, 2.3 * view.s, 0, 2 * M_PI);
    cairo_fill(cr);
    // The upper lid's shadow across the top of the eye, deepest under the
    // lid's edge and fading down over the iris.
    g = cairo_pattern_create_linear(top.x, top.y - 1 * w, top.x, top.y + 4.5 * w);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, top.x - 14 * w, top.y - 2 * w, 28 * w, 7 * w);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // One small catchlight from the key lamp where iris meets pupil; a
    // larger or a second one makes the eye a glass bead.
    cairo_set_source_rgba(cr, 0.97, 0.96, 0.93, 0.8);
    cairo_arc(cr, p.x - 0.38 * ir, p.y - 0.3 * ir, 0.95 * w, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    // The lash line along the upper lid, heavier toward the outer corner.
    cairo_set_source_rgba(cr, lash.r, lash.g, lash.b, 0.72);
    for (int i = 0; i < kSteps; ++i) {
      const float t0 = -1 + 2.0f * i / kSteps, t1 = -1 + 2.0f * (i + 1) / kSteps;
      const V3 a = rim_point(t0, -1), b = rim_point(t1, -1);
      const float outer = 0.5f + 0.5f * side * (t0 + t1) / 2;
      cairo_set_line_width(cr, (0.6 + 0.6 * outer) * w);
      cairo_move_to(cr, a.x, a.y);
      cairo_line_to(cr, b.x, b.y);
      cairo_stroke(cr);
    }
    // No lit edge on either lid: a bright line round the opening rims the
    // eye like a doll's. The lower lid is a band in the skin's own mid
    // tone just under the white, so it catches no more light than the
    // cheek below it.
    {
      // A filled band from the opening's lower rim down to the lid's edge,
      // so no white of the ball shows below the opening.
      const Rgb lid = paint::scaled(f.skin, 0.66);
      cairo_set_source_rgba(cr, lid.r, lid.g, lid.b, 0.72);
      for (int i = 0; i <= kSteps; ++i) {
        const V3 q = rim_point(-1 + 2.0f * i / kSteps, 1);
        i == 0 ? cairo_move_to(cr, q.x, q.y) : cairo_line_to(cr, q.x, q.y);
      }
      for (int i = kSteps - 1; i > 0; --i) {
        V3 q = rim_point(-1 + 2.0f * i / kSteps, 1);
        q.y += 2.4 * w * (1 - 0.4 * std::fabs(-1 + 2.0f * i / kSteps));
        cairo_line_to(cr, q.x, q.y);
      }
      cairo_close_path(cr);
      cairo_fill(cr);
    }
    const Rgb shade = paint::scaled(f.skin, 0.35);
    // No line or crescent under the lower lid: with the lid's band they
    // ring the eye in a second outline. The soft shade below the eye is
    // laid once, after the tone pass (under_eyes).
    // Crow's feet fanning from the outer corner of an older face.
    if (f.age > 0.4f) {
      const V3 corner = rim_point(static_cast<float>(side), 1);
      cairo_set_source_rgba(cr, shade.r, shade.g, shade.b, 0.5 * (f.age - 0.3));
      cairo_set_line_width(cr, 0.6 * w);
      const double out = view.point({static_cast<float>(side), 0, 0}).x > view.point({0, 0, 0}).x ? 1 : -1;
      for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, corner.x + out * 1.5 * w, corner.y + i * 1.2 * w);
        cairo_line_to(cr, corner.x + out * 5.5 * w, corner.y + i * 2.6 * w);
      }
      cairo_stroke(cr);
    }
  }
}

// The nose modelled in paint over the render, which at this size leaves
// it a narrow ridge with one side lit and the other a dark band: the far
// side's shade lifted to a soft gradient by light bounced off the cheek,
// a soft light down the bridge on the key's side, the wings' creases, two
// small soft nostrils alike on both sides and a highlight on the tip.
void nose(cairo_t* cr, const Face& f, const Xf& view) {
  const double w = weight(view);
  V3 b[2];
  portrait_model::nose_bridge(f, b);
  const V3 top = view.point({0, b[0].y + 4, b[0].z - 1}), tip = view.point({0, b[1].y, b[1].z});
  const double len = std::hypot(tip.x - top.x, tip.y - top.y), angle = std::atan2(tip.y - top.y, tip.x - top.x);
  const double mx = (top.x + tip.x) / 2, my = (top.y + tip.y) / 2;
  // Which way across the nose the key light lies in the picture (it comes
  // from the left).
  const double across_x = -std::sin(angle), across_y = std::cos(angle);
  const double key_side = across_x < 0 ? 1 : -1;
  const double nw = f.nose_wide * w;
  // The shaded side lifted: a soft oval of the skin's own lit colour.
  const Rgb fill = paint::mix(f.skin, {0.95, 0.72, 0.6}, 0.25);
  soft_oval(cr, mx - key_side * across_x * 4.5 * nw, my - key_side * across_y * 4.5 * nw, angle, len * 0.55,
            4.5 * nw, fill, 0.32, 0);
  // The bridge's lit side: a long soft light, brightest toward the tip.
  const Rgb light{1, 0.93, 0.86};
  soft_oval(cr, mx + key_side * across_x * 1.6 * nw + (tip.x - top.x) * 0.12,
            my + key_side * across_y * 1.6 * nw + (tip.y - top.y) * 0.12, angle, len * 0.42, 2.2 * nw, light, 0.2,
            0);
  // The bridge's shaded side: a narrow soft shade just off the ridge away
  // from the key, so the bridge turns from a lit plane to a shaded one.
  soft_oval(cr, mx - key_side * across_x * 2.2 * nw, my - key_side * across_y * 2.2 * nw, angle, len * 0.4,
            1.6 * nw, paint::scaled(f.skin, 0.45), 0.22, 0);
  // The creases round the wings, soft and alike on both sides.
  const Rgb dark = paint::scaled(f.skin, 0.3);
  for (int side = -1; side <= 1; side += 2) {
    const V3 wing = view.point(portrait_model::nostril(f, side) + V3{side * 5.5f * f.nose_wide, -3.5f, -3});
    soft_oval(cr, wing.x, wing.y, side * 0.9, 2.6 * nw, 1.3 * w, dark, 0.28, 0);
  }
  // The far wing's edge against the cheek sunk into one soft shade with
  // the cheek, so its outline reads as a rounded form turning away and not
  // as a hard curved seam.
  {
    const V3 p = view.point(portrait_model::nostril(f, 1) + V3{7.0f * f.nose_wide, -2.5f, -2});
    soft_oval(cr, p.x, p.y, 0.4, 4.2 * nw, 5.5 * w, paint::scaled(f.skin, 0.5), 0.3, 0);
  }
  // A soft shadow under the tip, between the nostrils, where the nose
  // overhangs the lip.
  {
    const V3 a = view.point(portrait_model::nostril(f, -1)), b = view.point(portrait_model::nostril(f, 1));
    soft_oval(cr, (a.x + b.x) / 2, (a.y + b.y) / 2 + 2.2 * w, 0, 6.5 * nw, 2.6 * w, paint::scaled(f.skin, 0.3),
              0.35, -0.3);
  }
  // The nostrils: small soft dark ovals, shaded from the tip toward the lip.
  for (int side = -1; side <= 1; side += 2) {
    const V3 p = view.point(portrait_model::nostril(f, side));
    soft_oval(cr, p.x, p.y, side * -0.35, 1.8 * nw, 1.05 * w, paint::scaled(f.skin, 0.15), 0.75, -0.2);
  }
  // The tip catches the key: a soft highlight a little toward the light,
  // with a smaller brighter core.
  const double hx = tip.x + key_side * across_x * 1.2 * w, hy = tip.y + key_side * across_y * 1.2 * w - 0.6 * w;
  soft_oval(cr, hx, hy, 0, 4.2 * w, 3.4 * w, light, 0.22, 0);
  soft_oval(cr, hx, hy, 0, 1.8 * w, 1.4 * w, {1, 0.97, 0.94}, 0.16, 0);
}

// The colour of living skin over the render's even tone: the cheeks, the
// nose and the ears warmer where the blood is near, the jaw and the upper
// lip a little cooler, and a soft sheen on the forehead where the key
// light glances off it.
void complexion(cairo_t* cr, const Face& f, const Xf& view) {
  const double w = weight(view);
  const Rgb flush{0.78, 0.28, 0.24}, cool{0.36, 0.42, 0.52};
  for (int side = -1; side <= 1; side += 2) {
    const V3 p = view.point({side * 27 * f.width, 12 - 5 * f.cheek_height, 40});
    // Fainter on a deep skin, where the red reads as a smear.
    const double deep = std::clamp((0.9 - f.skin.r) / 0.5, 0.0, 1.0);
    soft_oval(cr, p.x, p.y, 0, 13 * w, 10 * w, flush, (f.female ? 0.2 : 0.14) * (1 - 0.6 * deep), 0);
  }
  const V3 n = view.point({0, 16 * f.nose_len - 2, 58 + 11 * f.nose_len});
  soft_oval(cr, n.x, n.y, 0, 6 * w, 5 * w, flush, 0.14, 0);
  const double jaw = f.female ? 0.05 : 0.1;
  const V3 chin = view.point({0, 54 * (1 + (f.length - 1) * 0.6f), 30});
  soft_oval(cr, chin.x, chin.y, 0, 30 * f.width * w, 13 * w, cool, jaw, 0);
  const V3 lip = view.point({0, 30 * f.length, 52});
  soft_oval(cr, lip.x, lip.y, 0, 16 * w, 5 * w, cool, jaw * 0.7, 0);
  // Forehead lines on a lined face: two faint soft shades, no lit lips.
  if (f.lined)
    for (int i = 0; i < 2; ++i) {
      const V3 p = view.point({0, -44 - i * 9.0f, 52});
      soft_oval(cr, p.x, p.y, 0, 17 * f.width * w, 1.3 * w, paint::scaled(f.skin, 0.45), 0.16, 0);
    }
  // The forehead's sheen, on its lit half.
  const V3 brow = view.point({-14 * f.width, -44, 50});
  soft_oval(cr, brow.x, brow.y, -0.2, 16 * w, 8 * w, {1, 0.95, 0.9}, 0.13, 0);
}

}  // namespace

void under_eyes(Canvas& c, const Face& f, const Xf& view) {
  cairo_t* cr = c.cr();
  const double w = weight(view);
  const Rgb shade = paint::scaled(f.skin, 0.3);
  for (int side = -1; side <= 1; side += 2) {
    const V3 e = portrait_model::eye_middle(f, side);
    const float bottom = portrait_model::lid_bottom(f);
    // The lid and the socket's floor under it, deepest just under the
    // lashes and fading onto the cheek.
    // One soft shade: two stacked ones drew a second lower lid.
    const V3 lid = view.point({e.x, bottom + 3.5f, e.z + 8});
    soft_oval(cr, lid.x, lid.y, 0, 13 * w, 5 * w, shade, 0.72 + 0.1 * f.age, 0.3);
  }
}

void features(Canvas& c, const Face& f, const Xf& view) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  chin_shadow(cr, f, view);
  complexion(cr, f, view);
  cheek_hollows(cr, f, view);
  stubble(cr, f, view);
  lips(cr, f, view);
  creases(cr, f, view);
  brows(cr, f, view);
  eyes(cr, f, view);
  nose(cr, f, view);
  cairo_restore(cr);
}

}  // namespace contentgen::ui::portrait_paint
