// The squad of six: member records, their roster characters and names, and
// which member each player controls.
#pragma once

#include <string>

#include "squad/member_fields.h"

// squad[m][field] for members 1..6, fields named in member_fields.h.
extern int squad[7][memberrecordsize];
extern int squadchar[7];             // roster number of each member
extern std::string squadname[7];     // member names (Latin-1)
extern int curmember[3];             // member (1..6) controlled by player 1 and 2
