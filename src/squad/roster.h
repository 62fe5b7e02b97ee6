// The fixed roster of fifteen characters the squad is picked from.
#pragma once

#include <string>

inline constexpr int rostercount = 15;
extern std::string rostername[16];   // 1..15
extern int rosterattr[16][6];        // [n][1..4] Ammo Capacity, Accuracy, Stamina, Endurance; [n][5] sex 1 male, 2 female
extern std::string attrtext[5][3];   // [a][1] title, [a][2] description

// Fills the roster tables, the attribute texts and the default member names.
void initroster();
// Starting values of member m from its roster character squadchar[m].
void setupmember(int m);
