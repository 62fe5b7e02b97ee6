#include "registry.h"

namespace contentgen {

void register_creature_art(Registry&) {}

}  // namespace contentgen
