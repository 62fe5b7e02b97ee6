#include "render/replay_mark.h"

#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud_parts.h"
#include "render/text.h"
#include "state/play_state.h"

namespace {

// On the console's small read-out screen at the top right, where a demo
// shows its mark, clear of the view and of the debug lines.
constexpr float markx = 792, marky = 8, clocky = 32, speedy = 48;
// Under the message line, where the out-of-step line stands.
constexpr float hinty = 424;

}  // namespace

void drawreplaymark(const ReplayMark& m) {
  hudreset();
  setcolourbright(0, 220, 255, 100);
  drawtext2(markx, marky, "REPLAY", 1);
  setcolourbright(255, 255, 255, 100);
  drawsmalltext(markx, clocky, m.clock, 1, 1);
  if (m.stopped || m.paused || m.fast) {
    setcolourbright(255, 210, 0, 55 + 45 * pulselevel / 100.0f);
    drawsmalltext(markx, speedy, m.stopped ? "STOPPED" : m.paused ? "PAUSED" : "x4", 1, 1);
  }
  if (m.stopped) {
    setcolourbright(255, 255, 255, 100);
    drawtext2(512, hinty, "ESC: MAIN MENU", 1);
  }
  setcolourbright(255, 255, 255, 100);
}
