// Laying out the complex: long corridors first, then clusters of rooms
// hung off them, then the passages (a spanning tree with a few loops).
#include <algorithm>
#include <array>
#include <map>
#include <queue>
#include <utility>

#include "plan.h"

namespace contentgen::mapgen {

namespace {

using RC = std::pair<int, int>;

// Open ground outside the complex beyond the exits of column 22; nothing is
// built there, so those exits really lead outside.
struct Area {
  int r0, c0, r1, c1;
};
constexpr Area kOpenGround[] = {{1, 19, 9, 24}, {19, 19, 25, 24}};

bool buildable(int r, int c) {
  if (r < 1 || r > 24 || c < 5 || c > 50) return false;
  for (const Area& a : kOpenGround)
    if (r >= a.r0 && r <= a.r1 && c >= a.c0 && c <= a.c1) return false;
  return true;
}

// The corridors, as waypoints joined by straight runs.
const std::vector<std::vector<RC>> kCorridors = {
    // The base corridor and the ring of corridors behind it.
    {{14, 50}, {14, 45}},
    {{14, 45}, {8, 45}, {8, 39}},
    {{14, 45}, {20, 45}, {20, 39}},
    {{8, 39}, {20, 39}},
    // The long north-south spine from the north exit past the generator
    // down to the south exit, and the corridor that reaches it.
    {{1, 27}, {24, 27}},
    {{11, 39}, {11, 27}},
    // Across to the west wing past the two inner exits, and on to the nest
    // and the west exit.
    {{10, 27}, {10, 17}},
    {{18, 27}, {18, 17}},
    {{10, 17}, {18, 17}},
    {{14, 17}, {14, 5}},
};

struct Edge {
  int r, c, dir;  // dir 0: (r,c)-(r+1,c), dir 1: (r,c)-(r,c+1)
  int weight;
  RC a() const { return {r, c}; }
  RC b() const { return dir == 0 ? RC{r + 1, c} : RC{r, c + 1}; }
};

int key(int r, int c) { return r * 64 + c; }

struct Dsu {
  std::vector<int> p;
  Dsu() : p(64 * 64) {
    for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<int>(i);
  }
  int find(int x) { return p[x] == x ? x : p[x] = find(p[x]); }
  bool join(int a, int b) {
    a = find(a), b = find(b);
    if (a == b) return false;
    p[a] = b;
    return true;
  }
};

void set_passage(Plan& plan, const Edge& e, bool on) {
  if (e.dir == 0)
    plan.at(e.r, e.c).down = on;
  else
    plan.at(e.r, e.c).right = on;
}

int count_rooms(const Plan& plan) {
  int n = 0;
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c) n += plan.at(r, c).room;
  return n;
}

void carve_corridors(Plan& plan, std::map<int, int>& mandatory) {
  int group = 0;
  for (const auto& line : kCorridors) {
    ++group;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
      RC p = line[i], q = line[i + 1];
      int dr = (q.first > p.first) - (q.first < p.first);
      int dc = (q.second > p.second) - (q.second < p.second);
      for (RC x = p;; x = {x.first + dr, x.second + dc}) {
        Cell& cell = plan.at(x.first, x.second);
        if (!cell.room) {
          cell.room = true;
          cell.corridor = true;
          cell.group = group;
        }
        if (x == q) break;
        RC y{x.first + dr, x.second + dc};
        RC lo = std::min(x, y);
        int dir = (x.first == y.first) ? 1 : 0;
        mandatory[key(lo.first, lo.second) * 2 + dir] = 1;
      }
    }
  }
}

// The north exit room opens only onto the generator room below it.
bool lonely(int r, int c) { return r == 1 && c == 27; }

const int kDr[4] = {1, -1, 0, 0}, kDc[4] = {0, 0, 1, -1};  // south, north, east, west

