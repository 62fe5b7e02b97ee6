#include "model_kit/model.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>

namespace contentgen::model {

V3 normalised(V3 a) {
  float l = std::sqrt(dot(a, a));
  return l > 0 ? a * (1.0f / l) : a;
}
V3 lerp3(V3 a, V3 b, float t) { return a + (b - a) * t; }

M3 operator*(const M3& a, const M3& b) {
  M3 r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      r.m[i * 3 + j] = a.m[i * 3] * b.m[j] + a.m[i * 3 + 1] * b.m[3 + j] + a.m[i * 3 + 2] * b.m[6 + j];
  return r;
}
M3 rot_x(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{1, 0, 0, 0, c, -s, 0, s, c}};
}
M3 rot_y(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{c, 0, s, 0, 1, 0, -s, 0, c}};
}
M3 rot_z(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{c, -s, 0, s, c, 0, 0, 0, 1}};
}

Xf operator*(const Xf& outer, const Xf& inner) {
  Xf r;
  r.r = outer.r * inner.r;
  r.s = outer.s * inner.s;
  r.t = outer.point(inner.t);
  return r;
}
Xf place(V3 at, const M3& r, float s) {
  Xf x;
  x.r = r;
  x.t = at;
  x.s = s;
  return x;
}

// ------------------------------------------------------------ building

void Model::push(Part p) {
  p.skin_amp = skin_amp_;
  p.skin_scale = skin_scale_;
  p.ridge = p.mat.ridge * xf_.s;
  p.ridge_size = p.mat.ridge_size * xf_.s;
  p.bound_r += p.k + p.rib_depth + skin_amp_ + p.ridge + 1.0f;
  p.ba = p.b - p.a;
  p.bb = dot(p.ba, p.ba);
  p.len = std::sqrt(p.bb);
  p.rib_band = p.rib_depth * 3;
  p.skin_band = p.skin_amp * 4;
  p.skin_inv = 1.0f / p.skin_scale;
  p.ridge_band = p.ridge * 3;
  p.ridge_inv = 1.0f / p.ridge_size;
  p.reach = std::max(p.ra, p.rb) + p.k + p.rib_depth + p.skin_amp + p.ridge + 1.0f;
  parts_.push_back(p);
}

void Model::sphere(V3 c, float r, const Material& m, float k) {
  Part p{};
  p.kind = Kind::Sphere;
  p.a = xf_.point(c);
  p.ra = r * xf_.s;
  p.k = k * xf_.s;
  p.mat = m;
  p.bound_c = p.a;
  p.bound_r = p.ra;
  push(p);
}

void Model::ellipsoid(V3 c, V3 radii, const M3& orient, const Material& m, float k, bool sub) {
  Part p{};
  p.kind = Kind::Ellipsoid;
  p.sub = sub;
  p.a = xf_.point(c);
  M3 world = xf_.r * orient;
  // Stored transposed: world to local.
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) p.inv.m[i * 3 + j] = world.m[j * 3 + i];
  p.radii = radii * xf_.s;
  p.k = k * xf_.s;
  p.mat = m;
  p.bound_c = p.a;
  p.bound_r = std::max(p.radii.x, std::max(p.radii.y, p.radii.z));
  push(p);
}

void Model::capsule(V3 a, V3 b, float ra, float rb, const Material& m, float k, float rib_step, float rib_depth,
                    bool sub) {
  Part p{};
  p.kind = Kind::Capsule;
  p.sub = sub;
  p.a = xf_.point(a);
  p.b = xf_.point(b);
  p.ra = ra * xf_.s;
  p.rb = rb * xf_.s;
  p.k = k * xf_.s;
  p.rib_step = rib_step * xf_.s;
  p.rib_depth = rib_depth * xf_.s;
  p.mat = m;
  p.bound_c = lerp3(p.a, p.b, 0.5f);
  V3 d = p.b - p.a;
  p.bound_r = 0.5f * std::sqrt(dot(d, d)) + std::max(p.ra, p.rb);
  push(p);
}

void Model::torus(V3 c, float major, float minor, const M3& orient, const Material& m, float k) {
  Part p{};
  p.kind = Kind::Torus;
  p.a = xf_.point(c);
  M3 world = xf_.r * orient;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) p.inv.m[i * 3 + j] = world.m[j * 3 + i];
  p.radii = {major * xf_.s, minor * xf_.s, 0};
  p.k = k * xf_.s;
  p.mat = m;
  p.bound_c = p.a;
  p.bound_r = p.radii.x + p.radii.y;
  push(p);
}

