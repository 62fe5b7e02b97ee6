// Helpers for checking generated audio: a strict WAV reader, level
// measures and a seam check for loops.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace pcm_probe {

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<float> samples;  // first channel, -1..1
  std::vector<int> raw;        // first channel as stored (16-bit range)
};

inline uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
inline uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Returns an error text, or "" when the bytes are a well-formed PCM WAV.
inline std::string parse_wav(const uint8_t* b, size_t size, Wav& w) {
  if (size < 44 || std::memcmp(b, "RIFF", 4) || std::memcmp(b + 8, "WAVE", 4)) return "not RIFF/WAVE";
  if (le32(b + 4) + 8 != size) return "RIFF size does not match the file";
  size_t at = 12;
  bool fmt = false;
  while (at + 8 <= size) {
    uint32_t len = le32(b + at + 4);
    const uint8_t* body = b + at + 8;
    if (at + 8 + len > size) return "chunk runs past the end";
    if (!std::memcmp(b + at, "fmt ", 4)) {
      if (len < 16) return "short fmt chunk";
      w.format = le16(body);
      w.channels = le16(body + 2);
      w.rate = static_cast<int>(le32(body + 4));
      w.bits = le16(body + 14);
      uint32_t byte_rate = le32(body + 8);
      uint16_t align = le16(body + 12);
      if (align != w.channels * w.bits / 8 || byte_rate != static_cast<uint32_t>(w.rate) * align)
        return "inconsistent block align or byte rate";
      fmt = true;
    } else if (!std::memcmp(b + at, "data", 4)) {
      if (!fmt) return "data before fmt";
      size_t frame = static_cast<size_t>(w.channels) * (w.bits / 8);
      if (frame == 0 || len % frame) return "data is not whole frames";
      for (size_t i = 0; i < len / frame; ++i) {
        const uint8_t* p = body + i * frame;
        int v = w.bits == 16 ? static_cast<int16_t>(le16(p)) : (p[0] - 128) * 256;
        w.raw.push_back(v);
        w.samples.push_back(v / 32768.0f);
      }
      return "";
    }
    at += 8 + len + (len & 1);
  }
  return "no data chunk";
}

inline double rms(const std::vector<float>& s) {
  double acc = 0;
  for (float x : s) acc += static_cast<double>(x) * x;
  return s.empty() ? 0.0 : std::sqrt(acc / s.size());
}
inline double mean(const std::vector<float>& s) {
  double acc = 0;
  for (float x : s) acc += x;
  return s.empty() ? 0.0 : acc / s.size();
}
inline double db(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-12)); }

// The jump from the last sample back to the first; the largest
// sample-to-sample step within `span` samples on either side of the seam;
// the bend (second difference) across the seam against the file's 99.9th
// percentile bend. A click shows as a jump beyond the local steps and a
// bend beyond nearly all others.
struct Seam {
  double jump = 0, local_step = 0, mean_step = 0, bend = 0, bend_p999 = 0;
};
inline Seam seam(const std::vector<float>& s, size_t span) {
  Seam r;
  size_t n = s.size();
  if (n < 2 * span + 2) return r;
  r.jump = std::fabs(s.front() - s.back());
  for (size_t i = 1; i < span; ++i) {
    r.local_step = std::max<double>(r.local_step, std::fabs(s[i] - s[i - 1]));
    r.local_step = std::max<double>(r.local_step, std::fabs(s[n - i] - s[n - i - 1]));
  }
  for (size_t i = 1; i < n; ++i) r.mean_step += std::fabs(s[i] - s[i - 1]);
  r.mean_step /= (n - 1);
  auto bend = [](float a, float b, float c) { return std::fabs(static_cast<double>(a) - 2.0 * b + c); };
  r.bend = std::max(bend(s[n - 2], s[n - 1], s[0]), bend(s[n - 1], s[0], s[1]));
  std::vector<double> bends(n - 2);
  for (size_t i = 1; i + 1 < n; ++i) bends[i - 1] = bend(s[i - 1], s[i], s[i + 1]);
  size_t k = bends.size() * 999 / 1000;
  std::nth_element(bends.begin(), bends.begin() + static_cast<std::ptrdiff_t>(k), bends.end());
  r.bend_p999 = bends[k];
  return r;
}

}  // namespace pcm_probe