// A block of rooms beside corridor cell `from`, reaching `along` cells away
// from it in direction d and `across` cells wide, shifted by `off`.
bool place_block(Plan& plan, Rng& rng, RC from, int d, int along, int across, int off, int group,
                 std::map<int, int>& attach, int target) {
  const Cell& fc = plan.at(from.first, from.second);
  if (!fc.room) return false;
  std::vector<RC> cells;
  for (int a = 1; a <= along; ++a)
    for (int b = 0; b < across; ++b) {
      int r = from.first + kDr[d] * a + (kDr[d] == 0 ? b - off : 0);
      int c = from.second + kDc[d] * a + (kDc[d] == 0 ? b - off : 0);
      cells.push_back({r, c});
    }
  for (const RC& x : cells) {
    if (!buildable(x.first, x.second) || plan.at(x.first, x.second).room) return false;
    // Keep a gap to every corridor but the one it hangs from.
    for (int k = 0; k < 4; ++k) {
      const Cell& n = plan.at(x.first + kDr[k], x.second + kDc[k]);
      if (n.room && n.corridor && n.group != fc.group) return false;
    }
  }
  // Knock off a far corner now and then so blocks are not all rectangles.
  if (along >= 2 && across >= 2 && rng.chance(35)) cells.erase(cells.end() - (rng.chance(50) ? 1 : across));
  // Add in order of distance from the entrance so the block stays joined.
  RC entry{from.first + kDr[d], from.second + kDc[d]};
  std::stable_sort(cells.begin(), cells.end(), [&](const RC& x, const RC& y) {
    return std::abs(x.first - entry.first) + std::abs(x.second - entry.second) <
           std::abs(y.first - entry.first) + std::abs(y.second - entry.second);
  });
  int have = count_rooms(plan);
  for (const RC& x : cells) {
    if (have >= target) break;
    Cell& cell = plan.at(x.first, x.second);
    cell.room = true;
    cell.group = group;
    ++have;
  }
  attach[group] = fc.group;
  return true;
}

// Blocks that give the special parts of the complex their surroundings:
// the generator hall, the hive chambers round the nest, the base block.
struct Block {
  int row, col, d, along, across, off;
};
constexpr Block kPlannedBlocks[] = {
    {3, 27, 2, 3, 3, 1},   // engineering east of the generator
    {2, 27, 3, 2, 3, 1},   // and west of it
    {14, 9, 1, 3, 3, 1},   // hive chambers north of the nest
    {14, 10, 0, 3, 3, 1},  // and south of it
    {14, 48, 1, 2, 3, 0},  // the base block north of the entrance
    {14, 48, 0, 2, 2, 0},  // and south of it
};

// A cluster of rooms beside a random room: a block, sometimes a one-wide
// spur, off a corridor or off another cluster.
bool add_cluster(Plan& plan, Rng& rng, int group, std::map<int, int>& attach, int target) {
  static const std::array<RC, 14> shapes = {RC{1, 2}, RC{1, 3}, RC{2, 2}, RC{2, 3}, RC{3, 2},
                                            RC{3, 3}, RC{2, 4}, RC{4, 2}, RC{1, 4}, RC{3, 4},
                                            RC{4, 3}, RC{4, 4}, RC{2, 5}, RC{3, 3}};
  std::vector<RC> anchors;
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c)
      if (plan.at(r, c).room && !lonely(r, c) && !(r == 14 && c == 5)) anchors.push_back({r, c});
  for (int attempt = 0; attempt < 400; ++attempt) {
    RC from = anchors[rng.range(0, static_cast<int>(anchors.size()) - 1)];
    RC shape = shapes[rng.range(0, static_cast<int>(shapes.size()) - 1)];
    int off = rng.range(0, shape.second - 1);
    if (place_block(plan, rng, from, rng.range(0, 3), shape.first, shape.second, off, group, attach, target))
      return true;
  }
  return false;
}

// Tree distance between two cells over the chosen passages.
int passage_distance(const Plan& plan, RC from, RC to) {
  std::map<int, int> dist;
  std::queue<RC> q;
  q.push(from);
  dist[key(from.first, from.second)] = 0;
  while (!q.empty()) {
    RC x = q.front();
    q.pop();
    int dx = dist[key(x.first, x.second)];
    if (x == to) return dx;
    for (RC y : linked(plan, x.first, x.second))
      if (!dist.count(key(y.first, y.second))) {
        dist[key(y.first, y.second)] = dx + 1;
        q.push(y);
      }
  }
  return 1000;
}

}  // namespace