void Model::chain(const V3* pts, const float* radii, int n, const Material& m, float k, float rib_step,
                  float rib_depth) {
  for (int i = 0; i + 1 < n; ++i) capsule(pts[i], pts[i + 1], radii[i], radii[i + 1], m, k, rib_step, rib_depth);
}

// ------------------------------------------------------------ distance

namespace {

using Part = Model::Part;

inline float clampf(float v, float a, float b) { return v < a ? a : v > b ? b : v; }

uint32_t hash3(int x, int y, int z) {
  uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
               static_cast<uint32_t>(z) * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return h;
}
inline float hval(int x, int y, int z) { return (hash3(x, y, z) & 0xffff) / 32767.5f - 1.0f; }

// Smooth value noise in -1..1.
float noise3(V3 p) {
  float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  float ux = p.x - fx, uy = p.y - fy, uz = p.z - fz;
  ux = ux * ux * (3 - 2 * ux);
  uy = uy * uy * (3 - 2 * uy);
  uz = uz * uz * (3 - 2 * uz);
  float v[8];
  for (int i = 0; i < 8; ++i) v[i] = hval(ix + (i & 1), iy + ((i >> 1) & 1), iz + (i >> 2));
  float x00 = v[0] + (v[1] - v[0]) * ux, x10 = v[2] + (v[3] - v[2]) * ux;
  float x01 = v[4] + (v[5] - v[4]) * ux, x11 = v[6] + (v[7] - v[6]) * ux;
  float y0 = x00 + (x10 - x00) * uy, y1 = x01 + (x11 - x01) * uy;
  return y0 + (y1 - y0) * uz;
}

inline __attribute__((always_inline)) float part_distance(const Part& p, V3 q) {
  float d = 0;
  switch (p.kind) {
    case Model::Kind::Sphere: {
      V3 v = q - p.a;
      d = std::sqrt(dot(v, v)) - p.ra;
      break;
    }
    case Model::Kind::Ellipsoid: {
      V3 l = p.inv.apply(q - p.a);
      V3 a{l.x / p.radii.x, l.y / p.radii.y, l.z / p.radii.z};
      V3 b{a.x / p.radii.x, a.y / p.radii.y, a.z / p.radii.z};
      float k0 = std::sqrt(dot(a, a)), k1 = std::sqrt(dot(b, b));
      d = k1 > 1e-6f ? k0 * (k0 - 1.0f) / k1 : -std::min(p.radii.x, std::min(p.radii.y, p.radii.z));
      break;
    }
    case Model::Kind::Capsule: {
      V3 pa = q - p.a;
      const V3 ba = p.ba;
      const float bb = p.bb;
      float h = bb > 0 ? clampf(dot(pa, ba) / bb, 0, 1) : 0;
      V3 v = pa - ba * h;
      d = std::sqrt(dot(v, v)) - (p.ra + (p.rb - p.ra) * h);
      if (p.rib_step > 0 && d < p.rib_band) {
        float s = h * p.len / p.rib_step;
        float c = 0.5f + 0.5f * std::cos(6.2831853f * s);
        d -= clampf((p.rib_band - d) / p.rib_depth, 0, 1) * p.rib_depth * c * c;
      }
      break;
    }
    case Model::Kind::Torus: {
      V3 l = p.inv.apply(q - p.a);
      float qx = std::sqrt(l.x * l.x + l.z * l.z) - p.radii.x;
      d = std::sqrt(qx * qx + l.y * l.y) - p.radii.y;
      break;
    }
  }
  // The bumps and ridges are skipped far from the part, for speed, and
  // faded in over a band before they start: cut off at a hard threshold,
  // the field would jump there, and where two parts meet in a smooth union
  // that jump lands on the surface as a dotted seam of wrong normals.
  if (p.skin_amp > 0 && d < p.skin_band) {
    V3 s = q * p.skin_inv;
    const float fade = clampf((p.skin_band - d) / p.skin_amp, 0, 1);
    d -= fade * p.skin_amp * (noise3(s) * 0.7f + noise3(s * 2.3f) * 0.3f);
  }
  if (p.ridge > 0 && d < p.ridge_band) {
    // Sharp crests where the noise crosses zero, coarse and fine.
    V3 s = q * p.ridge_inv;
    float a = 1 - std::fabs(noise3(s)), b = 1 - std::fabs(noise3(s * 3.1f + V3{7.3f, 1.9f, 4.1f}));
    const float fade = clampf((p.ridge_band - d) / p.ridge, 0, 1);
    d -= fade * p.ridge * (a * a * a * 0.75f + b * b * 0.35f);
  }
  return d;
}

constexpr float kFar = 1e6f;

// Smooth minimum; h is the weight of b.
inline float smin(float a, float b, float k, float& h) {
  if (k <= 0) {
    h = b < a ? 1.0f : 0.0f;
    return std::min(a, b);
  }
  h = clampf(0.5f + 0.5f * (a - b) / k, 0, 1);
  return b + (a - b) * (1 - h) - k * h * (1 - h);
}
inline float smax_sub(float a, float b, float k) {
  // a minus b
  if (k <= 0) return std::max(a, -b);
  float h = clampf(0.5f - 0.5f * (a + b) / k, 0, 1);
  return a + (-b - a) * h + k * h * (1 - h);
}

float scene(const Part* const* list, int n, V3 q) {
  float d = kFar, h;
  for (int i = 0; i < n; ++i) {
    const Part& p = *list[i];
    float e = part_distance(p, q);
    d = p.sub ? smax_sub(d, e, p.k) : smin(d, e, p.k, h);
  }
  return d;
}

struct Surface {
  float r, g, b, specular, shine, rim, glow, rough, mottle, translucent, tr, tg, tb, streak, sheen, strands, tag;
};

float scene_mat(const Part* const* list, int n, V3 q, Surface& s) {
  float d = kFar, h;
  s = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < n; ++i) {
    const Part& p = *list[i];
    float e = part_distance(p, q);
    if (p.sub) {
      d = smax_sub(d, e, p.k);
      continue;
    }
    d = smin(d, e, p.k, h);
    const Material& m = p.mat;
    s.r += (m.r - s.r) * h;
    s.g += (m.g - s.g) * h;
    s.b += (m.b - s.b) * h;
    s.specular += (m.specular - s.specular) * h;
    s.shine += (m.shine - s.shine) * h;
    s.rim += (m.rim - s.rim) * h;
    s.glow += (m.glow - s.glow) * h;
    s.rough += (m.rough - s.rough) * h;
    s.mottle += (m.mottle - s.mottle) * h;
    s.translucent += (m.translucent - s.translucent) * h;
    s.tr += (m.tr - s.tr) * h;
    s.tg += (m.tg - s.tg) * h;
    s.tb += (m.tb - s.tb) * h;
    s.streak += (m.streak - s.streak) * h;
    s.sheen += (m.sheen - s.sheen) * h;
    s.strands += (m.strands - s.strands) * h;
    s.tag += (m.tag - s.tag) * h;
  }
  return d;
}

