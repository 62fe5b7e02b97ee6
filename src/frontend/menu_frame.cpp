#include "frontend/menu_frame.h"

#include <algorithm>

#include "state/assets.h"
#include "state/game_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/panel.h"
#include "render/text.h"

int nextstate = 0;
int menusel = 1;
int selpulse = 0, seldir = 0;
std::string menutitle;
std::string menutext[21];

namespace {
// The pointer position of the last frame; a frame counts as a mouse move
// only when it differs. -1 until the first frame.
int lastmx = -1, lastmy = -1;

void selectionchanged() {
  seldir = 1;
  selpulse = 40;
}

bool selectable(const MenuScreen& s, int i) {
  return i >= 1 && i <= static_cast<int>(s.items.size()) && !s.items[i - 1].disabled;
}

// Steps from the selection in direction d to the next item that is not
// disabled, wrapping at both ends. Stays put when every item is disabled.
int step(const MenuScreen& s, int from, int d) {
  const int n = static_cast<int>(s.items.size());
  int i = from;
  for (int k = 0; k < n; ++k) {
    i += d;
    if (i > n) i = 1;
    if (i < 1) i = n;
    if (selectable(s, i)) return i;
  }
  return from;
}

bool pointerin(const MenuScreen& s, int i) {
  int x, y, w, h;
  menuitemrect(s, i, x, y, w, h);
  return inputmousex >= x && inputmousex < x + w && inputmousey >= y && inputmousey < y + h;
}
}  // namespace

MenuItem menuitem(const std::string& text, int hitx, int hitw) {
  MenuItem it;
  it.text = text;
  it.hitx = hitx;
  it.hitw = hitw;
  return it;
}

int applynextstate() {
  if (nextstate <= 0) return 0;
  gamestate = nextstate;
  menusel = 1;
  nextstate = 0;
  return gamestate;
}

MenuLayout menulayout(int n) {
  MenuLayout l;
  l.height = 2 * 5 + 2 * 13 + itempitch * (n - 1) + itemheight;
  l.top = 449 - l.height / 2;
  if (l.top - 35 - 23 < 145) l.top = 35 + 145 + 23;
  l.titley = l.top - 58;
  l.firstitemy = l.top + 18;
  return l;
}

int menuitemy(const MenuLayout& l, int i) { return l.firstitemy + itempitch * (i - 1); }

void menuitemrect(const MenuScreen& s, int i, int& x, int& y, int& w, int& h) {
  const MenuItem& it = s.items[i - 1];
  if (it.ownrect) {
    x = it.rx, y = it.ry, w = it.rw, h = it.rh;
    return;
  }
  x = it.hitx;
  w = it.hitw;
  y = menuitemy(menulayout(static_cast<int>(s.items.size())), i);
  h = itemheight;
}

MenuInput menuinput(const MenuScreen& s) {
  MenuInput in;
  const int n = static_cast<int>(s.items.size());
  // A selection left on a disabled item (the screen changed under it) moves
  // on to the next item that can be chosen.
  if (!selectable(s, menusel)) menusel = step(s, std::clamp(menusel, 1, n), 1);

  const int before = menusel;
  if (gamekeyhit(keyarrowdown)) menusel = step(s, menusel, 1);
  if (gamekeyhit(keyarrowup)) menusel = step(s, menusel, -1);
  if (menupointermoved()) {
    for (int i = 1; i <= n; ++i)
      if (selectable(s, i) && pointerin(s, i)) menusel = i;
  }
  if (menusel != before) selectionchanged();

  if (selectable(s, menusel)) {
    const bool over = pointerin(s, menusel);
    const bool sideways = s.sideways || s.items[menusel - 1].sideways;
    if (gamekeyhit(keyenter) || (gamemousehit(1) && over)) {
      in.activated = menusel;
      in.direction = 1;
    } else if (sideways && gamekeyhit(keyarrowright)) {
      in.activated = menusel;
      in.direction = 1;
    } else if (sideways && (gamekeyhit(keyarrowleft) || (gamemousehit(2) && over))) {
      in.activated = menusel;
      in.direction = -1;
    }
  }
  in.escape = gamekeyhit(keyescape) != 0;
  if (in.activated) playsound(snd_tick);

  stepselpulse();
  return in;
}

