#include "logotype.h"

#include <cmath>
#include <vector>

#include "console_metal.h"
#include "paint_kit/canvas.h"

namespace contentgen::ui {
namespace {

// Letters are drawn as thick strokes along centre lines in a 56 x 90 box,
// then stencil bridges are cut through them.
constexpr double kStem = 22;
constexpr double kBridge = 4.5;
// Width of the lit and shaded edge round each letter, in letter units.
constexpr double kEdge = 2.2;
// Width and height of the lettering in letter units, and where it sits on
// the plate.
constexpr double kLettersW = 460, kLettersH = 90 + kStem;
constexpr double kLettersX = 124, kLettersY = 14, kLetterScale = 0.8;

// Where the claw emblem sits on the plate.
constexpr double kEmblemX = 64, kEmblemY = 60, kEmblemR = 41;

// The plate's outline: a rectangle with chamfered corners.
void plate_path(cairo_t* cr, double inset) {
  const double w = kLogotypeWidth, h = kLogotypeHeight, c = 13;
  const double i = inset;
  cairo_new_path(cr);
  cairo_move_to(cr, c + i * 0.4, i);
  cairo_line_to(cr, w - c - i * 0.4, i);
  cairo_line_to(cr, w - i, c + i * 0.4);
  cairo_line_to(cr, w - i, h - c - i * 0.4);
  cairo_line_to(cr, w - c - i * 0.4, h - i);
  cairo_line_to(cr, c + i * 0.4, h - i);
  cairo_line_to(cr, i, h - c - i * 0.4);
  cairo_line_to(cr, i, c + i * 0.4);
  cairo_close_path(cr);
}

// A source that is bright toward the top left and dark toward the bottom
// right: edges stroked with it read as a bevel under one light.
void one_light(cairo_t* cr, double x0, double y0, double x1, double y1, double bright, double dark,
               double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, bright, bright, bright * 0.98, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.45, bright * 0.6, bright * 0.62, bright * 0.6, alpha * 0.6);
  cairo_pattern_add_color_stop_rgba(g, 0.55, dark, dark, dark, alpha * 0.6);
  cairo_pattern_add_color_stop_rgba(g, 1, dark, dark, dark, alpha);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

struct Pt {
  double x, y;
};
using Polyline = std::vector<Pt>;

void line(cairo_t* cr, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
}

// One letter at pen position ox. Strokes are drawn in the current source;
// cuts clear what is under them. `grow` widens the strokes and narrows the
// cuts by the same amount, so a smaller value gives the letter's inner face.
// With `strokes` given nothing is drawn: the strokes' centre lines are
// collected instead.
void stencil_letter(cairo_t* cr, char ch, double ox, double grow, std::vector<Polyline>* strokes) {
  auto m = [&](double x, double y) { cairo_move_to(cr, ox + x, y); };
  auto l = [&](double x, double y) { cairo_line_to(cr, ox + x, y); };
  auto stroke = [&] {
    if (strokes) {
      cairo_path_t* p = cairo_copy_path_flat(cr);
      for (int i = 0; i < p->num_data; i += p->data[i].header.length) {
        const cairo_path_data_t& d = p->data[i];
        if (d.header.type == CAIRO_PATH_MOVE_TO) strokes->emplace_back();
        if (d.header.type == CAIRO_PATH_MOVE_TO || d.header.type == CAIRO_PATH_LINE_TO)
          strokes->back().push_back({p->data[i + 1].point.x, p->data[i + 1].point.y});
        if (d.header.type == CAIRO_PATH_CLOSE_PATH && !strokes->back().empty())
          strokes->back().push_back(strokes->back().front());
      }
      cairo_path_destroy(p);
      cairo_new_path(cr);
      return;
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_line_width(cr, kStem + grow);
    cairo_stroke(cr);
  };
  auto cut = [&] {
    if (strokes || kBridge - grow <= 0) {  // a glow round the letters spans the cuts
      cairo_new_path(cr);
      return;
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_line_width(cr, kBridge - grow);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  };
  const double reach = kStem / 2 + 4;  // a cut runs clean across a stroke
  switch (ch) {
    case 'R':
      // Bowl and stem, parted where the bowl's bars meet the stem; the leg
      // springs from the middle bar and lands flat on the baseline.
      m(0, 90); l(0, 0); l(42, 0); l(56, 13); l(56, 33); l(42, 46); l(0, 46);
      stroke();
      m(15, -reach); l(15, reach);
      m(15, 46 - reach); l(15, 46 + reach);
      cut();
      m(31, 46); l(61, 103);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
      stroke();
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
      break;
    case 'X': {
      // The rising stroke is broken either side of the falling one.
      m(58, 0); l(0, 90);
      stroke();
      const double len = std::hypot(58.0, 90.0);
      const double nx = 90 / len, ny = -58 / len, off = kStem / 2 + kBridge / 2;
      for (double s : {-1.0, 1.0}) {
        m(-10 + s * nx * off, -15.5 + s * ny * off);
        l(68 + s * nx * off, 105.5 + s * ny * off);
      }
      cut();
      m(0, 0); l(58, 90);
      stroke();
      break;
    }
    case '-':
      m(2, 48); l(38, 48);
      stroke();
      break;
    case '9':
      m(56, 46); l(12, 46); l(0, 35); l(0, 11); l(12, 0); l(44, 0); l(56, 11); l(56, 78); l(44, 90);
      l(2, 90);
      stroke();
      m(27, -reach); l(27, reach);
      m(41, 46 - reach); l(41, 46 + reach);
      cut();
      break;
    case '0':
      m(12, 0); l(44, 0); l(56, 11); l(56, 79); l(44, 90); l(12, 90); l(0, 79); l(0, 11);
      cairo_close_path(cr);
      stroke();
      m(28, -reach); l(28, reach);
      m(28, 90 - reach); l(28, 90 + reach);
      cut();
      break;
    case '7':
      m(0, 0); l(56, 0); l(56, 14); l(22, 90);
      stroke();
      m(35, -reach); l(35, reach);
      cut();
      break;
  }
}

// The whole word in letter units, the cap line at y 0.
void stencil_word(cairo_t* cr, double grow, std::vector<Polyline>* strokes = nullptr) {
  const char* text = "RX-907";
  const double advance[] = {90, 76, 62, 80, 80, 0};
  cairo_save(cr);
  cairo_rectangle(cr, -20, -kStem / 2, kLettersW + 40, kLettersH);
  cairo_clip(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  double x = kStem / 2;
  for (int i = 0; text[i]; ++i) {
    stencil_letter(cr, text[i], x, grow, strokes);
    x += advance[i];
  }
  cairo_restore(cr);
}

// The word as an alpha mask in the current user space.
cairo_pattern_t* word_mask(cairo_t* cr, double grow) {
  cairo_push_group_with_content(cr, CAIRO_CONTENT_ALPHA);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  stencil_word(cr, grow);
  return cairo_pop_group(cr);
}

void mask_at(cairo_t* cr, cairo_pattern_t* mask, double dx, double dy) {
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  cairo_mask(cr, mask);
  cairo_restore(cr);
}

// Horizontal brushing: fine light and dark streaks across the rectangle.
void brushed(cairo_t* cr, uint32_t seed, double x, double y, double w, double h, int count,
             double strength) {
  Noise n(seed);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int i = 0; i < count; ++i) {
    const double sy = y + n.range(0, h), sx = x + n.range(-0.3, 1) * w, len = n.range(0.15, 0.7) * w;
    const bool light = n.unit() < 0.5;
    const double v = light ? 1 : 0;
    cairo_set_source_rgba(cr, v, v, v, strength * n.range(0.3, 1));
    cairo_set_line_width(cr, n.range(0.4, 1.0));
    line(cr, sx, sy, sx + len, sy);
    cairo_stroke(cr);
  }
}

// An irregular chip outline round (x, y).
void chip_path(cairo_t* cr, Noise& n, double x, double y, double r) {
  const int k = 7;
  const double turn = n.range(0, 2 * M_PI);
  cairo_new_sub_path(cr);
  for (int j = 0; j < k; ++j) {
    const double a = turn + j * 2 * M_PI / k, rr = r * n.range(0.45, 1.0);
    cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr * 0.55);
  }
  cairo_close_path(cr);
}

// The letters' painted face: bone paint over brushed steel, chipped to the
// metal, scratched, and dirtied toward the baseline. Letter units.
void painted_face(cairo_t* cr) {
  // Bare steel under the paint.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -12, 0, 102);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.88, 0.91, 0.91);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.52, 0.55, 0.56);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_paint(cr);
  brushed(cr, 0x5eedu, -10, -12, kLettersW + 20, 114, 70, 0.3);
  // Dark rims of the chips, just inside each hole in the paint.
  Noise chips(0x907u);
  struct Chip { double x, y, r; };
  std::vector<Chip> list;
  for (int i = 0; i < 70; ++i) {
    // Chips gather toward the cap line and baseline, where hands and boots
    // knock the plate.
    const double band = chips.unit();
    const double y = band < 0.4 ? chips.range(-12, 14) : band < 0.75 ? chips.range(76, 102) : chips.range(14, 76);
    list.push_back({chips.range(-5, kLettersW + 5), y, chips.range(2.0, 6.5)});
  }
  // Paint worn off the letters' edges: bites centred on the stroke's side.
  std::vector<Polyline> strokes;
  stencil_word(cr, 0, &strokes);
  for (const Polyline& pl : strokes)
    for (size_t k = 1; k < pl.size(); ++k) {
      const double dx = pl[k].x - pl[k - 1].x, dy = pl[k].y - pl[k - 1].y, len = std::hypot(dx, dy);
      if (len < 1) continue;
      const double nx = -dy / len, ny = dx / len;
      for (double t = chips.range(0, 4); t < len; t += chips.range(3, 8)) {
        if (chips.unit() < 0.35) continue;
        const double side = (chips.unit() < 0.5 ? -1 : 1) * (kStem / 2 - kEdge - 0.3);
        list.push_back({pl[k - 1].x + dx * t / len + nx * side, pl[k - 1].y + dy * t / len + ny * side,
                        chips.range(1.8, 4.6)});
      }
    }
  Noise shape(0x51u);
  for (const Chip& c : list) chip_path(cr, shape, c.x, c.y, c.r);
  cairo_set_source_rgba(cr, 0.08, 0.08, 0.07, 0.85);
  cairo_fill(cr);
  // Inside the rim, bare blue-grey steel, darker than the pale paint.
  Noise shape_lit(0x51u);
  for (const Chip& c : list) chip_path(cr, shape_lit, c.x, c.y, std::max(0.0, c.r - 1.1));
  cairo_set_source_rgba(cr, 0.46, 0.50, 0.52, 0.9);
  cairo_fill(cr);
  // The paint: lit from above, a faint green cast like the console's.
  cairo_push_group(cr);
  g = cairo_pattern_create_linear(0, -12, 0, 102);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.90, 0.92, 0.84);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.74, 0.77, 0.68);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.52, 0.55, 0.47);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_paint(cr);
  // Mottled paint: broad soft blotches a shade darker.
  Noise blot(0xb10bu);
  for (int i = 0; i < 24; ++i) {
    const double bx = blot.range(0, kLettersW), by = blot.range(-10, 100), br = blot.range(8, 20);
    cairo_pattern_t* spot = cairo_pattern_create_radial(bx, by, 0, bx, by, br);
    cairo_pattern_add_color_stop_rgba(spot, 0, 0.25, 0.27, 0.2, blot.range(0.08, 0.16));
    cairo_pattern_add_color_stop_rgba(spot, 1, 0.25, 0.27, 0.2, 0);
    cairo_set_source(cr, spot);
    cairo_pattern_destroy(spot);
    cairo_arc(cr, bx, by, br, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  Noise shape2(0x51u);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  for (const Chip& c : list) chip_path(cr, shape2, c.x, c.y, c.r);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  // Scratches through the paint to bright metal, and dark scuffs.
  Noise n(0x5c7au);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 60; ++i) {
    const double x = n.range(0, kLettersW), y = n.range(-10, 100), a = n.range(-0.7, 0.5), len = n.range(5, 24);
    const bool bright = n.unit() < 0.6;
    if (bright) cairo_set_source_rgba(cr, 0.95, 0.97, 0.96, 0.7);
    else cairo_set_source_rgba(cr, 0.12, 0.12, 0.1, 0.55);
    cairo_set_line_width(cr, n.range(0.7, 1.4));
    line(cr, x, y, x + std::cos(a) * len, y + std::sin(a) * len);
    cairo_stroke(cr);
  }
  // Grime settled toward the baseline.
  g = cairo_pattern_create_linear(0, 40, 0, 102);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.18, 0.16, 0.09, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.18, 0.16, 0.09, 0.5);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_paint(cr);
}

