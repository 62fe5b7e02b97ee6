// The creature head shown on the console for a member it took, and the
// model of that head, which the menu backdrop uses too.
#pragma once

#include "model_kit/model.h"
#include "registry.h"

namespace contentgen::ui {

Bytes alien_portrait();

// Adds the creature's head to the model under its current placement, in
// portrait space (184 x 184), in a dark wet shell: the long dome runs from the jaws at the
// lower left to the crown beyond the upper right corner.
void creature_head(model::Model& m);
// The same head in another shell: the dome, the ridges along it, and the
// parts in its shadow (the lower jaw, every other neck tube).
struct Shell {
  model::Material dome, ridge, shadowed;
};
void creature_head(model::Model& m, const Shell& shell);

}  // namespace contentgen::ui
