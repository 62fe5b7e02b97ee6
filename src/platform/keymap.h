// Translation of physical keys to the game's virtual key codes (the codes
// of the Windows virtual-key table, OEM keys by their Nordic-layout codes).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plat {

// The key code (1..250) of an SDL scancode, 0 for keys the game does not
// know. With num lock off the keypad reports its navigation keys.
int key_code_for_scancode(int scancode, bool numlock_on);
// The same, looked up by SDL's scancode name ("A", "Left Shift",
// "Keypad 5", ...); 0 for an unknown name. Used by tests and tools.
int key_code_for_key_name(const std::string& name, bool numlock_on = true);

// The character the player's keyboard layout puts on the key with game key
// code `code`, unshifted, as a Latin-1 byte (letters in lower case as the
// layout gives them); 0 where the key types no Latin-1 character or the
// game knows no key by that code.
int key_cap(int code);
// The same with Shift held ('&' on a US keyboard's 7, ':' on a German
// keyboard's period); 0 where Shift gives no Latin-1 character.
int key_cap_shifted(int code);
// Whether the right Alt key is AltGr (ISO Level 3 shift) in the layout.
bool right_alt_is_altgr();
// AltGr is reported as the left Ctrl + right Alt pair that the rest of the
// game knows it as; poll_input applies this to every snapshot.
void altgr_as_ctrl_alt(struct RawInput& in);

// A layout that replaces the system's (tests of other layouts on a
// headless machine): keys by SDL's scancode name ("Z", ";", "[") with the
// Latin-1 character they type; nullptr returns to the system's layout.
struct KeyboardLayout {
  std::vector<std::pair<std::string, int>> keys;
  bool altgr = false;
  // What the keys type with Shift, where that is not the US keyboard's.
  std::vector<std::pair<std::string, int>> shifted = {};
};
void use_keyboard_layout(const KeyboardLayout* layout);

}  // namespace plat
