#include "app/replay/carried_state.h"

#include <cmath>
#include <cstring>
#include <iterator>

#include "app/ingame.h"
#include "frontend/save_field_list.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "world/machinery.h"

namespace {

// The pointer is kept on this scale; anything beyond is not a screen.
constexpr int pointerlimit = 1 << 16;

enum class Rule { any, flag, screen, panel, pointer, speed, real };

int32_t floatbits(float f) {
  int32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}
float bitsfloat(int32_t b) {
  float f;
  std::memcpy(&f, &b, sizeof f);
  return f;
}

Rule ruleof(const int* p) {
  if (p == &gamestate) return Rule::screen;
  if (p == &pausepos) return Rule::panel;
  if (p == &pausestate[panelactive] || p == &pausestate[panelclosing] || p == &alldead || p == &newwave ||
      p == &controlscard)
    return Rule::flag;
  if (p >= std::begin(mousepos) && p < std::end(mousepos)) return Rule::pointer;
  return Rule::any;
}

// Calls fn(int&, Rule) for each fixed value in the stored order; pausespeed
// travels as its bits.
template <class Fn>
void walkfixed(Fn fn) {
  struct Ints {
    Fn& fn;
    void ints(int* p, size_t n, savelist::Check) {
      for (size_t i = 0; i < n; ++i) fn(p[i], ruleof(p + i));
    }
  } v{fn};
  savelist::unsavedfields(v);
  v.ints(&pausepulse, 1, savelist::anyvalue);
  v.ints(&pausepulsedir, 1, savelist::anyvalue);
  v.ints(&statshown[teamrow][statclock], 3 * 6, savelist::anyvalue);
  v.ints(mousepos, 5, savelist::anyvalue);
  v.ints(&controlscard, 1, savelist::anyvalue);
  for (UsePrompt& u : useprompt)
    for (int* f : {&u.shown, &u.x, &u.y, &u.w, &u.h, &u.blink, &u.blinkdir}) v.ints(f, 1, savelist::anyvalue);
  int speed = floatbits(pausespeed);
  fn(speed, Rule::speed);
  pausespeed = bitsfloat(speed);
}

bool usable(int v, Rule r) {
  switch (r) {
    case Rule::flag: return v == 0 || v == 1;
    case Rule::screen: return v == stateplay || v == statemissionend || v == statesquadlost;
    case Rule::panel: return v >= 0 && v <= panelopenpos;
    case Rule::pointer: return v > -pointerlimit && v < pointerlimit;
    case Rule::speed: {
      const float f = bitsfloat(v);
      return std::isfinite(f) && f >= 0 && f <= 1000;
    }
    case Rule::real: {
      const float f = bitsfloat(v);
      return std::isfinite(f) && std::fabs(f) <= 1e6f;
    }
    case Rule::any: break;
  }
  return true;
}

// The effect records' fields a save leaves out, list by list, as the
// save's field list names them.
template <class Fn>
struct ListExtras {
  Fn& fn;  // fn(size_t count) -> bool for a list's head, then field calls
  bool ok = true;
  void ints(int*, size_t, savelist::Check) {}
  void str(std::string&) {}
  void seed(int&) {}
  template <class T, class F>
  void list(std::list<T>& l, F f) {
    if (!ok || !fn.head(l.size())) {
      ok = false;
      return;
    }
    for (T& r : l) f(*this, r);
  }
  void num(int&, bool (*)(int)) {}
  void real(float&) {}
  void unsavednum(int& v) { fn.value(v); }
  void unsavedreal(float& f) {
    int32_t b = floatbits(f);
    fn.realvalue(b);
    f = bitsfloat(b);
  }
};

}  // namespace

int carriedcount() {
  int n = 0;
  walkfixed([&](int&, Rule) { ++n; });
  return n;
}

CarriedState capturecarried() {
  CarriedState c;
  walkfixed([&](int& v, Rule) { c.fixed.push_back(v); });
  struct Out {
    std::vector<int32_t>& out;
    bool head(size_t n) {
      out.push_back(static_cast<int32_t>(n));
      return true;
    }
    void value(int& v) { out.push_back(v); }
    void realvalue(int32_t& b) { out.push_back(b); }
  } out{c.lists};
  ListExtras<Out> walker{out};
  savelist::savefields(walker);
  return c;
}

bool carriedusable(const CarriedState& c) {
  if (c.fixed.size() != static_cast<size_t>(carriedcount())) return false;
  size_t i = 0;
  bool ok = true;
  // Walking with a copy: nothing live changes.
  walkfixed([&](int& live, Rule r) {
    int v = c.fixed[i++];
    if (!usable(v, r)) ok = false;
    (void)live;
  });
  return ok;
}

bool restorecarried(const CarriedState& c) {
  if (c.fixed.size() != static_cast<size_t>(carriedcount())) return false;
  size_t i = 0;
  walkfixed([&](int& v, Rule) { v = c.fixed[i++]; });
  // First check that every list holds as many records as described.
  struct Count {
    const std::vector<int32_t>& in;
    size_t pos = 0;
    bool head(size_t n) {
      if (pos >= in.size() || in[pos] != static_cast<int32_t>(n)) return false;
      ++pos;
      return true;
    }
    void value(int&) { ++pos; }
    // A real must be one the record's arithmetic can take.
    void realvalue(int32_t&) {
      if (pos < in.size() && !usable(in[pos], Rule::real)) bad = true;
      ++pos;
    }
    bool bad = false;
  } count{c.lists};
  ListExtras<Count> check{count};
  {
    // The walk must not write: the field calls only count.
    savelist::savefields(check);
  }
  if (!check.ok || count.bad || count.pos != c.lists.size()) return false;
  struct In {
    const std::vector<int32_t>& in;
    size_t pos = 0;
    bool head(size_t) {
      ++pos;
      return true;
    }
    void value(int& v) { v = in[pos++]; }
    void realvalue(int32_t& b) { b = in[pos++]; }
  } in{c.lists};
  ListExtras<In> put{in};
  savelist::savefields(put);
  return true;
}
