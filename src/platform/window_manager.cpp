// Whether a window manager runs on the display. Without one (a bare X server
// of a kiosk or a virtual display) a request for full screen is never carried
// out: the window keeps its size while SDL believes it fills the desktop.
#include <SDL_syswm.h>

#include "platform/internal.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plat::detail {

bool window_manager_present(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  ::Display* dpy = info.info.x11.display;
  // An EWMH window manager names its check window on the root window.
  const Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(dpy, DefaultRootWindow(dpy), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &count, &after, &data);
  const bool present = status == Success && type == XA_WINDOW && count == 1;
  if (data) XFree(data);
  return present;
#else
  (void)window;
  return true;
#endif
}

}  // namespace plat::detail
