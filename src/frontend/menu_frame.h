// The frame every menu screen shares: layout of the item column, keyboard
// and mouse selection with disabled items skipped, the selection pulse, the
// click sound, and the drawing order (backdrop, logo, panel, title, items,
// version tag, pointer).
#pragma once

#include <string>
#include <vector>

// The state a menu asks for; it takes effect at the top of the next frame.
extern int nextstate;
extern int menusel;           // selected item, 1-based
extern int selpulse, seldir;  // brightness pulse of the selected item
extern std::string menutitle;
// Row texts of screens that list their rows by number (the save slots).
extern std::string menutext[21];

// Applies a requested state change: gamestate takes nextstate, the
// selection goes back to the first item. Returns the state entered, or 0
// when none was requested.
int applynextstate();

struct MenuLayout {
  int height, top, titley, firstitemy;
};
MenuLayout menulayout(int n);
// Screen y of item i (1-based).
int menuitemy(const MenuLayout& l, int i);

struct MenuItem {
  std::string text;
  bool disabled = false;
  // Hit rectangle; the height is always the item height.
  int hitx = 327, hitw = 370;
  // Drawn centred on x 512 unless drawn left-aligned at textx.
  bool centred = true;
  int textx = 512;
  // Base colour; the selection pulse and dimming scale it unless the item
  // is steady (the KEYS row waiting for a key), which shows it as it is.
  int r = 255, g = 255, b = 255;
  bool steady = false;
  // Second column (a binding name), left-aligned at valuex.
  std::string value;
  int valuex = 0;
  // Not drawn by the frame (the squad slots draw themselves).
  bool hidden = false;
  // Hit rectangle replacing the item row (the squad slots).
  bool ownrect = false;
  int rx = 0, ry = 0, rw = 0, rh = 0;
  // LEFT, RIGHT and a right click also activate this item.
  bool sideways = false;
};

// An item with the standard look and the given hit rectangle columns.
MenuItem menuitem(const std::string& text, int hitx = 327, int hitw = 370);

struct MenuScreen {
  std::string title;
  std::vector<MenuItem> items;
  int panelw = 380;
  // LEFT, RIGHT and a right click activate every item.
  bool sideways = false;
};

// What the player did to the menu this frame.
struct MenuInput {
  int activated = 0;  // item activated this frame, 0 none
  int direction = 0;  // +1 ENTER, RIGHT or left click; -1 LEFT or right click
  bool escape = false;
};

constexpr int itemheight = 35;
constexpr int itempitch = 48;

// The item rectangle of item i (1-based) on screen s.
void menuitemrect(const MenuScreen& s, int i, int& x, int& y, int& w, int& h);
// Moves the selection by the keyboard and the mouse, reports activation,
// plays the click on activation and advances the selection pulse.
MenuInput menuinput(const MenuScreen& s);
// Whether the pointer moved since the last frame (never on the first one
// after resetmenuframe); remembers the position for the next frame.
bool menupointermoved();
// Remembers the pointer position of this frame. The frame loop calls it
// every frame in every state, so a menu entered from play compares with
// the last frame of play, not with the last menu frame before it.
void notemenupointer();
// Advances the selection pulse by one frame.
void stepselpulse();
// Colour of item i as drawn this frame.
void menuitemcolour(const MenuScreen& s, int i, int& r, int& g, int& b);
// Backdrop and logo.
void drawmenubackdrop();
// Backdrop, logo, panel, title and the items.
void drawmenuback(const MenuScreen& s);
// The version tag and the pointer, drawn last.
void drawmenufront();
// One whole menu frame: input, drawing and the hit flush. Returns the input.
MenuInput runmenu(const MenuScreen& s);

// Forgets the last mouse position, so the next frame does not count as a
// mouse move (tests and a fresh start).
void resetmenuframe();
