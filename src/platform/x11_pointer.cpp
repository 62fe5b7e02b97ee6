// The pointer as the X server has it at this moment. SDL's own pointer
// position is brought up to date only by the pointer's motion events, so a
// window that moves or resizes under a resting pointer (a switch between
// window and full screen) leaves it stale until the player next moves.
#include <SDL_syswm.h>

#include "platform/internal.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace plat::detail {

bool query_pointer(SDL_Window* window, int& screen_x, int& screen_y, int& window_x, int& window_y) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  ::Window root = 0, child = 0;
  unsigned int mask = 0;
  return XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &screen_x, &screen_y, &window_x,
                       &window_y, &mask) == True;
#else
  (void)window, (void)screen_x, (void)screen_y, (void)window_x, (void)window_y;
  return false;
#endif
}

}  // namespace plat::detail
