#include "creatures/closeup.h"

#include <cmath>

#include "state/assets.h"
#include "state/play_state.h"
#include "platform/platform.h"

void (*closeuprunner)() = runcloseup;

namespace {

// Brightness in percent of close-up frame f (0..99).
int closeupbrightness(int f) {
  if (f < 20) return 5 * (f + 1);
  if (f < 80) return 100;
  return 100 - 5 * (f - 79);
}

}  // namespace

int closeuplevel(int brightness) { return static_cast<int>(std::lround(brightness * 2.55)); }

void drawcloseup(int brightness) {
  // An absent picture raises the missing-graphic warning like any other.
  if (img_colonist_big == 0 || !plat::image_exists(img_colonist_big)) {
    gfxmissing = 100;
    return;
  }
  const int c = closeuplevel(brightness);
  int blend = plat::get_blend();
  plat::set_blend(plat::BlendMasked);
  plat::set_colour(c, c, c);
  plat::set_scale(2.23f, 2.23f);
  plat::draw_image(img_colonist_big, 0, 0, 0);
  plat::set_scale(1, 1);
  plat::set_colour(255, 255, 255);
  plat::set_blend(blend);
}

void runcloseup() {
  static int pacer = 0;
  if (timerlimited == 1 && pacer == 0) pacer = plat::create_timer(60);
  for (int f = 0; f < 100; ++f) {
    while (plat::app_suspended() && !plat::close_requested()) plat::delay(200);
    if (plat::close_requested()) return;
    if (timerlimited == 1) plat::wait_timer(pacer);
    drawcloseup(closeupbrightness(f));
    plat::flip(timerlimited != 1);
    plat::cls();
  }
}
