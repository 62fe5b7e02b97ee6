#include "state/play_state.h"

int numplayers = 1;
int splitview = 0;
int pausestate[3];
int pausepos = 0;
float pausespeed = 75.0f;
int pausetabx = 0, pausetabx2 = 0;
int pausepulse = 35, pausepulsedir = 0;
int missionflags[4];
int teamstat[3][6];
int statshown[3][6];
int actionflags[3][9];
int mousepos[5];
int debugflags[6];
int fps = 0;
int debugdisplay = 0;
int timerlimited = 0;
int alldead = 0;
int newwave = 0;
int modeplayers = 1;
int gameinprogress = 0;
int demoplaying = 0;
int quitgame = 0;

int tickertext[191];
int playerticker[3][191];
int blinkphase = 0;
int walktick = 0, walkframe = 0;
int cyclecount = 0, cyclephase = 1;
int pulselevel = 0, pulsedir = 0;
int staticdots[501][4];