constexpr int kTile = 4;  // output pixels per tile side

struct Tile {
  std::vector<const Part*> parts;
  float zmax = -kFar, zmin = kFar;
};

// A long capsule's bounding sphere covers far more tiles than the capsule:
// test the tile's middle against the segment as the picture sees it.
bool capsule_reaches_tile(const Part& p, int tx, int ty, float blend) {
  const float half = kTile * 0.7072f + blend;  // half the tile's diagonal, and the later parts' blend
  float mx = (tx + 0.5f) * kTile, my = (ty + 0.5f) * kTile;
  float bx = p.b.x - p.a.x, by = p.b.y - p.a.y;
  float bb = bx * bx + by * by;
  float h = bb > 0 ? clampf(((mx - p.a.x) * bx + (my - p.a.y) * by) / bb, 0, 1) : 0;
  float dx = mx - (p.a.x + bx * h), dy = my - (p.a.y + by * h);
  float reach = std::max(p.ra, p.rb) + p.k + p.rib_depth + p.skin_amp + p.ridge + 1.0f + half;
  return dx * dx + dy * dy <= reach * reach;
}

std::vector<Tile> bin_parts(const Model& m, int width, int height, int tx, int ty) {
  std::vector<Tile> tiles(static_cast<size_t>(tx) * ty);
  // A part's field still counts where a later part blends into it: a
  // smooth union or carve of width k weighs the field built so far out to
  // k from the surface. Binned by its own bounds alone, a part dropped
  // from a tile where a later blend still reaches it leaves that tile's
  // surface and colours different from its neighbours', in square steps
  // (a patch of hair or a notch on a skull's outline). So the parts are
  // binned from the last back, and each reaches a tile as far again as
  // the widest blend among the later parts binned there.
  const std::vector<Part>& parts = m.parts();
  std::vector<float> later_blend(tiles.size(), 0.0f);
  float widest = 0;
  for (const Part& p : parts) widest = std::max(widest, p.k);
  for (size_t i = parts.size(); i-- > 0;) {
    const Part& p = parts[i];
    const float most = p.bound_r + widest;
    int x0 = std::max(0, static_cast<int>(std::floor((p.bound_c.x - most) / kTile)));
    int x1 = std::min(tx - 1, static_cast<int>(std::floor((p.bound_c.x + most) / kTile)));
    int y0 = std::max(0, static_cast<int>(std::floor((p.bound_c.y - most) / kTile)));
    int y1 = std::min(ty - 1, static_cast<int>(std::floor((p.bound_c.y + most) / kTile)));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const float blend = later_blend[static_cast<size_t>(y) * tx + x], reach = p.bound_r + blend;
        // Does the reach touch this tile's rectangle?
        float cx = clampf(p.bound_c.x, x * kTile, (x + 1) * kTile);
        float cy = clampf(p.bound_c.y, y * kTile, (y + 1) * kTile);
        float dx = cx - p.bound_c.x, dy = cy - p.bound_c.y;
        if (dx * dx + dy * dy > reach * reach) continue;
        if (p.kind == Model::Kind::Capsule && !capsule_reaches_tile(p, x, y, blend)) continue;
        Tile& t = tiles[static_cast<size_t>(y) * tx + x];
        t.parts.push_back(&p);
        later_blend[static_cast<size_t>(y) * tx + x] = std::max(blend, p.k);
        if (!p.sub) {
          t.zmax = std::max(t.zmax, p.bound_c.z + p.bound_r);
          t.zmin = std::min(t.zmin, p.bound_c.z - p.bound_r);
        }
      }
  }
  for (Tile& t : tiles) std::reverse(t.parts.begin(), t.parts.end());
  (void)width;
  (void)height;
  return tiles;
}

