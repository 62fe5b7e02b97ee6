#include "render/file_warnings.h"

#include "state/assets.h"
#include "platform/platform.h"
#include "render/text.h"

namespace {

// Counts the warning down and draws it at the strength left; returns the
// y of the next line.
int fadeline(int& counter, const char* message, int x, int y) {
  if (counter <= 0) return y;
  --counter;
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(counter / 100.0f);
  plat::set_colour(255, 0, 0);
  drawsmalltext(static_cast<float>(x), static_cast<float>(y), message, 0, 1);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  plat::set_colour(255, 255, 255);
  return y + overlaylinestep;
}

}  // namespace

int drawfilewarnings(int y, int x) {
  y = fadeline(gfxmissing, "Graphic file missing!", x, y);
  y = fadeline(sfxmissing, "Sound file missing!", x, y);
  return y;
}
