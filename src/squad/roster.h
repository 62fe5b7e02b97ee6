// The fixed roster of fifteen characters the squad is picked from.
#pragma once

#include <string>

inline constexpr int rostercount = 15;
extern std::string rostername[16];   // 1..15
extern int rosterattr[16][6];        // [n][RosterAttr]

// Entries of a character's rosterattr record.
enum RosterAttr : int {
  attrammo = 1,       // Ammo Capacity 1..5
  attraccuracy = 2,   // Accuracy 1..5
  attrstamina = 3,    // Stamina 1..5
  attrendurance = 4,  // Endurance 1..5
  attrsex = 5,        // 1 male, 2 female
};
extern std::string attrtext[5][3];   // [a][1] title, [a][2] description

// Fills the roster tables, the attribute texts and the default member names.
void initroster();
// Starting values of member m from its roster character squadchar[m].
void setupmember(int m);
