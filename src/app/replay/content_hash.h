// The fingerprint of what play is built from: every byte of the embedded
// archive (pictures, sounds and the map) and the constant tables the rules
// read, with the layout of the recorded blocks. Two builds with the same
// fingerprint play a recording alike; one with another refuses it by name.
#pragma once

#include <cstdint>
#include <string>

// Computed on the first call (the archive is registered and the tables are
// filled then), kept for the rest of the run.
uint64_t contenthash();
// The fingerprint as sixteen hex digits.
std::string hashtext(uint64_t h);
