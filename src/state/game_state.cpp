#include "state/game_state.h"

int gamestate = 0;
