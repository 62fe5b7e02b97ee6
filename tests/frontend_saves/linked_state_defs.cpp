// Stand-ins for state and calls whose owners (creatures, the status line) are not in this tree yet. They are plain definitions so the
// linker reports a clash, never a silent pick, once the owners arrive;
// delete this file then. postmessage keeps the last message for the tests.
#include "frontend/linked_state.h"
#include "saves_fixture.h"

int queentimer = 0, powertimer = 0, powerdelay = 0, colonistlost = 0, colonisttimer = 0;

PostedMessage lastposted;
void postmessage(const std::string& text, int y, int iserror) { lastposted = {text, y, iserror, lastposted.count + 1}; }