// Raised stencil letters: a cast shadow, a faint green glow, then the
// letters with a lit top-left edge, a dark bottom-right edge and the
// painted face between.
void lettering(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, kLettersX, kLettersY + kStem / 2 * kLetterScale);
  cairo_scale(cr, kLetterScale, kLetterScale);
  // Every layer below is a group the size of the clip: keep it to the
  // letters, their glow and their shadow.
  cairo_rectangle(cr, -12, -kStem / 2 - 6, kLettersW + 24, kLettersH + 16);
  cairo_clip(cr);
  cairo_pattern_t* outer = word_mask(cr, 0);
  cairo_pattern_t* inner = word_mask(cr, -2 * kEdge);
  cairo_pattern_t* halo = word_mask(cr, 9);
  set_rgb(cr, kPhosphor, 0.10);
  cairo_mask(cr, halo);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  mask_at(cr, outer, 5, 6.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  mask_at(cr, outer, 2.5, 3.5);
  cairo_push_group(cr);
  cairo_set_source_rgb(cr, 0.13, 0.14, 0.13);
  cairo_mask(cr, outer);
  cairo_set_source_rgb(cr, 0.97, 0.98, 0.95);
  mask_at(cr, inner, -kEdge, -kEdge);
  cairo_push_group(cr);
  painted_face(cr);
  cairo_pop_group_to_source(cr);
  cairo_mask(cr, inner);
  cairo_pop_group_to_source(cr);
  cairo_mask(cr, outer);
  cairo_pattern_destroy(halo);
  cairo_pattern_destroy(inner);
  cairo_pattern_destroy(outer);
  cairo_restore(cr);
}

