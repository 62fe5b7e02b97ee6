// SQUAD (statesquad): Accept, Split and Cancel in the middle, the six squad
// slots in two columns of three on either side.
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"
#include "frontend/squad_pick.h"
#include "input/input.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/panel.h"
#include "render/text.h"
#include "squad/roster.h"
#include "squad/squad.h"

namespace {
// Top-left corners of the slot panels as placed; they are drawn 23 pixels
// higher.
constexpr int slotpos[7][2] = {{0, 0}, {8, 194}, {8, 385}, {8, 576}, {636, 194}, {636, 385}, {636, 576}};
constexpr int slotlift = 23;
constexpr int firstslotitem = 4;

int slotx(int s) { return slotpos[s][0]; }
int sloty(int s) { return slotpos[s][1] - slotlift; }

MenuScreen squadscreen() {
  MenuScreen m;
  m.title = "SQUAD";
  m.panelw = 232;
  for (const char* t : {"Accept", "Split", "Cancel"}) m.items.push_back(menuitem(t, 401, 222));
  MenuItem& split = m.items[1];
  if (modeplayers == 1) {
    split.disabled = true;
  } else if (splitoption == 0) {
    // The word says the mode as well as the colour: split command is on.
    // No colon: "SPLIT OFF" must fit the middle panel's 222 pixels.
    split.text = "Split On";
    split.r = 0, split.g = 255, split.b = 0;
  } else {
    split.text = "Split Off";
    split.r = 255, split.g = 0, split.b = 0;
  }
  for (int s = 1; s <= 6; ++s) {
    MenuItem slot;
    slot.hidden = true;
    slot.ownrect = true;
    slot.sideways = true;
    slot.rx = slotx(s) + 5, slot.ry = sloty(s) + 5, slot.rw = 370, slot.rh = 173;
    m.items.push_back(slot);
  }
  return m;
}

void saveoptions(int y) {
  if (!writeoptions("opt.dat")) postmessage("ERROR: Unable to save options", y, 1);
}

bool pointerinrow(int x, int y, int d) {
  return inputmousex >= x + 148 && inputmousex < x + 148 + 195 && inputmousey >= y + 64 + d &&
         inputmousey < y + 64 + d + 19;
}

void drawslot(const MenuScreen& m, int s) {
  const int x = slotx(s), y = sloty(s);
  const int n = squadpick[s][pickroster] >= 1 && squadpick[s][pickroster] <= rostercount ? squadpick[s][pickroster] : 0;
  plat::set_colour(255, 255, 255);
  panel(x, y, 380, 183, 0);
  int r, g, b;
  menuitemcolour(m, firstslotitem + s - 1, r, g, b);
  plat::set_colour(r, g, b);
  drawbigtext(x + 190, y + 14, rostername[n], 1);
  plat::set_colour(255, 255, 255);
  drawimageguarded(img_facebord, x + 64, y + 41, 0);
  if (n) {
    plat::set_scale(0.5f, 0.5f);
    drawimageguarded(faceimg[n], x + 113, y + 90, 0);
    plat::set_scale(1, 1);
  }
  const int blockw = imagewidth(img_blocker) > 0 ? imagewidth(img_blocker) : 1;
  for (int a = 1; a <= 4; ++a) {
    const int d = 26 * (a - 1);
    drawimageguarded(iconimg[a], x + 148, y + 65 + d, 0);
    drawimageguarded(img_statbar, x + 174, y + 69 + d, 0);
    // The blocker covers the bar from its right end back to the value.
    const int hidden = 166 - squadpick[s][pickbar(a)];
    if (hidden > 0) {
      plat::set_scale(static_cast<float>(hidden) / blockw, 1);
      drawimageguarded(img_blocker, x + 340 - hidden, y + 69 + d, 0);
      plat::set_scale(1, 1);
    }
    drawimageguarded(img_statborder, x + 171, y + 66 + d, 0);
  }
}

// The tooltip of a bar goes just under its row, where it hides only bars
// below; the last bar's goes just over it. Neither covers the member's name
// nor the bar pointed at, nor reaches the next slot.
void drawtooltips() {
  constexpr int rowtop = 64, rowheight = 19, gap = 2, tipheight = 42;
  for (int s = 1; s <= 6; ++s)
    for (int a = 1; a <= 4; ++a) {
      const int d = 26 * (a - 1);
      if (!pointerinrow(slotx(s), sloty(s), d)) continue;
      const int row = sloty(s) + rowtop + d;
      const int y = a < 4 ? row + rowheight + gap : row - tipheight - gap;
      tooltip(slotx(s) + 245, y, attrtext[a][1], attrtext[a][2], 1);
    }
}
}  // namespace

void runsquadscreen() {
  sanitisesquadpicks();
  const MenuScreen m = squadscreen();
  const MenuInput in = menuinput(m);
  if (in.activated == 1) {
    for (int s = 1; s <= 6; ++s) squadchar[s] = squadpick[s][pickroster];
    saveoptions(modeplayers == 1 ? 192 : 240);
    nextstate = statenewgame;
  } else if (in.activated == 2) {
    splitoption = splitoption ? 0 : 1;
  } else if (in.activated == 3) {
    saveoptions(384);
    nextstate = statemainmenu;
  } else if (in.activated >= firstslotitem) {
    stepsquadpick(in.activated - firstslotitem + 1, in.direction);
  } else if (in.escape) {
    saveoptions(384);
    nextstate = stategamemode;
  }
  movesquadbars();

  // Redraw with this frame's choices (the Split colour may have changed).
  const MenuScreen shown = squadscreen();
  drawmenuback(shown);
  for (int s = 1; s <= 6; ++s) drawslot(shown, s);
  if (modeplayers == 2 && splitoption == 0) {
    plat::set_colour(255, 255, 255);
    drawbigtext(198, 135, "Player 1", 1);
    drawbigtext(826, 135, "Player 2", 1);
  }
  drawtooltips();
  drawmenufront();
  flushhits();
}
