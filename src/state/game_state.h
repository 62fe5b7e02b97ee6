// The program's screen state, shared by the frame loop, the menus and play.
#pragma once

// The screens, by the number gamestate holds while each runs.
enum GameState : int {
  statemainmenu = 1,        // MAIN MENU
  stategamemode = 2,        // GAME MODE: one or two players
  statekeysplayer = 3,      // KEYS: which player's keys to change
  stateplay = 4,            // a frame of play
  statemissionend = 5,      // the objective message or the results
  stateoptions = 6,         // OPTIONS
  statesettings = 7,        // SETTINGS
  statekeysbindings = 8,    // KEYS: the chosen player's bindings
  stateloadgame = 11,       // LOAD GAME
  statesavegame = 12,       // SAVE GAME
  statesquad = 13,          // SQUAD: picking the six
  statesquadlost = 15,      // the whole squad is dead
  statenewgame = 40,        // setting up a new game
  stateafterload = 2000,    // once after loading: read the options, start the menu
};

// Current screen, a GameState.
extern int gamestate;
