// The console drawn around and over the room views: frame, status panels,
// member tabs, mission clock, alarm icons and the sliding side panels.
#pragma once

#include <string>

// Scale of the status panel's images: [1] one player 1.0, [2] two players 0.6.
extern float hudscale[3];
// Top-left corner of each member's tab: tabpos[players][member][1 x, 2 y].
extern int tabpos[3][7][3];
// Tab size used to place the alarm icons: [players][1 w, 2 h].
extern int tabsize[3][3];

// Draws the console for this frame. full = 1 in play (adds the mission
// clock and the compass); 0 on the mission-end screens.
void drawhud(int full);

// ---------------------------------------------------------------- layout rules
// "Mission Time: HH:MM:SS" for a clock counted in frames at 60 per second.
std::string missionclocktext(int frames);

struct HudColour {
  int r, g, b;
};
// Gauge and stamina bar colour for a fill ratio 0..1: red grows as it
// empties, green as it fills, each capped at 255.
HudColour gaugecolour(float ratio);

// How the credit points are drawn for a flash timer: x position (one-player
// console), scale and colour. At rest green at scale 1; right after a score
// white and large, shrinking back over 15 frames.
struct CreditFlash {
  float x;
  float scale;
  HudColour colour;
};
CreditFlash creditflash(int timer);

// Grow factor of a text or strip while its refill timer runs: 1 + timer *
// percent / 100 while the timer is above 0, else 1.
float popscale(int timer, int percent);

// Shift of a heart strip drawn at scale s so that it grows about its middle:
// u is the heart size (12 one player, 8 two).
void heartshift(float s, int health, int u, int& dx, int& dy);

// Heart strip frame for a count of hearts: count - 1 kept within 0..4.
int heartframe(int count);

// Portrait tint for a room type (0..5); anything else reads as type 0.
HudColour portraitcolour(int type);

// The line that tells the player which key goes on from the panel and the
// mission-end pages.
inline constexpr const char* gooninghint = "PRESS SPACE TO GO ON";
// That line on a dark strip, centred on x at y, at a brightness in percent.
void drawhintline(float x, float y, int bright);
