#include "squad/roster.h"

#include "squad/squad.h"

std::string rostername[16];
int rosterattr[16][6];
std::string attrtext[5][3];

namespace {
struct Character {
  const char* name;
  int ammo, accuracy, stamina, endurance, sex;
};
constexpr Character kRoster[rostercount] = {
    {"Marsh", 4, 4, 2, 3, 1},   {"Teller", 1, 5, 5, 5, 1},  {"Quill", 1, 1, 3, 1, 1},
    {"Nolan", 3, 3, 4, 1, 1},   {"Okafor", 3, 1, 3, 2, 2},  {"Pryce", 4, 5, 5, 3, 1},
    {"Sato", 2, 4, 1, 3, 2},    {"Lund", 4, 4, 5, 2, 1},    {"Ebert", 2, 4, 3, 2, 1},
    {"Brody", 5, 4, 4, 5, 1},   {"Vance", 5, 4, 3, 4, 1},   {"Ingram", 4, 2, 4, 5, 2},
    {"Yardley", 2, 3, 2, 3, 1}, {"Moreau", 5, 5, 4, 4, 2},  {"Castellan", 4, 2, 4, 1, 1},
};
}  // namespace

void initroster() {
  for (int n = 1; n <= rostercount; ++n) {
    const Character& c = kRoster[n - 1];
    rostername[n] = c.name;
    for (int a = 1; a <= 4; ++a) rosterattr[n][a] = 3;
    rosterattr[n][1] = c.ammo;
    rosterattr[n][2] = c.accuracy;
    rosterattr[n][3] = c.stamina;
    rosterattr[n][4] = c.endurance;
    rosterattr[n][5] = c.sex;
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
  for (int i = 1; i <= 4; ++i) s[15 + i] = a[i];
  s[20] = a[1] * 6 + 32;                                  // ammunition maximum
  s[21] = a[3] * 1200 + 5000;                             // stamina maximum
  s[26] = a[4];                                           // health maximum
  s[22] = a[3] <= 2 ? 2 : (a[3] <= 4 ? 3 : 4);            // stamina recovery per frame
  s[23] = s[26];
  s[24] = a[5];
  s[1] = m * 400;
  s[2] = 512;
  s[3] = 172;
  s[4] = 1;
  s[5] = s[6] = 0;
  s[8] = s[21];
  s[9] = s[20];
  for (int i = 10; i <= 14; ++i) s[i] = 0;
  s[25] = s[27] = s[28] = 0;
  s[29] = 100;
  squadname[m] = rostername[n];
}
