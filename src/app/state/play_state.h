// The in-game control state: players, the pause panel, mission phases,
// counters, cheats and the display animation counters.
#pragma once

extern int numplayers;          // 1 or 2
extern int splitview;           // 1: both players choose among all six members
extern int pausestate[3];       // [1] panel active, [2] panel closing
extern int pausepos;            // 0 hidden .. 422 fully open
extern float pausespeed;        // 75.0 at rest
extern int pausetabx, pausetabx2;
extern int pausepulse, pausepulsedir;  // the panel prompt's blink, 35..100
extern int missionflags[4];     // [1] phase 0/1/2, [2] back at base
extern int teamstat[3][6];      // [0][0] mission clock, [0][p] score flash, [p][1..5]
extern int statshown[3][6];     // panel counters counting up towards teamstat
extern int actionflags[3][9];   // per player, by Action (input/bindings.h)
extern int mousepos[5];         // [1],[2] this frame; [3],[4] last frame
extern int debugflags[6];       // [0] cheat mode, [1] ammo, [2] stamina, [3] invulnerable, [4] night vision
extern int fps;                 // frames counted over the last second
extern int debugdisplay;        // 1 while Ctrl + F12 shows the debug lines
extern int timerlimited;        // 1 when frames wait for the 60 Hz timer
extern int alldead;             // 1 once the whole squad is dead
extern int newwave;             // set when a wave starts and the panel opens for it
extern int modeplayers;         // players chosen on the GAME MODE screen
extern int gameinprogress;      // 1 once a game has been started or loaded
extern int demoplaying;         // 1 while the machine player plays a demo
extern int quitgame;            // set by the main menu's quit choice; the loop ends after that frame

// Display animation state, advanced once per frame of play.
extern int tickertext[191];         // one-player heartbeat trace (1..185 values, 186..188 stroke)
extern int playerticker[3][191];    // two-player traces
extern int blinkphase;
extern int walktick, walkframe;
extern int cyclecount, cyclephase;
extern int pulselevel, pulsedir;
extern int staticdots[501][4];      // dead view static: [d][1] alpha percent, [d][2] x, [d][3] y
