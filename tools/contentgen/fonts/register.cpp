#include "registry.h"

namespace contentgen {

void register_fonts(Registry&) {}

}  // namespace contentgen
