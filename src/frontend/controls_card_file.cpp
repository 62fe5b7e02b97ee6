#include "frontend/controls_card_file.h"

#include <cstdint>
#include <vector>

#include "frontend/atomic_file.h"
#include "platform/platform.h"

namespace {
constexpr size_t filebytes = 8;
}  // namespace

bool controlscardshown(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (plat::file_type(path) != 1 || !plat::read_whole(path, bytes, filebytes)) return false;
  return bytes.size() == filebytes && getint(bytes, 0) == controlscardmagic &&
         getint(bytes, 4) == controlscardversion;
}

bool notecontrolscardshown(const std::string& path) {
  std::vector<uint8_t> bytes;
  putint(bytes, controlscardmagic);
  putint(bytes, controlscardversion);
  return replacefile(path, bytes);
}
