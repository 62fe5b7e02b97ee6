// Shared pieces of the solid creature models: materials, two-bone limbs and
// the finish every rendered frame gets.
#pragma once

#include <cmath>
#include <functional>

#include "model_kit/model.h"

namespace contentgen::creatures::solid {

using model::M3;
using model::Material;
using model::Model;
using model::V3;
using model::Xf;

// Wet black-blue carapace, its darker far-side variant, the hugger's pale
// bone-flesh, teeth, the red mouth, drool and the queen's darker crest.
// The carapace is hard chitin plate: close, sharp ridges over it, a small
// hard highlight and a shine that dulls in patches, so no two stretches
// of it catch the light alike.
inline constexpr Material kCarapace{0.08f, 0.095f, 0.135f, 1.55f, 130, 1.0f, 0, 0.34f, 4.2f, 0.45f, 0.15f};
inline constexpr Material kCarapaceFar{0.05f, 0.06f, 0.085f, 1.1f, 130, 0.8f, 0, 0.34f, 4.2f, 0.45f, 0.15f};
// The soft ribbed tissue between the plates: a warmer, duller dark, no
// ridges, its shine spread into a broad sheen, mottled, and the light
// glowing dull red through its thin parts.
inline constexpr Material kTissue{0.07f,  0.045f, 0.052f, 0.24f, 30,    0.75f, 0,    0,     6,
                                  0.25f,  0.45f,  0.35f,  0.55f, 0.20f, 0.18f, 0.0f, 0.8f};
inline constexpr Material kTissueFar{0.045f, 0.03f, 0.035f, 0.17f, 30,    0.6f,  0,     0,    6,
                                     0.25f,  0.45f, 0.25f,  0.40f, 0.15f, 0.13f, 0.0f, 0.8f};
// Wet membrane stretched over the joints and under the crest: glossy, a
// shade greener, its highlight broken into runs of slime.
inline constexpr Material kMembrane{0.075f, 0.10f, 0.095f, 1.5f, 45, 1.2f, 0, 0, 6,
                                    0,      0.25f, 0.3f,   0.40f, 0.46f, 0.32f, 1.0f, 0.1f};
inline constexpr Material kCrest{0.07f, 0.08f, 0.11f, 1.2f, 70, 1.1f, 0, 0.5f, 8.0f, 0.4f, 0.2f};
// The queen's crest: the same plate, ridged deeper and dulled in patches.
inline constexpr Material kCrown{0.09f, 0.10f, 0.13f, 1.6f, 60, 1.5f, 0, 0.6f, 11.0f, 0.4f, 0.25f};
inline constexpr Material kTooth{0.80f, 0.78f, 0.66f, 0.7f, 30, 0.4f, 0};
inline constexpr Material kMouth{0.32f, 0.05f, 0.06f, 0.5f, 20, 0.2f, 0};
inline constexpr Material kDrool{0.55f, 0.62f, 0.52f, 1.4f, 80, 0.9f, 0.25f};
inline constexpr Material kBone{0.62f, 0.52f, 0.38f, 0.7f, 30, 0.6f, 0};
inline constexpr Material kBoneDark{0.45f, 0.36f, 0.25f, 0.6f, 30, 0.5f, 0};
inline constexpr Material kVein{0.50f, 0.28f, 0.25f, 0.6f, 30, 0.4f, 0};

// How a creature sprite is rendered: a dark rim inside its outline, so it
// sits in a lit or tinted room instead of glowing on it, and shadow in the
// narrow creases between ribs and plates.
inline model::RenderOptions sprite_options() {
  model::RenderOptions o;
  o.edge_shade = 0.45f;
  o.creases = true;
  // A cool light along the top and back as well, so a black body outside
  // the flashlight in an unlit room still shows its outline.
  o.top_rim = 2.4f;
  return o;
}

inline float len(V3 a) { return std::sqrt(model::dot(a, a)); }

// The middle joint of a two-bone limb from root toward target, bent toward
// the hint direction. A target out of reach straightens the limb.
V3 joint(V3 root, V3 target, float l1, float l2, V3 hint);
// The end a two-bone limb reaches toward target (the target itself, or the
// nearest point it can reach).
V3 reach(V3 root, V3 target, float l1, float l2);

// The lowest row the model covers in a picture of the given size (-1 when
// it covers none), for standing poses on a floor line.
int lowest_solid_row(const Model& m, int width, int height);

// The highest row the model covers in a picture of the given size, counted
// from its top (negative above it); a large value when it covers none.
int top_solid_row(const Model& m, int width, int height);

// Shrinks a view about the pivot just enough that the model keeps clear of
// the picture's left and right edges by `margin` and of the rows above
// `top`; a model that already fits keeps its view.
using Builder = std::function<void(Model&, const Xf&)>;
Xf fit(const Builder& build, const Xf& view, int width, int height, V3 pivot, int top = 3, int margin = 3);

// A hanging strand of slime: thin where it leaves, thickening into a drop.
void drool(Model& m, V3 from, float length, float sway, float width);
// A strand stretched between two points, sagging under its weight.
void strand(Model& m, V3 a, V3 b, float sag, float width);

}  // namespace contentgen::creatures::solid
