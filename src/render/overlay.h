// The last thing drawn in a frame: the debug lines, the cheat lines and the
// missing-file warnings in the top-left corner, over a dim backdrop.
#pragma once

#include <string>
#include <vector>

extern int cheatglow;     // 0..30, the cheat lines' red pulse
extern int cheatglowdir;  // 0 climbing, 1 falling
extern int overlayheight; // y the overlay's lines reached last frame

void drawoverlay();

// The four debug lines for the given readings; renderer names what draws
// the frames (plat::renderer_name()).
std::vector<std::string> debuglines(int fps, const std::string& renderer, bool timerpaced, int joysticks);
