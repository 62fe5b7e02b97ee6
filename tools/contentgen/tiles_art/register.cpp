#include "registry.h"

namespace contentgen {

void register_tiles_art(Registry&) {}

}  // namespace contentgen
