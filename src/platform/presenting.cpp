// Presenting: the display opened as a window (or a headless off-screen
// surface) with a renderer at a fixed logical size, and every frame handed
// to it, scaled and letterboxed, with refresh pacing.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "platform/internal.h"
#include "platform/pace_schedule.h"
#include "platform/platform.h"
#include "platform/presented.h"
#include "platform/scaler.h"
#include "platform/scaling_choice.h"
#include "platform/x11_present.h"

namespace plat {
namespace detail {

Display& display() {
  static Display d;
  return d;
}

}  // namespace detail

namespace {

using detail::display;
using detail::PixelRect;
using detail::scale_sharp;
using detail::SmoothScaler;

std::string title_text = "RX-907";
int scale_quality = ScaleSmooth;
PaceSchedule schedule;
PresentCounts counts;
SmoothScaler smooth_scaler;
ScalingChoice scaling_choice;

// The X server's scaling (x11_present.h), for software windows on X. It
// lives as long as the program: destroyed at exit it would talk to an X
// connection SDL has already closed. While its presents keep coming late
// the game's own scaler takes over (scaling_choice.h). RX907_SCALE_IN_GAME=1
// keeps the game's own scaler always, to compare the two or to step round
// a server whose RENDER misbehaves.
detail::ServerPresent& server_present() {
  static auto* present = new detail::ServerPresent;
  return *present;
}
bool server_scaling_wanted() {
  const char* in_game = std::getenv("RX907_SCALE_IN_GAME");
  return !(in_game && std::strcmp(in_game, "1") == 0);
}
bool pointer_shown = true;

// Milliseconds with their fraction, from the high-resolution counter.
double precise_ms() {
  return 1000.0 * static_cast<double>(SDL_GetPerformanceCounter()) /
         static_cast<double>(SDL_GetPerformanceFrequency());
}

SDL_ScaleMode present_scale_mode() { return scale_quality == ScaleSharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear; }

int find_render_driver(const char* name) {
  const int n = SDL_GetNumRenderDrivers();
  for (int i = 0; i < n; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name && std::strcmp(info.name, name) == 0) return i;
  }
  return -1;
}

// Accelerated renderers present in step with the display's refresh; the
// present schedule of flip() still holds frames to the game's rate.
SDL_Renderer* try_renderer(SDL_Window* window, int kind) {
  constexpr Uint32 accelerated = SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
  switch (kind) {
    case RendererOpenGL: {
      const int index = find_render_driver("opengl");
      return index < 0 ? nullptr : SDL_CreateRenderer(window, index, accelerated);
    }
    default:
      return SDL_CreateRenderer(window, -1, accelerated);
  }
}

// The software renderer presents into the window's own surface, which must
// hold 32-bit pixels laid out as the frame's. SDL would show that surface
// through an OpenGL texture where it can, which with no graphics card is
// Mesa's software GL: at 1920 x 1080 it cost more than drawing the whole
// frame. The plain X framebuffer (shared memory) takes the same pixels in a
// fraction of the time.
bool window_surface_usable(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const SDL_Surface* s = SDL_GetWindowSurface(window);
  return s && s->pixels && s->format->BytesPerPixel == 4 && s->format->Rmask == 0x00FF0000u &&
         s->format->Gmask == 0x0000FF00u && s->format->Bmask == 0x000000FFu;
}

// Whether an OpenGL renderer draws with the processor: Mesa's llvmpipe,
// softpipe or swrast, on a machine with no graphics card.
bool draws_gl_in_software(SDL_Renderer* r) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(r, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  constexpr unsigned gl_renderer = 0x1F01;
  const auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = get_string ? get_string(gl_renderer) : nullptr;
  if (!name) return false;
  const std::string text(reinterpret_cast<const char*>(name));
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
    if (text.find(rasteriser) != std::string::npos) return true;
  return false;
}

// How the finished frame reaches the window: the chosen renderer first, then
// the other accelerated one, then software; a software choice falls back to
// the accelerated ones. Every renderer draws the frame the same way, in
// memory, and differs only in this. OpenGL drawn by the processor (no
// graphics card) gives way to the software renderer whatever the choice: its
// filtered quad and buffer swap cost the processor several times what our
// own scaling into the X framebuffer does, and at large desktops more than a
// frame's time.
bool open_presenter(SDL_Window* window, int choice) {
  static const int orders[3][3] = {{RendererDefault, RendererOpenGL, RendererSoftware},
                                   {RendererOpenGL, RendererDefault, RendererSoftware},
                                   {RendererSoftware, RendererDefault, RendererOpenGL}};
  auto& d = display();
  if (choice < 0 || choice > 2) choice = RendererDefault;
  // Why an asked-for OpenGL did not open, said once another renderer has.
  std::string no_opengl;
  const auto say_fallback = [&no_opengl](const char* instead) {
    if (!no_opengl.empty())
      std::fprintf(stderr, "rx907: OpenGL cannot be used here (%s); the %s renderer shows the game instead\n",
                   no_opengl.c_str(), instead);
  };
  for (int kind : orders[choice]) {
    if (kind == RendererSoftware) {
      if (!window_surface_usable(window)) continue;
      say_fallback("software");
      d.window_surface = true;
      d.kind = kind;
      return true;
    }
    SDL_Renderer* r = try_renderer(window, kind);
    if (!r) {
      if (kind == RendererOpenGL && choice == RendererOpenGL) {
        const char* error = SDL_GetError();
        no_opengl = find_render_driver("opengl") < 0 ? "SDL offers no OpenGL renderer"
                    : error && *error                ? error
                                                     : "no OpenGL driver answered";
      }
      continue;
    }
    if (draws_gl_in_software(r)) {
      SDL_DestroyRenderer(r);
      if (window_surface_usable(window)) {
        if (choice == RendererOpenGL)
          std::fprintf(stderr,
                       "rx907: OpenGL is drawn by the processor here (no graphics card); the software renderer "
                       "shows the same frames at full speed instead\n");
        d.window_surface = true;
        d.kind = RendererSoftware;
        return true;
      }
      if (!(r = try_renderer(window, kind))) continue;
    }
    say_fallback(kind == RendererOpenGL ? "OpenGL" : "default");
    d.presenter = r;
    d.kind = kind;
    return true;
  }
  return false;
}

// Any change to the window's pixels from outside (shown, exposed, resized)
// has the next present send the whole window surface, letterbox bars
// included.
int repaint_watch(void*, SDL_Event* e) {
  if (e->type != SDL_WINDOWEVENT) return 0;
  switch (e->window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED: display().repaint_all = true; break;
    default: break;
  }
  return 0;
}

bool open_headless(int width, int height) {
  auto& d = display();
  d.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!d.surface) return false;
  d.renderer = SDL_CreateSoftwareRenderer(d.surface);
  if (!d.renderer) {
    SDL_FreeSurface(d.surface);
    d.surface = nullptr;
    return false;
  }
  d.kind = RendererSoftware;
  return true;
}

