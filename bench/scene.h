// Seeded, deterministic scenes shared by the benchmarks: the headless
// display with every picture loaded, a busy mid-game on the shipped complex
// and the frames of play the benchmarks time.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/ingame.h"
#include "state/archive.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/creature_tables.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"
#include "frontend/newgame.h"
#include "frontend/options_file.h"
#include "input/input.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "render/hud.h"
#include "render/overlay.h"
#include "render/views.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/lamps.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace benchscene {

// The archive, every picture and sound, the map, for an open display.
inline void loadeverything() {
  register_embedded_archive();
  load_fonts();
  load_all_assets();
  initworldtables();
  initroster();
  loadmap();
}

// The headless display and everything loaded. Done once per program; false
// when no headless display can be opened.
inline bool boot() {
  static const bool ready = [] {
    if (!plat::init(true)) return false;
    if (!plat::open_display(1024, 768, 0, 60, plat::RendererSoftware)) return false;
    loadeverything();
    return true;
  }();
  return ready;
}

inline void putmember(int m, int room, int scroll, int cx, int cy) {
  squad[m][mroom] = room, squad[m][mscroll] = scroll, squad[m][mcrossx] = cx,
  squad[m][mcrossy] = cy;
}

inline void putcreature(int room, int kind, int x, int dir, int mode, int approach) {
  placecreature(room, kind, x, dir);
  rooms[room][roomcreature][cmode] = mode;
  rooms[room][roomcreature][capproach] = approach;
}

inline void slime(int room, int from, int to, int n) {
  for (int s = from; s <= to; ++s) rooms[room][wallstate][s] = n;
  rooms[room][wallstate][slimevalidslot] = 0;
}

// A fresh game, seeded, every option on (minimap, mini-cameras, visual
// alarms ...), then moved on to the fourth wave with the power cut: the
// rooms of types 3 and 5 dark, creatures roaming a hundred rooms and effect
// records lying in several of them.
inline void busygame(int players) {
  plat::seed_random(907);
  resetoptions();
  for (int i = 1; i <= 10; ++i) settings[i] = 1;
  settings[setmusic] = 0;
  settings[setmouseaiming] = 0;
  modeplayers = players;
  for (int m = 1; m <= 6; ++m) squadchar[m] = m;
  newgame();
  resetinput();
  updateinputfrom(plat::RawInput{});
  debugdisplay = 0;

  teamstat[1][statwave] = teamstat[2][statwave] = 4;  // fourth wave, well into it
  teamstat[teamrow][statclock] = wavestart[3] + 3600;
  powerdelay = 600;
  powertimer = 600;
  for (int r = 1; r <= 255; ++r) {
    int* rec = rooms[r][roomrecord];
    if (rec[roomtype] != 3 && rec[roomtype] != 5) continue;
    rec[roomdark] = 1;
    rec[powercut] = 1;
  }
  // Creatures of every kind in every other room away from the base.
  for (int r = 10; r <= 250; r += 2) {
    if (r == nestroom || r == generatorroom) continue;
    putcreature(r, 1 + (r / 2) % 5, Rand(0, looplength - 1), Rand(1, 2), 1, 0);
  }
  // Effects in a handful of rooms.
  for (int k = 0; k < 8; ++k) {
    const int r = 20 + 17 * k;
    slime(r, 1 + k, 12 + k, 1 + k % 3);
    for (int i = 0; i < 6; ++i) {
      explist.push_back({r, 200 + 90 * i, 150, 2 + i, 30 * i});
      corlist.push_back({r, 400 + 70 * i, 0, 4 * i, 1 + i % 2, 1 + i % 2, 0});
    }
    acidlist.push_back({r, 900, 300, 0, 0, 4});
    deathlist.push_back({r, 1200, 0, 0.8f, 2, 1, 0, 0});
    scorelist.push_back({r, 600, 10});
  }
}

// The lit room of the one-player frame: a warrior lunging at the member,
// slime on the walls, acid, a corpse, a credit pop-up and shot flashes.
inline void litscene() {
  busygame(1);
  const int r = 5;
  rooms[r][roomrecord][roomdark] = 0;
  rooms[r][roomrecord][powercut] = 0;
  rooms[r][roomrecord][flickerlamp] = 0;
  putmember(1, r, 400, 520, 190);
  putmember(2, r, 0, 300, 150);
  putcreature(r, kindwarrior, 800, 1, attacking, 40);
  slime(r, 9, 11, 2);
  slime(r, 20, 21, 3);
  acidlist.push_back({r, 560, 400, 0, 0, 5});
  corlist.push_back({r, 1000, 0, 7, 1, 2, 0});
  scorelist.push_back({r, 1050, 20});
  for (int i = 0; i < 4; ++i) explist.push_back({r, 700 + 40 * i, 150, 3 + i, 45 * i});
}

