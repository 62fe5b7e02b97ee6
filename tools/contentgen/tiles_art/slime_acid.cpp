// Slime on the walls and acid on the floor and in the air.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "paint.h"
#include "paint_kit/acid.h"
#include "paint_kit/geometry.h"
#include "model_kit/model.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::lerp;
using paint::polar;
using paint::Pt;

namespace {

constexpr int kSlimeWidth = 84;  // the slot plus 16 px of overhang on each side
constexpr int kOverhang = 16;

// Ooze colours: green-black body, olive mid-tones, pale wet highlights.
struct Ooze {
  double dark[3], mid[3], hi[3];
};
constexpr Ooze kOoze{{0.04, 0.07, 0.04}, {0.22, 0.36, 0.14}, {0.82, 0.96, 0.72}};

// A tongue of ooze hanging from y0: wide at the top, thinning, ending in a drop.
void drip_path(cairo_t* cr, double x, double y0, double len, double width) {
  const double drop = width * 0.55, neck = width * 0.3, end = y0 + len;
  cairo_move_to(cr, x - width / 2, y0);
  cairo_curve_to(cr, x - width / 2, y0 + len * 0.35, x - neck, end - drop * 3, x - neck, end - drop * 1.4);
  cairo_curve_to(cr, x - drop * 1.1, end - drop * 0.6, x - drop, end + drop * 0.9, x, end + drop * 0.9);
  cairo_curve_to(cr, x + drop, end + drop * 0.9, x + drop * 1.1, end - drop * 0.6, x + neck, end - drop * 1.4);
  cairo_curve_to(cr, x + neck, end - drop * 3, x + width / 2, y0 + len * 0.35, x + width / 2, y0);
  cairo_close_path(cr);
}

void fill_ooze(cairo_t* cr, double x0, double x1, double alpha, double shade) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, kOoze.mid[0] * shade, kOoze.mid[1] * shade, kOoze.mid[2] * shade, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.6, kOoze.mid[0] * shade * 0.6, kOoze.mid[1] * shade * 0.6,
                                    kOoze.mid[2] * shade * 0.6, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], alpha);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void wet_highlight(cairo_t* cr, double x, double y0, double y1, double width, double alpha) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  rgb(cr, kOoze.hi[0], kOoze.hi[1], kOoze.hi[2], alpha);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x, y0);
  cairo_curve_to(cr, x + 1.5, y0 + (y1 - y0) * 0.3, x - 1.5, y0 + (y1 - y0) * 0.7, x, y1);
  cairo_stroke(cr);
}

void bubble(cairo_t* cr, double x, double y, double r) {
  rgb(cr, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], 0.9);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  rgb(cr, kOoze.mid[0] * 1.6, kOoze.mid[1] * 1.6, kOoze.mid[2] * 1.6);
  cairo_set_line_width(cr, 0.9);
  cairo_arc(cr, x, y, r, M_PI * 0.1, M_PI * 0.9);
  cairo_stroke(cr);
  rgb(cr, 1, 1, 1, 0.9);
  cairo_arc(cr, x - r * 0.35, y - r * 0.35, std::max(0.7, r * 0.28), 0, 2 * M_PI);
  cairo_fill(cr);
}

// Sagging strands of web from one point to another, with beads of ooze.
void web_strand(cairo_t* cr, Noise& n, Pt a, Pt b, double sag, double width) {
  const Pt mid = lerp(a, b, 0.5) + Pt{0, sag};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  auto path = [&] {
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, lerp(a, mid, 0.7).x, lerp(a, mid, 0.7).y, lerp(b, mid, 0.7).x, lerp(b, mid, 0.7).y, b.x, b.y);
  };
  path();
  rgb(cr, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], 0.9);
  cairo_set_line_width(cr, width + 1.2);
  cairo_stroke(cr);
  path();
  rgb(cr, kOoze.mid[0] * 1.5, kOoze.mid[1] * 1.5, kOoze.mid[2] * 1.5, 0.95);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  path();
  rgb(cr, kOoze.hi[0], kOoze.hi[1], kOoze.hi[2], 0.6);
  cairo_set_line_width(cr, std::max(0.5, width * 0.3));
  cairo_stroke(cr);
  for (int i = 0; i < 2; ++i) {
    const double t = n.range(0.25, 0.75);
    // A point on the curve, near enough for a bead.
    const Pt p = lerp(lerp(a, mid, t), lerp(mid, b, t), t);
    bubble(cr, p.x, p.y + width * 0.4, width * 0.9);
  }
}

