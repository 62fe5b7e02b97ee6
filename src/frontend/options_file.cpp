#include "frontend/options_file.h"

#include "frontend/atomic_file.h"
#include "frontend/linked_state.h"
#include "input/bindings.h"
#include "platform/platform.h"
#include "squad/roster.h"

namespace {

// Whether v is a value setting s can take: JOY SENSITIVITY is a threshold
// of 10..100 in steps of 10, every other setting a switch.
bool settingvalue(int s, int v) {
  if (s == setjoysensitivity) return v >= 10 && v <= 100 && v % 10 == 0;
  return v == 0 || v == 1;
}

// Binding codes: keys 1..300, mouse 301..310, joystick entries
// 400 + 100 * joystick (0..20) + entry (0..34); 0 leaves an action unbound.
bool bindingvalue(int v) {
  if (v >= 0 && v <= 310) return true;
  if (v < 400) return false;
  const int j = (v - 400) / 100, e = (v - 400) % 100;
  return j <= 20 && e <= 34;
}

}  // namespace

std::vector<uint8_t> optionbytes() {
  std::vector<uint8_t> out;
  putint(out, optmagic);
  for (int s = 1; s <= 10; ++s) putint(out, settings[s]);
  for (int p = 1; p <= 2; ++p)
    for (int a = 1; a <= 8; ++a) putint(out, keys[p][a]);
  putint(out, splitoption);
  for (int s = 0; s <= 6; ++s)
    for (int c = 0; c <= 5; ++c) putint(out, squadpick[s][c]);
  return out;
}

void parseoptions(const std::vector<uint8_t>& bytes) {
  const size_t have = bytes.size() / 4;
  if (have < 1 || getint(bytes, 0) != optmagic) return;
  size_t at = 1;
  // The next integer, or false once the file has run out.
  auto next = [&](int& v) {
    if (at >= have) return false;
    v = getint(bytes, 4 * at++);
    return true;
  };
  int v;
  for (int s = 1; s <= 10; ++s)
    if (next(v) && settingvalue(s, v)) settings[s] = v;
  for (int p = 1; p <= 2; ++p)
    for (int a = 1; a <= 8; ++a)
      if (next(v) && bindingvalue(v)) keys[p][a] = v;
  if (next(v) && (v == 0 || v == 1)) splitoption = v;

  int pick[7][6];
  bool complete = true;
  for (int s = 0; s <= 6; ++s)
    for (int c = 0; c <= 5; ++c)
      if (!next(pick[s][c])) complete = false;
  if (!complete) return;
  for (int s = 1; s <= 6; ++s) {
    const int n = pick[s][1];
    if (n < 1 || n > rostercount) return;
    for (int t = 1; t < s; ++t)
      if (pick[t][1] == n) return;
  }
  for (int s = 0; s <= 6; ++s)
    for (int c = 0; c <= 5; ++c) squadpick[s][c] = pick[s][c];
}

void readoptions(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (plat::file_type(path) == 1 && plat::read_whole(path, bytes, optfilemax)) parseoptions(bytes);
}

int writeoptions(const std::string& path) { return replacefile(path, optionbytes()) ? 1 : 0; }

void resetoptions() {
  resetsettings();
  resetbindings();
  resetsquadchoice();
}
