#include "platform/keymap.h"

#include <array>

#include "platform/internal.h"

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
  t[SDL_SCANCODE_KP_ENTER] = 13;
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
  static const Table table = build_table();
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
