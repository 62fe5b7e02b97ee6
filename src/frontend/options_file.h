// The options file "opt.dat": 70 little-endian integers. Magic 2442, then
// settings[1..10], keys[1][1..8], keys[2][1..8], splitoption and
// squadpick[0..6][0..5] with the second index fastest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t optmagic = 2442;
constexpr int optcount = 70;
// A longer file is not one of ours: it reads as foreign.
constexpr size_t optfilemax = 4096;

// The bytes of the live options.
std::vector<uint8_t> optionbytes();
// Takes options from file bytes. Another magic changes nothing. A value
// missing from a short file, or outside its range, leaves that field as it
// was; the squad picks are taken only as a whole, when all six are roster
// numbers 1..15 and no two are the same.
void parseoptions(const std::vector<uint8_t>& bytes);

// Every start value the options file can replace: settings, both players'
// bindings, the split choice and the squad choice.
void resetoptions();

// Reads path into the live tables when it is a file.
void readoptions(const std::string& path);
// Replaces path with the live options; 1 written, 0 failed (the previous
// file is then left as it was).
int writeoptions(const std::string& path);
