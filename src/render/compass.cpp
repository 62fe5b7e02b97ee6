// The compass: a faint dial with a needle turned to the member's facing wall.
#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/views.h"
#include "squad/squad.h"

const int compassy[4] = {0, 26, 16, 274};

void drawcompass(int view, float y) {
  const int m = curmember[view == 2 ? 2 : 1];
  if (m < 1 || m > 6) return;
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.5f);
  drawimageculled(img_bald, 512, y, 0);
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(1);
  float angle = 0;
  switch (squad[m][mfacing]) {
    case 1: angle = 90; break;
    case 2: angle = 180; break;
    case 3: angle = 270; break;
    default: angle = 0;
  }
  plat::set_rotation(angle);
  drawimageculled(img_indicator, 512, y, 0);
  plat::set_rotation(0);
}
