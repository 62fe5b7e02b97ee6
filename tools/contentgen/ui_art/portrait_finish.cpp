#include "portrait_finish.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "console_metal.h"

namespace contentgen::ui::portrait_finish {

namespace {

// The least average of the red and of the blue channel a portrait keeps
// (a red or blue room shows only that channel, at about two thirds).
constexpr double kLeastChannelMean = 0.40;
// Highlights roll off above the knee toward knee + headroom (about 230):
// a brighter top reads as a glossy, waxy skin.
constexpr double kKnee = 0.78, kHeadroom = 0.12;

}  // namespace

void bulkhead(Canvas& c, uint32_t seed, bool lit_left) {
  cairo_t* cr = c.cr();
  const double s = kPortraitSize;
  const double lx = lit_left ? 0.2 * s : 0.8 * s;
  cairo_pattern_t* g = cairo_pattern_create_radial(lx, s * 0.2, 8, lx, s * 0.3, s * 1.1);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.46, 0.48, 0.47);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.20, 0.22, 0.23);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.05, 0.06);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // Panel seams and a row of rivets, placed per member.
  Noise n(seed);
  const double seam = 24 + n.unit() * 30;
  for (double x : {seam, s - seam * 0.8}) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_rectangle(cr, x, 0, 2, s);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_rectangle(cr, x + 2, 0, 1, s);
    cairo_fill(cr);
    for (double y = 10 + n.unit() * 8; y < s; y += 22) rivet(cr, x + 7, y, 1.6);
  }
  const double band = 26 + n.unit() * 20;
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_rectangle(cr, 0, band, s, 2);
  cairo_fill(cr);
  // The lamp's warm spill on the lit side.
  g = cairo_pattern_create_radial(lx, 6, 0, lx, 6, 70);
  cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.92, 0.75, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.92, 0.75, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void settle_for_tints(Canvas& c, double keep_colour, double least_spread, const std::vector<float>& hold) {
  const int w = c.width(), h = c.height();
  std::vector<double> px(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t p[4];
      c.get_pixel(x, y, p);
      const double r = p[0] / 255.0, g = p[1] / 255.0, b = p[2] / 255.0;
      const double lum = 0.3 * r + 0.55 * g + 0.15 * b;
      double* o = &px[(static_cast<size_t>(y) * w + x) * 3];
      o[0] = lum + (r - lum) * keep_colour;
      o[1] = lum + (g - lum) * keep_colour;
      o[2] = lum + (b - lum) * keep_colour;
    }
  // Lift the whole picture through a gamma curve until the darker of the
  // red and blue channels averages the least level; the order of tones
  // and the highlights stay.
  // A held pixel's curve runs part of the way back toward no lift at all.
  const bool held = hold.size() == px.size() / 3;
  auto curve = [&](size_t value, double gamma) {
    return held ? gamma + (1 - gamma) * std::clamp(static_cast<double>(hold[value / 3]), 0.0, 1.0) : gamma;
  };
  auto weakest_mean = [&](double gamma) {
    double sum[2] = {0, 0};
    for (size_t i = 0; i < px.size(); i += 3) {
      sum[0] += std::pow(std::clamp(px[i], 0.0, 1.0), curve(i, gamma));
      sum[1] += std::pow(std::clamp(px[i + 2], 0.0, 1.0), curve(i + 2, gamma));
    }
    return std::min(sum[0], sum[1]) / (px.size() / 3.0);
  };
  double gamma = 1;
  if (weakest_mean(1) < kLeastChannelMean) {
    double lo = 0.3, hi = 1;
    for (int i = 0; i < 24; ++i) {
      const double mid = (lo + hi) / 2;
      (weakest_mean(mid) < kLeastChannelMean ? hi : lo) = mid;
    }
    gamma = lo;
  }
  for (size_t i = 0; i < px.size(); ++i) px[i] = std::pow(std::clamp(px[i], 0.0, 1.0), curve(i, gamma));
  // Too flat a picture is stretched about its mean; the top of the range
  // rolls off instead of clipping.
  const size_t n = px.size() / 3;
  double mean[3] = {0, 0, 0}, var[3] = {0, 0, 0};
  for (size_t i = 0; i < px.size(); ++i) mean[i % 3] += px[i];
  for (double& m : mean) m /= n;
  for (size_t i = 0; i < px.size(); ++i) var[i % 3] += (px[i] - mean[i % 3]) * (px[i] - mean[i % 3]);
  const double spread = std::sqrt(std::min(var[0], var[2]) / n);
  const double stretch = std::clamp(least_spread / std::max(spread, 1e-3), 1.0, 1.6);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double* v = &px[(static_cast<size_t>(y) * w + x) * 3];
      for (int i = 0; i < 3; ++i) {
        double t = mean[i] + (v[i] - mean[i]) * stretch;
        if (t > kKnee) t = kKnee + kHeadroom * std::tanh((t - kKnee) / kHeadroom);
        v[i] = std::clamp(t, 0.0, 1.0);
      }
      uint8_t p[4] = {0, 0, 0, 255};
      for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(std::lround(255 * v[i]));
      c.set_pixel(x, y, p);
    }
}

void pop_group_through(cairo_t* cr, const std::vector<float>& mask, int w, int h) {
  cairo_pattern_t* group = cairo_pop_group(cr);
  cairo_surface_t* alpha = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_surface_flush(alpha);
  uint8_t* data = cairo_image_surface_get_data(alpha);
  const int stride = cairo_image_surface_get_stride(alpha);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      data[y * stride + x] =
          static_cast<uint8_t>(std::lround(255 * std::clamp(mask[static_cast<size_t>(y) * w + x], 0.0f, 1.0f)));
  cairo_surface_mark_dirty(alpha);
  cairo_set_source(cr, group);
  cairo_mask_surface(cr, alpha, 0, 0);
  cairo_surface_destroy(alpha);
  cairo_pattern_destroy(group);
}

void monitor_finish(Canvas& c, uint32_t seed) {
  cairo_t* cr = c.cr();
  const double s = kPortraitSize;
  // No scanlines: even faint ones beat against the hair's and the beard's
  // grain and show as streaks across them in the console's large frame.
  cairo_pattern_t* v = cairo_pattern_create_radial(s / 2, s / 2, 70, s / 2, s / 2, 135);
  cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.35);
  cairo_set_source(cr, v);
  cairo_paint(cr);
  cairo_pattern_destroy(v);
  // Only enough grain to break the gradients' banding: more shimmers over
  // the face when the picture is drawn at twice its size.
  speckle(c, seed, 0.005);
}

}  // namespace contentgen::ui::portrait_finish