// Marches the ray at (x, y) down the z axis; returns whether it hit and where.
bool march(const Tile& t, float x, float y, V3& hit) {
  const Part* const* list = t.parts.data();
  const int n = static_cast<int>(t.parts.size());
  // The stretch of the ray that passes through some part's bounds: a ray
  // that meets none misses, and the march starts at the first bound.
  float zs = -kFar, ze = kFar;
  for (int i = 0; i < n; ++i) {
    const Part& p = *list[i];
    if (p.sub) continue;
    const float dx = x - p.bound_c.x, dy = y - p.bound_c.y;
    const float rr = p.bound_r * p.bound_r - dx * dx - dy * dy;
    if (rr <= 0) continue;
    if (p.kind == Model::Kind::Capsule) {
      const float bx = p.ba.x, by = p.ba.y, bb = bx * bx + by * by;
      const float h = bb > 0 ? clampf(((x - p.a.x) * bx + (y - p.a.y) * by) / bb, 0, 1) : 0;
      const float ex = x - (p.a.x + bx * h), ey = y - (p.a.y + by * h);
      if (ex * ex + ey * ey > p.reach * p.reach) continue;
    }
    const float half = std::sqrt(rr);
    zs = std::max(zs, p.bound_c.z + half);
    ze = std::min(ze, p.bound_c.z - half);
  }
  if (zs <= -kFar) return false;
  float z = zs;
  for (int i = 0; i < 160 && z > ze; ++i) {
    V3 q{x, y, z};
    float d = scene(list, n, q);
    if (d < 0.01f) {
      hit = q;
      return true;
    }
    z -= std::max(d * 0.8f, 0.01f);
  }
  return false;
}

V3 normal_at(const Tile& t, V3 p) {
  const Part* const* list = t.parts.data();
  const int n = static_cast<int>(t.parts.size());
  const float e = 0.04f;
  V3 k1{1, -1, -1}, k2{-1, -1, 1}, k3{-1, 1, -1}, k4{1, 1, 1};
  V3 s = k1 * scene(list, n, p + k1 * e) + k2 * scene(list, n, p + k2 * e) + k3 * scene(list, n, p + k3 * e) +
         k4 * scene(list, n, p + k4 * e);
  return normalised(s);
}

