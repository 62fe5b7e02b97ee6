// The state hash walks the same list as the save: every field a save holds,
// and every field listed as hashed but not saved, moves the hash when it
// changes. A visitor step that the hash skipped, or a new kind of field that
// it ignores, would let two different games hash alike.
#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <string>

#include "app/replay/state_hash.h"
#include "creatures/effects.h"
#include "frontend/save_field_list.h"
#include "platform/random.h"

namespace {

// Changes the target-th value the state lists visit (a block of ints is one
// value: its last entry changes; a list's length is one value, then each
// record field), and keeps how to put it back.
struct Perturber {
  int target = -1;
  int site = 0;
  std::function<void()> undo;

  bool hit() { return site++ == target; }
  template <class T>
  void bump(T& v) {
    if (!hit()) return;
    const T old = v;
    v = v + 1;
    undo = [&v, old] { v = old; };
  }
  void ints(int* p, size_t n, savelist::Check) { bump(p[n - 1]); }
  void str(std::string& s) {
    if (!hit()) return;
    const std::string old = s;
    s += "X";
    undo = [&s, old] { s = old; };
  }
  void seed(int&) {
    if (!hit()) return;
    const uint32_t old = plat::random_seed();
    plat::seed_random(old + 1);
    undo = [old] { plat::seed_random(old); };
  }
  void num(int& v, bool (*)(int)) { bump(v); }
  void real(float& v) { bump(v); }
  void unsavednum(int& v) { bump(v); }
  void unsavedreal(float& v) { bump(v); }
  template <class T, class Fn>
  void list(std::list<T>& l, Fn fn) {
    if (hit()) {
      l.push_back(T{});
      undo = [&l] { l.pop_back(); };
    }
    for (T& r : l) fn(*this, r);
  }

  void walk() {
    savelist::savefields(*this);
    savelist::unsavedfields(*this);
  }
};

}  // namespace

TEST(StateLists, EveryListedFieldMovesTheHash) {
  // One record in each effect list, so that every record field is visited.
  clearlists();
  explist.push_back({});
  deathlist.push_back({});
  corlist.push_back({});
  acidlist.push_back({});
  scorelist.push_back({});
  plat::seed_random(77);

  Perturber count;
  count.walk();
  const int sites = count.site;
  ASSERT_GT(sites, 40);

  const uint64_t base = statehash();
  for (int t = 0; t < sites; ++t) {
    Perturber p;
    p.target = t;
    p.walk();
    ASSERT_TRUE(p.undo) << "value " << t << " could not be changed";
    EXPECT_NE(statehash(), base) << "value " << t << " of the state lists is not hashed";
    p.undo();
    ASSERT_EQ(statehash(), base) << "value " << t << " was not put back";
  }
  clearlists();
}
