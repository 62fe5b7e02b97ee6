#include "platform/keymap.h"

#include <algorithm>
#include <array>

#include <SDL_syswm.h>

#include "platform/internal.h"
#include "platform/platform.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace plat {
namespace {

using Table = std::array<unsigned char, SDL_NUM_SCANCODES>;

Table build_table() {
  Table t{};
  for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = static_cast<unsigned char>(65 + i);
  for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_1 + i] = static_cast<unsigned char>(49 + i);
  t[SDL_SCANCODE_0] = 48;
  for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F1 + i] = static_cast<unsigned char>(112 + i);
  for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F13 + i] = static_cast<unsigned char>(124 + i);

  t[SDL_SCANCODE_RETURN] = 13;
  t[SDL_SCANCODE_ESCAPE] = 27;
  t[SDL_SCANCODE_BACKSPACE] = 8;
  t[SDL_SCANCODE_TAB] = 9;
  t[SDL_SCANCODE_SPACE] = 32;
  t[SDL_SCANCODE_CAPSLOCK] = 20;
  t[SDL_SCANCODE_PRINTSCREEN] = 44;
  t[SDL_SCANCODE_SCROLLLOCK] = 145;
  t[SDL_SCANCODE_PAUSE] = 19;
  t[SDL_SCANCODE_INSERT] = 45;
  t[SDL_SCANCODE_HOME] = 36;
  t[SDL_SCANCODE_PAGEUP] = 33;
  t[SDL_SCANCODE_DELETE] = 46;
  t[SDL_SCANCODE_END] = 35;
  t[SDL_SCANCODE_PAGEDOWN] = 34;
  t[SDL_SCANCODE_RIGHT] = 39;
  t[SDL_SCANCODE_LEFT] = 37;
  t[SDL_SCANCODE_DOWN] = 40;
  t[SDL_SCANCODE_UP] = 38;

  t[SDL_SCANCODE_NUMLOCKCLEAR] = 144;
  t[SDL_SCANCODE_KP_DIVIDE] = 111;
  t[SDL_SCANCODE_KP_MULTIPLY] = 106;
  t[SDL_SCANCODE_KP_MINUS] = 109;
  t[SDL_SCANCODE_KP_PLUS] = 107;
  t[SDL_SCANCODE_KP_ENTER] = 14;  // a code of its own: bound apart from Return
  for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_KP_1 + i] = static_cast<unsigned char>(97 + i);
  t[SDL_SCANCODE_KP_0] = 96;
  t[SDL_SCANCODE_KP_PERIOD] = 110;
  t[SDL_SCANCODE_KP_COMMA] = 108;

  t[SDL_SCANCODE_LCTRL] = 162;
  t[SDL_SCANCODE_RCTRL] = 163;
  t[SDL_SCANCODE_LSHIFT] = 160;
  t[SDL_SCANCODE_RSHIFT] = 161;
  t[SDL_SCANCODE_LALT] = 164;
  t[SDL_SCANCODE_RALT] = 165;
  t[SDL_SCANCODE_LGUI] = 91;
  t[SDL_SCANCODE_RGUI] = 92;
  t[SDL_SCANCODE_APPLICATION] = 93;
  t[SDL_SCANCODE_MENU] = 93;

  // Punctuation by position, with the codes a Nordic layout gives them.
  t[SDL_SCANCODE_MINUS] = 187;         // plus
  t[SDL_SCANCODE_EQUALS] = 219;        // accent
  t[SDL_SCANCODE_LEFTBRACKET] = 221;   // A-ring
  t[SDL_SCANCODE_RIGHTBRACKET] = 186;  // diaeresis
  t[SDL_SCANCODE_SEMICOLON] = 192;     // O-diaeresis
  t[SDL_SCANCODE_APOSTROPHE] = 222;    // A-diaeresis
  t[SDL_SCANCODE_GRAVE] = 220;         // section sign
  t[SDL_SCANCODE_BACKSLASH] = 191;     // apostrophe
  t[SDL_SCANCODE_NONUSHASH] = 191;
  t[SDL_SCANCODE_COMMA] = 188;
  t[SDL_SCANCODE_PERIOD] = 190;
  t[SDL_SCANCODE_SLASH] = 189;         // minus
  t[SDL_SCANCODE_NONUSBACKSLASH] = 226;  // < >

  t[SDL_SCANCODE_MUTE] = 173;
  t[SDL_SCANCODE_VOLUMEDOWN] = 174;
  t[SDL_SCANCODE_VOLUMEUP] = 175;
  t[SDL_SCANCODE_AUDIONEXT] = 176;
  t[SDL_SCANCODE_AUDIOPREV] = 177;
  t[SDL_SCANCODE_AUDIOSTOP] = 178;
  t[SDL_SCANCODE_AUDIOPLAY] = 179;
  t[SDL_SCANCODE_SLEEP] = 95;
  t[SDL_SCANCODE_HELP] = 47;
  t[SDL_SCANCODE_SELECT] = 41;
  t[SDL_SCANCODE_EXECUTE] = 43;
  return t;
}

