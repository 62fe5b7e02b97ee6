#include "input/keynames.h"

namespace {

std::string numbered(const char* prefix, int n) {
  std::string s(prefix);
  s += std::to_string(n);
  return s;
}

}  // namespace

const std::array<std::string, 301> keyname = [] {
  std::array<std::string, 301> n;
  n[8] = "BACKSPACE";
  n[9] = "TAB";
  n[12] = "NUM 5 OFF";
  n[13] = "ENTER";
  n[19] = "PAUSE";
  n[20] = "CAPS LOCK";
  n[27] = "ESCAPE";
  n[32] = "SPACE";
  n[33] = "PAGE UP";
  n[34] = "PAGE DOWN";
  n[35] = "END";
  n[36] = "HOME";
  n[37] = "ARROW LEFT";
  n[38] = "ARROW UP";
  n[39] = "ARROW RIGHT";
  n[40] = "ARROW DOWN";
  n[45] = "INSERT";
  n[46] = "DELETE";
  for (int i = 0; i <= 9; ++i) n[48 + i] = std::string(1, char('0' + i));
  for (int i = 0; i < 26; ++i) n[65 + i] = std::string(1, char('A' + i));
  n[91] = "LEFT WIN";
  n[92] = "RIGHT WIN";
  n[93] = "MENU";
  for (int i = 0; i <= 9; ++i) n[96 + i] = numbered("NUM ", i);
  n[106] = "NUM MULTIPLY";
  n[107] = "NUM PLUS";
  n[109] = "NUM MINUS";
  n[110] = "NUM DEL";
  n[111] = "NUM DIVIDE";
  for (int i = 1; i <= 12; ++i) n[111 + i] = numbered("F", i);
  n[144] = "NUM LOCK";
  n[145] = "SCROLL LOCK";
  n[160] = "LEFT SHIFT";
  n[161] = "RIGHT SHIFT";
  n[162] = "LEFT CTRL";
  n[163] = "RIGHT CTRL";
  n[164] = "LEFT ALT";
  n[165] = "RIGHT ALT";
  // The Nordic punctuation keys; those without a printable face show
  // their code.
  n[186] = "186";
  n[187] = "187";
  n[188] = "COMMA";
  n[189] = "SLASH";
  n[190] = "PERIOD";
  n[191] = "191";
  n[192] = "\xD6";  // Ö
  n[219] = "219";
  n[220] = "TILDE";
  n[221] = "\xC5";  // Å
  n[222] = "\xC4";  // Ä
  n[226] = "226";
  return n;
}();

const std::array<int, 251> typable = [] {
  std::array<int, 251> t{};
  t[8] = 1;   // backspace edits the name
  t[32] = 1;  // space
  for (int k = 48; k <= 57; ++k) t[k] = 1;
  for (int k = 65; k <= 90; ++k) t[k] = 1;
  t[192] = t[221] = t[222] = 1;  // Ö Å Ä
  return t;
}();
