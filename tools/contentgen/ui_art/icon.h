// The game's icon (window, desktop menu, package), painted from the title
// logo so that a new logo gives a new icon.
#pragma once

#include <string>

#include "registry.h"

namespace contentgen::ui {

// The sizes of the hicolor icon theme that the game installs and embeds.
inline constexpr int icon_sizes[] = {16, 32, 48, 64, 128, 256};

// A square RGBA PNG of size x size pixels with a transparent surround.
Bytes icon_png(int size);
// The file name of one size under the content folder, "icons/rx907-<size>.png".
std::string icon_file(int size);

}  // namespace contentgen::ui
