// Little-endian streams over disk files, archive entries and memory.
// Reads that run out of data set the failed flag and yield 0 or nothing.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "platform/archive_lookup.h"
#include "platform/platform.h"

namespace plat {
namespace {

class DiskStream : public Stream {
 public:
  DiskStream(FILE* f, bool writing) : file_(f), writing_(writing) {}
  ~DiskStream() override { close(); }

  bool close() override {
    if (!file_) return !failed_;
    if (writing_ && std::fflush(file_) != 0) failed_ = true;
    // On the disk before the caller renames it over an older version, so a
    // crash never leaves an empty file where a good one was.
    if (writing_ && ::fsync(fileno(file_)) != 0) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
  }

  long long size() override {
    if (!file_) return 0;
    const long pos = std::ftell(file_);
    if (pos < 0 || std::fseek(file_, 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(file_);
    std::fseek(file_, pos, SEEK_SET);
    return end < 0 ? 0 : end;
  }

 protected:
  size_t raw_read(void* dst, size_t n) override {
    return (file_ && !writing_) ? std::fread(dst, 1, n, file_) : 0;
  }
  size_t raw_write(const void* src, size_t n) override {
    return (file_ && writing_) ? std::fwrite(src, 1, n, file_) : 0;
  }
  bool at_end() override {
    if (!file_ || writing_) return true;
    const int c = std::fgetc(file_);
    if (c == EOF) return true;
    std::ungetc(c, file_);
    return false;
  }

 private:
  FILE* file_;
  bool writing_;
};

// Read-only view of bytes that outlive the stream (archive entries) or
// that the stream owns (memory streams).
class BytesStream : public Stream {
 public:
  BytesStream(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit BytesStream(std::vector<uint8_t> owned)
      : owned_(std::move(owned)), data_(owned_.data()), size_(owned_.size()) {}

  bool close() override { return !failed_; }
  long long size() override { return static_cast<long long>(size_); }

 protected:
  size_t raw_read(void* dst, size_t n) override {
    const size_t take = std::min(n, size_ - pos_);
    if (take) std::memcpy(dst, data_ + pos_, take);
    pos_ += take;
    return take;
  }
  size_t raw_write(const void*, size_t) override { return 0; }
  bool at_end() override { return pos_ >= size_; }

 private:
  std::vector<uint8_t> owned_;
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace

bool Stream::read_raw(void* dst, size_t n) {
  if (n == 0) return !failed_;
  if (raw_read(dst, n) != n) {
    failed_ = true;
    std::memset(dst, 0, n);
    return false;
  }
  return true;
}

int32_t Stream::read_int() {
  uint8_t b[4];
  if (!read_raw(b, 4)) return 0;
  return static_cast<int32_t>(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                              (uint32_t(b[3]) << 24));
}

double Stream::read_double() {
  uint8_t b[8];
  if (!read_raw(b, 8)) return 0.0;
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[i];
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::string Stream::read_bytes(int32_t count) {
  if (count < 0) {
    failed_ = true;
    return {};
  }
  // Read in chunks so that a corrupt length never allocates more than the
  // data that is actually there.
  std::string out;
  char chunk[65536];
  while (static_cast<int32_t>(out.size()) < count) {
    const size_t want = std::min<size_t>(sizeof chunk, static_cast<size_t>(count) - out.size());
    const size_t got = raw_read(chunk, want);
    out.append(chunk, got);
    if (got < want) {
      failed_ = true;
      return {};
    }
  }
  return out;
}

void Stream::write_raw(const void* src, size_t n) {
  if (n && raw_write(src, n) != n) failed_ = true;
}

void Stream::write_int(int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  write_raw(b, 4);
}

void Stream::write_double(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  uint8_t b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(bits >> (8 * i));
  write_raw(b, 8);
}

void Stream::write_bytes(const std::string& s) { write_raw(s.data(), s.size()); }

bool Stream::eof() { return at_end(); }

Stream* open_read(const std::string& name) {
  std::string entry;
  if (archive_name(name, entry)) {
    const ArchiveBlob* e = find_archive_entry(entry);
    return e ? new BytesStream(e->data, e->size) : nullptr;
  }
  if (file_type(name) != 1) return nullptr;
  FILE* f = std::fopen(disk_path(name).c_str(), "rb");
  return f ? new DiskStream(f, false) : nullptr;
}

Stream* open_write(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry) || file_type(path) == 2) return nullptr;
  FILE* f = std::fopen(disk_path(path).c_str(), "wb");
  return f ? new DiskStream(f, true) : nullptr;
}

void close_stream(Stream* s) {
  if (!s) return;
  s->close();
  delete s;
}

Stream* open_memory(std::vector<uint8_t> bytes) { return new BytesStream(std::move(bytes)); }

}  // namespace plat
