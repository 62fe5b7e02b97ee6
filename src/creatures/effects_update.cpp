// Advancing the five effect lists once per frame of play, removing records
// whose time is up while the list is walked.
#include "state/assets.h"
#include "audio/sound.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/effects.h"
#include "squad/credit.h"
#include "world/map.h"

namespace {

// A fresh warrior or queen corpse bleeds onto every door whose span comes
// within 48 pixels of its acid point. The room is a loop, so a point near
// the seam is tried against the doors on both sides of it.
void bleedacid(const t_cor& k) {
  if (k.rnum < 1 || k.rnum > 300) return;
  int point = k.dir == 1 ? k.x + 43 : k.x - 43;
  const int* rec = rooms[k.rnum][roomrecord];
  for (int d = 1; d <= 4; ++d) {
    if (rec[neighbourslot(d)] <= 0) continue;
    int start = slotwidth * rec[doorslot(d)];
    int end = start + 156;
    for (int shift = -looplength; shift <= looplength; shift += looplength) {
      int p = point + shift;
      if (start < p + 48 && p - 48 < end) {
        t_acid a;
        a.rnum = k.rnum;
        a.x = point;
        a.doorid = d;
        acidlist.push_back(a);
        playsoundat(snd_acid, acrossview(k.rnum, point));
        break;
      }
    }
  }
}

void advancecorpses() {
  for (auto it = corlist.begin(); it != corlist.end();) {
    it->timer += 1;
    if (it->timer == 1 && (it->id == kindwarrior || it->id == kindqueen)) bleedacid(*it);
    if (it->timer >= 400) it = corlist.erase(it);
    else ++it;
  }
}

void advanceacid() {
  for (auto it = acidlist.begin(); it != acidlist.end();) {
    if (it->anim == 0) {
      if (++it->dorp >= 10) it->anim = 1;
    } else {
      if (--it->dorp <= 0) it->anim = 0;
    }
    it->timer += 1;
    if (it->timer >= 3000) it = acidlist.erase(it);
    else ++it;
  }
}

void advancedeaths() {
  for (auto it = deathlist.begin(); it != deathlist.end();) {
    t_death& d = *it;
    d.timer += 1;
    if (d.id == kindwarrior) {
      d.y += d.timer * 0.25f * d.size;
      d.des += 1.0f;
    } else if (d.id == kindhugger) {
      d.des += 2.0f;
    } else if (d.id == kindqueen) {
      d.y += d.size * (d.timer * 0.2f);
      d.des += 1.0f;
    }
    d.movetimer = static_cast<int>(d.des + 0.5f);
    d.size = creaturesize(d.id, static_cast<float>(d.movetimer));
    if (d.timer >= 20) it = deathlist.erase(it);
    else ++it;
  }
}

template <class List>
void countdown(List& list) {
  for (auto it = list.begin(); it != list.end();) {
    if (--it->timer <= 0) it = list.erase(it);
    else ++it;
  }
}

void advancescores() {
  for (auto it = scorelist.begin(); it != scorelist.end();) {
    if (++it->timer >= 60) it = scorelist.erase(it);
    else ++it;
  }
}

}  // namespace

void updateeffects() {
  advancecorpses();
  advanceacid();
  advancedeaths();
  countdown(explist);
  advancescores();
}
