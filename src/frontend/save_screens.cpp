#include "frontend/save_screens.h"

#include <algorithm>

#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/linked_state.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "input/keynames.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "render/draw_helpers.h"
#include "render/font_tables.h"
#include "render/panel.h"
#include "render/text.h"
#include "world/machinery.h"

int menuskip[21];
int typingslot = 0;

namespace {

const std::string emptyslot = "--EMPTY--";

bool selectable(int state, int item) {
  return !(state == stateloadgame && item >= 1 && item <= 7 && menuskip[item] == 1);
}

void select(int item) {
  if (item == menusel) return;
  menusel = item;
  seldir = 1;
  selpulse = 40;
}

// Moves the selection by step (+1 / -1), wrapping and skipping rows that
// cannot be chosen. The last item (CANCEL) is always selectable.
void stepselection(int state, int step) {
  const int n = slotitems(state);
  int item = menusel;
  for (int tries = 0; tries < n; ++tries) {
    item += step;
    if (item > n) item = 1;
    if (item < 1) item = n;
    if (selectable(state, item)) break;
  }
  select(item);
}

// Applies navigation; returns the item activated this frame, or 0.
int navigate(int state, const SlotInput& in) {
  if (in.down) stepselection(state, 1);
  if (in.up) stepselection(state, -1);
  if (in.mousemoved)
    for (int i = 1; i <= slotitems(state); ++i)
      if (selectable(state, i) && onslotitem(state, i, in.mousex, in.mousey)) select(i);
  if (in.enter) return menusel;
  if (in.leftclick && onslotitem(state, menusel, in.mousex, in.mousey)) return menusel;
  return 0;
}

// A slot row is 675 pixels wide: a longer name (a save written by hand) is
// cut to what fits inside it.
constexpr int slotnamewidth = 640;
constexpr size_t longestname = 120;  // far more than the row holds

std::string fitslotrow(std::string name) {
  if (name.size() > longestname) name.resize(longestname);
  while (!name.empty() && bigtextwidth(name) > slotnamewidth) name.pop_back();
  return name;
}

}  // namespace

std::string slotbase(int n) { return n == 7 ? "quick" : "save_" + std::to_string(n); }

void listsaveslots() {
  for (int n = 1; n <= 7; ++n) {
    const std::string name = readsavename(slotbase(n));
    menuskip[n] = name.empty() ? 1 : 0;
    menutext[n] = !name.empty() ? fitslotrow(name) : (n == 7 ? "QUICKSAVE" : emptyslot);
  }
}

void enterslotscreen(int state) {
  listsaveslots();
  typingslot = 0;
  resettextentry();
  menusel = 1;
  while (menusel < slotitems(state) && !selectable(state, menusel)) ++menusel;
}

int slotitems(int state) { return state == stateloadgame ? 8 : 7; }

int slotitemy(int state, int item) { return menuitemy(menulayout(slotitems(state)), item); }

int slotmessagey(int state) {
  const MenuLayout l = menulayout(slotitems(state));
  return l.top + l.height + 10;
}

bool onslotitem(int state, int item, int x, int y) {
  const bool cancel = item == slotitems(state);
  const int left = cancel ? 327 : 174, width = cancel ? 370 : 675;
  const int top = slotitemy(state, item);
  return x >= left && x < left + width && y >= top && y < top + 35;
}

bool loadslot(int n) {
  if (loadgame(slotbase(n)) != 1) {
    postmessage("ERROR: Unable to load game", slotmessagey(stateloadgame), 0);
    return false;
  }
  postmessage("Game loaded", savestatusy(), 0);
  trackcount[1] = trackcount[2] = 800;
  gameinprogress = 1;
  alldead = 0;
  plat::seed_random(static_cast<uint32_t>(rndseed));
  nextstate = stateplay;
  if (settings[setmusic] == 1 && musicmode == musicmenu) startgamemusic();
  return true;
}

int loadscreenframe(const SlotInput& in) {
  if (in.esc) {
    nextstate = statemainmenu;
    return 0;
  }
  const int item = navigate(stateloadgame, in);
  if (item == 8) nextstate = statemainmenu;
  else if (item >= 1 && item <= 7 && menuskip[item] == 0) loadslot(item);
  return item;
}

