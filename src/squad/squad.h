// The squad of six: member records, their roster characters and names, and
// which member each player controls.
#pragma once

#include <string>

// squad[m][field] for members 1..6; the fields are described where they are
// used (starting values in the roster code, the rest in the member update).
extern int squad[7][51];
extern int squadchar[7];             // roster number of each member
extern std::string squadname[7];     // member names (Latin-1)
extern int curmember[3];             // member (1..6) controlled by player 1 and 2
