// What each room is: its purpose, the areas of room types, its id and how
// many creatures it draws in.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <queue>
#include <set>

#include "plan.h"

namespace contentgen::mapgen {

namespace {

using RC = std::pair<int, int>;

// Passage distances from one cell to every room (-1 where unreachable).
struct Distances {
  int d[keyrows + 2][keycols + 2];
  int operator()(RC x) const { return d[x.first][x.second]; }
};

Distances distances_from(const Plan& plan, RC from) {
  Distances out;
  for (auto& row : out.d)
    for (int& v : row) v = -1;
  std::queue<RC> q;
  q.push(from);
  out.d[from.first][from.second] = 0;
  while (!q.empty()) {
    RC x = q.front();
    q.pop();
    for (RC y : linked(plan, x.first, x.second))
      if (out.d[y.first][y.second] < 0) {
        out.d[y.first][y.second] = out.d[x.first][x.second] + 1;
        q.push(y);
      }
  }
  return out;
}

std::vector<RC> all_rooms(const Plan& plan) {
  std::vector<RC> out;
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c)
      if (plan.at(r, c).room) out.push_back({r, c});
  return out;
}

bool is_fixed(RC x) {
  for (const Spot& s : kFixedRooms)
    if (s.row == x.first && s.col == x.second) return true;
  return false;
}

int manhattan(RC a, RC b) { return std::abs(a.first - b.first) + std::abs(a.second - b.second); }

// Steps from a dead end back to the nearest junction.
int branch_depth(const Plan& plan, RC leaf) {
  RC prev{0, 0}, cur = leaf;
  for (int depth = 0; depth < 50; ++depth) {
    auto next = linked(plan, cur.first, cur.second);
    if (next.size() > 2 || (depth > 0 && next.size() != 2)) return depth;
    RC step = next[0] == prev && next.size() > 1 ? next[1] : next[0];
    prev = cur;
    cur = step;
  }
  return 50;
}

struct Region {
  RC seed;
  int type;
  int quota;
};

// Grows each area of one room type from its seed through the passages,
// picking frontier rooms at random but favouring rooms laid out with the
// seed's cluster, until the area has its share of rooms.
bool grow_regions(Plan& plan, Rng& rng, const std::vector<Region>& regions) {
  std::set<RC> seeds;
  for (const Region& reg : regions) seeds.insert(reg.seed);
  for (const Region& reg : regions) {
    Cell& seed = plan.at(reg.seed.first, reg.seed.second);
    if (seed.type != 0) return false;
    seed.type = reg.type;
    std::vector<RC> area{reg.seed};
    for (int have = 1; have < reg.quota;) {
      std::vector<std::pair<RC, int>> frontier;
      int total = 0;
      for (RC x : area)
        for (RC y : linked(plan, x.first, x.second)) {
          const Cell& c = plan.at(y.first, y.second);
          if (c.type != 0 || seeds.count(y)) continue;
          int w = (c.group == seed.group ? 6 : 2) + (c.corridor ? 0 : 2);
          frontier.push_back({y, w});
          total += w;
        }
      if (frontier.empty()) return false;
      int pick = rng.range(1, total);
      for (auto& f : frontier) {
        pick -= f.second;
        if (pick <= 0) {
          Cell& c = plan.at(f.first.first, f.first.second);
          if (c.type == 0) {
            c.type = reg.type;
            area.push_back(f.first);
            ++have;
          }
          break;
        }
      }
    }
  }
  return true;
}

const int kDr[4] = {1, -1, 0, 0}, kDc[4] = {0, 0, 1, -1};

int same_type_neighbours(const Plan& plan, RC x, int t, RC except = {0, 0}) {
  int n = 0;
  for (int k = 0; k < 4; ++k) {
    RC y{x.first + kDr[k], x.second + kDc[k]};
    if (y != except && plan.at(y.first, y.second).room && plan.at(y.first, y.second).type == t) ++n;
  }
  return n;
}

// Areas, not confetti: a room left alone in its type takes the type of a
// room beside it, and a room on the edge of that type's area takes the
// lone room's type in exchange, so the counts stay as they are.
bool mend_lone_rooms(Plan& plan, const std::vector<RC>& rooms, const std::set<RC>& keep) {
  for (int round = 0; round < 200; ++round) {
    RC lone{0, 0};
    for (RC x : rooms)
      if (same_type_neighbours(plan, x, plan.at(x.first, x.second).type) == 0) {
        lone = x;
        break;
      }
    if (lone.first == 0) return true;
    if (keep.count(lone)) return false;
    int t = plan.at(lone.first, lone.second).type;
    bool mended = false;
    for (int k = 0; k < 4 && !mended; ++k) {
      RC y{lone.first + kDr[k], lone.second + kDc[k]};
      if (!plan.at(y.first, y.second).room) continue;
      int u = plan.at(y.first, y.second).type;
      // A room of type u beside an area of type t that u can spare.
      for (RC z : rooms) {
        if (z == lone || z == y || keep.count(z) || plan.at(z.first, z.second).type != u) continue;
        if (same_type_neighbours(plan, z, t, lone) == 0) continue;
        bool spare = true;
        for (int j = 0; j < 4 && spare; ++j) {
          RC w{z.first + kDr[j], z.second + kDc[j]};
          if (plan.at(w.first, w.second).room && plan.at(w.first, w.second).type == u &&
              same_type_neighbours(plan, w, u, z) == 0 && w != lone)
            spare = false;
        }
        if (!spare) continue;
        plan.at(z.first, z.second).type = t;
        plan.at(lone.first, lone.second).type = u;
        mended = true;
        break;
      }
    }
    if (!mended) return false;
  }
  return false;
}

}  // namespace

