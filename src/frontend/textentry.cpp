#include "frontend/textentry.h"

#include <algorithm>

#include "input/keycodes.h"

std::string editline[editlines];

namespace {

int repeatkey = 0;
int repeatframes = 0;

int currentline(int first, int last) {
  for (int l = last; l > first; --l)
    if (!editline[l].empty()) return l;
  return first;
}

void typekey(int k, bool shift, int first, int last, int maxlen, const TypingTables& tables) {
  int line = currentline(first, last);
  std::string& s = editline[line];
  if (k == keybackspace) {
    if (!s.empty()) s.pop_back();
    return;
  }
  if (k == keyspace) s += ' ';
  else if (shift && tables.shiftednames) s += (*tables.shiftednames)[k];
  else s += (*tables.names)[k];
  // A full line hands its last character on to the next line.
  if (line < last && static_cast<int>(s.size()) > maxlen) {
    editline[line + 1] = s.substr(s.size() - 1);
    s.pop_back();
  }
}

}  // namespace

void textentry(const KeyFrame& keys, int first, int last, int maxlen, const TypingTables& tables) {
  first = std::clamp(first, 0, editlines - 1);
  last = std::clamp(last, first, editlines - 1);
  const bool shift = keys.down[keylshift] || keys.down[keyrshift];
  for (int k = 1; k <= 250; ++k) {
    if (!(*tables.typable)[k]) continue;
    bool act = false;
    if (keys.hit[k]) {
      repeatkey = k;
      repeatframes = 0;
      act = true;
    } else if (k == repeatkey) {
      if (keys.down[k]) {
        ++repeatframes;
        act = repeatframes >= keyrepeatdelay;
      } else {
        repeatframes = 0;
      }
    }
    if (act) typekey(k, shift, first, last, maxlen, tables);
  }
  if (static_cast<int>(editline[last].size()) > maxlen) editline[last].resize(std::max(maxlen, 0));
}

void resettextentry() {
  repeatkey = 0;
  repeatframes = 0;
}

void blankname() {
  const std::string& s = editline[0];
  if (s.size() <= 16 && s.find_first_not_of(' ') == std::string::npos) editline[0].assign(1, '-');
}
