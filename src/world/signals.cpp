#include "world/signals.h"

#include "state/assets.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

int trackedkind(int kind) {
  return kind == kindwarrior || kind == kindhugger || kind == kindqueen || kind == kindcolonist
             ? 1
             : 0;
}

namespace {

void tracker(int p) {
  const int m = curmember[p];
  const int r = m >= 1 && m <= 6 ? squad[m][mroom] : 0;
  const int* c = r >= 1 && r <= 255 ? rooms[r][roomcreature] : nullptr;
  if (c == nullptr || !trackedkind(c[ckind])) {
    trackcount[p] = 900;
    return;
  }
  trackcount[p] += 1;
  // Beeps quicken as the creature comes closer; an attack beeps fastest.
  const int limit = c[cmode] == attacking ? 12 : static_cast<int>((820 - c[capproach]) * 0.075);
  if (trackcount[p] < limit) return;
  trackcount[p] = 0;
  if (squad[m][mdead] == 0) playsound(alertsounds[p]);
}

}  // namespace

void updatesignals() {
  for (int p = 1; p <= numplayers && p <= 2; ++p) tracker(p);
  updateloopsounds(eventflags[eventalarm], eventflags[eventunguarded], eventflags[eventgenerator]);
}