// Stage one: the bare wall plate of the slot with thin streaks of ooze
// running from a ragged lip, some spilling onto the neighbours.
void slime_streaks(Canvas& c, Noise& n) {
  cairo_t* cr = c.cr();
  const double left = kOverhang, right = kOverhang + kSlot;
  cairo_save(cr);
  cairo_rectangle(cr, left, 0, kSlot, kWallHeight);
  cairo_clip(cr);
  cairo_translate(cr, left, 0);
  wall_plates(cr, n, kSlot);
  wall_trim(cr, n, kSlot, true);
  cairo_restore(cr);
  grime(c, n, 0.35, kOverhang, kTrimBottom, kSlot, kBaseTop - kTrimBottom);
  brighten_metal(c);
  // Ragged lip along the ceiling.
  cairo_move_to(cr, left - 6, 0);
  for (double x = left - 6; x <= right + 6; x += 4) cairo_line_to(cr, x, n.range(3, 12));
  cairo_line_to(cr, right + 6, 0);
  cairo_close_path(cr);
  fill_ooze(cr, left - 6, right + 6, 1.0, 1.3);
  cairo_new_path(cr);
  // Thin runs of different lengths, a few off the slot's edges.
  for (int i = 0; i < 7; ++i) {
    const double x = i < 5 ? n.range(left + 3, right - 3) : (i == 5 ? left - n.range(2, 9) : right + n.range(2, 9));
    const double w = n.range(2.5, 5), len = n.range(40, 170);
    drip_path(cr, x, 4, len, w);
    fill_ooze(cr, x - w / 2, x + w / 2, 1.0, n.range(1.1, 1.6));
    cairo_new_path(cr);
    wet_highlight(cr, x - w * 0.15, 8, len * 0.85, 0.8, 0.55);
  }
}

