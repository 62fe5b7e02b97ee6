#include "app/replay/state_hash.h"

#include <cstring>
#include <string>

#include "frontend/save_field_list.h"
#include "platform/random.h"

namespace {

// FNV-1a over the bytes of each value, in the order the state lists give.
struct ByteMix {
  static void bytes(uint64_t& h, const unsigned char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      h ^= b[i];
      h *= 1099511628211ull;
    }
  }
};

// The same, eight bytes to a step: about ten times faster over the room
// table, as good at telling two states apart.
struct WordMix {
  static void bytes(uint64_t& h, const unsigned char* b, size_t n) {
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
      uint64_t w;
      std::memcpy(&w, b + i, 8);
      h ^= w;
      h *= 1099511628211ull;
      h ^= h >> 29;
    }
    ByteMix::bytes(h, b + i, n - i);
  }
};

template <class Mix>
struct Hasher {
  uint64_t h = 1469598103934665603ull;

  void bytes(const void* p, size_t n) { Mix::bytes(h, static_cast<const unsigned char*>(p), n); }
  void number(int64_t v) { bytes(&v, sizeof v); }
  void decimal(double v) {
    // Hash the value, not the representation of a negative zero.
    if (v == 0) v = 0;
    bytes(&v, sizeof v);
  }

  // The state lists' visitor.
  void ints(const int* p, size_t n, savelist::Check) { bytes(p, n * sizeof(int)); }
  void str(const std::string& s) {
    number(static_cast<int64_t>(s.size()));
    bytes(s.data(), s.size());
  }
  // The generator's live state, not the seed a save would store.
  void seed(int) { number(plat::random_seed()); }
  void num(int v, bool (*)(int)) { number(v); }
  void real(float v) { decimal(v); }
  void unsavednum(int v) { number(v); }
  void unsavedreal(float v) { decimal(v); }
  template <class T, class Fn>
  void list(std::list<T>& l, Fn fn) {
    number(static_cast<int64_t>(l.size()));
    for (T& r : l) fn(*this, r);
  }
};

}  // namespace

uint64_t statehash() {
  Hasher<ByteMix> h;
  savelist::savefields(h);
  savelist::unsavedfields(h);
  return h.h;
}

uint64_t quickstatehash() {
  Hasher<WordMix> h;
  savelist::savefields(h);
  savelist::unsavedfields(h);
  return h.h;
}
