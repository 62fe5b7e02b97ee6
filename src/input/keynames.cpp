#include "input/keynames.h"

#include "platform/keymap.h"

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
  n[14] = "NUM ENTER";
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

namespace {

// The character a fixed name stands for: the key cap it assumes. 0 for the
// names of keys that type nothing (SPACE, F1, NUM 0, ...); -1 for codes the
// table has no real name for (empty, or only the number).
int fixedcap(int code) {
  if (code >= 'A' && code <= 'Z') return code - 'A' + 'a';
  if (code >= '0' && code <= '9') return code;
  switch (code) {
    case 188: return ',';
    case 189: return '/';
    case 190: return '.';
    case 192: return 0xF6;  // ö
    case 220: return '~';
    case 221: return 0xE5;  // å
    case 222: return 0xE4;  // ä
    case 186: case 187: case 191: case 219: case 226: return -1;
    default: break;
  }
  if (code < 0 || code > 300 || keyname[code].empty()) return -1;
  return 0;
}

// Words for the caps the fixed names never show as a character.
std::string capword(int ch) {
  switch (ch) {
    case '-': return "MINUS";
    case '=': return "EQUALS";
    case '+': return "PLUS";
    case '[': return "L BRACKET";
    case ']': return "R BRACKET";
    case ';': return "SEMICOLON";
    case '\'': return "APOSTROPHE";
    case '`': return "GRAVE";
    case '\\': return "BACKSLASH";
    case ',': return "COMMA";
    case '.': return "PERIOD";
    case '/': return "SLASH";
    case '#': return "HASH";
    case '<': return "LESS THAN";
    case '>': return "GREATER THAN";
    case '*': return "ASTERISK";
    case '^': return "CARET";
    case '~': return "TILDE";
    case '!': return "EXCLAMATION";
    case '$': return "DOLLAR";
    case '%': return "PERCENT";
    case '&': return "AMPERSAND";
    case '(': return "L PAREN";
    case ')': return "R PAREN";
    case '"': return "QUOTE";
    case ':': return "COLON";
    case '?': return "QUESTION";
    case '@': return "AT";
    case '_': return "UNDERSCORE";
    case '|': return "BAR";
    case '{': return "L BRACE";
    case '}': return "R BRACE";
    case 0xA7: return "SECTION";
    case 0xB4: return "ACUTE";
    case 0xA8: return "DIAERESIS";
    case 0xB0: return "DEGREE";
    case 0xB2: return "SQUARED";
    case 0xBD: return "HALF";
    case 0xDF: return "SHARP S";
    case 0xDC: return "U UMLAUT";
    case 0xC9: return "E ACUTE";
    case 0xC8: return "E GRAVE";
    case 0xC0: return "A GRAVE";
    case 0xC7: return "C CEDILLA";
    case 0xD1: return "N TILDE";
    case 0xD8: return "O SLASH";
    case 0xC6: return "AE";
    case 0xD9: return "U GRAVE";
    case 0xB5: return "MU";
    case 0xA3: return "POUND";
    default: break;
  }
  return "";
}

}  // namespace

int uppercaselatin1(int ch) {
  if (ch >= 'a' && ch <= 'z') return ch - 32;
  if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return ch - 32;
  return ch;
}

int keycapchar(int code) { return uppercaselatin1(plat::key_cap(code)); }

int keycapshiftedchar(int code) { return uppercaselatin1(plat::key_cap_shifted(code)); }

std::string keycapname(int code) {
  if (code < 0 || code > 300) return "";
  const int fixed = fixedcap(code);
  const int cap = plat::key_cap(code);
  if (fixed == 0 || cap == 0 || cap == fixed) return keyname[code];
  const int up = uppercaselatin1(cap);
  const bool plain = (up >= 'A' && up <= 'Z') || (up >= '0' && up <= '9') || up == 0xC4 || up == 0xD6 || up == 0xC5;
  if (plain) return std::string(1, static_cast<char>(up));
  const std::string word = capword(up);
  return word.empty() ? keyname[code] : word;
}
