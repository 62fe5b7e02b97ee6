#include "portrait_dress.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "portrait_finish.h"

namespace contentgen::ui::portrait_dress {

namespace {

using model::V3;
using model::Xf;
using paint::Rgb;
using portrait_model::Face;
using portrait_model::Kit;

// A point on the top of the shoulder's slope, `t` (0 at the neck, 1 at the
// arm) along it, on side s, turned `toward` the viewer (0 on its crest, 1
// on its front).
V3 shoulder(const Face& f, int s, float t, float toward) {
  const V3 a{s * 26.0f, 98, -30}, b{s * 100 * f.bulk, 124, -28};
  const float r = 22 + 8 * t + 1;
  const V3 out = model::normalised({0, -1 + toward, 0.3f + toward});
  return model::lerp3(a, b, t) + out * r;
}

// A flat badge of half size (hx, hy) at p, its axes along `along` and
// `down` in the picture, as a closed path.
void badge_path(cairo_t* cr, V3 p, V3 along, V3 down, double hx, double hy) {
  cairo_move_to(cr, p.x - along.x * hx - down.x * hy, p.y - along.y * hx - down.y * hy);
  cairo_line_to(cr, p.x + along.x * hx - down.x * hy, p.y + along.y * hx - down.y * hy);
  cairo_line_to(cr, p.x + along.x * hx + down.x * hy, p.y + along.y * hx + down.y * hy);
  cairo_line_to(cr, p.x - along.x * hx + down.x * hy, p.y - along.y * hx + down.y * hy);
  cairo_close_path(cr);
}

// A unit vector in the picture from a to b.
V3 picture_dir(V3 a, V3 b) {
  const double l = std::max(1e-6, static_cast<double>(std::hypot(b.x - a.x, b.y - a.y)));
  return {static_cast<float>((b.x - a.x) / l), static_cast<float>((b.y - a.y) / l), 0};
}

// A stitched cloth badge: a dark field, a raised lighter border catching
// the key light along its top edge and a thin shadow under its bottom one.
void badge(cairo_t* cr, V3 p, V3 along, V3 down, double hx, double hy, Rgb field) {
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);  // its shadow on the cloth
  badge_path(cr, p + down * 0.8f, along, down, hx, hy);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, field.r, field.g, field.b);
  badge_path(cr, p, along, down, hx, hy);
  cairo_fill(cr);
  const Rgb edge = paint::mix(field, {0.85, 0.82, 0.7}, 0.45);
  cairo_set_source_rgba(cr, edge.r, edge.g, edge.b, 0.8);
  cairo_set_line_width(cr, 0.7);
  badge_path(cr, p, along, down, hx - 0.4, hy - 0.4);
  cairo_stroke(cr);
}

}  // namespace