int savescreenframe(const SlotInput& in, const KeyFrame& keys, const TypingTables& tables) {
  if (typingslot) {
    textentry(keys, 0, 0, savenamemax, tables);
    if (in.esc) {
      typingslot = 0;
    } else if (in.enter) {
      const int n = typingslot;
      typingslot = 0;
      blankname();
      if (savegame(slotbase(n), static_cast<int>(plat::random_seed()), editline[0]) == 1) {
        postmessage("Game saved", savestatusy(), 0);
        menutext[n] = editline[0];
        menuskip[n] = 0;
        nextstate = stateplay;
      } else {
        postmessage("ERROR: Unable to save game", slotmessagey(statesavegame), 1);
      }
    }
    return 0;
  }
  if (in.esc) {
    nextstate = statemainmenu;
    return 0;
  }
  const int item = navigate(statesavegame, in);
  if (item == 7) {
    nextstate = statemainmenu;
  } else if (item >= 1 && item <= 6) {
    typingslot = item;
    resettextentry();
    const std::string& t = menutext[item];
    editline[0] = (t == emptyslot || t == "-") ? "" : t;
  }
  return item;
}

void drawslotscreen(int state) {
  const int n = slotitems(state);
  const MenuLayout l = menulayout(n);
  // The slot rows are as wide as their hit rectangles.
  plat::set_colour(255, 255, 255);
  panel(512, static_cast<float>(l.top), 700, static_cast<float>(l.height), 2);
  plat::set_colour(255, 255, 0);
  const char* title = state == stateloadgame ? "LOAD GAME" : "SAVE GAME";
  drawbigtext(512, static_cast<float>(l.titley), title, 1);
  for (int i = 1; i <= n; ++i) {
    const int y = slotitemy(state, i);
    // Grey levels as on every menu: pulsing when selected, dim when skipped.
    int level = 100;
    if (!selectable(state, i)) level = 33;
    else if (i == menusel) level = std::min(255, 165 + 3 * selpulse);
    plat::set_colour(level, level, level);
    const bool typing = state == statesavegame && i == typingslot;
    const std::string& t = i == n ? std::string("CANCEL") : (typing ? editline[0] : menutext[i]);
    drawbigtext(512, static_cast<float>(y), t, 1);
    if (typing) {
      const int caret = std::min(255, 45 + 7 * selpulse);
      plat::set_colour(caret, caret, caret);
      drawimageguarded(img_caret, 514.0f + bigtextwidth(editline[0]) / 2.0f, static_cast<float>(y - 2), 0);
    }
  }
  plat::set_colour(255, 255, 255);
}

KeyFrame livekeyframe() {
  KeyFrame k;
  for (int c = 1; c <= 250; ++c) {
    k.hit[c] = gamekeyhit(c) != 0;
    k.down[c] = gamekeydown(c) != 0;
  }
  return k;
}

SlotInput liveslotinput(int lastmousex, int lastmousey) {
  SlotInput in;
  in.esc = gamekeyhit(keyescape), in.enter = gamekeyhit(keyenter);
  in.up = gamekeyhit(keyarrowup), in.down = gamekeyhit(keyarrowdown);
  in.mousex = inputmousex, in.mousey = inputmousey;
  in.mousemoved = inputmousex != lastmousex || inputmousey != lastmousey;
  in.leftclick = gamemousehit(1);
  return in;
}

TypingTables livetypingtables() {
  // Rebuilt from the keyboard layout in use: each key types the character
  // its cap shows, where the menu font can draw it.
  static std::array<int, 251> livetypable;
  static std::array<std::string, 301> livenames;
  static std::array<std::string, 301> liveshifted;
  static const fonttab::CharMap drawn = fonttab::make_map_large();
  livetypable.fill(0);
  liveshifted.fill("");
  livetypable[keybackspace] = livetypable[keyspace] = 1;
  for (int k = 1; k <= 250; ++k) {
    if (k == keybackspace || k == keyspace) continue;
    int ch = keycapchar(k);
    // A digit key whose plain face is a sign the font lacks (a French
    // layout's top row) still types its digit.
    if ((ch == 0 || drawn[ch] == 0) && k >= '0' && k <= '9') ch = k;
    // With no layout to ask, the key types what its fixed name says.
    if (ch == 0 && typable[k]) ch = static_cast<unsigned char>(keyname[k][0]);
    // A key types with Shift what the keyboard gives it then (':' on a
    // US keyboard's semicolon key, whose plain face the font lacks).
    const int shifted = keycapshiftedchar(k);
    const bool plain = ch > 0 && ch <= 255 && drawn[ch] != 0;
    const bool withshift = shifted > 0 && shifted <= 255 && drawn[shifted] != 0;
    livenames[k] = plain ? std::string(1, static_cast<char>(ch)) : std::string();
    if (withshift) liveshifted[k] = std::string(1, static_cast<char>(shifted));
    livetypable[k] = plain || withshift;
  }
  return {&livetypable, &livenames, &liveshifted};
}
