// Starting a new game: every table of the running game is reset and the
// complex is populated afresh; play begins on the next frame.
#pragma once

void newgame();
