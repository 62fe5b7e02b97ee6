// The console's fixed layout tables and the small rules that turn game
// values into what the console shows (clock text, bar colours, flashes).
#include <algorithm>
#include <cstdio>

#include "render/hud.h"

float hudscale[3] = {0, 1.0f, 0.6f};
int tabpos[3][7][3] = {
    {},
    {{}, {0, 30, 367}, {0, 30, 497}, {0, 30, 627}, {0, 721, 367}, {0, 721, 497}, {0, 721, 627}},
    {{}, {0, 30, 519}, {0, 30, 600}, {0, 30, 681}, {0, 824, 519}, {0, 824, 600}, {0, 824, 681}},
};
int tabsize[3][3] = {{}, {0, 273, 132}, {0, 170, 82}};

std::string missionclocktext(int frames) {
  // Whole frames per hour, minute and second at 60 frames a second. Integer
  // parts avoid the rounding slips of splitting a real hour count.
  if (frames < 0) frames = 0;
  const int hours = frames / 216000;
  const int minutes = frames % 216000 / 3600;
  const int seconds = frames % 3600 / 60;
  char buf[48];
  std::snprintf(buf, sizeof buf, "Mission Time: %02d:%02d:%02d", hours, minutes, seconds);
  return buf;
}

HudColour gaugecolour(float ratio) {
  const int red = static_cast<int>(std::min(255.0f, (1.0f - ratio) * 510.0f));
  const int green = static_cast<int>(std::min(255.0f, ratio * 510.0f));
  return {std::max(0, red), std::max(0, green), 0};
}

CreditFlash creditflash(int timer) {
  if (timer < 1) return {512.0f, 1.0f, {0, 255, 0}};
  const int q = std::min(255, static_cast<int>(timer / 15.0f * 255.0f));
  return {509.0f, timer / 45.0f + 1.0f, {q, 255, q}};
}

float popscale(int timer, int percent) {
  if (timer < 1) return 1.0f;
  return 1.0f + timer * percent / 100.0f;
}

void heartshift(float s, int health, int u, int& dx, int& dy) {
  dx = dy = 0;
  if (s <= 1.0f) return;
  dx = static_cast<int>(s * (-u * health / 2.0f) + u * health / 2.0f);
  dy = static_cast<int>(-u / 2.0f * s + u / 2.0f);
}

int heartframe(int count) { return std::clamp(count - 1, 0, 4); }

HudColour portraitcolour(int type) {
  switch (type) {
    case 1: return {175, 0, 0};
    case 2: return {0, 0, 175};
    case 3: return {0, 175, 0};
    case 4: return {0, 175, 175};
    case 5: return {100, 65, 25};
    default: return {175, 175, 175};
  }
}
