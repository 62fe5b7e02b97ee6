#include "frontend/save_fields.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <list>
#include <string>

#include "state/play_state.h"
#include "frontend/atomic_file.h"
#include "frontend/linked_state.h"
#include "frontend/save_field_list.h"

int rndseed = 0;

namespace {

using savelist::Check;
using savelist::savefields;

// ------------------------------------------------------------ writing
void putreal(std::vector<uint8_t>& out, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

struct Writer {
  std::vector<uint8_t> out;
  int32_t seedvalue = 0;

  void ints(const int* p, size_t n, Check) {
    for (size_t i = 0; i < n; ++i) putint(out, p[i]);
  }
  void str(const std::string& s) {
    putint(out, static_cast<int32_t>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
  }
  void seed(int) { putint(out, seedvalue); }
  void num(int v, bool (*)(int)) { putint(out, v); }
  void real(float v) { putreal(out, static_cast<double>(v)); }
  void unsavednum(int) {}
  void unsavedreal(float) {}
  template <class T, class Fn>
  void list(std::list<T>& l, Fn fn) {
    putint(out, static_cast<int32_t>(l.size()));
    for (T& r : l) fn(*this, r);
  }
};

// ------------------------------------------------------------ reading
// A cursor over payload bytes; reading past the end marks it failed.
struct Cursor {
  const std::vector<uint8_t>& bytes;
  size_t pos = 0;
  bool ok = true;

  size_t left() const { return bytes.size() - pos; }
  int32_t next() {
    if (left() < 4) {
      ok = false;
      pos = bytes.size();
      return 0;
    }
    const int32_t v = getint(bytes, pos);
    pos += 4;
    return v;
  }
  double nextreal() {
    if (left() < 8) {
      ok = false;
      pos = bytes.size();
      return 0;
    }
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[pos + i];
    pos += 8;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }
};

// Bytes one list record takes.
struct Sizer {
  size_t bytes = 0;
  void num(int&, bool (*)(int)) { bytes += 4; }
  void real(float&) { bytes += 8; }
  void unsavednum(int&) {}
  void unsavedreal(float&) {}
};

// A real that narrows to a finite float.
bool floatvalue(double d) {
  return std::isfinite(d) && std::fabs(d) <= std::numeric_limits<float>::max();
}

// Reads the whole payload and checks every value, changing nothing.
struct Checker {
  Cursor c;

  void ints(const int*, size_t n, Check check) {
    for (size_t i = 0; i < n && c.ok; ++i)
      if (!check(i, c.next())) c.ok = false;
  }
  void str(const std::string&) {
    const int32_t len = c.next();
    if (len < 0 || static_cast<size_t>(len) > c.left()) {
      c.ok = false;
      return;
    }
    c.pos += static_cast<size_t>(len);
  }
  void seed(int) { c.next(); }
  void num(int&, bool (*check)(int)) {
    if (!check(c.next())) c.ok = false;
  }
  void real(float&) {
    if (!floatvalue(c.nextreal())) c.ok = false;
  }
  void unsavednum(int&) {}
  void unsavedreal(float&) {}
  template <class T, class Fn>
  void list(std::list<T>&, Fn fn) {
    if (!c.ok) return;
    Sizer sizer;
    T scratch{};
    fn(sizer, scratch);
    const int32_t count = c.next();
    if (count < 0 || static_cast<size_t>(count) > c.left() / sizer.bytes) {
      c.ok = false;
      return;
    }
    for (int32_t i = 0; i < count && c.ok; ++i) fn(*this, scratch);
  }
};

// Stores a payload that the checker accepted into the live state.
struct Loader {
  Cursor c;

  void ints(int* p, size_t n, Check) {
    for (size_t i = 0; i < n; ++i) p[i] = c.next();
  }
  void str(std::string& s) {
    const int32_t len = c.next();
    s.assign(reinterpret_cast<const char*>(c.bytes.data() + c.pos), static_cast<size_t>(len));
    c.pos += static_cast<size_t>(len);
  }
  void seed(int& s) { s = c.next(); }
  void num(int& v, bool (*)(int)) { v = c.next(); }
  void real(float& v) { v = static_cast<float>(c.nextreal()); }
  void unsavednum(int&) {}
  void unsavedreal(float&) {}
  template <class T, class Fn>
  void list(std::list<T>& l, Fn fn) {
    l.clear();
    const int32_t count = c.next();
    for (int32_t i = 0; i < count; ++i) {
      T r{};
      fn(*this, r);
      l.push_back(r);
    }
  }
};

struct Clearer {
  void ints(int* p, size_t n, Check) { std::fill(p, p + n, 0); }
  void str(std::string& s) { s.clear(); }
  void seed(int& s) { s = 0; }
  template <class T, class Fn>
  void list(std::list<T>& l, Fn) {
    l.clear();
  }
};

}  // namespace

std::vector<uint8_t> writepayload(int32_t seed) {
  Writer w;
  w.seedvalue = seed;
  putint(w.out, savemagic);
  savefields(w);
  return std::move(w.out);
}

bool checkpayload(const std::vector<uint8_t>& bytes) {
  Checker ch{Cursor{bytes}};
  if (ch.c.next() != savemagic) return false;
  savefields(ch);
  return ch.c.ok && ch.c.left() == 0;
}

bool readpayload(const std::vector<uint8_t>& bytes) {
  if (!checkpayload(bytes)) return false;
  Loader ld{Cursor{bytes}};
  ld.c.next();  // magic
  savefields(ld);
  return true;
}

void resetsavedstate() {
  Clearer cl;
  savefields(cl);
  numplayers = 1;
  cyclephase = 1;
}

void resetunsavedstate() {
  Clearer cl;
  savelist::unsavedfields(cl);
}
