#include "frontend/atomic_file.h"

#include "platform/platform.h"

std::string stagedpath(const std::string& path) { return path + ".new"; }

bool writestaged(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string tmp = stagedpath(path);
  plat::Stream* s = plat::open_write(tmp);
  if (!s) return false;
  if (!bytes.empty()) s->write_raw(bytes.data(), bytes.size());
  const bool ok = s->close();
  plat::close_stream(s);
  if (!ok) plat::delete_file(tmp);
  return ok;
}

bool commitstaged(const std::string& path) {
  const std::string tmp = stagedpath(path);
  if (plat::rename_file(tmp, path)) return true;
  plat::delete_file(tmp);
  return false;
}

bool replacefile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return writestaged(path, bytes) && commitstaged(path);
}

void putint(std::vector<uint8_t>& out, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  out.push_back(uint8_t(u));
  out.push_back(uint8_t(u >> 8));
  out.push_back(uint8_t(u >> 16));
  out.push_back(uint8_t(u >> 24));
}

int32_t getint(const std::vector<uint8_t>& in, size_t pos) {
  uint32_t u = 0;
  for (int b = 0; b < 4; ++b) u |= uint32_t(in[pos + b]) << (8 * b);
  return static_cast<int32_t>(u);
}
