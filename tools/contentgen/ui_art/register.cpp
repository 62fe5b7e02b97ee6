#include "registry.h"

namespace contentgen {

void register_ui_art(Registry&) {}

}  // namespace contentgen
