#include "squad/roster.h"

#include "squad/squad.h"
#include "world/map.h"

std::string rostername[16];
int rosterattr[16][6];
std::string attrtext[5][3];

namespace {
struct Character {
  const char* name;
  int ammo, accuracy, stamina, endurance, sex;
};
constexpr Character rostersize[rostercount] = {
    {"Marsh", 4, 4, 2, 3, 1},   {"Teller", 1, 5, 5, 5, 1},  {"Quill", 1, 1, 3, 1, 1},
    {"Nolan", 3, 3, 4, 1, 1},   {"Okafor", 3, 1, 3, 2, 2},  {"Pryce", 4, 5, 5, 3, 1},
    {"Sato", 2, 4, 1, 3, 2},    {"Lund", 4, 4, 5, 2, 1},    {"Ebert", 2, 4, 3, 2, 1},
    {"Brody", 5, 4, 4, 5, 1},   {"Vance", 5, 4, 3, 4, 1},   {"Ingram", 4, 2, 4, 5, 2},
    {"Yardley", 2, 3, 2, 3, 1}, {"Moreau", 5, 5, 4, 4, 2},  {"Castellan", 4, 2, 4, 1, 1},
};
}  // namespace

void initroster() {
  for (int n = 1; n <= rostercount; ++n) {
    const Character& c = rostersize[n - 1];
    rostername[n] = c.name;
    for (int a = attrammo; a <= attrendurance; ++a) rosterattr[n][a] = 3;
    rosterattr[n][attrammo] = c.ammo;
    rosterattr[n][attraccuracy] = c.accuracy;
    rosterattr[n][attrstamina] = c.stamina;
    rosterattr[n][attrendurance] = c.endurance;
    rosterattr[n][attrsex] = c.sex;
  }
  attrtext[1][1] = "Ammo Capacity";
  attrtext[1][2] = "Determines how much ammunition the character can carry";
  attrtext[2][1] = "Accuracy";
  attrtext[2][2] = "Determines how well the character hits a target with a gun";
  attrtext[3][1] = "Stamina";
  attrtext[3][2] = "Determines how long it takes for the character to wear down";
  attrtext[4][1] = "Endurance";
  attrtext[4][2] = "Determines how well the character can withstand alien attacks";

  const char* defaults[7] = {"", "Ingram", "Marsh", "Brody", "Pryce", "Moreau", "Vance"};
  for (int m = 0; m <= 6; ++m) squadname[m] = defaults[m];
}

void setupmember(int m) {
  if (m < 1 || m > 6) return;
  int n = squadchar[m];
  if (n < 1 || n > rostercount) n = 1;  // a damaged pick never indexes past the roster
  const int* a = rosterattr[n];
  int* s = squad[m];
  s[mammorating] = a[attrammo];
  s[maccuracy] = a[attraccuracy];
  s[mstaminarating] = a[attrstamina];
  s[mendurance] = a[attrendurance];
  s[mmaxammo] = a[attrammo] * 6 + 32;
  s[mmaxstamina] = a[attrstamina] * 1200 + 5000;
  s[mmaxhealth] = a[attrendurance];
  s[mstaminaregen] = a[attrstamina] <= 2 ? 2 : (a[attrstamina] <= 4 ? 3 : 4);
  s[mhealth] = s[mmaxhealth];
  s[msex] = a[attrsex];
  s[mscroll] = m * 400;
  s[mcrossx] = 512;
  s[mcrossy] = 172;
  s[mroom] = baseroom;
  s[mreserved] = s[mmuzzleflash] = 0;
  s[mstamina] = s[mmaxstamina];
  s[mammo] = s[mmaxammo];
  s[mdead] = s[mexerted] = s[mdanger] = s[mfired] = s[mdeathroom] = 0;
  s[mhurtflash] = s[mbusydoor] = s[mdoortime] = 0;
  s[mbrightness] = 100;
  squadname[m] = rostername[n];
}
