// Solid creature models for pre-rendered sprite frames.
//
// A model is a list of implicit surfaces (spheres, ellipsoids, tapered
// capsules, tori) combined in order by smooth union or smooth subtraction,
// with ribbing and skin displacement. It is rendered by sphere tracing
// straight into the picture (an orthographic view along -z, the model's
// x and y being the picture's pixels, z toward the viewer), supersampled
// and filtered down to the frame. Light comes from the upper left like the
// painted tiles, with a cool rim light from behind, ambient occlusion and a
// wet specular.
#pragma once

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"

namespace contentgen::model {

struct V3 {
  float x = 0, y = 0, z = 0;
};
inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
inline float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 normalised(V3 a);
V3 lerp3(V3 a, V3 b, float t);

// Row-major rotation.
struct M3 {
  float m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  V3 apply(V3 v) const {
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
  }
  V3 apply_t(V3 v) const {  // by the transpose: the inverse of a rotation
    return {m[0] * v.x + m[3] * v.y + m[6] * v.z, m[1] * v.x + m[4] * v.y + m[7] * v.z,
            m[2] * v.x + m[5] * v.y + m[8] * v.z};
  }
};
M3 operator*(const M3& a, const M3& b);
M3 rot_x(float a);  // pitch: +a turns +y toward +z
M3 rot_y(float a);  // yaw: +a turns +z toward +x
M3 rot_z(float a);  // roll in the picture plane, clockwise on screen

// A placement: local points map to R * (s * p) + t.
struct Xf {
  M3 r;
  V3 t;
  float s = 1;
  V3 point(V3 p) const { return r.apply(p * s) + t; }
};
Xf operator*(const Xf& outer, const Xf& inner);
Xf place(V3 at, const M3& r = {}, float s = 1);

// Surface material: colour, wet specular, and how much the cool rim shows;
// then the surface detail that tells one tissue from another. Hard plates
// take ridges (sharp-crested noise at two scales carved into the surface)
// and a patchy shine; soft tissue takes mottling, a broad dull sheen and
// light through its thin parts; wet membranes take highlights broken into
// runs, as a film of slime catches the light.
struct Material {
  float r = 0.1f, g = 0.1f, b = 0.1f;
  float specular = 0.6f;    // specular strength
  float shine = 40;     // specular exponent
  float rim = 1.0f;     // rim light strength
  float glow = 0.0f;    // unlit self-colour (slime, acid)
  float ridge = 0.0f;   // depth of the ridges raised over the surface
  float ridge_size = 6.0f;  // spacing of the coarse ridges (the fine ones are a third of it)
  float rough = 0.0f;   // 0..1: how far the shine dulls in patches over the surface
  float mottle = 0.0f;  // 0..1: how much the colour blotches
  float translucent = 0.0f;  // light through thin parts, in this tissue's warm colour
  float tr = 0.95f, tg = 0.55f, tb = 0.38f;
  float streak = 0.0f;  // 0..1: the highlight broken into bright runs down the surface (wet film)
  float sheen = 0.0f;   // 0..1: how much of the shine spreads into a broad dull lobe (soft tissue)
  // 0..1: fine strands running down from the crown (RenderOptions::crown):
  // the colour and the shine break into thin streaks along them, as hair.
  float strands = 0.0f;
  // A label carried through the blends like the colour, read back by
  // tag_map() to paint over one material of the render alone.
  float tag = 0.0f;
};

class Model {
 public:
  // The placement applied to parts added from now on.
  void set_xf(const Xf& xf) { xf_ = xf; }
  const Xf& xf() const { return xf_; }

  // Each part joins what came before by a smooth union of width k (0 is a
  // hard union); `sub` parts carve instead.
  void sphere(V3 c, float r, const Material& m, float k = 0);
  void ellipsoid(V3 c, V3 radii, const M3& orient, const Material& m, float k = 0, bool sub = false);
  // Tapered capsule from a (radius ra) to b (radius rb). ribs: rings along
  // it every `rib_step` units, `rib_depth` deep.
  void capsule(V3 a, V3 b, float ra, float rb, const Material& m, float k = 0, float rib_step = 0,
               float rib_depth = 0, bool sub = false);
  // Torus around the local y axis of `orient`.
  void torus(V3 c, float major, float minor, const M3& orient, const Material& m, float k = 0);
  // Capsules through a chain of points.
  void chain(const V3* pts, const float* radii, int n, const Material& m, float k, float rib_step = 0,
             float rib_depth = 0);
  // Fine bumps over every part added from now on (0 turns them off).
  void set_skin(float amplitude, float scale) { skin_amp_ = amplitude, skin_scale_ = scale; }