void insignia(Canvas& c, const Face& f, const Xf& view, const std::vector<float>& cloth, int rank) {
  cairo_t* cr = c.cr();
  const Xf body = portrait_model::body_view(f, view);
  cairo_save(cr);
  cairo_push_group(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // The shoulder seams: a sunk line of stitches with the cloth's lit lip
  // beside it, from the collar out along the top of each shoulder.
  for (int s = -1; s <= 1; s += 2) {
    for (const auto& [lift, col, alpha, width] :
         {std::tuple{0.0f, Rgb{0.02, 0.02, 0.02}, 0.45, 0.9}, std::tuple{1.4f, Rgb{1, 0.96, 0.88}, 0.16, 0.8}}) {
      for (int i = 0; i <= 8; ++i) {
        V3 q = body.point(shoulder(f, s, 0.12f + 0.1f * i, 0.35f));
        q.y += lift;
        i == 0 ? cairo_move_to(cr, q.x, q.y) : cairo_line_to(cr, q.x, q.y);
      }
      cairo_set_source_rgba(cr, col.r, col.g, col.b, alpha);
      cairo_set_line_width(cr, width);
      cairo_stroke(cr);
    }
  }
  // The rank patch on the near shoulder's front: bars of pale braid on a
  // dark field, one to three of them.
  {
    const V3 p = body.point(shoulder(f, -1, 0.6f, 0.8f));
    const V3 along = picture_dir(body.point(shoulder(f, -1, 0.5f, 0.8f)), body.point(shoulder(f, -1, 0.7f, 0.8f)));
    const V3 down{-along.y, along.x, 0};
    const V3 d = down.y < 0 ? down * -1.0f : down;
    const Rgb field = paint::mix(paint::scaled(f.armour, 0.45), {0.05, 0.06, 0.1}, 0.5);
    badge(cr, p, along, d, 7.0, 5.2, field);
    const Rgb braid{0.86, 0.74, 0.42};
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < rank; ++i) {
      const float o = (i - (rank - 1) / 2.0f) * 2.6f;
      // A shallow chevron across the patch.
      const V3 a = p + along * -4.8f + d * (o - 0.8f), m = p + d * (o + 0.8f), b = p + along * 4.8f + d * (o - 0.8f);
      cairo_move_to(cr, a.x, a.y);
      cairo_line_to(cr, m.x, m.y);
      cairo_line_to(cr, b.x, b.y);
      cairo_set_source_rgba(cr, braid.r, braid.g, braid.b, 0.95);
      cairo_stroke(cr);
    }
  }
  // Opposite: a name tape over the chest where no strap crosses it, else
  // a round unit patch on the far shoulder.
  if (f.kit == Kit::fatigues || f.kit == Kit::jacket || f.kit == Kit::vest) {
    const float x = 36 * f.bulk;
    const V3 p = body.point(portrait_model::on_chest(f, x, 108, 2));
    const V3 along =
        picture_dir(body.point(portrait_model::on_chest(f, x - 8, 108, 2)), body.point(portrait_model::on_chest(f, x + 8, 108, 2)));
    const V3 down{-along.y, along.x, 0};
    const V3 d = down.y < 0 ? down * -1.0f : down;
    const Rgb tape = paint::mix(paint::scaled(f.armour, 0.6), {0.1, 0.1, 0.08}, 0.4);
    badge(cr, p, along, d, 11.0, 3.0, tape);
    // The name stitched on it: a row of small pale letters.
    const Rgb thread{0.78, 0.76, 0.66};
    cairo_set_source_rgba(cr, thread.r, thread.g, thread.b, 0.75);
    cairo_set_line_width(cr, 0.8);
    Noise n(static_cast<uint32_t>(f.skin.r * 1000 + f.bulk * 100));
    const int letters = 5 + static_cast<int>(n.range(0, 3));
    for (int i = 0; i < letters; ++i) {
      const float u = -8 + 16.0f * (i + 0.5f) / letters;
      const V3 a = p + along * u + d * -1.2f, b = p + along * (u + static_cast<float>(n.range(0.3, 1.2))) + d * 1.2f;
      cairo_move_to(cr, a.x, a.y);
      cairo_line_to(cr, b.x, b.y);
      cairo_stroke(cr);
    }
  } else {
    const V3 p = body.point(shoulder(f, 1, 0.55f, 0.85f));
    const Rgb field = paint::mix(paint::scaled(f.armour, 0.4), {0.18, 0.05, 0.04}, 0.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_arc(cr, p.x, p.y + 0.8, 4.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, field.r, field.g, field.b);
    cairo_arc(cr, p.x, p.y, 4.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.86, 0.74, 0.42, 0.9);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, p.x, p.y, 3.9, 0, 2 * M_PI);
    cairo_stroke(cr);
    // A star in the middle.
    for (int i = 0; i < 5; ++i) {
      const double a = -M_PI / 2 + i * 4 * M_PI / 5;
      i == 0 ? cairo_move_to(cr, p.x + 2.2 * std::cos(a), p.y + 2.2 * std::sin(a))
             : cairo_line_to(cr, p.x + 2.2 * std::cos(a), p.y + 2.2 * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  portrait_finish::pop_group_through(cr, cloth, c.width(), c.height());
  cairo_restore(cr);
}

}  // namespace contentgen::ui::portrait_dress
