#include "app/state.h"

int gamestate = 0;
