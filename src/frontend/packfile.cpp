#include "frontend/packfile.h"

#include <zlib.h>

#include "frontend/atomic_file.h"
#include "platform/platform.h"

bool packbytes(const std::vector<uint8_t>& raw, std::vector<uint8_t>& out) {
  out.clear();
  if (static_cast<int64_t>(raw.size()) > packmaxraw) return false;
  uLongf len = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> z(len);
  if (compress2(z.data(), &len, raw.data(), static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
    return false;
  putint(out, packmagic);
  putint(out, static_cast<int32_t>(raw.size()));
  out.insert(out.end(), z.begin(), z.begin() + static_cast<long>(len));
  return true;
}

bool unpackbytes(const std::vector<uint8_t>& packed, std::vector<uint8_t>& out) {
  out.clear();
  if (packed.size() < 8 || getint(packed, 0) != packmagic) return false;
  const int32_t rawsize = getint(packed, 4);
  if (rawsize < 0 || rawsize > packmaxraw) return false;
  std::vector<uint8_t> raw(static_cast<size_t>(rawsize));
  uLongf len = static_cast<uLongf>(rawsize);
  // A one-byte buffer stands in for an empty payload so zlib gets a pointer.
  uint8_t spare = 0;
  uint8_t* dst = rawsize ? raw.data() : &spare;
  uLong used = static_cast<uLong>(packed.size() - 8);
  if (uncompress2(dst, &len, packed.data() + 8, &used) != Z_OK) return false;
  // The stream runs to the end of the file: bytes after it mean damage.
  if (len != static_cast<uLongf>(rawsize) || used != packed.size() - 8) return false;
  out = std::move(raw);
  return true;
}
