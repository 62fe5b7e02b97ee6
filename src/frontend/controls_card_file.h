// "intro.dat", beside opt.dat: whether the controls card has been shown.
// Two little-endian 32-bit integers: the magic 3071 and the layout
// version 1. Any other content counts as "not shown yet".
#pragma once

#include <string>

inline constexpr const char* controlscardfile = "intro.dat";
inline constexpr int controlscardmagic = 3071;
inline constexpr int controlscardversion = 1;

// Whether the file at path says the card has been shown.
bool controlscardshown(const std::string& path);
// Records that it has, replacing the file whole; false if it could not.
bool notecontrolscardshown(const std::string& path);
