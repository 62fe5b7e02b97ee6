// Where a window of the game's picture goes on a desktop: at the picture's
// own size where the desktop's work area (the desktop less its panels)
// holds it together with the window manager's frame, otherwise at the
// largest size of the same shape that fits; centred in the work area. The
// picture is scaled into whatever size the window gets.
#pragma once

#include <algorithm>

namespace plat {

struct WindowBox {
  int x = 0, y = 0, w = 0, h = 0;
};
// The frame a window manager puts around a window's drawing area.
struct FrameSize {
  int top = 0, left = 0, bottom = 0, right = 0;
};

// The room left round the drawing area when nothing says how large the
// frame is (Wayland, and X window managers that do not tell, such as
// Xwayland's): a title bar's height and a panel's above, a panel's below,
// a little at the sides. The work area is then often the whole output, so
// this room also keeps the window clear of panels no one reported.
inline constexpr FrameSize unknown_frame{64, 16, 32, 16};

// The drawing area's place and size for a picture of width x height.
inline WindowBox fit_window(const WindowBox& work, const FrameSize& frame, int width, int height) {
  const int aw = work.w - frame.left - frame.right, ah = work.h - frame.top - frame.bottom;
  WindowBox box{0, 0, width, height};
  if (aw <= 0 || ah <= 0 || width <= 0 || height <= 0) return WindowBox{work.x + frame.left, work.y + frame.top, width, height};
  if (width > aw || height > ah) {
    // Scaled in whole pixels, never past the space on either side.
    if (static_cast<long long>(aw) * height <= static_cast<long long>(ah) * width) {
      box.w = aw;
      box.h = std::max(1, static_cast<int>(static_cast<long long>(aw) * height / width));
    } else {
      box.h = ah;
      box.w = std::max(1, static_cast<int>(static_cast<long long>(ah) * width / height));
    }
  }
  box.x = work.x + frame.left + (aw - box.w) / 2;
  box.y = work.y + frame.top + (ah - box.h) / 2;
  return box;
}

}  // namespace plat
