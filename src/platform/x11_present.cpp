#include "platform/x11_present.h"

#include <SDL_syswm.h>

#include <cstdlib>
#include <cstring>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

namespace plat::detail {

#if defined(SDL_VIDEO_DRIVER_X11)

struct ServerPresentState {
  ::Display* dpy = nullptr;
  ::Window window = 0;
  int frame_w = 0, frame_h = 0;
  XImage* image = nullptr;
  XShmSegmentInfo shm{};
  bool shared = false;  // the image lies in memory shared with the server
  Pixmap pixmap = 0;
  GC gc = nullptr;
  Picture source = 0;  // the frame as the server holds it
  Picture target = 0;  // the window
  bool pending = false;  // a frame was sent and may still be in the works
  // What the source picture is set to, to change it only when it changes.
  int filter = -1;
  int scaled_w = 0, scaled_h = 0;
};

namespace {

// Set while a request that may fail is checked: X errors otherwise end the
// program through Xlib's default handler.
bool x_request_failed = false;
int note_x_error(::Display*, XErrorEvent*) {
  x_request_failed = true;
  return 0;
}

// The frame as 32-bit pixels, red in bits 16..23, blue in 0..7, byte order
// of this machine: what SDL's ARGB8888 surface holds.
bool image_matches_frame(const XImage* image) {
  return image && image->bits_per_pixel == 32 && image->red_mask == 0xFF0000u && image->green_mask == 0x00FF00u &&
         image->blue_mask == 0x0000FFu && image->byte_order == LSBFirst;
}

// The image in shared memory; false, with nothing left behind, where the
// server cannot attach it (a server on another machine, say).
bool make_shared_image(ServerPresentState& s, Visual* visual) {
  if (!XShmQueryExtension(s.dpy)) return false;
  s.image = XShmCreateImage(s.dpy, visual, 24, ZPixmap, nullptr, &s.shm, s.frame_w, s.frame_h);
  if (!s.image) return false;
  const size_t bytes = static_cast<size_t>(s.image->bytes_per_line) * s.image->height;
  s.shm.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  void* memory = s.shm.shmid < 0 ? reinterpret_cast<void*>(-1) : shmat(s.shm.shmid, nullptr, 0);
  if (memory == reinterpret_cast<void*>(-1)) {
    if (s.shm.shmid >= 0) shmctl(s.shm.shmid, IPC_RMID, nullptr);
    XDestroyImage(s.image);
    s.image = nullptr;
    return false;
  }
  s.shm.shmaddr = s.image->data = static_cast<char*>(memory);
  s.shm.readOnly = True;
  XSync(s.dpy, False);
  x_request_failed = false;
  const auto previous = XSetErrorHandler(note_x_error);
  const bool attached = XShmAttach(s.dpy, &s.shm) && (XSync(s.dpy, False), !x_request_failed);
  XSetErrorHandler(previous);
  // Marked for removal now: it goes when both sides have let go of it.
  shmctl(s.shm.shmid, IPC_RMID, nullptr);
  if (!attached) {
    shmdt(s.shm.shmaddr);
    s.image->data = nullptr;
    XDestroyImage(s.image);
    s.image = nullptr;
    return false;
  }
  s.shared = true;
  return true;
}

// An image in our own memory, sent over the connection each frame.
bool make_plain_image(ServerPresentState& s, Visual* visual) {
  char* data = static_cast<char*>(std::calloc(static_cast<size_t>(s.frame_w) * s.frame_h, 4));
  if (!data) return false;
  s.image = XCreateImage(s.dpy, visual, 24, ZPixmap, 0, data, s.frame_w, s.frame_h, 32, s.frame_w * 4);
  if (!s.image) {
    std::free(data);
    return false;
  }
  return true;
}

void free_state(ServerPresentState& s) {
  if (!s.dpy) return;
  if (s.source) XRenderFreePicture(s.dpy, s.source);
  if (s.target) XRenderFreePicture(s.dpy, s.target);
  if (s.pixmap) XFreePixmap(s.dpy, s.pixmap);
  if (s.gc) XFreeGC(s.dpy, s.gc);
  if (s.image) {
    if (s.shared) {
      XShmDetach(s.dpy, &s.shm);
      XSync(s.dpy, False);
      shmdt(s.shm.shmaddr);
      s.image->data = nullptr;
    }
    XDestroyImage(s.image);  // frees a plain image's pixels too
  }
  XSync(s.dpy, False);
}

}  // namespace

bool ServerPresent::open(SDL_Window* window, int frame_w, int frame_h) {
  close();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || frame_w <= 0 || frame_h <= 0 || !SDL_GetWindowWMInfo(window, &info) ||
      info.subsystem != SDL_SYSWM_X11)
    return false;
  auto* s = new ServerPresentState;
  s->dpy = info.info.x11.display;
  s->window = info.info.x11.window;
  s->frame_w = frame_w;
  s->frame_h = frame_h;
  // Version 0.10 brought the padded edge the bilinear filter needs.
  int event_base = 0, error_base = 0, major = 0, minor = 0;
  XWindowAttributes attributes;
  XVisualInfo visual_info;
  bool ok = XRenderQueryExtension(s->dpy, &event_base, &error_base) &&
            XRenderQueryVersion(s->dpy, &major, &minor) && (major > 0 || minor >= 10) &&
            XGetWindowAttributes(s->dpy, s->window, &attributes) &&
            XMatchVisualInfo(s->dpy, XScreenNumberOfScreen(attributes.screen), 24, TrueColor, &visual_info);
  XRenderPictFormat* window_format = ok ? XRenderFindVisualFormat(s->dpy, attributes.visual) : nullptr;
  XRenderPictFormat* frame_format = ok ? XRenderFindStandardFormat(s->dpy, PictStandardRGB24) : nullptr;
  ok = window_format && frame_format &&
       (make_shared_image(*s, visual_info.visual) || make_plain_image(*s, visual_info.visual)) &&
       image_matches_frame(s->image);
  if (ok) {
    x_request_failed = false;
    const auto previous = XSetErrorHandler(note_x_error);
    s->pixmap = XCreatePixmap(s->dpy, s->window, frame_w, frame_h, 24);
    s->gc = XCreateGC(s->dpy, s->pixmap, 0, nullptr);
    XRenderPictureAttributes pad{};
    pad.repeat = RepeatPad;  // edge pixels are not blended with black
    s->source = XRenderCreatePicture(s->dpy, s->pixmap, frame_format, CPRepeat, &pad);
    s->target = XRenderCreatePicture(s->dpy, s->window, window_format, 0, nullptr);
    XSync(s->dpy, False);
    XSetErrorHandler(previous);
    ok = !x_request_failed;
  }
  if (!ok) {
    free_state(*s);
    delete s;
    return false;
  }
  state_ = s;
  return true;
}