// The texture every frame is drawn into; a renderer without render targets
// draws straight to the window, scaled by SDL's logical size instead.
void open_target(int width, int height) {
  auto& d = display();
  if (!SDL_RenderTargetSupported(d.renderer)) return;
  d.target = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
  if (!d.target) return;
  SDL_SetTextureBlendMode(d.target, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(d.target, present_scale_mode());
  if (SDL_SetRenderTarget(d.renderer, d.target) != 0) {
    SDL_DestroyTexture(d.target);
    d.target = nullptr;
  }
}

// A window draws into a surface in memory (see Display), with a streaming
// texture of the presenter's to show it through, where there is a
// presenter; false, with nothing changed, when that cannot be set up.
bool open_frame_surface(int width, int height) {
  auto& d = display();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* drawer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
  SDL_Texture* frame =
      drawer && d.presenter
          ? SDL_CreateTexture(d.presenter, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height)
          : nullptr;
  if (!drawer || (d.presenter && !frame)) {
    if (drawer) SDL_DestroyRenderer(drawer);
    if (surface) SDL_FreeSurface(surface);
    return false;
  }
  if (frame) {
    SDL_SetTextureBlendMode(frame, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(frame, present_scale_mode());
  }
  d.renderer = drawer;
  d.surface = surface;
  d.frame = frame;
  return true;
}

bool open_window(int width, int height, int depth, int renderer_choice) {
  auto& d = display();
  d.window = SDL_CreateWindow(title_text.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_SHOWN);
  if (!d.window) return false;
  if (!open_presenter(d.window, renderer_choice) || (!open_frame_surface(width, height) && !d.presenter)) {
    if (d.presenter) SDL_DestroyRenderer(d.presenter);
    d.presenter = nullptr;
    d.window_surface = false;
    SDL_DestroyWindow(d.window);
    d.window = nullptr;
    return false;
  }
  // After the presenter, which may have made the X window anew for OpenGL.
  detail::apply_window_icon(d.window);
  if (d.window_surface && server_scaling_wanted()) server_present().open(d.window, width, height);
  scaling_choice = ScalingChoice{};
  if (!d.renderer) {
    // No frame in memory: the presenter draws the frame itself, into a
    // texture of its own.
    d.renderer = d.presenter;
    d.presenter = nullptr;
    open_target(width, height);
  }
  d.repaint_all = true;
  SDL_AddEventWatch(repaint_watch, nullptr);
  d.fullscreen = false;
  d.borderless_fullscreen = false;
  // Placed for a window first, so that leaving full screen finds a place
  // that fits the desktop.
  detail::fit_to_desktop(d.window, width, height);
  if (depth != 0) set_fullscreen(true);
  return true;
}

}  // namespace

bool open_display(int width, int height, int depth, int hz, int renderer) {
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
  if (!detail::subsystems_up() && !init(false)) return false;
  close_display();
  const bool ok = detail::headless_active() ? open_headless(width, height)
                                            : open_window(width, height, depth, renderer);
  if (!ok) return false;
  auto& d = display();
  d.width = width;
  d.height = height;
  d.hz = hz > 0 ? hz : 60;
  ++d.generation;
  if (!d.target) SDL_RenderSetLogicalSize(d.renderer, width, height);
  SDL_ShowCursor(pointer_shown ? SDL_ENABLE : SDL_DISABLE);
  detail::reset_draw_state_for(width, height);
  schedule.set_rate(d.hz);
  schedule.restart();
  cls();
  return true;
}

void close_display() {
  auto& d = display();
  if (d.renderer) {
    detail::drop_image_textures();
    detail::drop_text_texture();
    SDL_DestroyRenderer(d.renderer);
  }
  if (d.presenter) SDL_DestroyRenderer(d.presenter);  // its frame texture goes with it
  if (d.surface) SDL_FreeSurface(d.surface);
  server_present().close();
  if (d.window) {
    SDL_DelEventWatch(repaint_watch, nullptr);
    SDL_DestroyWindow(d.window);  // its surface goes with it
  }
  d.window_surface = false;
  d.target = nullptr;  // went with its renderer
  d.frame = nullptr;
  d.presenter = nullptr;
  d.renderer = nullptr;
  d.surface = nullptr;
  d.window = nullptr;
  d.width = d.height = 0;
}

bool display_open() { return display().renderer != nullptr; }
int renderer_in_use() { return display().kind; }

std::string renderer_name() {
  SDL_RendererInfo info;
  const auto& d = display();
  if (!d.renderer || SDL_GetRendererInfo(d.renderer, &info) != 0 || !info.name) return "";
  static const char* const names[][2] = {{"opengl", "OpenGL"},       {"opengles2", "OpenGL ES 2"},
                                         {"opengles", "OpenGL ES"},   {"software", "Software"},
                                         {"direct3d", "Direct3D"},    {"direct3d11", "Direct3D 11"},
                                         {"direct3d12", "Direct3D 12"}, {"metal", "Metal"}};
  for (const auto& n : names)
    if (std::strcmp(info.name, n[0]) == 0) return n[1];
  return info.name;
}

void set_scale_quality(int quality) {
  scale_quality = quality == ScaleSharp ? ScaleSharp : ScaleSmooth;
  auto& d = display();
  if (d.target) SDL_SetTextureScaleMode(d.target, present_scale_mode());
  if (d.frame) SDL_SetTextureScaleMode(d.frame, present_scale_mode());
}

int scale_quality_in_use() { return scale_quality; }

void set_title(const std::string& title) {
  title_text = title;
  if (display().window) SDL_SetWindowTitle(display().window, title.c_str());
}

void show_pointer(bool shown) {
  pointer_shown = shown;
  if (detail::subsystems_up()) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

namespace {

// The frame in memory scaled into out, letterboxed; the black bars are
// filled only when asked. Returns where the picture landed.
SDL_Rect compose(PixelRect out, bool bars) {
  const auto& d = display();
  const PixelRect frame{static_cast<uint32_t*>(d.surface->pixels), d.surface->w, d.surface->h, d.surface->pitch};
  const SDL_Rect r = detail::letterbox(frame.w, frame.h, out.w, out.h);
  if (bars)
    for (int y = 0; y < out.h; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out.pixels) + y * out.pitch);
      if (y < r.y || y >= r.y + r.h) {
        std::fill(row, row + out.w, 0u);
      } else {
        std::fill(row, row + r.x, 0u);
        std::fill(row + r.x + r.w, row + out.w, 0u);
      }
    }
  const PixelRect dst{reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out.pixels) + r.y * out.pitch) + r.x,
                      r.w, r.h, out.pitch};
  if (scale_quality == ScaleSharp || (r.w == frame.w && r.h == frame.h)) {
    scale_sharp(frame, dst);
  } else {
    smooth_scaler.scale(frame, dst);
  }
  return r;
}

