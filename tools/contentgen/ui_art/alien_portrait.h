// The creature head shown on the console for a member it took.
#pragma once

#include "registry.h"

namespace contentgen::ui {

Bytes alien_portrait();

}  // namespace contentgen::ui
