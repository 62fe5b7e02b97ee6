// The picture behind every menu.
#pragma once

#include "registry.h"

namespace contentgen::ui {

// 512 x 384, opaque; drawn at scale 2.
Bytes menu_backer();

}  // namespace contentgen::ui
