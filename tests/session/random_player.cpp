#include "session/random_player.h"

#include <algorithm>

#include "creatures/nest_state.h"
#include "input/bindings.h"
#include "input/keycodes.h"
#include "squad/member_update.h"
#include "squad/squad.h"
#include "world/map.h"

uint32_t RandomPlayer::bits() {
  // xorshift32: independent of the game's own generator.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

void RandomPlayer::press(plat::RawInput& in, int code) {
  if (code > 0 && code < 251) {
    in.key[code] = true;
  } else if (code >= 301 && code <= 303) {
    in.mouse[code - 300] = true;
  } else if (code >= 400) {
    int j, b;
    joybinding(code, j, b);
    if (j < 21 && b < 21) {
      in.joycount = std::max(in.joycount, j + 1);
      in.joybutton[j][b] = true;
    }
  }
}

void RandomPlayer::release(plat::RawInput& in, int code) {
  if (code > 0 && code < 251) in.key[code] = false;
}

void RandomPlayer::steer(plat::RawInput& in, int p, int x) {
  const int m = curmember[p];
  const int here = loopposition(squad[m][mscroll], squad[m][mcrossx]);
  int delta = (x - here) % looplength;
  if (delta > looplength / 2) delta -= looplength;
  if (delta < -looplength / 2) delta += looplength;
  release(in, keys[p][actleft]);
  release(in, keys[p][actright]);
  if (delta > 12) press(in, keys[p][actright]);
  if (delta < -12) press(in, keys[p][actleft]);
  // Level with the middle of the view, where doors and creatures are.
  release(in, keys[p][actup]);
  release(in, keys[p][actdown]);
  if (squad[m][mcrossy] > 190) press(in, keys[p][actup]);
  if (squad[m][mcrossy] < 150) press(in, keys[p][actdown]);
}

plat::RawInput RandomPlayer::nextplaying() {
  plat::RawInput in = next();
  for (int p = 1; p <= players_; ++p) {
    const int m = curmember[p];
    if (m < 1 || m > 6) continue;
    const int r = squad[m][mroom];
    if (r < 1 || r > 275) continue;
    const int* c = rooms[r][roomcreature];
    if (c[ckind] != 0 && !chance(5)) {
      steer(in, p, c[cposx]);
      if (chance(3)) press(in, keys[p][actshoot]);
      continue;
    }
    int& d = door_[p];
    if (d == 0 || chance(400)) d = static_cast<int>(bits() % 4) + 1;
    if (rooms[r][roomrecord][neighbourslot(d)] <= 0) {
      d = 0;
      continue;
    }
    if (chance(4)) continue;  // now and then just wander
    const int x = rooms[r][roomrecord][doorslot(d)] * slotwidth + 78;
    steer(in, p, x);
    if (chance(8)) press(in, keys[p][actuse]);
  }
  return in;
}

plat::RawInput RandomPlayer::next() {
  plat::RawInput in;
  in.joycount = 0;
  for (int p = 1; p <= players_; ++p) {
    for (int a = actleft; a <= actdown; ++a) {
      if (chance(24)) held_[p][a] = !held_[p][a];
      if (held_[p][a]) press(in, keys[p][a]);
    }
    if (chance(6)) press(in, keys[p][actshoot]);
    if (chance(40)) press(in, keys[p][actuse]);
    for (int a : {actprev, actnext}) {
      if (!chance(300)) continue;
      const int code = keys[p][a];
      if (code == 304) wheel_ -= 1;
      else if (code == 305) wheel_ += 1;
      else press(in, code);
    }
  }
  if (chance(900)) in.key[keyp] = true;     // P: the pause panel
  if (chance(700)) in.key[keyspace] = true;     // space: leaves panels and screens
  if (chance(40000)) in.key[keyescape] = true;   // escape: back to the menu
  mousex_ = std::clamp(mousex_ + static_cast<int>(bits() % 41) - 20, 0, 1023);
  mousey_ = std::clamp(mousey_ + static_cast<int>(bits() % 31) - 15, 0, 767);
  in.mousex = mousex_;
  in.mousey = mousey_;
  in.mousez = wheel_;
  return in;
}
