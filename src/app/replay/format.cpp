#include "app/replay/format.h"

#include <cstdio>

std::string replayclocktext(int frames) {
  const int seconds = frames < 0 ? 0 : frames / 60;
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}