// Occlusion from the distance field, sampled along the normal.
float occlusion(const Tile& t, V3 p, V3 nrm, bool creases) {
  const Part* const* list = t.parts.data();
  const int n = static_cast<int>(t.parts.size());
  float occ = 0, w = 1;
  static constexpr float kHollows[5] = {1.5f, 6.0f, 13.5f, 24.0f, 37.5f};
  static constexpr float kCreases[5] = {0.9f, 3.0f, 8.0f, 17.0f, 30.0f};
  for (float h : creases ? kCreases : kHollows) {
    float d = scene(list, n, p + nrm * h);
    occ += w * std::max(0.0f, h - d) / h;
    w *= 0.7f;
  }
  return clampf(1.0f - 0.45f * occ, 0, 1);
}

// How thin the body is behind p: 1 where the field stays shallow a few
// pixels in along -normal (a membrane, a finger), 0 deep in a bulk.
float thinness(const Tile& t, V3 p, V3 nrm) {
  const Part* const* list = t.parts.data();
  const int n = static_cast<int>(t.parts.size());
  float thick = 0;
  for (float h : {2.0f, 4.5f, 8.0f}) thick += clampf(-scene(list, n, p - nrm * h) / (h * 0.5f), 0, 1);
  return 1 - thick / 3;
}

struct Lights {
  V3 key, half;
  V3 rimdir = normalised({0.8f, -0.45f, -0.25f});
  V3 topdir = normalised({0.0f, -0.9f, -0.3f});
  explicit Lights(V3 toward_key) : key(normalised(toward_key)), half(normalised(key + V3{0, 0, 1})) {}
};