// Stages two and three: an organic mass modelled in relief and rendered
// like the creatures, in the language of the hive-resin tiles. A backing
// sheet hides the whole slot (the wall panel is not drawn under slime);
// over it lumps of different sizes flow together, ropes run down, and
// webbing stretches out across the slot's seams onto the neighbours, at
// different heights on each side so that a row of slimed slots does not
// read as columns. The third stage thickens into a heavy mass with ribs and
// pods set at uneven heights, half buried.
void slime_body(Canvas& c, Noise& n, int level) {
  using model::V3;
  const model::Material body{0.08f, 0.18f, 0.06f, 1.4f, 55, 0.9f, 0};
  const model::Material resin{0.14f, 0.22f, 0.09f, 1.2f, 45, 0.8f, 0};
  const model::Material web{0.30f, 0.40f, 0.24f, 1.3f, 60, 0.9f, 0.15f};
  const model::Material pod{0.36f, 0.30f, 0.20f, 0.9f, 40, 0.7f, 0};
  const float left = kOverhang, right = kOverhang + kSlot, mid = (left + right) / 2;
  model::Model m;
  m.set_skin(0.45f, 4.0f);
  // Backing sheet over the slot, in two overlapping flat lenses.
  for (float cy : {52.0f, 156.0f}) m.ellipsoid({mid, cy, -10}, {41, 78, 6}, {}, body, 0);
  // Lumps flowing together, more and bigger as it grows; some spill past
  // the slot's edges.
  const int lumps = 16 + level * 6;
  for (int i = 0; i < lumps; ++i) {
    const float x = static_cast<float>(n.range(left - 14, right + 14));
    const float y = static_cast<float>(n.range(6, kWallHeight - 4));
    const float edge = std::min(1.0f, std::fabs(x - mid) < kSlot / 2.0f ? 1.0f : 0.45f);
    const float r = static_cast<float>(n.range(5, 8 + level * 3)) * edge;
    m.ellipsoid({x, y, -4 + r * 0.3f}, {r * 1.1f, r * static_cast<float>(n.range(1.0, 1.8)), r * 0.7f},
                model::rot_z(static_cast<float>(n.range(-0.5, 0.5))), body, 7);
  }
  // Ropes of ooze flowing down over the lumps, swelling where they pool.
  for (int i = 0; i < 3 + level * 2; ++i) {
    float x = static_cast<float>(n.range(left - 2, right + 2)), y = static_cast<float>(n.range(-4, 60));
    const float len = static_cast<float>(n.range(70, 200)), w = static_cast<float>(n.range(2.5, 4.0 + level));
    V3 a{x, y, 2}, b{x + static_cast<float>(n.range(-6, 6)), y + len * 0.5f, 3};
    V3 e{b.x + static_cast<float>(n.range(-5, 5)), y + len, 2};
    m.capsule(a, b, w * 0.8f, w * 1.1f, resin, 4, 9, 0.25f);
    m.capsule(b, e, w * 1.1f, w * 0.7f, resin, 4, 9, 0.25f);
    m.sphere(e, w * 1.4f, resin, 3);
  }
  // Webbing across the seams: strands sag from the mass out to the
  // picture's edges, where the neighbouring slot's own webbing meets them.
  for (int side = -1; side <= 1; side += 2) {
    const int strands = 3 + level;
    for (int i = 0; i < strands; ++i) {
      const float y = static_cast<float>(n.range(20, kWallHeight - 30)) + side * 9;
      const V3 from{side < 0 ? left + 4 : right - 4, y, 1};
      const V3 to{side < 0 ? 0.5f : kSlimeWidth - 0.5f, y + static_cast<float>(n.range(-22, 22)), -2};
      const V3 sag = model::lerp3(from, to, 0.5f) + V3{0, static_cast<float>(n.range(3, 9)), 0};
      m.capsule(from, sag, 2.6f, 1.5f, web, 2);
      m.capsule(sag, to, 1.5f, 2.0f, web, 1.5f);
      // A web film between two strands, where they start together.
      m.ellipsoid({from.x - side * 4.0f, y + 4, 0}, {6, 9, 2}, {}, web, 3);
    }
  }
  if (level == 3) {
    // Ribs of resin arching across, and pods half buried at uneven heights.
    for (int i = 0; i < 3; ++i) {
      const float y0 = static_cast<float>(n.range(25 + i * 60, 50 + i * 60));
      const float y1 = y0 + static_cast<float>(n.range(-25, 25));
      m.capsule({left - 14, y0, 0}, {mid, (y0 + y1) / 2 - 10, 6}, 4.0f, 5.5f, resin, 5, 5, 0.5f);
      m.capsule({mid, (y0 + y1) / 2 - 10, 6}, {right + 14, y1, 0}, 5.5f, 4.0f, resin, 5, 5, 0.5f);
    }
    for (int i = 0; i < 2; ++i) {
      const float x = static_cast<float>(mid + n.range(-16, 16)), y = static_cast<float>(n.range(80 + i * 70, 110 + i * 70));
      const float r = static_cast<float>(n.range(8, 11));
      const float tilt = static_cast<float>(n.range(-0.5, 0.5));
      m.ellipsoid({x, y, 2}, {r * 0.85f, r * 1.15f, r * 0.8f}, model::rot_z(tilt), pod, 4);
      // The pod's folded lips at its top.
      m.capsule({x - r * 0.4f, y - r * 0.95f, r * 0.5f}, {x + r * 0.4f, y - r * 1.0f, r * 0.5f}, 1.6f, 1.6f, pod, 1);
    }
  }
  // A heavy lip along the ceiling trim.
  for (float x = left - 8; x <= right + 8; x += 7)
    m.sphere({x, static_cast<float>(n.range(2, 6 + level)), 0}, static_cast<float>(n.range(6, 9 + level)), body, 5);
  model::RenderOptions o;
  o.ambient = 0.28f;
  o.exposure = 1.15f;
  model::render(m, c, o);
}

