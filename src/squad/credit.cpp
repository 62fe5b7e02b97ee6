#include "squad/credit.h"

#include "state/play_state.h"
#include "squad/squad.h"

void givecredit(int p, int points) {
  if (p < 1 || p > 2) return;
  teamstat[p][statcredit] += points;
  scoreflash(p) = 15;
}

int iscontrolledroom(int r) {
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    int m = curmember[p];
    if (m >= 1 && m <= 6 && squad[m][mroom] == r) return 1;
  }
  return 0;
}
