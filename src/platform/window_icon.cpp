// The window's icon. SDL sets one picture; on X11 the _NET_WM_ICON property
// then gets every size, so a task bar or a switcher picks the one drawn for
// its size (the small ones are simplified to stay readable) instead of
// shrinking a large one.
#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>

#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/png_codec.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plat {

namespace {

// Decoded pictures, smallest first.
std::vector<detail::RgbaImage> icons;

// The picture SDL is given: the smallest of at least 64 pixels, which SDL
// and a window manager without multi-size support scale well both ways.
const detail::RgbaImage* main_icon() {
  for (const auto& icon : icons)
    if (icon.width >= 64) return &icon;
  return icons.empty() ? nullptr : &icons.back();
}

#if defined(SDL_VIDEO_DRIVER_X11)
void set_all_sizes(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  ::Display* dpy = info.info.x11.display;
  const Atom property = XInternAtom(dpy, "_NET_WM_ICON", False);
  // Width, height, then the pixels as 0xAARRGGBB, one long each (Xlib's
  // format 32), for every size in turn.
  std::vector<unsigned long> data;
  for (const auto& icon : icons) {
    data.push_back(static_cast<unsigned long>(icon.width));
    data.push_back(static_cast<unsigned long>(icon.height));
    data.insert(data.end(), icon.pixels.begin(), icon.pixels.end());
  }
  XChangeProperty(dpy, info.info.x11.window, property, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
  XFlush(dpy);
}
#endif

}  // namespace

namespace detail {

void apply_window_icon(SDL_Window* window) {
  const RgbaImage* icon = main_icon();
  if (!window || !icon) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(icon->pixels.data()), icon->width, icon->height, 32, icon->width * 4,
      SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
#if defined(SDL_VIDEO_DRIVER_X11)
  set_all_sizes(window);
#endif
}

}  // namespace detail

bool set_window_icon(const std::vector<IconPng>& pngs) {
  std::vector<detail::RgbaImage> decoded;
  for (const auto& png : pngs) {
    detail::RgbaImage image;
    if (detail::decode_png(png.data, png.size, image) && image.width > 0 && image.width == image.height)
      decoded.push_back(std::move(image));
  }
  if (decoded.empty()) return false;
  std::sort(decoded.begin(), decoded.end(), [](const auto& a, const auto& b) { return a.width < b.width; });
  icons = std::move(decoded);
  detail::apply_window_icon(detail::display().window);
  return true;
}

}  // namespace plat
