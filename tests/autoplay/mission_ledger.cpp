#include "autoplay/mission_ledger.h"

#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "world/lamps.h"
#include "world/map.h"

namespace {

constexpr int lastroom = 255;

// Credit points and kill counter of a kill, by creature kind 1..6.
struct Kill {
  int points, counter;
};
constexpr Kill killrule[7] = {{0, 0}, {100, 1}, {200, 2}, {1000, 3}, {50, 2}, {0, 0}, {200, 2}};
constexpr int slimepoints = 5, rescuepoints = 5000, bonuspoints = 2000;
constexpr int colonist = 5;

int scoresat(int r, int x) {
  int n = 0;
  for (const t_score& s : scorelist) n += s.rnum == r && s.x == x;
  return n;
}

}  // namespace

void MissionLedger::take() {
  rooms_.assign(lastroom + 1, Room{});
  for (int r = 1; r <= lastroom; ++r) {
    Room& k = rooms_[r];
    k.kind = rooms[r][roomcreature][ckind];
    k.cx = rooms[r][roomcreature][cposx];
    k.visited = rooms[r][roomrecord][visited];
    k.scores = k.kind == colonist ? scoresat(r, k.cx) : 0;
    for (int s = 1; s <= wallslots; ++s) k.slime[s] = rooms[r][wallstate][s] > 0;
  }
}

void MissionLedger::start() {
  credit_ = rescues_ = 0;
  kills_ = {};
  take();
}

void MissionLedger::frame() {
  for (int r = 1; r <= lastroom; ++r) {
    const Room& before = rooms_[r];
    for (int s = 1; s <= wallslots; ++s)
      if (before.slime[s] && rooms[r][wallstate][s] == 0) credit_ += slimepoints;
    if (r == bonusroom && before.visited == 0 && rooms[r][roomrecord][visited] == 1) credit_ += bonuspoints;
    const int kind = before.kind;
    if (kind == 0 || rooms[r][roomcreature][ckind] != 0) continue;
    // A creature gone from its room: killed, or the colonist rescued
    // (a credit pop-up where it stood) or lost (nothing).
    if (kind == colonist) {
      if (scoresat(r, before.cx) > before.scores) credit_ += rescuepoints, rescues_ += 1;
      continue;
    }
    if (kind < 1 || kind > 6) continue;
    credit_ += killrule[kind].points;
    kills_[killrule[kind].counter] += 1;
  }
  take();
}
