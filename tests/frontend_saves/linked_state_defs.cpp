// Stand-ins for state and calls whose owners (creatures, input, audio, the
// status line) are not in this tree yet. They are plain definitions so the
// linker reports a clash, never a silent pick, once the owners arrive;
// delete this file then. postmessage keeps the last message for the tests.
#include "frontend/linked_state.h"
#include "saves_fixture.h"

int queentimer = 0, powertimer = 0, powerdelay = 0, colonistlost = 0, colonisttimer = 0;
int settings[11] = {0, 1, 1, 1, 1, 1, 0, 20, 1, 1, 1};
int keys[3][9];
int splitoption = 0;
int squadpick[7][6];
int musicmode = 0;

int gamemusicstarts = 0;
void startgamemusic() {
  ++gamemusicstarts;
  musicmode = 2;
}

PostedMessage lastposted;
void postmessage(const std::string& text, int y, int iserror) { lastposted = {text, y, iserror, lastposted.count + 1}; }
