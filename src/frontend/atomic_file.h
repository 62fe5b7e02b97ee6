// Whole-file reads and writes that never leave a half-written file behind:
// a new version is written beside the old one and renamed over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The temporary name a staged file is written under.
std::string stagedpath(const std::string& path);
// Writes bytes to stagedpath(path). On failure the temporary is removed and
// the file at path is untouched.
bool writestaged(const std::string& path, const std::vector<uint8_t>& bytes);
// Renames the staged file over path; on failure the staged file is removed.
bool commitstaged(const std::string& path);
// writestaged then commitstaged.
bool replacefile(const std::string& path, const std::vector<uint8_t>& bytes);

// Little-endian 32-bit integers appended to / read from a byte buffer.
void putint(std::vector<uint8_t>& out, int32_t v);
int32_t getint(const std::vector<uint8_t>& in, size_t pos);