  enum class Kind : uint8_t { Sphere, Ellipsoid, Capsule, Torus };
  struct Part {
    Kind kind;
    bool sub;
    V3 a, b;          // centre / capsule ends
    M3 inv;           // world to local rotation (ellipsoid, torus)
    V3 radii;         // ellipsoid radii; torus (major, minor, -)
    float ra, rb;     // capsule radii (sphere: ra)
    float k;          // smooth width
    float rib_step, rib_depth;
    float skin_amp, skin_scale;
    float ridge, ridge_size;  // scaled with the placement
    // Worked out once when the part is added, for the distance field's
    // inner loop: the same expressions it would evaluate per sample.
    V3 ba;               // capsule: b - a
    float bb, len;       // capsule: |b - a| squared, and |b - a|
    float rib_band;      // rib_depth * 3
    float skin_band;     // skin_amp * 4
    float skin_inv;      // 1 / skin_scale
    float ridge_band;    // ridge * 3
    float ridge_inv;     // 1 / ridge_size
    float reach;         // capsule: how far from its axis the part's field can reach
    Material mat;
    V3 bound_c;       // bounding sphere
    float bound_r;
  };
  const std::vector<Part>& parts() const { return parts_; }

 private:
  void push(Part p);
  std::vector<Part> parts_;
  Xf xf_;
  float skin_amp_ = 0, skin_scale_ = 1;
};

struct RenderOptions {
  int supersample = 4;      // samples per pixel along each axis
  float exposure = 1.0f;
  float ambient = 0.16f;
  float rim_r = 0.35f, rim_g = 0.55f, rim_b = 0.80f;  // the cool rim light
  // A second cool rim from above and behind, catching every upward-facing
  // edge (0 none, 1 as strong as the first). It outlines a dark body's top
  // and back, so a creature in an unlit room keeps a readable silhouette.
  float top_rim = 0.0f;
  // A warm rim from below: the room's light thrown back up off the deck
  // onto the underside of the outline (0 none), so a dark body standing
  // in a warm-lit room picks up the room's colour along its lower edges.
  float floor_glow = 0.0f;
  float glow_r = 1.0f, glow_g = 0.62f, glow_b = 0.34f;
  // How far values fall toward the outline (0 none): a masked sprite's edge
  // pixels then sit dark against the room instead of glowing.
  float outline_dark = 0.6f;
  // How far the last two pixels inside the picture's own outline are
  // darkened (0 none). The shading above follows the surface, which at a
  // sprite's edge can still face the key light; this follows the mask, so
  // a sprite drawn over a tinted room always ends in a dark rim.
  float edge_shade = 0.0f;
  // Occlusion sampled in shorter steps, so that narrow creases (between
  // ribs, under plates, round a knuckle) fall into shadow as well as the
  // deep hollows; at the same cost.
  bool creases = false;
  // How far the rim light dies in occluded hollows (0 not at all): at 1 it
  // outlines the silhouette only and no longer traces inner edges, such as
  // a nose's wing against the cheek, as bright seams.
  float rim_hollow = 0.0f;
  // Where strands of hair radiate from (picture x, y, depth), for materials
  // that have them.
  V3 crown{0, 0, 0};
  // Toward the key light (picture x right, y down, z toward the viewer):
  // by default high on the left and in front.
  V3 key{-0.45f, -0.72f, 0.55f};
};

// Renders the model over the canvas (drawn on top of what it holds).
// Deterministic: the picture depends only on the model and the options,
// whatever the number of threads that share the rows.
void render(const Model& m, Canvas& c, const RenderOptions& o = {});

// What coverage() and tag_map() would give at the render's own supersample,
// gathered from the render's rays instead of marching them again.
struct RenderMaps {
  std::vector<uint8_t> coverage;
  std::vector<float> tags;
};
void render(const Model& m, Canvas& c, const RenderOptions& o, RenderMaps& maps);

// Opaque coverage of the model alone, one flag per pixel (a pixel is set
// when at least half its samples hit), for crops and hit masks.
std::vector<uint8_t> coverage(const Model& m, int width, int height, int supersample = 4);

// The blended Material::tag of the surface seen at each pixel (0 where
// nothing is hit), averaged over the samples, for masks of one material.
std::vector<float> tag_map(const Model& m, int width, int height, int supersample = 2);

}  // namespace contentgen::model
