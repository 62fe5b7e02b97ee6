// What playback of a recording draws over the game: "REPLAY" with the
// mission clock and the playback speed on the console's small read-out
// screen (the out-of-step line itself goes on the message line).
#pragma once

#include <string>

struct ReplayMark {
  std::string clock;     // "00:12:34"
  bool paused = false;
  bool fast = false;
  bool stopped = false;  // out of step: the way back to the menu is named
  int stoppedy = 192;    // where the out-of-step line stands; the hint goes under it
};

void drawreplaymark(const ReplayMark& m);
