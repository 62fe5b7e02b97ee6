// What a Wayland compositor offers, asked before SDL's video starts: SDL
// 2.26 crashes during start-up on a compositor without a seat (weston's
// headless backend), so the game looks first and picks X11 or says why.
#pragma once

#include <string>

namespace plat::detail {

struct WaylandOffer {
  bool reached = false;     // a compositor answered on the socket
  bool compositor = false;  // wl_compositor: surfaces
  bool shm = false;         // wl_shm: shared-memory pixels
  bool shell = false;       // xdg_wm_base: toplevel windows
  bool seat = false;        // wl_seat: a keyboard and pointer to play with
};

// Connects to the compositor (WAYLAND_DISPLAY, as SDL would), lists its
// globals once and disconnects.
WaylandOffer probe_wayland();

// What the game lacks on this compositor, as words for a message; empty
// when it offers everything.
std::string wayland_shortfall(const WaylandOffer& offer);

// The video driver to start: "" leaves SDL's own choice, "x11" steps round
// a compositor that answers but lacks something; `refuse` is set when
// neither will do.
// wayland_wanted: SDL would start its Wayland driver (asked by name, or no
// X display to prefer); x11_there: DISPLAY names a display.
struct VideoRoute {
  const char* driver = "";
  bool refuse = false;
};
VideoRoute choose_video_route(bool wayland_wanted, const WaylandOffer& offer, bool x11_there);

}  // namespace plat::detail
