// Reads one dot of the no-signal picture from the table the simulation
// refills every frame.
#include <cstddef>

#include "state/play_state.h"
#include "render/room_pass.h"

namespace {
// Rows of alpha, x and y; a table without the alpha column shows full dots.
template <std::size_t N>
StaticDot readdot(const int (&row)[N]) {
  if constexpr (N >= 4) return {row[1], row[2], row[3]};
  else return {100, row[1], row[2]};
}
template <std::size_t N>
void writedot(int (&row)[N], const StaticDot& dot) {
  if constexpr (N >= 4) row[1] = dot.alpha, row[2] = dot.x, row[3] = dot.y;
  else row[1] = dot.x, row[2] = dot.y;
}
}  // namespace

StaticDot staticdot(int d) {
  if (d < 1 || d > 500) return {0, 0, 0};
  return readdot(staticdots[d]);
}

void setstaticdot(int d, const StaticDot& dot) {
  if (d >= 1 && d <= 500) writedot(staticdots[d], dot);
}
