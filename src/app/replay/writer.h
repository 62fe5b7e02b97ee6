// Builds a recording file as the game goes: body bytes are appended as
// frames are recorded and packed a few seconds' worth at a time into one
// zlib stream that is never finished, so the whole file can be written out
// at any moment without packing again what was packed before.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <vector>

#include "app/replay/format.h"

class ReplayWriter {
 public:
  ReplayWriter();
  ~ReplayWriter();
  ReplayWriter(const ReplayWriter&) = delete;
  ReplayWriter& operator=(const ReplayWriter&) = delete;

  // Where the recorder appends body bytes.
  std::vector<uint8_t>& body() { return pending_; }
  ReplayHeader header;

  // The complete file as it stands: the header, the stream packed so far
  // closed off with an empty last block and its checksum, and the CRC.
  // False when zlib fails.
  bool filebytes(std::vector<uint8_t>& out);
  // Bytes of the body so far, unpacked and packed.
  uint64_t bodysize() const { return rawsize_ + pending_.size(); }
  size_t packedsize() const { return packed_.size(); }

 private:
  bool pack();

  z_stream z_{};
  bool ready_ = false;
  std::vector<uint8_t> pending_;
  std::vector<uint8_t> packed_;
  uLong adler_ = 0;
  uint64_t rawsize_ = 0;
};
