// The packed container of a saved game's data file: magic 4192, the raw
// size, then a zlib stream of the payload running to the end of the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t packmagic = 4192;
// The largest payload a container may declare (a real payload is ~730 KB).
constexpr int64_t packmaxraw = 64ll << 20;

// Container bytes of a payload; false when zlib fails.
bool packbytes(const std::vector<uint8_t>& raw, std::vector<uint8_t>& out);
// The payload of container bytes; false for a foreign magic, a declared
// size that is negative or beyond packmaxraw, a damaged stream, one that
// does not give exactly the declared number of bytes, or bytes after the
// end of the stream.
bool unpackbytes(const std::vector<uint8_t>& packed, std::vector<uint8_t>& out);

