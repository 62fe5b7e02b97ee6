// The compositor's globals, listed through libwayland-client's registry.
#include "platform/wayland_probe.h"

#include <wayland-client.h>

#include <cstdlib>
#include <cstring>

namespace plat::detail {
namespace {

void on_global(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
  auto& offer = *static_cast<WaylandOffer*>(data);
  if (std::strcmp(interface, "wl_compositor") == 0) offer.compositor = true;
  if (std::strcmp(interface, "wl_shm") == 0) offer.shm = true;
  if (std::strcmp(interface, "xdg_wm_base") == 0) offer.shell = true;
  if (std::strcmp(interface, "wl_seat") == 0) offer.seat = true;
}

void on_global_remove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener listener = {on_global, on_global_remove};

}  // namespace

WaylandOffer probe_wayland() {
  WaylandOffer offer;
  // No place for a compositor's socket: nothing to ask (and libwayland
  // would complain on the error output).
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (!(name && name[0] == '/') && !std::getenv("XDG_RUNTIME_DIR")) return offer;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return offer;
  offer.reached = true;
  wl_registry* registry = wl_display_get_registry(display);
  if (registry) {
    wl_registry_add_listener(registry, &listener, &offer);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
  }
  wl_display_disconnect(display);
  return offer;
}

std::string wayland_shortfall(const WaylandOffer& offer) {
  if (!offer.reached) return "no Wayland compositor answered";
  std::string missing;
  const auto add = [&missing](bool present, const char* what) {
    if (present) return;
    if (!missing.empty()) missing += ", ";
    missing += what;
  };
  add(offer.seat, "no seat (keyboard or pointer)");
  add(offer.compositor, "no surfaces (wl_compositor)");
  add(offer.shm, "no shared memory (wl_shm)");
  add(offer.shell, "no windows (xdg_wm_base)");
  return missing.empty() ? missing : "the Wayland compositor offers " + missing;
}

VideoRoute choose_video_route(bool wayland_wanted, const WaylandOffer& offer, bool x11_there) {
  // No compositor at all: SDL's own start-up says so, without a crash.
  if (!wayland_wanted || !offer.reached || wayland_shortfall(offer).empty()) return {};
  if (x11_there) return {"x11", false};
  return {"", true};
}

}  // namespace plat::detail