const Table& code_table() {
  static const Table table = build_table();
  return table;
}

// The first scancode that gives each key code (the main Enter before the
// keypad's, the backslash key before the ISO hash key).
const std::array<int, 256>& scancode_of_code() {
  static const std::array<int, 256> back = [] {
    std::array<int, 256> b{};
    const Table& t = code_table();
    for (int sc = SDL_NUM_SCANCODES - 1; sc > 0; --sc)
      if (t[sc]) b[t[sc]] = sc;
    return b;
  }();
  return back;
}

const KeyboardLayout* layout_override = nullptr;

// Keypad keys without num lock, as the navigation keys they then are.
int keypad_navigation(int scancode) {
  switch (scancode) {
    case SDL_SCANCODE_KP_0: return 45;
    case SDL_SCANCODE_KP_1: return 35;
    case SDL_SCANCODE_KP_2: return 40;
    case SDL_SCANCODE_KP_3: return 34;
    case SDL_SCANCODE_KP_4: return 37;
    case SDL_SCANCODE_KP_5: return 12;
    case SDL_SCANCODE_KP_6: return 39;
    case SDL_SCANCODE_KP_7: return 36;
    case SDL_SCANCODE_KP_8: return 38;
    case SDL_SCANCODE_KP_9: return 33;
    case SDL_SCANCODE_KP_PERIOD: return 46;
    default: return 0;
  }
}

}  // namespace

int key_code_for_scancode(int scancode, bool numlock_on) {
  const Table& table = code_table();
  if (scancode <= 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  if (!numlock_on) {
    if (const int nav = keypad_navigation(scancode)) return nav;
  }
  return table[scancode];
}

int key_code_for_key_name(const std::string& name, bool numlock_on) {
  const SDL_Scancode sc = SDL_GetScancodeFromName(name.c_str());
  return sc == SDL_SCANCODE_UNKNOWN ? 0 : key_code_for_scancode(sc, numlock_on);
}

}  // namespace plat

namespace plat {

int key_cap(int code) {
  if (code <= 0 || code > 255) return 0;
  const int sc = scancode_of_code()[code];
  if (sc == 0) return 0;
  int ch = 0;
  if (layout_override) {
    const char* name = SDL_GetScancodeName(static_cast<SDL_Scancode>(sc));
    for (const auto& [key, c] : layout_override->keys)
      if (SDL_strcasecmp(key.c_str(), name) == 0) ch = c;
    if (ch == 0) ch = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc));
  } else {
    ch = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc));
  }
  // Printable Latin-1 only: no controls, no keys named by SDL's own codes.
  if (ch < 33 || ch > 255 || (ch >= 127 && ch <= 160)) return 0;
  return ch;
}