// Where the circle of radius ra round a meets the one of radius rb round b.
struct Meet { double x1, y1, x2, y2; };
Meet circles_meet(double ax, double ay, double ra, double bx, double by, double rb) {
  const double dx = bx - ax, dy = by - ay, d = std::hypot(dx, dy);
  const double a = (ra * ra - rb * rb + d * d) / (2 * d), h = std::sqrt(std::max(0.0, ra * ra - a * a));
  const double px = ax + a * dx / d, py = ay + a * dy / d;
  return {px - h * dy / d, py + h * dx / d, px + h * dy / d, py - h * dx / d};
}

// One claw: the circle round (ax, ay) less the one round (bx, by), a
// crescent whose horns point outward.
void claw_path(cairo_t* cr, double ax, double ay, double ra, double bx, double by, double rb) {
  const Meet m = circles_meet(ax, ay, ra, bx, by, rb);
  const double a1 = std::atan2(m.y1 - ay, m.x1 - ax), a2 = std::atan2(m.y2 - ay, m.x2 - ax);
  const double b1 = std::atan2(m.y1 - by, m.x1 - bx), b2 = std::atan2(m.y2 - by, m.x2 - bx);
  cairo_new_sub_path(cr);
  // The long way round the first circle, away from the second, then back
  // along the second circle's arc inside the first.
  cairo_arc(cr, ax, ay, ra, a1, a2);
  cairo_arc_negative(cr, bx, by, rb, b2, b1);
  cairo_close_path(cr);
}