// The translucent film that spreads over the neighbouring panels: a wash
// from the top with drips running down both overhangs.
void slime_film(cairo_t* cr, Noise& n, int level) {
  const double reach = 40 + level * 25;
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, kSlimeWidth, 0);
  for (double x = kSlimeWidth; x >= 0; x -= 6) cairo_line_to(cr, x, reach * n.range(0.3, 1.0));
  cairo_close_path(cr);
  fill_ooze(cr, 0, kSlimeWidth, 0.72, 1.3);
  cairo_new_path(cr);
  const int drips = 4 + level * 2;
  for (int i = 0; i < drips; ++i) {
    // Alternate sides so both neighbours get runs.
    double x = (i % 2 == 0) ? n.range(2, kOverhang + 4) : n.range(kOverhang + kSlot - 4, kSlimeWidth - 2);
    double w = n.range(3, 7), len = n.range(30, 90 + level * 35);
    drip_path(cr, x, 0, len, w);
    fill_ooze(cr, x - w / 2, x + w / 2, 0.8, 1.5);
    cairo_new_path(cr);
    wet_highlight(cr, x - w * 0.15, 6, len * 0.85, 0.9, 0.55);
  }
  // Fine web across the gap into the next slot.
  for (int i = 0; i < level + 1; ++i) {
    const double y = n.range(20, 120 + level * 20);
    web_strand(cr, n, {kOverhang + 6.0, y}, {0, y + n.range(-16, 16)}, n.range(3, 8), 0.9);
    web_strand(cr, n, {kOverhang + kSlot - 6.0, y + 10}, {kSlimeWidth, y + n.range(-16, 16)}, n.range(3, 8), 0.9);
  }
  // A wet puddle spreading at the foot of the wall.
  cairo_save(cr);
  cairo_translate(cr, kSlimeWidth / 2.0, kWallHeight - 2);
  cairo_scale(cr, 40, 6 + level);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(cr);
  fill_ooze(cr, 0, kSlimeWidth, 0.7, 1.4);
  cairo_new_path(cr);
}


// Sets a radial acid gradient around (cx, cy), squashed vertically by squash.
void acid_colour(cairo_t* cr, double cx, double cy, double r, double alpha, double squash = 1.0) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy / squash, 0, cx, cy / squash, r);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, 1, 1 / squash);
  cairo_pattern_set_matrix(p, &m);
  cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 1.0, 0.75, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, 0.88, 0.98, 0.3, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.55, 0.78, 0.1, alpha);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

}  // namespace

Bytes make_slime_solid(int level) {
  Canvas c(kSlimeWidth, kWallHeight);
  Noise n(0x511Eu + static_cast<uint32_t>(level) * 131u);
  if (level == 1)
    slime_streaks(c, n);
  else
    slime_body(c, n, level);
  return c.png();
}

Bytes make_slime_film(int level) {
  Canvas c(kSlimeWidth, kWallHeight);
  Noise n(0x5F11u + static_cast<uint32_t>(level) * 173u);
  slime_film(c.cr(), n, level);
  return c.png_dithered();
}

