#include "app/autoplayer/route.h"

#include <algorithm>
#include <array>
#include <deque>

#include "app/autoplayer/targets.h"
#include "world/map.h"

namespace {

constexpr int firstroom = 1, lastroom = 255;

bool maproom(int r) { return r >= firstroom && r <= lastroom; }

}  // namespace

int doortoward(int r, int next) {
  // A wall without a door holds neighbour 0: that is no way anywhere.
  if (!maproom(r) || !maproom(next)) return 0;
  for (int d = 1; d <= 4; ++d)
    if (rooms[r][roomrecord][neighbourslot(d)] == next) return d;
  return 0;
}

bool doorwalkable(int r, int d) {
  if (!maproom(r) || d < 1 || d > 4) return false;
  const int* rec = rooms[r][roomrecord];
  if (!maproom(rec[neighbourslot(d)])) return false;
  // A locked door is only passable once it has been shot open; the route
  // still counts it, since the player can shoot it open on the way.
  return true;
}

bool doorclear(int r, int d) {
  if (!maproom(r) || d < 1 || d > 4) return false;
  const int* rec = rooms[r][roomrecord];
  if (rec[doorlockedslot(d)] == 1 && rec[dooropenslot(d)] != 1) return false;
  return doorwayslime(r, d) == 0;
}

std::vector<int> findroute(int from, int to, bool clearonly) {
  if (!maproom(from) || !maproom(to)) return {};
  std::array<int, lastroom + 1> came{};
  came[from] = from;
  std::deque<int> queue{from};
  while (!queue.empty() && came[to] == 0) {
    const int r = queue.front();
    queue.pop_front();
    for (int d = 1; d <= 4; ++d) {
      if (!doorwalkable(r, d) || (clearonly && !doorclear(r, d))) continue;
      const int n = rooms[r][roomrecord][neighbourslot(d)];
      if (came[n] != 0) continue;
      came[n] = r;
      queue.push_back(n);
    }
  }
  if (came[to] == 0) return {};
  std::vector<int> path{to};
  while (path.back() != from) path.push_back(came[path.back()]);
  std::reverse(path.begin(), path.end());
  return path;
}

int nextroom(int from, int to, bool clearonly) {
  const std::vector<int> path = findroute(from, to, clearonly);
  return path.size() >= 2 ? path[1] : 0;
}

int routeshots(int from, int to) {
  const std::vector<int> path = findroute(from, to);
  if (path.empty()) return -1;
  int shots = 0;
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const int r = path[i], d = doortoward(r, path[i + 1]);
    const int* rec = rooms[r][roomrecord];
    const int p = rec[doorslot(d)];
    const bool shut = rec[dooropenslot(d)] != 1;
    for (int s = p + 1; s <= p + (shut ? 4 : 3); ++s) shots += rooms[r][wallstate][wrapslot(s)] > 0;
    shots += rec[doorlockedslot(d)] == 1 && shut;
  }
  return shots;
}

int cleardoor(int r) {
  for (int d = 1; d <= 4; ++d)
    if (doorwalkable(r, d) && doorclear(r, d)) return d;
  return 0;
}

int routelength(int from, int to) {
  const std::vector<int> path = findroute(from, to);
  return path.empty() ? -1 : static_cast<int>(path.size()) - 1;
}
