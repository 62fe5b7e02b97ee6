// LOAD GAME (11) and SAVE GAME (12) run inside the common menu frame: the
// pointer-move rule, the selection pulse, the click, the backdrop and logo,
// the version tag, the pointer and the hit flush are the same as on every
// other menu; the slot list itself is the save screens' own.
#include "state/assets.h"
#include "state/game_state.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"
#include "frontend/save_screens.h"
#include "input/input.h"

namespace {
SlotInput slotinputnow() {
  SlotInput in = liveslotinput(inputmousex, inputmousey);
  in.mousemoved = menupointermoved();
  return in;
}

void finishslotframe(int state, int activated) {
  if (activated) playsound(snd_tick);
  stepselpulse();
  drawmenubackdrop();
  drawslotscreen(state);
  drawmenufront();
  flushhits();
}
}  // namespace

void runloadgame() {
  const SlotInput in = slotinputnow();
  finishslotframe(stateloadgame, loadscreenframe(in));
}

void runsavegame() {
  const SlotInput in = slotinputnow();
  finishslotframe(statesavegame, savescreenframe(in, livekeyframe(), livetypingtables()));
}
