#include "paint_kit/value_detail.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/pixels.h"

namespace contentgen::paint {

namespace {

// Straight (un-premultiplied) channel values and alpha of a canvas.
struct Straight {
  int w, h;
  std::vector<float> rgb;  // 3 a pixel
  std::vector<uint8_t> alpha;
  float lum(size_t i) const { return 0.3f * rgb[3 * i] + 0.55f * rgb[3 * i + 1] + 0.15f * rgb[3 * i + 2]; }
};

Straight read(Canvas& c) {
  Straight s{c.width(), c.height(), {}, {}};
  s.rgb.resize(static_cast<size_t>(s.w) * s.h * 3);
  s.alpha.resize(static_cast<size_t>(s.w) * s.h);
  each_pixel(c, [&](int x, int y, uint32_t& p) {
    const size_t i = static_cast<size_t>(y) * s.w + x;
    const uint32_t a = p >> 24;
    s.alpha[i] = static_cast<uint8_t>(a);
    for (int ch = 0; ch < 3; ++ch)
      s.rgb[3 * i + ch] = a ? std::min(255.0f, channel(p, 16 - 8 * ch) * 255.0f / a) : 0.0f;
  });
  return s;
}

void write(Canvas& c, const Straight& s) {
  each_pixel(c, [&](int x, int y, uint32_t& p) {
    const size_t i = static_cast<size_t>(y) * s.w + x;
    const uint32_t a = s.alpha[i];
    if (!a) return;
    uint32_t out = a << 24;
    for (int ch = 0; ch < 3; ++ch) {
      const float v = std::clamp(s.rgb[3 * i + ch], 0.0f, 255.0f);
      out |= static_cast<uint32_t>(std::lround(v * a / 255.0f)) << (16 - 8 * ch);
    }
    p = out;
  });
}

// Box sums along one axis with prefix sums, edges clamped to the picture.
void box_pass(std::vector<float>& v, int w, int h, int radius, bool along_x) {
  const int len = along_x ? w : h, lines = along_x ? h : w;
  std::vector<float> prefix(static_cast<size_t>(len) + 1), out(static_cast<size_t>(len));
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int k) -> float& {
      return along_x ? v[static_cast<size_t>(l) * w + k] : v[static_cast<size_t>(k) * w + l];
    };
    for (int k = 0; k < len; ++k) prefix[k + 1] = prefix[k] + at(k);
    for (int k = 0; k < len; ++k) {
      const int a = std::max(0, k - radius), b = std::min(len, k + radius + 1);
      out[k] = prefix[b] - prefix[a];
    }
    for (int k = 0; k < len; ++k) at(k) = out[k];
  }
}

// Mean luminance of each pixel's covered neighbours within `radius`: a box
// sum of luminance over a box sum of coverage, so a masked outline does not
// pull its edge down. A pixel with no covered neighbour gets -1.
std::vector<float> covered_mean(const Straight& s, int radius) {
  const size_t n = static_cast<size_t>(s.w) * s.h;
  std::vector<float> sum(n), weight(n);
  for (size_t i = 0; i < n; ++i) {
    weight[i] = s.alpha[i] ? 1.0f : 0.0f;
    sum[i] = weight[i] * s.lum(i);
  }
  for (bool along_x : {true, false}) {
    box_pass(sum, s.w, s.h, radius, along_x);
    box_pass(weight, s.w, s.h, radius, along_x);
  }
  for (size_t i = 0; i < n; ++i) sum[i] = weight[i] > 0 ? sum[i] / weight[i] : -1.0f;
  return sum;
}

}  // namespace

