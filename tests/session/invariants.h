// Everything that must hold after any frame of play: indices in range,
// room numbers valid, counters and lists bounded, member values within
// their maxima. Returns the first broken rule, or "" when all hold.
#pragma once

#include <string>

std::string checkinvariants();
