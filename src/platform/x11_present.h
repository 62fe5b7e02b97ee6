// Presenting the finished frame through the X server: the 1024 x 768 frame
// crosses to the server once (shared memory where the server is local), and
// the server scales it into the window with the RENDER extension, bilinear
// or nearest. On a desktop with a graphics card the server does that on the
// card; without one it is pixman on the server's own core. Either way the
// game no longer scales a desktop-sized picture and ships it across, which
// at 3840 x 2160 cost it more than a frame's time.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace plat::detail {

struct ServerPresentState;

class ServerPresent {
 public:
  ServerPresent() = default;
  ServerPresent(const ServerPresent&) = delete;
  ServerPresent& operator=(const ServerPresent&) = delete;
  ~ServerPresent() { close(); }

  // Set up for frames of frame_w x frame_h in the window; false (and closed)
  // where the window is not on X or the server lacks RENDER, or a format
  // does not match the frame's 32-bit xRGB.
  bool open(SDL_Window* window, int frame_w, int frame_h);
  void close();
  bool is_open() const { return state_ != nullptr; }

  // Sends one frame (pixels of frame_w x frame_h, pitch in bytes) and has the
  // server scale it into `picture` of a window out_w x out_h; the bars round
  // it are filled black when `bars`. Waits first until the server is done
  // with the frame before, so at most one frame is ever queued.
  void present(const uint32_t* pixels, int pitch, const SDL_Rect& picture, int out_w, int out_h, bool bars,
               bool smooth);

 private:
  ServerPresentState* state_ = nullptr;
};

}  // namespace plat::detail