bool menupointermoved() {
  // A pointer that stayed put while the display switched lands on another
  // item; that is no choice of the player's.
  const bool moved = lastmx >= 0 && !inputpointerstill && (inputmousex != lastmx || inputmousey != lastmy);
  notemenupointer();
  return moved;
}

void notemenupointer() {
  lastmx = inputmousex;
  lastmy = inputmousey;
}

void stepselpulse() {
  // Up to 30, then back down to 0, and again.
  if (seldir == 0) {
    selpulse += 1;
    if (selpulse >= 30) seldir = 1;
  } else {
    selpulse -= 1;
    if (selpulse <= 0) seldir = 0;
  }
}

void menuitemcolour(const MenuScreen& s, int i, int& r, int& g, int& b) {
  const MenuItem& it = s.items[i - 1];
  if (it.steady) {
    r = it.r, g = it.g, b = it.b;
    return;
  }
  int level = 100;
  if (it.disabled) level = 33;
  else if (i == menusel) level = std::min(255, 165 + 3 * selpulse);
  r = it.r * level / 255;
  g = it.g * level / 255;
  b = it.b * level / 255;
}

void drawmenubackdrop() {
  plat::set_colour(255, 255, 255);
  plat::set_blend(plat::BlendMasked);
  plat::set_scale(2, 2);
  drawimageguarded(img_backer, 0, 0, 0);
  plat::set_scale(1, 1);
  plat::set_blend(plat::BlendAlpha);
  drawimageguarded(img_title, 512 - imagewidth(img_title) / 2, 70 - imageheight(img_title) / 2, 0);
  plat::set_blend(plat::BlendMasked);
}

void drawmenuback(const MenuScreen& s) {
  const int n = static_cast<int>(s.items.size());
  const MenuLayout l = menulayout(n);
  drawmenubackdrop();
  panel(512, l.top, s.panelw, l.height, 2);
  plat::set_colour(255, 255, 0);
  drawbigtext(512, l.titley, s.title, 1);
  // If any value is too wide for the panel (a pad's "JOY 1 D-RIGHT"), every
  // value is written in the smaller face, so one list keeps one size.
  const int room = 512 + s.panelw / 2 - 13;
  bool smallvalues = false;
  for (const MenuItem& it : s.items)
    if (!it.hidden && !it.value.empty() && bigtextwidth(it.value) > room - it.valuex) smallvalues = true;
  for (int i = 1; i <= n; ++i) {
    const MenuItem& it = s.items[i - 1];
    if (it.hidden) continue;
    int r, g, b;
    menuitemcolour(s, i, r, g, b);
    plat::set_colour(r, g, b);
    const int y = menuitemy(l, i);
    drawbigtext(it.centred ? 512 : it.textx, y, it.text, it.centred ? 1 : 0);
    if (!it.value.empty()) {
      // The smaller face sits centred on the row's height.
      if (smallvalues) drawbigtextsmall(it.valuex, y + 6, it.value, 0);
      else drawbigtext(it.valuex, y, it.value, 0);
    }
  }
  plat::set_colour(255, 255, 255);
}

void drawmenufront() {
  plat::set_colour(255, 255, 255);
  plat::set_blend(plat::BlendMasked);
  drawsmalltext(0, 758, "v" RX_VERSION, 0);
  drawimageguarded(img_mouse, inputmousex, inputmousey, 0);
}

MenuInput runmenu(const MenuScreen& s) {
  const MenuInput in = menuinput(s);
  drawmenuback(s);
  drawmenufront();
  flushhits();
  return in;
}

void resetmenuframe() {
  lastmx = lastmy = -1;
  menusel = 1;
  selpulse = 0;
  seldir = 0;
  nextstate = 0;
}
