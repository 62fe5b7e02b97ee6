#include "app/replay/play_settings.h"

#include "input/bindings.h"
#include "state/play_state.h"
#include "state/settings.h"

namespace {

constexpr int settingcount = 10;                     // settings[1..10]
constexpr int bindingcount = 2 * actioncount;        // keys[1..2][1..8]
constexpr int cheatcount = cheatnightvision + 1;     // debugflags[0..4]
constexpr int blocksize = settingcount + bindingcount + cheatcount;

// Walks the block in its stored order: settings, bindings, cheats.
template <class Fn>
void walk(Fn fn) {
  for (int s = 1; s <= settingcount; ++s) fn(settings[s]);
  for (int p = 1; p <= 2; ++p)
    for (int a = 1; a <= actioncount; ++a) fn(keys[p][a]);
  for (int c = cheatmode; c <= cheatnightvision; ++c) fn(debugflags[c]);
}

bool settingvalue(int s, int v) {
  if (s == setjoysensitivity) return v >= 10 && v <= 100;
  return v == 0 || v == 1;
}

bool bindingvalue(int v) {
  if (v >= 0 && v <= 310) return true;
  return v >= 400 && (v - 400) / 100 <= 20 && (v - 400) % 100 <= 34;
}

}  // namespace

int playsettingscount() { return blocksize; }

std::vector<int32_t> captureplaysettings() {
  std::vector<int32_t> out;
  out.reserve(blocksize);
  walk([&](int& v) { out.push_back(v); });
  return out;
}

bool playsettingsusable(const std::vector<int32_t>& values) {
  if (values.size() != static_cast<size_t>(blocksize)) return false;
  for (int i = 0; i < blocksize; ++i) {
    const int v = values[i];
    if (i < settingcount) {
      if (!settingvalue(i + 1, v)) return false;
    } else if (i < settingcount + bindingcount) {
      if (!bindingvalue(v)) return false;
    } else if (v != 0 && v != 1) {
      return false;
    }
  }
  return true;
}

void applyplaysettings(const std::vector<int32_t>& values, bool listening) {
  if (values.size() != static_cast<size_t>(blocksize)) return;
  const int music = settings[setmusic], sound = settings[setsound], variant = settings[setmusicvariant];
  size_t i = 0;
  walk([&](int& v) { v = values[i++]; });
  if (!listening) {
    settings[setmusic] = music;
    settings[setsound] = sound;
    settings[setmusicvariant] = variant;
  }
}
