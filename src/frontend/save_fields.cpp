#include "frontend/save_fields.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <list>
#include <string>

#include "app/state/play_state.h"
#include "creatures/effects.h"
#include "frontend/atomic_file.h"
#include "frontend/linked_state.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

int rndseed = 0;

namespace {

// ------------------------------------------------------------ value checks
// A check sees a value and its index in the block it was stored with.
using Check = bool (*)(size_t index, int value);

bool anyvalue(size_t, int) { return true; }
bool roomnumber(int v) { return v >= 0 && v <= outsideroom; }
bool creaturekind(int v) { return v >= 0 && v <= 6; }
bool anyint(int) { return true; }
bool roomfield(int v) { return roomnumber(v); }
bool kindfield(int v) { return creaturekind(v); }

// Member fields 4 (room) and 14 (room at death) index the room table.
bool squadvalue(size_t i, int v) {
  const size_t field = i % 51;
  return (field == 4 || field == 14) ? roomnumber(v) : true;
}
bool rosternumber(size_t, int v) { return v >= 0 && v <= rostercount; }
bool membernumber(size_t, int v) { return v >= 0 && v <= 6; }
bool playercount(size_t, int v) { return v == 1 || v == 2; }
// The neighbour slots of the room record hold room numbers; slot 1 of the
// creature record is the creature's kind.
bool roomvalue(size_t i, int v) {
  const size_t slot = i % 101, record = (i / 101) % 6;
  if (record == roomrecord && slot >= northroom && slot <= eastroom) return roomnumber(v);
  if (record == roomcreature && slot == 1) return creaturekind(v);
  return true;
}

// ------------------------------------------------------------ the field list
template <class V>
void savefields(V& v) {
  v.ints(&squad[0][mslotzero], 7 * memberrecordsize, squadvalue);
  v.ints(squadchar, 7, rosternumber);
  for (std::string& name : squadname) v.str(name);
  v.ints(&rooms[0][0][0], 301 * 6 * 101, roomvalue);
  v.ints(&teamstat[teamrow][statclock], 3 * 6, anyvalue);
  v.ints(missionflags, 4, anyvalue);
  for (int i = 0; i <= 190; ++i) {
    v.ints(&tickertext[i], 1, anyvalue);
    for (int p = 0; p <= 2; ++p) v.ints(&playerticker[p][i], 1, anyvalue);
  }
  v.ints(curmember, 3, membernumber);
  v.ints(eventflags, 11, anyvalue);
  v.seed(rndseed);
  v.ints(&numplayers, 1, playercount);
  v.ints(&splitview, 1, anyvalue);
  for (int* timer : {&queentimer, &powertimer, &powerdelay, &colonistlost, &colonisttimer,
                     &blinkphase, &cyclecount, &cyclephase, &pulsedir, &pulselevel})
    v.ints(timer, 1, anyvalue);
  // movetimer and des of t_death and corpsetype of t_cor are not stored;
  // a restored record has them at 0.
  v.list(explist, [](auto& f, t_exp& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.y, anyint);
    f.num(r.timer, anyint);
    f.num(r.rota, anyint);
  });
  v.list(deathlist, [](auto& f, t_death& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.real(r.y);
    f.real(r.size);
    f.num(r.timer, anyint);
    f.num(r.id, kindfield);
  });
  v.list(corlist, [](auto& f, t_cor& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.y, anyint);
    f.num(r.timer, anyint);
    f.num(r.id, kindfield);
    f.num(r.dir, anyint);
  });
  v.list(acidlist, [](auto& f, t_acid& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.timer, anyint);
    f.num(r.doorid, anyint);
    f.num(r.anim, anyint);
    f.num(r.dorp, anyint);
  });
  v.list(scorelist, [](auto& f, t_score& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.timer, anyint);
  });
}

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
