#include "registry.h"

namespace contentgen {

void register_sounds(Registry&) {}

}  // namespace contentgen