void shade(const RenderOptions& o, const Lights& L, const Surface& s, V3 hit, V3 nrm, float ao, float thin,
           float out[3]) {
  float ndl = dot(nrm, L.key);
  float diff = clampf((ndl + 0.15f) / 1.15f, 0, 1);
  float nh = std::max(0.0f, dot(nrm, L.half));
  // Patchy shine: dull, dry patches between wet ones.
  float wet = 1;
  if (s.rough > 0) wet = 1 - s.rough * clampf(0.5f + 0.8f * noise3(hit * 0.11f + V3{3.1f, 7.7f, 1.3f}), 0, 1);
  // A wet film runs down the surface: its highlight breaks into bright
  // vertical runs with dull gaps between them.
  if (s.streak > 0) {
    const float run = 1 - std::fabs(noise3({hit.x * 0.55f, hit.y * 0.07f + 3.3f, hit.z * 0.55f}));
    const float r2 = run * run, r4 = r2 * r2;
    wet *= 1 + s.streak * (2.6f * r4 * r2 - 0.55f);
  }
  const float tight = std::pow(nh, s.shine * (0.5f + 0.5f * std::min(wet, 1.0f)));
  float specular = s.specular * wet * tight * (0.4f + 0.6f * ao) * (1 - 0.8f * s.sheen);
  // A broad sheen under the tight highlight reads as wetness at sprite size;
  // soft tissue takes most of its shine there, dull and wide.
  specular += s.specular * wet * (0.22f + 0.5f * s.sheen) * std::pow(nh, s.shine * (0.15f - 0.08f * s.sheen)) * ao;
  // Strands: the angle round the crown picks a streak, which wanders a
  // little as it runs down; lit strands shine, the gaps between them fall
  // into shadow.
  float strand = 1;
  if (s.strands > 0) {
    const float az = std::atan2(hit.x - o.crown.x, hit.z - o.crown.z);
    const float down = hit.y - o.crown.y;
    const float u = 1 - std::fabs(noise3({az * 34 + down * 0.05f, down * 0.05f, 1.7f}));
    const float fine = 1 - std::fabs(noise3({az * 90 + down * 0.09f, down * 0.12f, 8.3f}));
    strand = 1 + s.strands * (0.9f * u * u * u + 0.45f * fine * fine - 0.55f);
    specular *= std::max(0.0f, 1 + s.strands * (2.2f * u * u * u * u - 0.7f));
  }
  float nv = clampf(nrm.z, 0, 1);
  float fres = (1 - nv) * (1 - nv) * (1 - nv);
  // The outline falls dark: the rim light lives a little inside it.
  float edge = clampf(nv / 0.32f, 0, 1);
  edge = edge * edge * (3 - 2 * edge);
  float rim = s.rim * fres * clampf(dot(nrm, L.rimdir) + 0.35f, 0, 1.35f) * (0.5f + 0.5f * ao) *
              (1 - o.outline_dark * (1 - edge) * 0.85f);
  if (o.rim_hollow > 0) {
    const float open = clampf(1 - o.rim_hollow * (1 - ao) * 4, 0, 1);
    rim *= open * open;
  }
  // The top light: broader than the back rim and kept nearer the outline,
  // so a small sprite's upper edges carry a line a pixel or two wide.
  if (o.top_rim > 0) {
    const float side = (1 - nv) * (1 - nv);
    rim += o.top_rim * s.rim * side * clampf(dot(nrm, L.topdir) + 0.1f, 0, 1) * (0.6f + 0.4f * ao) *
           (1 - o.outline_dark * (1 - edge) * 0.4f);
  }
  float glow = 0;
  if (o.floor_glow > 0) {
    const float side = (1 - nv) * (1 - nv);
    glow = o.floor_glow * s.rim * side * clampf(nrm.y + 0.1f, 0, 1) * (0.6f + 0.4f * ao) *
           (1 - o.outline_dark * (1 - edge) * 0.4f);
  }
  float bounce = 0.10f * clampf(nrm.y, 0, 1);
  float light = o.ambient * ao + diff * 0.95f * (0.55f + 0.45f * ao) + bounce * ao;
  float base[3] = {s.r, s.g, s.b};
  if (s.mottle > 0) {
    float m = 1 + s.mottle * (0.65f * noise3(hit * 0.19f) + 0.35f * noise3(hit * 0.57f + V3{5, 2, 9}));
    for (float& b : base) b *= m;
  }
  if (s.strands > 0)
    for (float& b : base) b *= strand;
  // Light through thin tissue, warm, strongest where the key light is behind.
  float through = s.translucent * thin * (0.55f + 0.45f * clampf(1 - ndl, 0, 1)) * (0.6f + 0.4f * ao);
  float trc[3] = {s.tr, s.tg, s.tb};
  float rimc[3] = {o.rim_r, o.rim_g, o.rim_b};
  float keyc[3] = {1.0f, 0.96f, 0.90f};
  float glowc[3] = {o.glow_r, o.glow_g, o.glow_b};
  float fall = 1 - o.outline_dark * (1 - edge);
  for (int i = 0; i < 3; ++i) {
    float c = (base[i] * (light * keyc[i] + s.glow) + specular * keyc[i] + through * trc[i]) * fall + rim * rimc[i] + glow * glowc[i];
    c *= o.exposure;
    // Gentle tone curve: lifts the deep carapace shades without washing out.
    c = c / (1 + 0.25f * c);
    c = std::pow(clampf(c, 0, 1), 1 / 1.15f);
    out[i] = c;
  }
}

template <class Fn>
void rows_in_parallel(int rows, Fn fn) {
  unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  std::atomic<int> next{0};
  auto work = [&] {
    for (int r = next++; r < rows; r = next++) fn(r);
  };
  std::vector<std::thread> pool;
  for (unsigned i = 1; i < cores; ++i) pool.emplace_back(work);
  work();
  for (auto& t : pool) t.join();
}

// Darkens the colour of the pixels near the picture's own outline: by the
// least coverage among the neighbours one and two pixels away, so the last
// pixel inside falls by about `amount` and the one behind it by a third.
void shade_edges(std::vector<float>& img, int w, int h, float amount) {
  auto alpha = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h ? 0.0f : img[(static_cast<size_t>(y) * w + x) * 4 + 3];
  };
  std::vector<float> fall(static_cast<size_t>(w) * h, 1.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (alpha(x, y) <= 0) continue;
      float near = 1, far = 1;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near = std::min(near, alpha(x + dx, y + dy));
      far = std::min({alpha(x - 2, y), alpha(x + 2, y), alpha(x, y - 2), alpha(x, y + 2)});
      // A limb only a pixel or two across is open on both sides: darkened
      // fully it would turn into a dark line, so it keeps most of its light.
      auto open = [&](int dx, int dy) {
        return 1 - std::min(alpha(x + dx, y + dy), alpha(x + 2 * dx, y + 2 * dy));
      };
      const float across = std::max(std::min(open(-1, 0), open(1, 0)), std::min(open(0, -1), open(0, 1)));
      fall[static_cast<size_t>(y) * w + x] =
          1 - amount * (1 - 0.7f * across) * (0.75f * (1 - near) + 0.25f * (1 - far));
    }
  for (size_t i = 0; i < fall.size(); ++i)
    for (int c = 0; c < 3; ++c) img[i * 4 + c] *= fall[i];
}

}  // namespace

