#include "render/demo_mark.h"

#include "state/play_state.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud_parts.h"
#include "render/text.h"

namespace {

// On the small read-out screen of the console's top right, clear of the
// view and of the debug and cheat lines in the top-left corner.
constexpr float markx = 792, marky = 16;
// It breathes gently with the blink that drives the other lights.
constexpr int dimmest = 55;

}  // namespace

void drawdemomark() {
  hudreset();
  setcolourbright(255, 210, 0, dimmest + (100 - dimmest) * pulselevel / 100.0f);
  drawtext2(markx, marky, "DEMO", 1);
  setcolourbright(255, 255, 255, 100);
}
