#include "app/replay/writer.h"

#include "app/replay/byte_io.h"

using replayio::put32;
using replayio::put64;

ReplayWriter::ReplayWriter() {
  ready_ = deflateInit(&z_, Z_DEFAULT_COMPRESSION) == Z_OK;
  adler_ = adler32(0, nullptr, 0);
}

ReplayWriter::~ReplayWriter() {
  if (ready_) deflateEnd(&z_);
}

bool ReplayWriter::pack() {
  if (!ready_) return false;
  if (pending_.empty() && rawsize_ > 0) return true;
  adler_ = adler32(adler_, pending_.data(), static_cast<uInt>(pending_.size()));
  z_.next_in = pending_.data();
  z_.avail_in = static_cast<uInt>(pending_.size());
  // A sync flush ends on a byte boundary with everything so far emitted,
  // the window kept for what follows.
  uint8_t chunk[16384];
  do {
    z_.next_out = chunk;
    z_.avail_out = sizeof chunk;
    const int r = deflate(&z_, Z_SYNC_FLUSH);
    if (r != Z_OK && r != Z_BUF_ERROR) return false;
    packed_.insert(packed_.end(), chunk, chunk + (sizeof chunk - z_.avail_out));
  } while (z_.avail_out == 0);
  rawsize_ += pending_.size();
  pending_.clear();
  return true;
}

bool ReplayWriter::filebytes(std::vector<uint8_t>& out) {
  if (!pack()) return false;
  out.clear();
  put32(out, static_cast<uint32_t>(replaymagic));
  put32(out, static_cast<uint32_t>(replayformat));
  replayio::putstring(out, header.version);
  put64(out, header.content);
  for (int32_t v : {header.start, header.players, header.frames, header.clock, header.result})
    put32(out, static_cast<uint32_t>(v));
  put64(out, header.finalhash);
  // The stream as written so far, closed by an empty fixed-code last block
  // (bits 1, 01, then the end code: bytes 03 00) and the checksum.
  const size_t packedsize = packed_.size() + 2 + 4;
  put32(out, static_cast<uint32_t>(rawsize_));
  put32(out, static_cast<uint32_t>(packedsize));
  out.insert(out.end(), packed_.begin(), packed_.end());
  out.push_back(0x03);
  out.push_back(0x00);
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler_ >> shift));
  put32(out, static_cast<uint32_t>(crc32(0, out.data(), static_cast<uInt>(out.size()))));
  return true;
}