bool assign_rooms(Plan& plan, Rng& rng) {
  const RC base{14, 50}, nest{14, 9};
  Distances fromBase = distances_from(plan, base);
  Distances fromNest = distances_from(plan, nest);
  std::vector<RC> rooms = all_rooms(plan);
  for (RC x : rooms)
    if (fromBase(x) < 0) return false;

  for (RC x : rooms) {
    Cell& c = plan.at(x.first, x.second);
    c.type = 0;
    c.purpose = c.corridor ? Corridor : Ordinary;
  }
  std::map<int, RC> chosen;  // id -> cell
  for (const Spot& s : kFixedRooms) {
    chosen[s.id] = {s.row, s.col};
    Cell& c = plan.at(s.row, s.col);
    if (!c.room) return false;
    c.purpose = s.id <= 3 ? Base : s.id == 174 ? Generator : s.id == 248 ? Nest : ExitRoom;
  }
  auto free_room = [&](RC x) { return !plan.at(x.first, x.second).corridor && !is_fixed(x) &&
                                      plan.at(x.first, x.second).purpose == Ordinary; };

  // The bonus room: a dead end at the end of a long branch, far from base
  // and away from the nest.
  {
    RC best{0, 0};
    int bestscore = -1;
    for (RC x : rooms) {
      if (!free_room(x) || linked(plan, x.first, x.second).size() != 1 || fromNest(x) < 12) continue;
      int score = fromBase(x) + 4 * branch_depth(plan, x) + rng.range(0, 6);
      if (score > bestscore) bestscore = score, best = x;
    }
    if (bestscore < 0) return false;
    chosen[69] = best;
    plan.at(best.first, best.second).purpose = Bonus;
  }
  // Medical rooms spread over the complex, none close to the entrance.
  for (int id = 177; id <= 182; ++id) {
    RC best{0, 0};
    int bestscore = -1;
    for (RC x : rooms) {
      if (!free_room(x) || fromBase(x) < 7 || fromNest(x) < 10) continue;
      int spread = 100;
      for (int other = 177; other < id; ++other) spread = std::min(spread, manhattan(x, chosen[other]));
      int score = spread * 4 + rng.range(0, 10);
      if (score > bestscore) bestscore = score, best = x;
    }
    if (bestscore < 0) return false;
    chosen[id] = best;
    plan.at(best.first, best.second).purpose = Medical;
  }
  // The armoury: a short walk in from the base, off the main corridor.
  {
    std::vector<RC> pool;
    for (RC x : rooms)
      if (free_room(x) && fromBase(x) >= 6 && fromBase(x) <= 12) pool.push_back(x);
    if (pool.empty()) return false;
    RC x = pool[rng.range(0, static_cast<int>(pool.size()) - 1)];
    chosen[28] = x;
    plan.at(x.first, x.second).purpose = Armoury;
  }

  // Areas of room type. The base block and the armoury are red, the nest's
  // surroundings brown, engineering around the generator cyan, the medical
  // wards green; everything else is the blue of the ordinary complex.
  RC engineering{0, 0};
  int far = -1;
  for (RC x : rooms) {
    if (!free_room(x)) continue;
    int near = 1000;
    for (auto& [id, y] : chosen) near = std::min(near, manhattan(x, y));
    if (near > far) far = near, engineering = x;
  }
  std::vector<Region> regions = {
      {nest, 5, 37},         {base, 1, 24},      {chosen[28], 1, 20},  {chosen[174], 4, 18},
      {engineering, 4, 15},
  };
  const int medical[6] = {6, 6, 6, 6, 5, 5};
  for (int i = 0; i < 6; ++i) regions.push_back({chosen[177 + i], 3, medical[i]});
  if (!grow_regions(plan, rng, regions)) return false;
  for (RC x : rooms)
    if (plan.at(x.first, x.second).type == 0) plan.at(x.first, x.second).type = 2;
  std::set<RC> keep;
  for (const Region& reg : regions) keep.insert(reg.seed);
  if (!mend_lone_rooms(plan, rooms, keep)) return false;

  // Ids: the fixed and chosen ones, the rest in order of passage distance
  // from the base, so numbers rise as one goes deeper into the complex.
  std::set<int> used;
  for (auto& [id, x] : chosen) {
    plan.at(x.first, x.second).id = id;
    used.insert(id);
  }
  std::vector<RC> order = rooms;
  std::stable_sort(order.begin(), order.end(), [&](RC a, RC b) { return fromBase(a) < fromBase(b); });
  int next = 1;
  for (RC x : order) {
    Cell& c = plan.at(x.first, x.second);
    if (c.id) continue;
    while (used.count(next)) ++next;
    c.id = next;
    used.insert(next);
  }

  // Population: none at the entrance, rising with the share of the way from
  // the base to the nest, the thirteen rooms closest to the nest at full.
  std::vector<RC> byThreat;
  for (RC x : rooms)
    if (plan.at(x.first, x.second).id > 2) byThreat.push_back(x);
  auto threat = [&](RC x) {
    if (x == nest) return 1000000;
    double share = double(fromBase(x)) / double(fromBase(x) + fromNest(x));
    return static_cast<int>(share * 100000) + static_cast<int>(rng.next() % 997);
  };
  std::vector<std::pair<int, RC>> ranked;
  for (RC x : byThreat) ranked.push_back({threat(x), x});
  std::stable_sort(ranked.begin(), ranked.end(), [](auto& a, auto& b) { return a.first < b.first; });
  int n = static_cast<int>(ranked.size());
  for (int i = 0; i < n; ++i) {
    Cell& c = plan.at(ranked[i].second.first, ranked[i].second.second);
    if (i >= n - 13) {
      c.population = 170;
    } else {
      double f = double(i) / double(n - 14);
      int v = 5 + static_cast<int>(f * f * 80 + f * 80);
      c.population = std::clamp(v / 5 * 5, 5, 165);
    }
  }
  plan.at(14, 50).population = 0;
  plan.at(14, 49).population = 0;
  return true;
}

}  // namespace contentgen::mapgen
