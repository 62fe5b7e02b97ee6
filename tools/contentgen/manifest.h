#pragma once
#include <string>
#include <vector>

namespace contentgen {
// The 214 archive names, exactly as the game looks them up.
const std::vector<std::string>& manifest();
}  // namespace contentgen
