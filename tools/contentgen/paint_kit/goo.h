// Lit goo: flat shapes turned into wet, translucent, rounded liquid lit
// like the modelled creatures. The shapes are drawn as a coverage mask, the
// mask is blurred into a height field (thick in the middle of a blob, thin
// at its lip), and every covered pixel is shaded from the field's slope
// with the creatures' key light from the upper left, a tight wet highlight
// and a cool rim; thin goo lets more of what lies behind show through.
#pragma once

#include <cairo.h>

#include <functional>

namespace contentgen::paint {

struct GooLook {
  // Colour of light passing through a thin film, and of the deep body.
  double thin[3] = {0.82, 0.90, 0.44};
  double deep[3] = {0.34, 0.47, 0.08};
  double alpha_thin = 0.55, alpha_deep = 0.92;  // opacity at the lip and in the bulk
  double depth = 2.6;   // how steeply the surface bulges: higher reads rounder
  double blur = 3.0;    // the height field's softness in pixels (about the lip's width)
  double shine = 1.0;   // specular strength
};

// Draws `shapes` (filled in any colour, in device pixels: the callback gets
// a context with the identity transform) as lit goo over what `cr`'s target
// already holds. The callback may fill as many paths as it likes.
void lit_goo(cairo_t* cr, const std::function<void(cairo_t*)>& shapes, const GooLook& look = {});

}  // namespace contentgen::paint
