#include "registry.h"

namespace contentgen {

void register_music(std::vector<MusicTrack>&) {}

}  // namespace contentgen
