#include "sounds/wav_read.h"

#include <cstring>

namespace contentgen::sfx {

namespace {
uint32_t le32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t le16(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }
}  // namespace

bool read_wav(const Bytes& b, WavData& out) {
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) return false;
  size_t at = 12;
  bool have_fmt = false;
  while (at + 8 <= b.size()) {
    uint32_t size = le32(b, at + 4);
    const uint8_t* tag = b.data() + at;
    size_t body = at + 8;
    if (!std::memcmp(tag, "fmt ", 4)) {
      if (size < 16 || body + 16 > b.size()) return false;
      if (le16(b, body) != 1) return false;  // PCM only
      out.channels = le16(b, body + 2);
      out.rate = static_cast<int>(le32(b, body + 4));
      out.bits = le16(b, body + 14);
      if (out.channels < 1 || out.channels > 2 || (out.bits != 8 && out.bits != 16) || out.rate <= 0) return false;
      have_fmt = true;
    } else if (!std::memcmp(tag, "data", 4)) {
      if (!have_fmt) return false;
      size_t avail = b.size() - body;
      size_t len = (size == 0 || size > avail) ? avail : size;
      size_t frame = static_cast<size_t>(out.channels) * (out.bits / 8);
      size_t n = len / frame;
      out.samples.assign(n, 0.0f);
      for (size_t i = 0; i < n; ++i) {
        float acc = 0.0f;
        for (int c = 0; c < out.channels; ++c) {
          size_t p = body + i * frame + static_cast<size_t>(c) * (out.bits / 8);
          acc += out.bits == 16 ? static_cast<int16_t>(le16(b, p)) / 32768.0f : (b[p] - 128) / 128.0f;
        }
        out.samples[i] = acc / out.channels;
      }
      return true;
    }
    at = body + size + (size & 1);
  }
  return false;
}

}  // namespace contentgen::sfx
