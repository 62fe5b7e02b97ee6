#include "squad/display_anim.h"

#include "state/play_state.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/machinery.h"

namespace {

// A new heartbeat stroke: alternate falling and rising towards a target.
void startstroke(int* t, int fallfrom, int fallto, int risefrom, int riseto) {
  if (t[tracebusy] != 0) return;
  t[tracebusy] = 1;
  t[tracedir] = t[tracedir] == 0 ? Rand(1, 2) : (t[tracedir] == 1 ? 2 : 1);
  t[tracetarget] = t[tracedir] == 1 ? Rand(fallfrom, fallto) : Rand(risefrom, riseto);
}

bool memberalive(int p) {
  const int m = curmember[p];
  return m >= 1 && m <= 6 && squad[m][mdead] == 0;
}

}  // namespace

void resettrace(int* trace) {
  for (int i = 1; i <= tracelen; ++i) trace[i] = 32;
  for (int i = tracelen + 1; i <= 190; ++i) trace[i] = 0;
}

void steptrace(int* t, bool alive) {
  for (int i = 1; i < tracelen; ++i) t[i] = t[i + 1];
  int& v = t[tracelen];
  if (alive) {
    if (t[tracedir] == 1) {
      v -= 2;
      if (v <= t[tracetarget]) t[tracebusy] = 0;
    } else if (t[tracedir] == 2) {
      v += 2;
      if (v >= t[tracetarget]) t[tracebusy] = 0;
    }
  } else {
    // A flat line once the member is gone.
    if (v < 32) v += 2;
    else if (v > 32) v -= 2;
    if (v == 31 || v == 33) v = 32;
  }
}

void updatedisplayanim() {
  if (numplayers == 2) {
    for (int p = 1; p <= 2; ++p) {
      startstroke(playerticker[p], 18, 26, 38, 46);
      blinkphase += 1;
      if (blinkphase >= 3) blinkphase = 0;
      if (blinkphase == 1) steptrace(playerticker[p], memberalive(p));
    }
  } else {
    startstroke(tickertext, 4, 20, 44, 60);
    blinkphase += 1;
    if (blinkphase >= 2) blinkphase = 0;
    if (blinkphase == 1) steptrace(tickertext, memberalive(1));
  }

  if (++walktick >= 9) {
    walktick = 0;
    if (++walkframe >= 4) walkframe = 0;
  }
  if (++cyclecount >= 6) {
    cyclecount = 0;
    cyclephase = cyclephase == 1 ? 2 : 1;
  }
  if (pulsedir == 0) {
    pulselevel += 10;
    if (pulselevel >= 100) pulselevel = 100, pulsedir = 1;
  } else {
    pulselevel -= 10;
    if (pulselevel <= 0) pulselevel = 0, pulsedir = 0;
  }
  for (int d = 1; d <= 500; ++d) {
    staticdots[d][dotalpha] = Rand(25, 100);
    staticdots[d][dotx] = Rand(126, 897);
    staticdots[d][doty] = Rand(71, 337);
  }
}

void updatepromptblink() {
  for (int p = 1; p <= 2; ++p) {
    UsePrompt& u = useprompt[p];
    if (u.blinkdir == 1) {
      u.blink -= 2;
      if (u.blink <= 30) u.blink = 30, u.blinkdir = 0;
    } else {
      u.blink += 2;
      if (u.blink >= 100) u.blink = 100, u.blinkdir = 1;
    }
  }
}
