// The framed panel behind every menu and the small two-line tooltip box.
#pragma once

#include <string>

// anchor 1 centres the panel on (x, y), anchor 2 centres it horizontally
// with its top at y, anything else puts its top left corner at (x, y).
void panel(float x, float y, float w, float h, int anchor);

// A framed box with a title line and a text line, as wide as the text.
void tooltip(float x, float y, const std::string& title, const std::string& text, int centred);

// Where the tooltip box goes: x after centring and keeping it on screen.
struct TooltipBox {
  float x;
  int w, h;
};
TooltipBox tooltipbox(float x, const std::string& text, int centred);
