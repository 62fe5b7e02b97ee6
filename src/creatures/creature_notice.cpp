// A cocooned colonist coming into a member's view for the first time: the
// music stops, the surprise sting plays and the close-up holds the game.
#include "state/assets.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "creatures/closeup.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/nest_state.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

// The cocoon's middle, tried on both sides of the seam, within the view
// that starts at the member's scroll.
bool inview(int x, int scroll) {
  for (int shift = -looplength; shift <= looplength; shift += looplength) {
    int p = x + shift;
    if (p >= scroll && p <= scroll + 782) return true;
  }
  return false;
}

}  // namespace

void creaturenotice(int, int m) {
  if (m < 1 || m > 6) return;
  int r = squad[m][mroom];
  if (r < 1 || r > 255) return;
  int* c = rooms[r][roomcreature];
  if (c[ckind] != kindcocoon || c[cseen] != 0) return;
  if (!inview(c[cposx] + 78, squad[m][mscroll])) return;
  c[cseen] = 1;
  c[cage] = 3400;
  pausemusic();
  playsound(snd_surprise);
  if (closeuprunner) closeuprunner();
}