namespace {

// A US keyboard's shifted characters, by the unshifted one: the answer
// where the system cannot be asked (no X server, a layout given by a test).
int us_shifted(int ch) {
  static const char* const plain = "1234567890-=[];'`\\,./";
  static const char* const shifted = "!@#$%^&*()_+{}:\"~|<>?";
  if (ch >= 'a' && ch <= 'z') return ch - 32;
  for (int i = 0; plain[i]; ++i)
    if (plain[i] == ch) return static_cast<unsigned char>(shifted[i]);
  return ch;
}

#if defined(SDL_VIDEO_DRIVER_X11)
// The evdev key number of the keys that type characters (the X keycode is
// 8 more); 0 for any other key.
int evdev_key(int sc) {
  static const char* const rows[3] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
  static const int rowstart[3] = {16, 30, 44};
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
    const char letter = static_cast<char>('A' + (sc - SDL_SCANCODE_A));
    for (int r = 0; r < 3; ++r)
      for (int i = 0; rows[r][i]; ++i)
        if (rows[r][i] == letter) return rowstart[r] + i;
  }
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) return 2 + (sc - SDL_SCANCODE_1);
  switch (sc) {
    case SDL_SCANCODE_MINUS: return 12;
    case SDL_SCANCODE_EQUALS: return 13;
    case SDL_SCANCODE_LEFTBRACKET: return 26;
    case SDL_SCANCODE_RIGHTBRACKET: return 27;
    case SDL_SCANCODE_SEMICOLON: return 39;
    case SDL_SCANCODE_APOSTROPHE: return 40;
    case SDL_SCANCODE_GRAVE: return 41;
    case SDL_SCANCODE_BACKSLASH: case SDL_SCANCODE_NONUSHASH: return 43;
    case SDL_SCANCODE_COMMA: return 51;
    case SDL_SCANCODE_PERIOD: return 52;
    case SDL_SCANCODE_SLASH: return 53;
    case SDL_SCANCODE_NONUSBACKSLASH: return 86;
    default: return 0;
  }
}

// The X server's second shift level of the key: what Shift types. 0 when
// the display is not X or does not say.
int x11_shifted(int sc) {
  SDL_Window* window = detail::display().window;
  const int key = evdev_key(sc);
  if (!window || key == 0 || detail::headless_active()) return 0;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  const KeySym sym = XkbKeycodeToKeysym(info.info.x11.display, static_cast<KeyCode>(key + 8), 0, 1);
  // Latin-1 keysyms are the characters' own codes.
  return sym >= 0x20 && sym <= 0xFF ? static_cast<int>(sym) : 0;
}
#endif

}  // namespace

int key_cap_shifted(int code) {
  if (code <= 0 || code > 255) return 0;
  const int sc = scancode_of_code()[code];
  if (sc == 0) return 0;
  int ch = 0;
  if (layout_override) {
    const char* name = SDL_GetScancodeName(static_cast<SDL_Scancode>(sc));
    for (const auto& [key, c] : layout_override->shifted)
      if (SDL_strcasecmp(key.c_str(), name) == 0) ch = c;
  } else {
#if defined(SDL_VIDEO_DRIVER_X11)
    ch = x11_shifted(sc);
#endif
  }
  if (ch == 0) ch = us_shifted(key_cap(code));
  if (ch < 33 || ch > 255 || (ch >= 127 && ch <= 160)) return 0;
  return ch;
}

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// The right Alt key: X keycode 108 under the evdev driver.
bool altgr_on(::Display* dpy) {
  const KeySym sym = XkbKeycodeToKeysym(dpy, 108, 0, 0);
  return sym == XK_ISO_Level3_Shift || sym == XK_Mode_switch;
}

// Under Wayland SDL reports AltGr as right Alt and does not say what the
// key is. The desktop's X server for older programs (Xwayland) is given
// the same keyboard layout: it is asked, at most every few seconds, since
// the player may switch layouts while the game runs.
bool wayland_altgr() {
  constexpr Uint64 askevery_ms = 3000;
  static Uint64 asked = 0;
  static bool answer = false;
  const Uint64 now = SDL_GetTicks64();
  if (asked != 0 && now - asked < askevery_ms) return answer;
  asked = std::max<Uint64>(now, 1);
  answer = false;
  if (::Display* dpy = XOpenDisplay(nullptr)) {
    answer = altgr_on(dpy);
    XCloseDisplay(dpy);
  }
  return answer;
}

}  // namespace
#endif

bool right_alt_is_altgr() {
  if (layout_override) return layout_override->altgr;
#if defined(SDL_VIDEO_DRIVER_X11)
  // SDL reports AltGr as right Alt; the X server knows what the key is.
  SDL_Window* window = detail::display().window;
  if (!window || detail::headless_active()) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info)) return false;
  if (info.subsystem == SDL_SYSWM_X11) return altgr_on(info.info.x11.display);
  if (info.subsystem == SDL_SYSWM_WAYLAND) return wayland_altgr();
  return false;
#else
  return false;
#endif
}

void altgr_as_ctrl_alt(RawInput& in) {
  constexpr int lctrl = 162, ralt = 165;
  if (in.key[ralt] && right_alt_is_altgr()) in.key[lctrl] = true;
}

void use_keyboard_layout(const KeyboardLayout* layout) { layout_override = layout; }

}  // namespace plat