// The frame scaled by our own code into the window's surface and handed to
// the window system. Only the picture's rectangle is sent, unless the
// window changed (or was uncovered) since the last present: then the bars
// are filled and the whole surface is sent once.
void present_window_surface() {
  auto& d = display();
  SDL_RenderFlush(d.renderer);
  if (server_present().is_open() && scaling_choice.server()) {
    int ow = 0, oh = 0;
    SDL_GetWindowSizeInPixels(d.window, &ow, &oh);
    const bool all = d.repaint_all;
    d.repaint_all = false;
    server_present().present(static_cast<const uint32_t*>(d.surface->pixels), d.surface->pitch,
                             detail::letterbox(d.surface->w, d.surface->h, ow, oh), ow, oh, all,
                             scale_quality != ScaleSharp);
    return;
  }
  SDL_Surface* ws = SDL_GetWindowSurface(d.window);
  if (!ws || !ws->pixels || ws->format->BytesPerPixel != 4) return;
  const bool all = d.repaint_all;
  d.repaint_all = false;
  const SDL_Rect r = compose(PixelRect{static_cast<uint32_t*>(ws->pixels), ws->w, ws->h, ws->pitch}, all);
  if (all) {
    SDL_UpdateWindowSurface(d.window);
  } else {
    SDL_UpdateWindowSurfaceRects(d.window, &r, 1);
  }
}

}  // namespace

