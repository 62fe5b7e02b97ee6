// The cut a corpse frame gets before it is saved: the game draws a corpse
// masked, each pixel whole or not at all, split at half cover.
#pragma once

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"

namespace contentgen::creatures {

// Makes every pixel whole (at least half cover) or clear, as the game will
// draw it, and rings the silhouette with one pixel of near-black line so
// the body and its pool stand off the deck as one firm shape rather than a
// haze of half-clear fringe.
void cut_as_drawn(Canvas& c);

// Turns the upper edge of the drawn shape (`solid`, as it was before the
// ring) toward a pale wet sheen, so the body still shows under a dark
// room's tint.
void catch_top_light(Canvas& c, const std::vector<uint8_t>& solid);

// Which pixels the game draws whole (at least half cover), row by row.
std::vector<uint8_t> drawn_mask(const Canvas& c);

// Paints `line` on every clear pixel of rows first_row..last_row (columns
// clear of the side borders) that touches a drawn pixel of `solid` across
// or down: a one-pixel ring round the drawn shape.
void ring_outline(Canvas& c, const std::vector<uint8_t>& solid, const uint8_t line[4], int first_row, int last_row);

}  // namespace contentgen::creatures
