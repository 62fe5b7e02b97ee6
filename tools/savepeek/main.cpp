// savepeek: prints the mission clock (frames) held in a saved game, so a
// script can tell how many game frames passed between two quicksaves.
//
//   savepeek SAVES_DIR SLOT     e.g. savepeek run/saves quick
#include <cstdio>
#include <string>

#include "state/play_state.h"
#include "frontend/savegame.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: savepeek SAVES_DIR SLOT\n");
    return 2;
  }
  savesdir = argv[1];
  if (loadgame(argv[2]) != 1) {
    std::fprintf(stderr, "savepeek: cannot read slot %s in %s\n", argv[2], argv[1]);
    return 1;
  }
  std::printf("%d\n", teamstat[teamrow][statclock]);
  return 0;
}