void value_detail(Canvas& c, int radius, double amount, double grey_share) {
  Straight s = read(c);
  const size_t n = static_cast<size_t>(s.w) * s.h;
  const std::vector<float> mean = covered_mean(s, radius);
  const float k = static_cast<float>(amount), g = static_cast<float>(grey_share);
  for (size_t i = 0; i < n; ++i) {
    if (!s.alpha[i] || mean[i] < 0) continue;
    const float l = s.lum(i), lift = k * (l - mean[i]);
    // Strongly coloured parts (lit lamps, buttons, screens) keep their
    // colour: they are signals, and are drawn bright in every channel.
    const float* v3 = &s.rgb[3 * i];
    const float chroma = std::max({v3[0], v3[1], v3[2]}) - std::min({v3[0], v3[1], v3[2]});
    const float pull = g * std::clamp(1.0f - chroma / 120.0f, 0.0f, 1.0f);
    for (int ch = 0; ch < 3; ++ch) {
      float& v = s.rgb[3 * i + ch];
      v = v + pull * (l - v) + lift;
    }
  }
  write(c, s);
}

void even_columns(Canvas& c, int x0, int period, double strength) {
  if (period <= 0) return;
  Straight s = read(c);
  auto group = [&](int x) { return ((x - x0) % period + period) % period; };
  std::vector<double> sum(static_cast<size_t>(period), 0.0), count(static_cast<size_t>(period), 0.0);
  double total = 0, all = 0;
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x) {
      const size_t i = static_cast<size_t>(y) * s.w + x;
      if (s.alpha[i] < 128) continue;
      const float l = s.lum(i);
      sum[group(x)] += l;
      count[group(x)] += 1;
      total += l;
      all += 1;
    }
  if (all <= 0) return;
  const double target = total / all;
  // A group too light is scaled down; one too dark is lifted toward white
  // by a share of each pixel's distance to it, which raises a black seam
  // as well as the rest and never clips a highlight, so the mean lands on
  // the target even where a gain could not move it.
  std::vector<float> gain(static_cast<size_t>(period), 1.0f), lift(static_cast<size_t>(period), 0.0f);
  for (int g = 0; g < period; ++g) {
    if (count[g] <= 0) continue;
    const double mean = sum[g] / count[g];
    if (mean > target)
      gain[g] = static_cast<float>(1 + strength * (target / mean - 1));
    else if (mean < 254)
      lift[g] = static_cast<float>(strength * (target - mean) / (255 - mean));
  }
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x) {
      const size_t i = static_cast<size_t>(y) * s.w + x;
      if (!s.alpha[i]) continue;
      const int g = group(x);
      for (int ch = 0; ch < 3; ++ch) {
        float& v = s.rgb[3 * i + ch];
        v = v * gain[g] + (255 - v) * lift[g];
      }
    }
  write(c, s);
}

void shine_and_shade(Canvas& c, int radius, double shine, double shade) {
  Straight s = read(c);
  const size_t n = static_cast<size_t>(s.w) * s.h;
  const std::vector<float> mean = covered_mean(s, radius);
  const float k_shine = static_cast<float>(shine), k_shade = static_cast<float>(shade);
  for (size_t i = 0; i < n; ++i) {
    if (!s.alpha[i] || mean[i] < 0) continue;
    const float l = s.lum(i), d = (l - mean[i]) / 255.0f;
    // How far the pixel stands above or below its surroundings, past a dead
    // zone so the grain of grime on the flat faces stays as it is and only
    // drawn edges (bevels, seams, rivets) move.
    const float up = std::clamp((d - 0.12f) * 6.0f, 0.0f, 1.0f), down = std::clamp((-d - 0.12f) * 6.0f, 0.0f, 1.0f);
    // A lit edge on a bright face catches the light most: speculars go
    // toward white, while a shadowed recess goes toward black.
    const float glint = k_shine * up * up * (3 - 2 * up) * std::clamp(l / 160.0f, 0.3f, 1.0f);
    const float sink = k_shade * down * down * (3 - 2 * down);
    for (int ch = 0; ch < 3; ++ch) {
      float& v = s.rgb[3 * i + ch];
      v = (v + (255 - v) * glint) * (1 - sink);
    }
  }
  write(c, s);
}

}  // namespace contentgen::paint
