#include "wav.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

namespace {
void put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void puttag(Bytes& b, const char* t) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i]));
}
}  // namespace

Bytes encode_wav(const std::vector<float>& samples, int rate) {
  Bytes b;
  uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
  puttag(b, "RIFF");
  put32(b, 36 + data_bytes);
  puttag(b, "WAVE");
  puttag(b, "fmt ");
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, static_cast<uint32_t>(rate));
  put32(b, static_cast<uint32_t>(rate * 2));
  put16(b, 2);
  put16(b, 16);
  puttag(b, "data");
  put32(b, data_bytes);
  for (float s : samples) {
    float c = std::clamp(s, -1.0f, 1.0f);
    put16(b, static_cast<uint16_t>(static_cast<int16_t>(std::lrint(c * 32767.0f))));
  }
  return b;
}

}  // namespace contentgen