std::vector<std::pair<int, int>> linked(const Plan& plan, int r, int c) {
  std::vector<std::pair<int, int>> out;
  if (r > 1 && plan.at(r - 1, c).down && plan.at(r - 1, c).room) out.push_back({r - 1, c});
  if (c > 1 && plan.at(r, c - 1).right && plan.at(r, c - 1).room) out.push_back({r, c - 1});
  if (r < keyrows && plan.at(r, c).down && plan.at(r + 1, c).room) out.push_back({r + 1, c});
  if (c < keycols && plan.at(r, c).right && plan.at(r, c + 1).room) out.push_back({r, c + 1});
  return out;
}

bool lay_out(Plan& plan, Rng& rng) {
  plan = Plan{};
  std::map<int, int> mandatory, attach;
  carve_corridors(plan, mandatory);
  int group = static_cast<int>(kCorridors.size());
  for (const Block& b : kPlannedBlocks)
    if (!place_block(plan, rng, {b.row, b.col}, b.d, b.along, b.across, b.off, ++group, attach, kRooms))
      return false;
  while (count_rooms(plan) < kRooms)
    if (!add_cluster(plan, rng, ++group, attach, kRooms)) return false;

  // Candidate passages between neighbouring rooms, cheapest first. The
  // bias tilts the rooms of a cluster towards north-south or east-west runs.
  int bias = rng.range(-40, 40);
  std::vector<Edge> edges;
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c) {
      const Cell& a = plan.at(r, c);
      if (!a.room) continue;
      for (int dir = 0; dir < 2; ++dir) {
        int r2 = r + (dir == 0), c2 = c + (dir == 1);
        const Cell& b = plan.at(r2, c2);
        if (!b.room) continue;
        if ((lonely(r, c) && dir == 1) || lonely(r2, c2)) continue;
        int w;
        if (mandatory.count(key(r, c) * 2 + dir))
          w = -1;
        else if (a.group == b.group)
          w = rng.range(1, 100) + (dir == 0 ? bias : 0);
        else if ((attach.count(a.group) && attach[a.group] == b.group) ||
                 (attach.count(b.group) && attach[b.group] == a.group))
          w = rng.range(200, 299);
        else
          w = rng.range(1000, 1999);
        edges.push_back({r, c, dir, w});
      }
    }
  std::stable_sort(edges.begin(), edges.end(), [](const Edge& x, const Edge& y) { return x.weight < y.weight; });

  Dsu dsu;
  int vertical = 0, horizontal = 0, joined = 0;
  std::vector<Edge> spare;
  for (const Edge& e : edges) {
    bool tree = dsu.join(key(e.r, e.c), key(e.b().first, e.b().second));
    if (tree) ++joined;
    if (tree || e.weight < 0) {
      set_passage(plan, e, true);
      (e.dir == 0 ? vertical : horizontal)++;
    } else {
      spare.push_back(e);
    }
  }
  if (joined != kRooms - 1) return false;  // the rooms do not form one complex

  // Loops: extra passages, preferring ones that join different parts of
  // the complex across a long way round.
  int needv = 133 - vertical, needh = 135 - horizontal;
  if (needv < 0 || needh < 0) return false;
  struct Scored {
    Edge e;
    int score;
  };
  std::vector<Scored> scored;
  for (const Edge& e : spare) {
    int d = passage_distance(plan, e.a(), e.b());
    int s = std::min(d, 40) + rng.range(0, 25) + (e.weight >= 1000 ? 40 : e.weight >= 200 ? 25 : 0);
    scored.push_back({e, s});
  }
  std::stable_sort(scored.begin(), scored.end(), [](const Scored& x, const Scored& y) { return x.score > y.score; });
  std::map<int, int> loopsat;  // groups already given an extra passage
  for (int pass = 0; pass < 2; ++pass)
    for (const Scored& s : scored) {
      int& need = s.e.dir == 0 ? needv : needh;
      if (need == 0) continue;
      const Cell& a = plan.at(s.e.r, s.e.c);
      const Cell& b = plan.at(s.e.b().first, s.e.b().second);
      bool on = s.e.dir == 0 ? a.down : a.right;
      if (on) continue;
      if (pass == 0 && (loopsat[a.group] || loopsat[b.group])) continue;
      set_passage(plan, s.e, true);
      loopsat[a.group] = loopsat[b.group] = 1;
      --need;
    }
  return needv == 0 && needh == 0;
}

}  // namespace contentgen::mapgen