namespace {

void render_into(const Model& m, Canvas& c, const RenderOptions& o, RenderMaps* maps) {
  const int w = c.width(), h = c.height();
  const int tx = (w + kTile - 1) / kTile, ty = (h + kTile - 1) / kTile;
  std::vector<Tile> tiles = bin_parts(m, w, h, tx, ty);
  const int ss = std::max(1, o.supersample);
  const float inv = 1.0f / (ss * ss);
  const Lights lights(o.key);
  // Premultiplied RGBA per pixel, filled row band by row band.
  std::vector<float> img(static_cast<size_t>(w) * h * 4, 0.0f);
  if (maps) {
    maps->coverage.assign(static_cast<size_t>(w) * h, 0);
    maps->tags.assign(static_cast<size_t>(w) * h, 0.0f);
  }
  rows_in_parallel(ty, [&](int trow) {
    // Each sample's hit and material tag, for the maps.
    std::vector<uint8_t> sample_hit(maps ? static_cast<size_t>(ss) * ss : 0);
    std::vector<float> sample_tag(sample_hit.size());
    for (int tcol = 0; tcol < tx; ++tcol) {
      const Tile& t = tiles[static_cast<size_t>(trow) * tx + tcol];
      if (t.parts.empty()) continue;
      for (int y = trow * kTile; y < std::min(h, (trow + 1) * kTile); ++y)
        for (int x = tcol * kTile; x < std::min(w, (tcol + 1) * kTile); ++x) {
          float acc[4] = {0, 0, 0, 0};
          if (maps) std::fill(sample_hit.begin(), sample_hit.end(), 0);
          // Every sample is marched for the outline; the light is worked
          // out once per 2 x 2 group of samples, at its first hit, and shared
          // by the group's other hits (the light varies far less within a
          // quarter pixel than the outline does).
          for (int qy = 0; qy < ss; qy += 2)
            for (int qx = 0; qx < ss; qx += 2) {
              float col[3] = {0, 0, 0};
              bool lit = false;
              for (int sy = qy; sy < std::min(ss, qy + 2); ++sy)
                for (int sx = qx; sx < std::min(ss, qx + 2); ++sx) {
                  V3 hit;
                  if (!march(t, x + (sx + 0.5f) / ss, y + (sy + 0.5f) / ss, hit)) continue;
                  Surface s;
                  if (!lit) {
                    V3 nrm = normal_at(t, hit);
                    scene_mat(t.parts.data(), static_cast<int>(t.parts.size()), hit, s);
                    const float thin = s.translucent > 0 ? thinness(t, hit, nrm) : 0;
                    shade(o, lights, s, hit, nrm, occlusion(t, hit, nrm, o.creases), thin, col);
                    lit = true;
                  } else if (maps) {
                    scene_mat(t.parts.data(), static_cast<int>(t.parts.size()), hit, s);
                  }
                  if (maps) {
                    sample_hit[static_cast<size_t>(sy) * ss + sx] = 1;
                    sample_tag[static_cast<size_t>(sy) * ss + sx] = s.tag;
                  }
                  acc[0] += col[0];
                  acc[1] += col[1];
                  acc[2] += col[2];
                  acc[3] += 1;
                }
            }
          float* px = &img[(static_cast<size_t>(y) * w + x) * 4];
          for (int i = 0; i < 4; ++i) px[i] = acc[i] * inv;
          if (maps) {
            // Summed in the order coverage() and tag_map() take the samples.
            int hits = 0;
            float sum = 0;
            for (size_t i = 0; i < sample_hit.size(); ++i)
              if (sample_hit[i]) ++hits, sum += sample_tag[i];
            const size_t at = static_cast<size_t>(y) * w + x;
            maps->coverage[at] = hits * 2 >= ss * ss;
            maps->tags[at] = sum / (ss * ss);
          }
        }
    }
  });
  if (o.edge_shade > 0) shade_edges(img, w, h, o.edge_shade);
  // Composite over the canvas.
  cairo_surface_t* surf = c.surface();
  cairo_surface_flush(surf);
  uint8_t* data = cairo_image_surface_get_data(surf);
  const int stride = cairo_image_surface_get_stride(surf);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float* px = &img[(static_cast<size_t>(y) * w + x) * 4];
      if (px[3] <= 0) continue;
      uint32_t d;
      std::memcpy(&d, data + y * stride + x * 4, 4);
      float da = (d >> 24) / 255.0f, dr = ((d >> 16) & 255) / 255.0f, dg = ((d >> 8) & 255) / 255.0f,
            db = (d & 255) / 255.0f;
      float k = 1 - px[3];
      auto to8 = [](float v) { return static_cast<uint32_t>(std::lround(clampf(v, 0, 1) * 255.0f)); };
      uint32_t a = to8(px[3] + da * k), r = to8(px[0] + dr * k), g = to8(px[1] + dg * k), b = to8(px[2] + db * k);
      r = std::min(r, a), g = std::min(g, a), b = std::min(b, a);
      uint32_t out = (a << 24) | (r << 16) | (g << 8) | b;
      std::memcpy(data + y * stride + x * 4, &out, 4);
    }
  cairo_surface_mark_dirty(surf);
}

}  // namespace

