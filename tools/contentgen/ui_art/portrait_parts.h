// The parts of a squad portrait shared between the face and the hair and
// headgear drawn over it: the canvas geometry, the look of each member and
// the head's outline, the monitor finish and the creature head.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "console_metal.h"
#include "registry.h"

namespace contentgen::ui::portrait_parts {

constexpr int portrait_size = 184;
constexpr double centre_x = 92;

enum Hair { hair_bald, hair_buzz, hair_crew, hair_side_part, hair_ponytail, hair_bob, hair_bun, hair_mohawk, hair_curly,
           hair_long, hair_braids, hair_receding };
enum Headgear { gear_none, gear_helmet, gear_beret, gear_headset, gear_cap };
enum Beard { beard_none, beard_stubble, beard_moustache, beard_full, beard_goatee };

struct Look {
  bool female;
  Rgb skin, hair, iris;
  Hair hair_style;
  Headgear gear;
  Beard beard;
  double half_w, half_h, jaw;  // head half width and height, jaw 0 narrow .. 1 square
  double brow;                 // eyebrow weight
  double brow_tilt;            // > 0 stern (inner ends low)
  double smile;                // mouth corners: > 0 up, < 0 down
  bool scar, lined;
  Rgb armour;
  // The head's shape: width of the crown over the cheeks, of the chin
  // over the jaw (1 is the plain oval) and the breadth of the shoulders.
  double crown = 1, chin = 1, shoulders = 1;
};

// The head's outline (crown, cheeks, jaw and chin) centred on cy.
void head_path(cairo_t* cr, const Look& k, double cy);
// Fills the current path with a vertical gradient from a at y0 to b at y1.
void fill_linear_v(cairo_t* cr, double y0, double y1, Rgb a, Rgb b);
// Hair: 'behind' draws the parts that fall behind the head and shoulders.
void hair(cairo_t* cr, const Look& k, double cy, bool behind, uint32_t seed);
// The headgear over the hair, if the member wears any. Headset and cap are
// worn over the hair; a helmet hides it.
void headgear(cairo_t* cr, const Look& k, double cy, uint32_t seed);

// The monitor finish every portrait shares: scanlines and a vignette.
void monitor_finish(Canvas& c, uint32_t seed);

}  // namespace contentgen::ui::portrait_parts

namespace contentgen::ui {

// The creature head shown for a member it took.
Bytes alien_portrait();

}  // namespace contentgen::ui
