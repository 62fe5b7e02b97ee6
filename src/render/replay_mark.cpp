#include "render/replay_mark.h"

#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud_parts.h"
#include "render/text.h"
#include "state/play_state.h"

namespace {

// On the console's small read-out screen at the top right, where a demo
// shows its mark, clear of the view and of the debug lines: the word and
// the clock inside the screen, the speed on the metal under it.
constexpr float markx = 792, marky = 20, clocky = 33, speedy = 49;
// Under the message line, where the out-of-step line stands.
constexpr float hintgap = 44;

}  // namespace

void drawreplaymark(const ReplayMark& m) {
  hudreset();
  setcolourbright(0, 220, 255, 100);
  drawtext2small(markx, marky, "REPLAY", 1);
  setcolourbright(255, 255, 255, 100);
  drawsmalltext(markx, clocky, m.clock, 1, 1);
  if (m.stopped || m.paused || m.fast) {
    setcolourbright(255, 210, 0, 55 + 45 * pulselevel / 100.0f);
    drawsmalltext(markx, speedy, m.stopped ? "STOPPED" : m.paused ? "PAUSED" : "x4", 1, 1);
  }
  if (m.stopped) {
    // Outlined like the message line, so it reads over any room.
    const float y = static_cast<float>(m.stoppedy) + hintgap;
    setcolourbright(0, 0, 0, 100);
    for (int dx : {-2, 2})
      for (int dy : {-2, 2}) drawtext2(512.0f + dx, y + dy, "ESC: MAIN MENU", 1);
    setcolourbright(255, 255, 255, 100);
    drawtext2(512, y, "ESC: MAIN MENU", 1);
  }
  setcolourbright(255, 255, 255, 100);
}
