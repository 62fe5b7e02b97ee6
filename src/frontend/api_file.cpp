#include "frontend/api_file.h"

#include "frontend/atomic_file.h"
#include "platform/platform.h"

int apimode = 0;

int parseapi(const std::vector<uint8_t>& bytes, int fallback) {
  if (bytes.size() < 8 || getint(bytes, 0) != apimagic) return fallback;
  const int mode = getint(bytes, 4);
  return (mode == 0 || mode == 1) ? mode : fallback;
}

void readapi(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (plat::file_type(path) != 1 || !plat::read_whole(path, bytes, apifilemax)) bytes.clear();
  apimode = parseapi(bytes, 0);
}

int writeapi(const std::string& path) {
  std::vector<uint8_t> bytes;
  putint(bytes, apimagic);
  putint(bytes, apimode);
  return replacefile(path, bytes) ? 1 : 0;
}
