// The pieces shared by the views and the mini-cameras: the layout of each
// view, the room tint, and one pass over a room's band (walls, doors,
// slime, floor, effects and the creature) under a zoom.
#pragma once

// Where a view sits on screen. Room coordinates have the band's top at y 67;
// the room origin adds (122 - scroll, roomoy), the band origin (0, bandoy).
struct ViewLayout {
  int vx, vy, vw, vh;  // viewport
  int roomoy;          // y of the room origin (and of the band origin)
  int hurth, hurty;    // height and y of the hurt flash
  int alerty;          // y of the visual alarm icon
  int minimapoy;       // y of the minimap cell origin
};
// view 1 or 2 out of nviews (1 or 2).
ViewLayout viewlayout(int view, int nviews);

struct Rect {
  int x, y, w, h;
};
// The lit square around a crosshair at view position (cx, cy), kept inside
// the view's own viewport. Width or height 0 when nothing remains.
Rect flashlightwindow(const ViewLayout& v, int cx, int cy);
// The overlap of two rectangles (zero size when they do not meet).
Rect cliprect(const Rect& a, const Rect& b);

// The colour a room is tinted with before the view brightness.
struct RoomTint {
  int r, g, b;
  bool flash;            // a shot flash or night vision lights the room
  bool wantsflashlight;  // dark and unlit: the crosshair's window gets a second pass
};
// flashlightpass: the tint of the second, lit pass of a dark room.
RoomTint roomtint(int room, bool flashlightpass);

// One pass over a room.
struct RoomPass {
  int room = 0;
  int player = 0;        // 0: a mini-camera (no use prompt, no score pop-ups)
  float zx = 1, zy = 1;  // mini-camera zoom on positions and images
  float bright = 100;    // view brightness, percent
  RoomTint tint{};
};
// Draws the room under the current origin and viewport.
void drawroompass(const RoomPass& rp);
// The use prompt's box once more (over what was drawn on top of the room).
void redrawuseprompt(const RoomPass& rp);

bool roomisdark(int room);
bool roomhasalarm(int room);

// Draws an image at a room position through the pass zoom, at x - 3328, x
// and x + 3328 (wrap) or once.
void putimage(const RoomPass& rp, int image, float x, float y, float sx = 1, float sy = 1);
void putwrapped(const RoomPass& rp, int image, float x, float y, float sx = 1, float sy = 1);

// Steps of the room pass kept in their own files.
void drawacidpools(const RoomPass& rp);
void drawcorpses(const RoomPass& rp);
void drawscorepopups(const RoomPass& rp);
void drawroomcreature(const RoomPass& rp);
void drawdeaths(const RoomPass& rp);
void drawshotflashes(const RoomPass& rp);
// Sets the pass colour that follows the floor: white, or the alarm grey in a
// lit alarm room; in a dark room the room tint stays.
void setobjectcolour(const RoomPass& rp);
void settintcolour(const RoomPass& rp);

// One dot of the no-signal picture: alpha percent and view position.
struct StaticDot {
  int alpha, x, y;
};
StaticDot staticdot(int d);
void setstaticdot(int d, const StaticDot& dot);
