// "api.dat": the renderer chosen in the start-up window, magic 4421 then
// apimode (0 the default renderer, 1 OpenGL).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t apimagic = 4421;
// A longer file is not one of ours: it reads as foreign.
constexpr size_t apifilemax = 4096;

extern int apimode;

// The mode held in file bytes; fallback for another magic, a short file or
// a mode other than 0 or 1.
int parseapi(const std::vector<uint8_t>& bytes, int fallback);
// Sets apimode from path; a missing or foreign file sets 0.
void readapi(const std::string& path);
// Replaces path with apimode; 1 written, 0 failed (the old file stays).
int writeapi(const std::string& path);
