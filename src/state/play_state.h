// The in-game control state: players, the pause panel, mission phases,
// counters, cheats and the display animation counters.
#pragma once

// pausestate[]: the side panel.
enum PanelFlag {
  panelactive = 1,   // 1 while the panel is shown (play is frozen)
  panelclosing = 2,  // 1 while it slides shut, 0 while opening or open
};
// Where the panel's slide stops when fully open.
inline constexpr int panelopenpos = 422;

// missionflags[]: the mission's phases and the results pages.
enum MissionFlag {
  missionphase = 1,  // a MissionPhase
  missionhome = 2,   // 0, homereached once everyone is back at base, then homeacknowledged
  resultspage = 3,   // a ResultsPage
};
enum MissionPhase { phaseopen = 0, phaseannounced = 1, phasehome = 2 };
enum MissionHome { homereached = 1, homeacknowledged = 2 };
enum ResultsPage { resultsfirst = 0, resultssecond = 1, resultsdone = 2 };

// teamstat[][] and statshown[][]: row teamrow holds the mission clock
// (column statclock) and each player's score-flash timer (column p); row p
// holds player p's counters.
inline constexpr int teamrow = 0;
enum TeamColumn {
  statclock = 0,     // teamrow only: frames played in this game
  statwarriors = 1,  // warriors killed
  statbrood = 2,     // eggs, huggers and cocooned colonists killed
  statqueens = 3,    // queens killed
  statwave = 4,      // the attack wave (kept for each player's panel)
  statcredit = 5,    // credit points
};

// mousepos[]: the pointer this frame and the frame before.
enum MouseSlot { mousenowx = 1, mousenowy = 2, mouselastx = 3, mouselasty = 4 };

// debugflags[]: cheat mode and the switches F1..F4 flip while it is on.
enum CheatFlag {
  cheatmode = 0, cheatammo = 1, cheatstamina = 2, cheatinvulnerable = 3, cheatnightvision = 4
};

extern int numplayers;          // 1 or 2
extern int splitview;           // 1: both players choose among all six members
extern int pausestate[3];       // by PanelFlag
extern int pausepos;            // 0 hidden .. panelopenpos fully open
extern float pausespeed;        // 75.0 at rest
extern int pausetabx, pausetabx2;
extern int pausepulse, pausepulsedir;  // the panel prompt's blink, 35..100
extern int missionflags[4];     // by MissionFlag
extern int teamstat[3][6];      // [teamrow][statclock], [teamrow][p] score flash, [p][by TeamColumn]
// Player p's score-flash timer: frames left of the credit counter's flash.
inline int& scoreflash(int p) { return teamstat[teamrow][p]; }
extern int statshown[3][6];     // [p][by TeamColumn]: panel counters counting up towards teamstat
extern int actionflags[3][9];   // [p][by Action (input/bindings.h)]
extern int mousepos[5];         // by MouseSlot
extern int debugflags[6];       // by CheatFlag
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
extern int staticdots[501][4];      // dead view static, dots 1..500, by StaticDotField
enum StaticDotField { dotalpha = 1, dotx = 2, doty = 3 };  // alpha percent, screen x and y
