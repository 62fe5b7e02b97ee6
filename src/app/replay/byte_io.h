// Little-endian integers and variable-length numbers in a byte buffer, and a
// bounded cursor that reads them back: reading past the end fails the
// cursor instead of reading outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace replayio {

void put32(std::vector<uint8_t>& out, uint32_t v);
void put64(std::vector<uint8_t>& out, uint64_t v);
// Seven bits a byte, low first; the top bit says another byte follows.
void putvar(std::vector<uint8_t>& out, uint64_t v);
// A signed number as a variable-length one: small magnitudes stay short.
void putsigned(std::vector<uint8_t>& out, int64_t v);
void putstring(std::vector<uint8_t>& out, const std::string& s);

class Cursor {
 public:
  Cursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit Cursor(const std::vector<uint8_t>& bytes) : Cursor(bytes.data(), bytes.size()) {}

  uint8_t byte();
  // The next byte without taking it (0 at the end).
  uint8_t peek() const { return ok_ && pos_ < size_ ? data_[pos_] : 0; }
  uint32_t u32();
  int32_t i32() { return static_cast<int32_t>(u32()); }
  uint64_t u64();
  // A variable-length number of at most maxbits bits; longer ones fail.
  uint64_t var(int maxbits = 64);
  int64_t sgn(int maxbits = 64);
  // A string of at most maxlen bytes.
  std::string string(size_t maxlen);
  // count bytes; an empty vector and failure when fewer are left.
  std::vector<uint8_t> bytes(size_t count);
  bool raw(void* dst, size_t count);

  bool ok() const { return ok_; }
  void fail() { ok_ = false; }
  size_t pos() const { return pos_; }
  size_t left() const { return size_ - pos_; }
  bool atend() const { return pos_ == size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace replayio
