#include "world/pickups.h"

#include "state/assets.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "creatures/effects.h"
#include "input/bindings.h"
#include "squad/credit.h"
#include "squad/squad.h"
#include "world/lamps.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/signals.h"

namespace {

int controlled(int m) {
  for (int p = 1; p <= numplayers && p <= 2; ++p)
    if (curmember[p] == m) return 1;
  return 0;
}

int creditedplayer(int m) { return numplayers == 2 && curmember[2] == m ? 2 : 1; }

}  // namespace

void roomchecks(int m) {
  int* s = squad[m];
  const int r = s[mroom];
  if (s[mdead] != 0 || r < 1 || r > 255) return;
  int* rec = rooms[r][roomrecord];
  const int kind = rooms[r][roomcreature][ckind];
  const int mine = controlled(m);

  if (mine && r == generatorroom) eventflags[eventgenerator] = 1;
  if (mine && litalarmroom(r)) eventflags[eventalarm] = 1;
  s[mdanger] = trackedkind(kind);
  if (s[mdanger]) eventflags[mine ? eventcontact : eventunguarded] = 1;

  if (rec[visited] == 0) {
    rec[visited] = 1;
    if (rec[roomid] == bonusroom) givecredit(creditedplayer(m), 2000);
  }
  if (rec[roomid] == ammoroom && s[mammo] < s[mmaxammo]) {
    s[mammo] = s[mmaxammo];
    playsound(snd_ammo);
    s[mammoflash] = 15;
  }
  // The medics will not work while something hostile shares the room.
  const bool medical = rec[roomid] >= firstmedicalroom && rec[roomid] <= lastmedicalroom;
  if (medical && (kind == kindnone || kind > kindqueen) && s[mhealth] < s[mmaxhealth]) {
    s[mhealth] = s[mmaxhealth];
    playsound(snd_heal);
    s[mhealthflash] = 15;
  }
}

int rescuecheck(int p, int m, int shotx, int shoty) {
  const int r = squad[m][mroom];
  if (r < 1 || r > 255) return 0;
  int* c = rooms[r][roomcreature];
  if (c[ckind] != kindcolonist) return 0;
  // The colonist stands at cx; try the seam of the loop from both sides.
  for (int shift = -looplength; shift <= looplength; shift += looplength) {
    const int bx = c[cposx] - 24 + shift, by = 154, bw = 49, bh = 145;
    if (shotx < bx - 10 || shotx >= bx + bw + 10 || shoty < by - 10 || shoty >= by + bh + 10) continue;
    UsePrompt& u = useprompt[p];
    u.shown = 1;
    u.x = bx - 20;
    u.y = by - 20;
    u.w = bw + 40;
    u.h = bh + 40;
    if (actionflags[p][actuse]) {
      const int cx = c[cposx];
      c[ckind] = kindnone;
      c[ccooldown] = 100;
      givecredit(p, 5000);
      playsound(snd_rescue);
      scorelist.push_back(t_score{r, cx, 0});
    }
    return 1;
  }
  return 0;
}