bool presented_picture(std::vector<uint32_t>& pixels, int w, int h) {
  auto& d = display();
  if (!d.surface || !d.surface->pixels || w <= 0 || h <= 0) return false;
  SDL_RenderFlush(d.renderer);
  pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  compose(PixelRect{pixels.data(), w, h, w * 4}, true);
  return true;
}

void flip(bool pacing) {
  auto& d = display();
  if (!d.renderer) return;
  ++counts.presents;
  if (pacing) {
    ++counts.paced;
    // On the fine clock and slept to the fraction: whole milliseconds made
    // the intervals swing by up to two.
    const double wait = schedule.wait_before_present(precise_ms());
    if (wait >= 0.1) {
      ++counts.sleeps;
      std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait));
    }
  }
  counts.handed_ms = precise_ms();
  // A change of side repaints the whole window, bars included, by the side
  // that takes over.
  if (pacing && server_present().is_open() &&
      scaling_choice.note_present(schedule.last_late(), schedule.period(), counts.handed_ms))
    d.repaint_all = true;
  if (d.window_surface) {
    present_window_surface();
    return;
  }
  if (d.presenter) {
    // The frame in memory, uploaded to one streaming texture and drawn as
    // one scaled quad, letterboxed in black.
    SDL_RenderFlush(d.renderer);
    SDL_UpdateTexture(d.frame, nullptr, d.surface->pixels, d.surface->pitch);
    SDL_SetRenderDrawColor(d.presenter, 0, 0, 0, 255);
    SDL_RenderClear(d.presenter);
    const SDL_Rect dst = detail::present_rect();
    SDL_RenderCopy(d.presenter, d.frame, nullptr, &dst);
    SDL_RenderPresent(d.presenter);
    return;
  }
  if (!d.target) {
    SDL_RenderPresent(d.renderer);
    return;
  }
  // The one scaled copy of the frame, letterboxed in black.
  SDL_SetRenderTarget(d.renderer, nullptr);
  SDL_SetRenderDrawColor(d.renderer, 0, 0, 0, 255);
  SDL_RenderClear(d.renderer);
  const SDL_Rect dst = detail::present_rect();
  SDL_RenderCopy(d.renderer, d.target, nullptr, &dst);
  SDL_RenderPresent(d.renderer);
  SDL_SetRenderTarget(d.renderer, d.target);
  detail::mark_viewport_dirty();  // a new target starts without a clip
}

PresentCounts present_counts() { return counts; }

}  // namespace plat