// A small hand-built complex and a game set up in it, driven through the
// real frame step with scripted input snapshots.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "app/harness/play_driver.h"
#include "app/ingame.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/effects.h"
#include "creatures/start_placement.h"
#include "frontend/newgame.h"
#include "frontend/options_file.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace playtest {

// Player 1's keyboard bindings in these tests (player 2 keeps its defaults).
constexpr int bindleft = letterkey('A'), bindup = letterkey('W'), bindright = letterkey('D'),
              binddown = letterkey('S'), bindfire = letterkey('F'), binduse = letterkey('G'),
              bindprev = letterkey('Q'), bindnext = letterkey('E');

// Rooms of the test complex: 10 and 11 joined by a door in 10's east wall
// at position 56 (11's west wall at 24); 12 north of 10 at position 4.
constexpr int kRoomA = 10, kRoomB = 11, kRoomC = 12;

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetoptions();
    settings[setsound] = 1;        // absent sounds then raise sfxmissing
    settings[setmouseaiming] = 0;  // keyboard aiming unless a test says so
    settings[setmusic] = 0;
    keys[1][actleft] = bindleft, keys[1][actup] = bindup;
    keys[1][actright] = bindright, keys[1][actdown] = binddown;
    keys[1][actshoot] = bindfire, keys[1][actuse] = binduse;
    keys[1][actprev] = bindprev, keys[1][actnext] = bindnext;
    silence();
    std::memset(debugflags, 0, sizeof debugflags);
    debugdisplay = 0;
    std::memset(rooms, 0, sizeof rooms);
    for (int r = 1; r <= 255; ++r) rooms[r][roomrecord][roomid] = r;
    join(kRoomA, 4, 56, kRoomB, 2, 24);
    join(kRoomA, 1, 4, kRoomC, 3, 36);
  }

  // Two rooms joined by a door: direction and position on each side.
  static void join(int a, int da, int pa, int b, int db, int pb) {
    rooms[a][roomrecord][neighbourslot(da)] = b;
    rooms[a][roomrecord][doorslot(da)] = pa;
    rooms[a][roomwall][pa + 1] = doormarker;
    rooms[b][roomrecord][neighbourslot(db)] = a;
    rooms[b][roomrecord][doorslot(db)] = pb;
    rooms[b][roomwall][pb + 1] = doormarker;
  }

  // Every sound handle absent, so any sound played shows in sfxmissing.
  static void silence() {
    snd_dry = snd_ammo = snd_heal = snd_door = snd_rescue = snd_cheat2 = snd_lamp = snd_alarm = 0;
    snd_generator = 0;
    for (int& s : shotsounds) s = 0;
    for (int& s : painsounds) s = 0;
    for (int& s : alertsounds) s = 0;
    for (int& s : panelsounds) s = 0;
  }

  // A quiet room: no alarm, lamp lit and steady, nobody in it yet.
  static void quiet(int r) {
    for (int s = 19; s <= 31; ++s)
      if (s != 20) rooms[r][roomrecord][s] = 0;
    rooms[r][roomrecord][lampbroken] = 0;
    rooms[r][roomrecord][visited] = 1;
  }

  // A game in the test complex, built on the new-game reset: the squad of
  // roster characters 12, 9, 10, 2, 14, 3, all in room A; lamps, alarms
  // and the slime of the nest and generator rooms as a real game places
  // them, but no creatures, colonist or slimed rooms. Nothing is drawn.
  void newgame(int players = 1, int split = 1) {
    plat::seed_random(907);
    initroster();
    initworldtables();
    modeplayers = players;
    splitoption = split;
    const int chars[7] = {0, 12, 9, 10, 2, 14, 3};
    for (int m = 1; m <= 6; ++m) squadchar[m] = chars[m];
    resetgame();
    placeworldfeatures();
    openexits();
    slimekeyrooms();
    std::memset(mousepos, 0, sizeof mousepos);
    gameinprogress = 1;
    gamestate = stateplay;
    framedraws = 0;
    resetinput();
    // Every key starts released, so the first press counts as a hit.
    updateinputfrom(plat::RawInput{});
    for (int r : {kRoomA, kRoomB, kRoomC, 28, 69, 177}) quiet(r);
    for (int m = 1; m <= 6; ++m) place(m, kRoomA);
    sfxmissing = 0;
  }

  static void place(int m, int room) { squad[m][mroom] = room; }

  // Aims member m so that its crosshair sits at loop position x, view y.
  static void aimat(int m, int x, int y) {
    squad[m][mscroll] = x - 512 + 122;
    squad[m][mcrossx] = 512;
    squad[m][mcrossy] = y;
  }

  static plat::RawInput none() { return plat::RawInput{}; }
  static plat::RawInput with(std::initializer_list<int> held) {
    plat::RawInput in;
    for (int k : held) in.key[k] = true;
    return in;
  }
  // A tap: held for one frame, then released for one frame.
  static void tap(std::initializer_list<int> held) {
    playframe(with(held));
    playframe(none());
  }
};

}  // namespace playtest
