#include "state/settings.h"

namespace {

constexpr int defaultsettings[11] = {0, 1, 1, 1, 1, 1, 0, 20, 1, 1, 1};
// The squad picked until the player chooses another, slot by slot.
constexpr int defaultsquad[7] = {0, 12, 9, 10, 2, 14, 3};

}  // namespace

int settings[11] = {0, 1, 1, 1, 1, 1, 0, 20, 1, 1, 1};
int splitoption = 0;
int squadpick[7][6] = {{0}, {0, 12}, {0, 9}, {0, 10}, {0, 2}, {0, 14}, {0, 3}};

void resetsettings() {
  for (int i = 0; i < 11; ++i) settings[i] = defaultsettings[i];
}

void resetsquadchoice() {
  splitoption = 0;
  for (int s = 0; s < 7; ++s)
    for (int c = 0; c < 6; ++c) squadpick[s][c] = c == pickroster ? defaultsquad[s] : 0;
}
