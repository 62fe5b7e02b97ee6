#include "app/window_icon.h"

#include <cstdint>

// Laid out by the generated embed.S.
struct EmbeddedIcon {
  int64_t size;
  const uint8_t* data;
  int64_t bytes;
};

extern "C" const EmbeddedIcon rx_icon_table[];
extern "C" const int32_t rx_icon_count;

std::vector<GameIcon> gameicons() {
  std::vector<GameIcon> icons;
  for (int i = 0; i < rx_icon_count; ++i)
    icons.push_back({static_cast<int>(rx_icon_table[i].size),
                     {rx_icon_table[i].data, static_cast<size_t>(rx_icon_table[i].bytes)}});
  return icons;
}

void setgameicon() {
  std::vector<plat::IconPng> pngs;
  for (const GameIcon& icon : gameicons()) pngs.push_back(icon.png);
  plat::set_window_icon(pngs);
}
