#include "registry.h"

namespace contentgen {

void register_map(Registry&) {}

}  // namespace contentgen
