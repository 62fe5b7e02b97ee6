// Value passes for pictures the game multiplies by a coloured room light.
// A tint such as pure red or pure blue keeps one channel of the picture, so
// whatever shape the picture shows must be carried by its value in every
// channel, not by hue.
#pragma once

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Sharpens the picture's value structure: each covered pixel's luminance is
// compared with the mean luminance of the covered pixels within `radius`,
// and `amount` times the difference is added to all three channels alike,
// so seams, bevels, rivets and grime deepen the same in a red, green or blue
// room. `grey_share` (0..1) also pulls each pixel's colour toward its own
// luminance, so a warm or green detail keeps its value in the other
// channels; strongly coloured pixels (lamps, buttons) are pulled less.
void value_detail(Canvas& c, int radius, double amount, double grey_share);

// Evens out the mean luminance of the picture's columns for a picture drawn
// once every `period` pixels: columns lying a whole number of periods from
// each other (counted from x0) are one group, each group's mean over its
// covered pixels is moved toward the mean of all of them by `strength`
// (0..1): a light group scaled down, a dark one lifted toward white, so
// black seams and clipped highlights do not stop it. Every column of a
// group gets the same change, so the copies a
// picture carries of its neighbour's edge stay matched. A row of such
// pictures then shows no stripe of light or dark at the same place in
// every slot.
void even_columns(Canvas& c, int x0, int period, double strength);

// Gives metal its shine and depth, alike in every channel: a pixel well
// above the mean luminance within `radius` (a bevel, a rivet head, a lit
// edge) is pushed toward white by up to `shine`, one well below it (a seam,
// a recess, a groove) toward black by up to `shade`. Flat faces are left as
// they are, so a single-channel tint keeps near-white glints and
// near-black seams on the same plate.
void shine_and_shade(Canvas& c, int radius, double shine, double shade);

}  // namespace contentgen::paint
