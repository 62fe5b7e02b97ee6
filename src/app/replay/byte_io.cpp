#include "app/replay/byte_io.h"

#include <cstring>

namespace replayio {

void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void put64(std::vector<uint8_t>& out, uint64_t v) {
  put32(out, static_cast<uint32_t>(v));
  put32(out, static_cast<uint32_t>(v >> 32));
}

void putvar(std::vector<uint8_t>& out, uint64_t v) {
  while (v >= 0x80) {
    out.push_back(static_cast<uint8_t>(v | 0x80));
    v >>= 7;
  }
  out.push_back(static_cast<uint8_t>(v));
}

void putsigned(std::vector<uint8_t>& out, int64_t v) {
  const uint64_t u = static_cast<uint64_t>(v);
  putvar(out, (u << 1) ^ (v < 0 ? ~uint64_t{0} : 0));
}

void putstring(std::vector<uint8_t>& out, const std::string& s) {
  put32(out, static_cast<uint32_t>(s.size()));
  out.insert(out.end(), s.begin(), s.end());
}

uint8_t Cursor::byte() {
  if (!ok_ || left() < 1) {
    ok_ = false;
    return 0;
  }
  return data_[pos_++];
}

uint32_t Cursor::u32() {
  if (!ok_ || left() < 4) {
    ok_ = false;
    return 0;
  }
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t{data_[pos_ + i]} << (8 * i);
  pos_ += 4;
  return v;
}

uint64_t Cursor::u64() {
  const uint64_t lo = u32();
  const uint64_t hi = u32();
  return lo | (hi << 32);
}

uint64_t Cursor::var(int maxbits) {
  uint64_t v = 0;
  for (int shift = 0; ok_; shift += 7) {
    if (shift >= maxbits) break;
    const uint8_t b = byte();
    const uint64_t part = b & 0x7f;
    // Bits beyond maxbits mean a number this field cannot hold.
    if (maxbits < 64 && shift + 7 > maxbits && (part >> (maxbits - shift)) != 0) break;
    v |= part << shift;
    if (!(b & 0x80)) return ok_ ? v : 0;
  }
  ok_ = false;
  return 0;
}

int64_t Cursor::sgn(int maxbits) {
  const uint64_t u = var(maxbits);
  return static_cast<int64_t>((u >> 1) ^ (~(u & 1) + 1));
}

std::string Cursor::string(size_t maxlen) {
  const uint32_t n = u32();
  if (!ok_ || n > maxlen || n > left()) {
    ok_ = false;
    return {};
  }
  std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
  pos_ += n;
  return s;
}

std::vector<uint8_t> Cursor::bytes(size_t count) {
  if (!ok_ || count > left()) {
    ok_ = false;
    return {};
  }
  std::vector<uint8_t> out(data_ + pos_, data_ + pos_ + count);
  pos_ += count;
  return out;
}

bool Cursor::raw(void* dst, size_t count) {
  if (!ok_ || count > left()) {
    ok_ = false;
    return false;
  }
  if (count) std::memcpy(dst, data_ + pos_, count);
  pos_ += count;
  return true;
}

}  // namespace replayio