Bytes make_acid_pool() {
  const int w = 144, h = 44;
  const double cx = 72, cy = 22;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xAC1Du);
  // A ragged outline: the radius wanders around the ellipse, with a few
  // tongues of acid running out across the deck.
  constexpr int kRim = 48;
  double wobble[kRim];
  for (double& r : wobble) r = n.range(0.82, 1.0);
  for (int t = 0; t < 3; ++t) wobble[static_cast<int>(n.range(0, kRim))] = n.range(1.08, 1.16);
  auto outline = [&](double rx, double ry, double grow) {
    cairo_new_path(cr);
    for (int i = 0; i <= kRim; ++i) {
      const int k = i % kRim;
      const double smooth = (wobble[(k + kRim - 1) % kRim] + 2 * wobble[k] + wobble[(k + 1) % kRim]) / 4;
      const double a = 2 * M_PI * k / kRim, r = smooth + grow;
      const double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Burn ring: the deck scorched dark where the acid has eaten into it.
  outline(68, 20, 0.06);
  rgb(cr, 0.10, 0.08, 0.04, 0.85);
  cairo_fill(cr);
  outline(68, 20, 0.0);
  rgb(cr, 0.22, 0.17, 0.05, 0.95);
  cairo_fill(cr);
  // The acid itself, a little inside the burn.
  outline(63, 17.5, 0.0);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  acid_colour(cr, cx - 10, cy - 4, 72, 0.95, 0.3);
  cairo_fill(cr);
  // Bubbles with bright rims.
  for (int i = 0; i < 18; ++i) {
    double bx = n.range(24, 120), by = n.range(12, 32), r = n.range(1.2, 3.6);
    rgb(cr, 0.45, 0.68, 0.08, 0.9);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    cairo_fill(cr);
    rgb(cr, 1, 1, 0.8, 0.95);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, bx, by, r, M_PI, 1.8 * M_PI);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Glossy rim: the meniscus catches the light along the far edge, and a
  // darker lip along the near one.
  outline(62, 17, 0.0);
  cairo_set_line_width(cr, 1.6);
  rgb(cr, 0.30, 0.45, 0.05, 0.9);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, cy - 2);
  cairo_clip(cr);
  outline(60, 15.5, 0.0);
  cairo_set_line_width(cr, 1.4);
  rgb(cr, 1, 1, 0.85, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Wet sheen across the surface.
  rgb(cr, 1, 1, 0.88, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 44, 16);
  cairo_curve_to(cr, 58, 12, 78, 12, 92, 15);
  cairo_stroke(cr);
  return c.png_dithered();
}

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the splash of a fresh corpse, 3 and 4 the spray of a
  // dying creature; each second frame is wider and more broken up. A splat
  // with a torn, lobed rim; droplets thrown out along arcs that fall under
  // their weight, shrinking and stretching as they go; and a fizz of tiny
  // bubbles where the acid eats the air.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xB1A5u + static_cast<uint32_t>(frame) * 97u);
  const Pt centre{w / 2.0, h * 0.42};
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.48 : 0.38);

  // The splat: radius wandering with a few harmonics plus sharp lobes.
  const double base = reach * (late ? 0.30 : 0.36);
  double amp[5], phase[5];
  for (int k = 0; k < 5; ++k) amp[k] = n.range(0.04, 0.13) / (1 + k * 0.3), phase[k] = n.range(0, 2 * M_PI);
  constexpr int kLobes = 9;
  double lobe_a[kLobes], lobe_len[kLobes], lobe_w[kLobes];
  for (int i = 0; i < kLobes; ++i) {
    lobe_a[i] = n.range(0, 2 * M_PI);
    lobe_len[i] = n.range(0.25, late ? 0.95 : 0.7);
    lobe_w[i] = n.range(0.12, 0.3);
  }
  auto radius = [&](double a, double grow) {
    double r = 1;
    for (int k = 0; k < 5; ++k) r += amp[k] * std::sin((k + 2) * a + phase[k]);
    for (int i = 0; i < kLobes; ++i) {
      double d = std::remainder(a - lobe_a[i], 2 * M_PI) / lobe_w[i];
      r += lobe_len[i] * std::exp(-d * d);
    }
    return base * (r + grow);
  };
  auto splat_path = [&](double grow, double squash_down) {
    cairo_new_path(cr);
    constexpr int kSteps = 160;
    for (int i = 0; i <= kSteps; ++i) {
      const double a = 2 * M_PI * i / kSteps;
      const double r = radius(a, grow);
      // Acid sags: the lower half of the splat hangs further.
      const double sag = std::sin(a) > 0 ? 1 + squash_down * std::sin(a) : 1;
      const double x = centre.x + std::cos(a) * r, y = centre.y + std::sin(a) * r * sag;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Dark wet rim, then the body, then the lit upper-left sheen.
  splat_path(0.06, 0.25);
  rgb(cr, 0.20, 0.30, 0.02, 0.95);
  cairo_fill(cr);
  splat_path(0.0, 0.25);
  acid_colour(cr, centre.x - base * 0.3, centre.y - base * 0.35, base * 1.8, 0.97);
  cairo_fill(cr);
  cairo_save(cr);
  splat_path(-0.35, 0.2);
  cairo_clip(cr);
  rgb(cr, 0.85, 1.0, 0.45, 0.35);
  cairo_paint(cr);
  cairo_restore(cr);
  // A glint on the swell, and a second smaller one.
  rgb(cr, 1, 1, 0.9, 0.95);
  cairo_save(cr);
  cairo_translate(cr, centre.x - base * 0.35, centre.y - base * 0.4);
  cairo_scale(cr, base * 0.28, base * 0.13);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_arc(cr, centre.x + base * 0.25, centre.y - base * 0.15, std::max(1.0, base * 0.07), 0, 2 * M_PI);
  cairo_fill(cr);

  // Runs dripping from the splat's underside.
  for (int i = 0; i < (late ? 4 : 3); ++i) {
    const double x = centre.x + n.range(-0.7, 0.7) * base;
    const double y0 = centre.y + base * 0.6, len = n.range(0.4, 1.0) * reach * 0.6;
    const double wid = n.range(2.0, 3.6);
    acid_colour(cr, x, y0, len, 0.95);
    cairo_move_to(cr, x - wid, y0);
    cairo_curve_to(cr, x - wid * 0.5, y0 + len * 0.6, x - wid * 0.3, y0 + len * 0.8, x, y0 + len);
    cairo_curve_to(cr, x + wid * 0.3, y0 + len * 0.8, x + wid * 0.5, y0 + len * 0.6, x + wid, y0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, x, y0 + len + wid * 0.6, wid * 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
  }

  // Droplets thrown along falling arcs: each arc a string of teardrops
  // shrinking outward, stretched along their flight.
  const int arcs = late ? 9 : 7;
  for (int i = 0; i < arcs; ++i) {
    const double a = -M_PI / 2 + n.range(-1.45, 1.45);  // mostly thrown up and out
    const double d = reach * n.range(0.65, 1.0);
    const double fall = reach * n.range(0.35, 0.7);
    const Pt dir{std::cos(a), std::sin(a)};
    auto at = [&](double t) { return centre + dir * (base * 0.8 + (d - base * 0.8) * t) + Pt{0, fall * t * t}; };
    const int drops = 4 + static_cast<int>(n.range(0, 3));
    for (int k = 0; k < drops; ++k) {
      const double t = (k + 1.0) / (drops + 0.4) + n.range(-0.04, 0.04);
      const Pt p = at(t), q = at(t + 0.02);
      const double ang = std::atan2(q.y - p.y, q.x - p.x);
      const double r = (late ? 4.8 : 6.0) * (1.1 - 0.7 * t) + n.range(0, 1.0);
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      cairo_rotate(cr, ang);
      // Teardrop: round head leading, a tail behind.
      cairo_move_to(cr, -r * 2.6, 0);
      cairo_curve_to(cr, -r * 1.2, -r * 0.9, r, -r * 1.1, r, 0);
      cairo_curve_to(cr, r, r * 1.1, -r * 1.2, r * 0.9, -r * 2.6, 0);
      cairo_close_path(cr);
      acid_colour(cr, -r * 0.3, -r * 0.4, r * 2.5, 0.95);
      cairo_fill(cr);
      rgb(cr, 1, 1, 0.88, 0.9);
      cairo_arc(cr, r * 0.2, -r * 0.35, std::max(0.6, r * 0.28), 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_restore(cr);
    }
  }

  // The fizz: tiny pale bubbles over and around the splat.
  const int fizz = late ? 70 : 46;
  for (int i = 0; i < fizz; ++i) {
    const double a = n.range(0, 2 * M_PI);
    const double d = base * n.range(0.2, late ? 1.9 : 1.5);
    const Pt p = centre + Pt{std::cos(a) * d, std::sin(a) * d * 0.8 - n.range(0, base * 0.5)};
    const double r = n.range(0.7, 1.9);
    rgb(cr, 0.88, 1.0, 0.55, 0.9);
    cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
    cairo_set_line_width(cr, 0.8);
    if (r > 1.3) cairo_stroke(cr); else cairo_fill(cr);
  }
  return c.png_dithered();
}

}  // namespace contentgen::roomart
