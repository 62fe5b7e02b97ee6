// File names stamped with the local date and time, as screenshots and
// recordings are named: DIR/PREFIXYYYYMMDD-HHMMSS[-N]EXT, where N (from 2)
// tells apart files made in the same second.
#pragma once

#include <ctime>
#include <string>

std::string stampedname(const char* dir, const char* prefix, std::time_t when, int repeat, const char* extension);
