// The millisecond clock and tick timers on a schedule of 1/hz seconds.
#include <algorithm>
#include <cmath>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {

struct Timer {
  double period = 0.0;  // ms per tick
  double next = 0.0;    // ms time of the next tick
};

std::vector<Timer>& timers() {
  static std::vector<Timer> list;
  return list;
}

double now_ms() { return static_cast<double>(SDL_GetTicks64()); }

}  // namespace

uint32_t millisecs() { return SDL_GetTicks(); }

void delay(int ms) {
  if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

int create_timer(int hz) {
  if (hz <= 0) return 0;
  Timer t;
  t.period = 1000.0 / hz;
  t.next = now_ms() + t.period;
  auto& list = timers();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].period == 0.0) {
      list[i] = t;
      return static_cast<int>(i) + 1;
    }
  list.push_back(t);
  return static_cast<int>(list.size());
}

int wait_timer(int timer) {
  auto& list = timers();
  if (timer <= 0 || timer > static_cast<int>(list.size()) || list[timer - 1].period == 0.0) return 0;
  Timer& t = list[timer - 1];
  double now = now_ms();
  if (now < t.next) {
    SDL_Delay(static_cast<Uint32>(std::ceil(t.next - now)));
    now = now_ms();
  }
  // Every tick that has passed since the last wait counts once.
  const int ticks = std::max(1, 1 + static_cast<int>(std::floor((now - t.next) / t.period)));
  t.next += ticks * t.period;
  return ticks;
}

void free_timer(int timer) {
  auto& list = timers();
  if (timer > 0 && timer <= static_cast<int>(list.size())) list[timer - 1] = Timer{};
}

}  // namespace plat