void ServerPresent::close() {
  if (!state_) return;
  free_state(*state_);
  delete state_;
  state_ = nullptr;
}

void ServerPresent::present(const uint32_t* pixels, int pitch, const SDL_Rect& picture, int out_w, int out_h,
                            bool bars, bool smooth) {
  if (!state_ || picture.w <= 0 || picture.h <= 0) return;
  ServerPresentState& s = *state_;
  // The server may still be reading the shared image for the frame before.
  if (s.pending) XSync(s.dpy, False);
  const int row_bytes = s.frame_w * 4;
  for (int y = 0; y < s.frame_h; ++y)
    std::memcpy(s.image->data + static_cast<size_t>(y) * s.image->bytes_per_line,
                reinterpret_cast<const char*>(pixels) + static_cast<size_t>(y) * pitch, row_bytes);
  if (s.shared) {
    XShmPutImage(s.dpy, s.pixmap, s.gc, s.image, 0, 0, 0, 0, s.frame_w, s.frame_h, False);
  } else {
    XPutImage(s.dpy, s.pixmap, s.gc, s.image, 0, 0, 0, 0, s.frame_w, s.frame_h);
  }
  const int filter = smooth ? 1 : 0;
  if (filter != s.filter) {
    XRenderSetPictureFilter(s.dpy, s.source, smooth ? FilterBilinear : FilterNearest, nullptr, 0);
    s.filter = filter;
  }
  if (picture.w != s.scaled_w || picture.h != s.scaled_h) {
    // Maps the window's pixels back to the frame's.
    XTransform t{};
    t.matrix[0][0] = XDoubleToFixed(static_cast<double>(s.frame_w) / picture.w);
    t.matrix[1][1] = XDoubleToFixed(static_cast<double>(s.frame_h) / picture.h);
    t.matrix[2][2] = XDoubleToFixed(1.0);
    XRenderSetPictureTransform(s.dpy, s.source, &t);
    s.scaled_w = picture.w;
    s.scaled_h = picture.h;
  }
  if (bars) {
    const XRenderColor black{0, 0, 0, 0xFFFF};
    const int right = picture.x + picture.w, bottom = picture.y + picture.h;
    const XRectangle around[4] = {
        {0, 0, static_cast<unsigned short>(out_w), static_cast<unsigned short>(picture.y)},
        {0, static_cast<short>(bottom), static_cast<unsigned short>(out_w),
         static_cast<unsigned short>(out_h > bottom ? out_h - bottom : 0)},
        {0, static_cast<short>(picture.y), static_cast<unsigned short>(picture.x),
         static_cast<unsigned short>(picture.h)},
        {static_cast<short>(right), static_cast<short>(picture.y),
         static_cast<unsigned short>(out_w > right ? out_w - right : 0), static_cast<unsigned short>(picture.h)}};
    XRenderFillRectangles(s.dpy, PictOpSrc, s.target, &black, around, 4);
  }
  XRenderComposite(s.dpy, PictOpSrc, s.source, 0, s.target, 0, 0, 0, 0, picture.x, picture.y, picture.w, picture.h);
  XFlush(s.dpy);
  s.pending = true;
}

#else

// Without X there is nothing to present through: the caller keeps its own
// scaled copy.
struct ServerPresentState {};
bool ServerPresent::open(SDL_Window*, int, int) { return false; }
void ServerPresent::close() {}
void ServerPresent::present(const uint32_t*, int, const SDL_Rect&, int, int, bool, bool) {}

#endif

}  // namespace plat::detail
