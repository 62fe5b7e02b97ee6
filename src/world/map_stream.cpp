// Loading the complex from the embedded archive.
#include <vector>

#include "state/game_state.h"
#include "platform/platform.h"
#include "world/map.h"

void loadmap() {
  // An entry that cannot be read leaves the complex empty, like a wrong
  // magic number: play goes on without rooms.
  std::vector<uint8_t> bytes;
  if (!plat::read_whole("incbin::game.map", bytes)) bytes.clear();
  loadmapbytes(bytes.data(), bytes.size());
  gamestate = stateafterload;
}