// The colony's claw mark, lit green in a sunken roundel.
void emblem(cairo_t* cr) {
  const double cx = kEmblemX, cy = kEmblemY, r = kEmblemR;
  // The roundel: a dark well with a sunken rim (shaded top left, lit bottom right).
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* well = cairo_pattern_create_radial(cx, cy - 6, 2, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(well, 0, 0.06, 0.16, 0.09);
  cairo_pattern_add_color_stop_rgb(well, 1, 0.02, 0.035, 0.03);
  cairo_set_source(cr, well);
  cairo_pattern_destroy(well);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * M_PI);
  cairo_set_line_width(cr, 3);
  one_light(cr, cx + r, cy + r, cx - r, cy - r, 0.75, 0.02, 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r + 1.5, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1.5);
  one_light(cr, cx - r, cy - r, cx + r, cy + r, 0.8, 0.03, 0.7);
  cairo_stroke(cr);
  // Three claws round a ring, the first pointing up.
  const double s = r * 0.8;
  cairo_new_path(cr);
  for (int k = 0; k < 3; ++k) {
    const double a = -M_PI / 2 + k * 2 * M_PI / 3;
    const double ux = std::cos(a), uy = std::sin(a);
    // A slight twist sideways makes each crescent a hooked claw.
    const double vx = -uy, vy = ux;
    claw_path(cr, cx + ux * s * 0.40, cy + uy * s * 0.40, s * 0.44,
              cx + ux * s * 0.62 + vx * s * 0.07, cy + uy * s * 0.62 + vy * s * 0.07, s * 0.36);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, s * 0.30, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, s * 0.21, 2 * M_PI, 0);
  cairo_path_t* mark = cairo_copy_path(cr);
  for (double w : {7.0, 3.5}) {
    set_rgb(cr, kPhosphor, w > 5 ? 0.10 : 0.22);
    cairo_set_line_width(cr, w);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
  cairo_append_path(cr, mark);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_pattern_t* lit = cairo_pattern_create_linear(cx, cy - s, cx, cy + s);
  cairo_pattern_add_color_stop_rgb(lit, 0, 0.62, 1.0, 0.70);
  cairo_pattern_add_color_stop_rgb(lit, 1, 0.16, 0.78, 0.34);
  cairo_set_source(cr, lit);
  cairo_pattern_destroy(lit);
  cairo_fill(cr);
  cairo_path_destroy(mark);
  // Three rivets hold the roundel, between the claws.
  for (int k = 0; k < 3; ++k) {
    const double a = M_PI / 2 + k * 2 * M_PI / 3;
    rivet(cr, cx + std::cos(a) * (r - 7), cy + std::sin(a) * (r - 7), 2.2);
  }
}

// The brushed steel plate with its bevel, the seam between its two
// panels and a screw in each corner.
void plate(cairo_t* cr) {
  const double w = kLogotypeWidth, h = kLogotypeHeight;
  plate_path(cr, 0);
  cairo_save(cr);
  cairo_translate(cr, 2, 3);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_fill(cr);
  cairo_restore(cr);
  plate_path(cr, 0);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.33, 0.35, 0.36);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.22, 0.24, 0.25);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.14, 0.15, 0.16);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_paint(cr);
  brushed(cr, 0xb5u, 0, 0, w, h, 150, 0.14);
  // The seam between the emblem's plate and the lettering's: an engraved
  // line, dark with a lit lower lip.
  const double seam = kEmblemX + kEmblemR + 10;
  cairo_set_line_width(cr, 1.4);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  line(cr, seam, 6, seam, h - 6);
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, 0.8, 0.82, 0.82, 0.35);
  line(cr, seam + 1.4, 6, seam + 1.4, h - 6);
  cairo_stroke(cr);
  // Scratches on the plate.
  Noise n(0x7a7eu);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 36; ++i) {
    const double x = n.range(8, w - 8), y = n.range(4, h - 4), a = n.range(-0.5, 0.5), len = n.range(4, 18);
    const bool light = n.unit() < 0.55;
    cairo_set_source_rgba(cr, light ? 0.85 : 0, light ? 0.88 : 0, light ? 0.88 : 0, n.range(0.2, 0.45));
    cairo_set_line_width(cr, n.range(0.5, 0.9));
    line(cr, x, y, x + std::cos(a) * len, y + std::sin(a) * len);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // The plate's edge: a wide bevel under one light, then a dark outline.
  plate_path(cr, 2.2);
  cairo_set_line_width(cr, 3.5);
  one_light(cr, 0, 0, w * 0.35, h * 1.6, 0.85, 0.04, 0.9);
  cairo_stroke(cr);
  plate_path(cr, 0.5);
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0.01, 0.015, 0.015, 0.9);
  cairo_stroke(cr);
  int k = 0;
  for (double rx : {12.0, w - 12.0})
    for (double ry : {12.0, h - 12.0}) screw(cr, rx, ry, 3.4, 0.4 + 1.1 * k++);
}

// Long gouges across letters and plate alike: a dark groove with a lit lower lip.
void gouges(cairo_t* cr) {
  const double g[][4] = {{160, 34, 232, 47}, {318, 88, 404, 74}};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const auto& s : g) {
    cairo_set_source_rgba(cr, 0.03, 0.03, 0.03, 0.45);
    cairo_set_line_width(cr, 1.3);
    line(cr, s[0], s[1], s[2], s[3]);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0.95, 0.96, 0.95, 0.4);
    cairo_set_line_width(cr, 0.7);
    line(cr, s[0] + 0.3, s[1] + 1.1, s[2] + 0.3, s[3] + 1.1);
    cairo_stroke(cr);
  }
}

}  // namespace

void draw_logotype(cairo_t* cr, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, kLogotypeWidth + 3, kLogotypeHeight + 4);  // the plate and its shadow
  cairo_clip(cr);
  plate(cr);
  emblem(cr);
  lettering(cr);
  gouges(cr);
  cairo_restore(cr);
}

}  // namespace contentgen::ui