// The heaviest frame: two players, the four members nobody controls on
// their mini-cameras, view 1 in a lit room with a queen at the loop's seam,
// view 2 in a dark room under the flashlight with acid, corpses, a dying
// creature and shot flashes.
inline void heavyscene() {
  busygame(2);
  putmember(1, 5, 2938, 400, 180);
  rooms[5][roomrecord][roomdark] = 0;
  rooms[5][roomrecord][flickerlamp] = 0;
  putcreature(5, kindqueen, 3400 - looplength, 1, attacking, 60);
  slime(5, 1, 64, 2);
  const int r = 6;
  rooms[r][roomrecord][roomdark] = 1;
  rooms[r][roomrecord][lampbroken] = 1;  // stays dark: no flicker
  putmember(4, r, 300, 600, 120);
  putmember(5, r, 300, 400, 200);
  putcreature(r, kindegg, 760, 1, 1, 0);
  for (int i = 0; i < 6; ++i) {
    acidlist.push_back({r, 400 + 60 * i, 500, 0, 0, 4});
    corlist.push_back({r, 500 + 50 * i, 0, 4 * i, 1 + i % 2, 1 + i % 2, 0});
    explist.push_back({r, 450 + 40 * i, 140, 2 + i, 30 * i});
  }
  deathlist.push_back({r, 700, 0, 0.8f, 3, 1, 0, 0});
  scorelist.push_back({r, 600, 10});
  // The mini-camera members stand in busy rooms of their own.
  putmember(2, 20, 100, 500, 180);
  putmember(3, 37, 300, 500, 180);
  putmember(6, 54, 500, 500, 180);
  squad[4][mhurtflash] = 40;  // hurt flash over view 2
}

// The drawing of one frame of play, as the loop does it after the
// simulation: the room views, the console and the overlay.
inline void drawframe() {
  plat::cls();
  drawviews();
  drawhud(1);
  drawoverlay();
}

// The members' health kept topped up (as the invulnerability cheat does,
// without its overlay lines), so the creatures keep attacking a living
// squad for as long as a benchmark runs.
inline void keepalive() {
  for (int m = 1; m <= 6; ++m)
    if (squad[m][mdead] == 0) squad[m][mhealth] = squad[m][mmaxhealth];
}

// One step of the simulation of a steady scene.
inline void simstep() {
  keepalive();
  simulationupdate();
}

// One frame of play: the simulation, then its drawing.
inline void playframe() {
  simstep();
  drawframe();
}

// The SQUAD screen with every slot filled, the pointer resting on the second
// bar of the second slot on the left so its tooltip shows.
constexpr int squadpointerx = 8 + 200, squadpointery = 385 - 23 + 64 + 26 + 5;

inline void squadscene() {
  initroster();
  resetoptions();
  resetinput();
  resetmenuframe();
  modeplayers = 2;
  splitoption = 0;
  for (int s = 1; s <= 6; ++s)
    for (int a = 1; a <= 4; ++a) squadpick[s][pickbar(a)] = rosterattr[squadpick[s][pickroster]][a] * 33;
  gamestate = statesquad;
}

// One menu frame of that screen, with the overlay on top.
inline void squadframe() {
  plat::RawInput in;
  in.mousex = squadpointerx, in.mousey = squadpointery;
  updateinputfrom(in);
  plat::cls();
  runsquadscreen();
  drawoverlay();
}

// Runs `frames` frames of play per timed iteration (so a simulation second
// of play is timed, not the first frame after set-up), setting the scene up
// afresh before each run with the clock stopped. Reports the CPU time of
// one frame as "per_frame".
template <typename Scene, typename Frame>
void timeframes(benchmark::State& state, Scene scene, Frame frame, int frames) {
  if (!boot()) {
    state.SkipWithError("no headless display");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    scene();
    state.ResumeTiming();
    for (int i = 0; i < frames; ++i) frame();
  }
  state.counters["per_frame"] =
      benchmark::Counter(frames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Peak resident memory of the process so far, in megabytes (VmHWM).
inline double peakresidentmb() {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return -1;
  char line[256];
  double kb = -1;
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atof(line + 6);
  std::fclose(f);
  return kb / 1024.0;
}

}  // namespace benchscene
