// The console's compass and mini-cameras are drawn by the room views.
#include "render/hud_links.h"

#include "render/views.h"

void hudcompass(int view, int y) { drawcompass(view, static_cast<float>(y)); }

void hudminicam(int m, int x, int y, int w, int h, int top, int bottom) {
  minicam(m, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h),
          static_cast<float>(top), static_cast<float>(bottom));
}