void render(const Model& m, Canvas& c, const RenderOptions& o) { render_into(m, c, o, nullptr); }

void render(const Model& m, Canvas& c, const RenderOptions& o, RenderMaps& maps) { render_into(m, c, o, &maps); }

// Visits every pixel that a part may reach, tile by tile and in parallel
// rows, with the tile's parts and the sample grid's side; the per-pixel
// maps below differ only in what they make of each pixel's samples.
template <typename Fn>
void for_each_covered_pixel(const Model& m, int width, int height, int supersample, Fn fn) {
  const int tx = (width + kTile - 1) / kTile, ty = (height + kTile - 1) / kTile;
  std::vector<Tile> tiles = bin_parts(m, width, height, tx, ty);
  const int ss = std::max(1, supersample);
  rows_in_parallel(ty, [&](int trow) {
    for (int tcol = 0; tcol < tx; ++tcol) {
      const Tile& t = tiles[static_cast<size_t>(trow) * tx + tcol];
      if (t.parts.empty()) continue;
      for (int y = trow * kTile; y < std::min(height, (trow + 1) * kTile); ++y)
        for (int x = tcol * kTile; x < std::min(width, (tcol + 1) * kTile); ++x) fn(t, x, y, ss);
    }
  });
}

std::vector<uint8_t> coverage(const Model& m, int width, int height, int supersample) {
  std::vector<uint8_t> out(static_cast<size_t>(width) * height, 0);
  for_each_covered_pixel(m, width, height, supersample, [&](const Tile& t, int x, int y, int ss) {
    int hits = 0;
    V3 hit;
    for (int sy = 0; sy < ss; ++sy)
      for (int sx = 0; sx < ss; ++sx) hits += march(t, x + (sx + 0.5f) / ss, y + (sy + 0.5f) / ss, hit);
    out[static_cast<size_t>(y) * width + x] = hits * 2 >= ss * ss;
  });
  return out;
}

std::vector<float> tag_map(const Model& m, int width, int height, int supersample) {
  std::vector<float> out(static_cast<size_t>(width) * height, 0.0f);
  for_each_covered_pixel(m, width, height, supersample, [&](const Tile& t, int x, int y, int ss) {
    float sum = 0;
    V3 hit;
    for (int sy = 0; sy < ss; ++sy)
      for (int sx = 0; sx < ss; ++sx) {
        if (!march(t, x + (sx + 0.5f) / ss, y + (sy + 0.5f) / ss, hit)) continue;
        Surface s;
        scene_mat(t.parts.data(), static_cast<int>(t.parts.size()), hit, s);
        sum += s.tag;
      }
    out[static_cast<size_t>(y) * width + x] = sum / (ss * ss);
  });
  return out;
}

}  // namespace contentgen::model
